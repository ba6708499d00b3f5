// The static lateral-force run for a ten-level building, report included.
#include <benchmark/benchmark.h>

#include "loads/lateral_force.h"

namespace {

void LateralForceRun(benchmark::State& state) {
  vd::LateralForceState s;
  s.Z = 0.4, s.I = 1.0, s.S = 1.2, s.Ct = 0.035, s.Rw = 12;
  for (int i = 1; i <= 10; ++i) {
    s.levels[i].name = "Level " + std::to_string(i);
    s.levels[i].height = 13.0 * i;
    s.levels[i].weight = 900.0;
  }
  for (auto _ : state) benchmark::DoNotOptimize(vd::runLateralForce(s, "J-1").report);
}
BENCHMARK(LateralForceRun)->Unit(benchmark::kMicrosecond);

}  // namespace

// One beam analysis with all eighteen loads: construction and run (report text, 201 stations,
// extremes), without writing the files.
#include <benchmark/benchmark.h>

#include "beam/beam_analysis.h"
#include "beam/beam_inputs.h"
#include "beam/cantilever_analysis.h"
#include "beam/overhang_right_analysis.h"

namespace {

vd::BeamLoadTable fullTable(double L, double s) {
  vd::BeamLoadTable t{};
  const double rows[18][2] = {{8, 0.23}, {-3, 0.62}, {4, 0.45}, {2, 0.88}, {10, 0.5}, {3, 0.05},
                              {-2, 0.33}, {6, 0.77}, {1.5, 1.0}, {4, 0.61}};
  for (int r = 0; r < 10; ++r) {
    t[r][0] = rows[r][0];
    t[r][1] = rows[r][1] * L;
  }
  const double lines[8][3] = {{0.5, 0, 1}, {1.2, 0.1, 0.4}, {-0.3, 0.55, 0.95}, {0.75, 0.2, 0.3},
                              {2, 0.15, 0.85}, {1, 0, 0.3}, {1.5, 0.45, 1}, {0.6, 0.05, 0.65}};
  for (int r = 0; r < 8; ++r) t[10 + r] = {lines[r][0], lines[r][1] * L, lines[r][2] * L};
  t[0][2] = L;
  t[1][2] = s;
  t[2][2] = 510.0 / 20736;
  t[3][2] = 29000.0 * 144;
  t[4][2] = 0.4 * L;
  return t;
}

template <class Analysis>
void run(benchmark::State& state, double L, double s) {
  vd::BeamLoadTable t = fullTable(L, s);
  for (auto _ : state) {
    vd::BeamLoadTable copy = t;
    Analysis a(copy);
    benchmark::DoNotOptimize(a.run());
    benchmark::DoNotOptimize(a.report().data());
  }
}

void BM_SimpleBeam18Loads(benchmark::State& state) { run<vd::BeamAnalysis>(state, 24, 24); }
void BM_OverhangLeft18Loads(benchmark::State& state) { run<vd::BeamAnalysis>(state, 30, 24); }
void BM_OverhangRight18Loads(benchmark::State& state) { run<vd::OverhangRightAnalysis>(state, 30, 24); }
void BM_Cantilever18Loads(benchmark::State& state) { run<vd::CantileverAnalysis>(state, 12, 12); }

BENCHMARK(BM_SimpleBeam18Loads)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OverhangLeft18Loads)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OverhangRight18Loads)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Cantilever18Loads)->Unit(benchmark::kMicrosecond);

}  // namespace

// Every W row of the AISC 360-22 table through the flexure and shear check, report text included
// (target: the whole family in under 10 ms).
#include <benchmark/benchmark.h>

#include "aisc360/flexure.h"

namespace {

void BM_Aisc360FlexureEveryW(benchmark::State& state) {
  const auto rows = vd::aisc360::shapesOfFamily(vd::aisc360::Family::W);
  std::size_t chars = 0;
  for (auto _ : state) {
    for (const auto& row : rows) {
      // 150 kip-ft, 30 kips, Lb 12 ft with a deflection check: yielding, lateral-torsional buckling in both
      // ranges and flange local buckling all occur across the family.
      vd::aisc360::FlexureInput in;
      in.section = row.shape;
      in.Mr = 150.0;
      in.Vr = 30.0;
      in.Lb = 12.0;
      in.Cb = 1.14;
      in.span = 24.0;
      in.liveLoad = 1.0;
      in.deflLimit = 360.0;
      const vd::aisc360::Flexure f(in);
      chars += f.report().size();
      benchmark::DoNotOptimize(f.result().ratio);
    }
  }
  state.counters["rows"] = double(rows.size());
  state.counters["chars/row"] = double(chars) / double(state.iterations() * rows.size());
}
BENCHMARK(BM_Aisc360FlexureEveryW)->Unit(benchmark::kMillisecond);

void BM_Aisc360LookupByName(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(vd::aisc360::findShape("HSS2X2X1/8"));  // near the end
}
BENCHMARK(BM_Aisc360LookupByName)->Unit(benchmark::kMicrosecond);

}  // namespace

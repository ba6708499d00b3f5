// Every W row of the AISC 360-22 table through the flexure and shear check, report text included
// (target: the whole family in under 10 ms).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <sstream>
#include <unistd.h>

#include "aisc360/flexure.h"
#include "app/all_forms.h"
#include "cli/script_runner.h"
#include "platform/lightest.h"

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

// The lightest-section search over the whole W family when no row passes, so that every row is run with
// its report (target: under 10 ms).
void BM_Aisc360LightestWholeW(benchmark::State& state) {
  const auto family = vd::aisc360::shapesOfFamily(vd::aisc360::Family::W);
  std::vector<vd::SearchRow> rows;
  for (std::size_t i = 0; i < family.size(); ++i)
    rows.push_back({int(i), family[i].shape->label, family[i].weight, family[i].shape->d});
  for (auto _ : state) {
    const auto found = vd::lightestPassing(rows, [&](int row) {
      vd::aisc360::FlexureInput in;
      in.section = family[std::size_t(row)].shape;
      in.Mr = 20000.0;
      in.Vr = 30.0;
      in.Lb = 12.0;
      in.span = 24.0;
      in.liveLoad = 1.0;
      in.deflLimit = 360.0;
      return vd::aisc360::Flexure(in).result();
    });
    benchmark::DoNotOptimize(found.considered);
  }
}
BENCHMARK(BM_Aisc360LightestWholeW)->Unit(benchmark::kMillisecond);

// The same through the flexure form's "Lightest" button, settings store and pane included.
void BM_Aisc360LightestButtonWholeW(benchmark::State& state) {
  const auto ini = std::filesystem::temp_directory_path() / ("vd_bench_lightest_" + std::to_string(::getpid()) + ".ini");
  vd::Settings settings(ini);
  std::ostringstream out;
  vd::ScriptRunner runner(settings, out, vd::allForms());
  std::istringstream script(
      "menu Steel Flexure AISC 360-22\npick W\nset Moment 20000\nset Shear 30\nset \"Unbraced length Lb\" 12\n"
      "set Span 24\nset \"Live load\" 1\nchoose L/360\n");
  std::ostringstream err;
  runner.runScript(script, err);
  for (auto _ : state) runner.runLine("press Lightest");
  std::filesystem::remove(ini);
}
BENCHMARK(BM_Aisc360LightestButtonWholeW)->Unit(benchmark::kMillisecond);

void BM_Aisc360LookupByName(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(vd::aisc360::findShape("HSS2X2X1/8"));  // near the end
}
BENCHMARK(BM_Aisc360LookupByName)->Unit(benchmark::kMicrosecond);

}  // namespace

// Every W-table row through the W beam ASD design routine, report text included; and the same
// through the whole form (fields, settings writes, header, summary, report) for comparison.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <sstream>
#include <unistd.h>

#include "app/all_forms.h"
#include "cli/script_runner.h"
#include "steel/w_beam_asd.h"
#include "steel/w_beam_lrfd.h"
#include "tables/steel_tables.h"

namespace {

void BM_WBeamAsdEveryRow(benchmark::State& state) {
  const int rows = vd::rowCount(vd::ShapeTable::W);
  std::size_t chars = 0;
  for (auto _ : state) {
    for (int i = 0; i < rows; ++i) {
      // 150 kip-ft, Lb 12 ft, 30 kip shear, 6 in bearing: every branch of the routine that prints text.
      vd::WBeamAsd beam(*vd::sectionRow(vd::ShapeTable::W, i), 150.0, 12.0, 20.0, 1.0, 50.0, 6.0, 30.0);
      std::string text = beam.design();
      chars += text.size();
      benchmark::DoNotOptimize(text);
    }
  }
  state.SetItemsProcessed(state.iterations() * rows);
  state.counters["rows/s"] = benchmark::Counter(double(state.iterations()) * rows, benchmark::Counter::kIsRate);
  state.counters["chars/row"] = double(chars) / double(state.iterations() * rows);
}
BENCHMARK(BM_WBeamAsdEveryRow)->Unit(benchmark::kMillisecond);

void BM_WBeamLrfdEveryRow(benchmark::State& state) {
  const int rows = vd::rowCount(vd::ShapeTable::W);
  for (auto _ : state) {
    for (int i = 0; i < rows; ++i) {
      vd::WBeamLrfd beam(*vd::sectionRow(vd::ShapeTable::W, i), 150.0, 12.0, 1.0, 50.0, 65.0, 30.0);
      std::string text = beam.design();
      benchmark::DoNotOptimize(text);
    }
  }
  state.counters["rows/s"] = benchmark::Counter(double(state.iterations()) * rows, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_WBeamLrfdEveryRow)->Unit(benchmark::kMillisecond);

// One Calculate and OK of the ASD form, as the user runs it (settings file writes included).
void BM_WBeamAsdForm(benchmark::State& state) {
  const auto dir = std::filesystem::temp_directory_path() / ("vd_bench_wbeam_" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  vd::Settings settings(dir / "Vardelin.ini");
  std::ostringstream out;
  vd::ScriptRunner runner(settings, out, vd::allForms());
  int row = 0;
  for (auto _ : state) {
    runner.runLine("menu Stl Wide Flange Bm/ASD");
    runner.runLine("pick #" + std::to_string(row));
    runner.runLine("set Moment 150");
    runner.runLine("set Fy 50");
    runner.runLine("set \"Unbraced length Lb\" 12");
    runner.runLine("set \"Shear *\" 30");
    runner.runLine("press Calculate");
    runner.runLine("press OK");
    row = (row + 1) % vd::rowCount(vd::ShapeTable::W);
  }
  state.counters["forms/s"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
  std::filesystem::remove_all(dir);
}
BENCHMARK(BM_WBeamAsdForm)->Unit(benchmark::kMicrosecond);

// "Lightest" on the W beam ASD form with a moment no row carries, so the form's own Calculate runs on
// every row of the W table (reports, the held settings and the pane included). Target: under 10 ms.
void BM_WBeamAsdLightestWholeTable(benchmark::State& state) {
  const auto ini = std::filesystem::temp_directory_path() / ("vd_bench_wlightest_" + std::to_string(::getpid()) + ".ini");
  vd::Settings settings(ini);
  std::ostringstream out;
  vd::ScriptRunner runner(settings, out, vd::allForms());
  std::istringstream script(
      "menu Stl Wide Flange Bm/ASD\nset Moment 90000\nset Fy 50\nset Cb 1\nset \"Unbraced length Lb\" 12\nset \"Shear *\" 30\n");
  std::ostringstream err;
  runner.runScript(script, err);
  for (auto _ : state) runner.runLine("press Lightest");
  state.counters["rows"] = vd::rowCount(vd::ShapeTable::W);
  std::filesystem::remove(ini);
}
BENCHMARK(BM_WBeamAsdLightestWholeTable)->Unit(benchmark::kMillisecond);

}  // namespace

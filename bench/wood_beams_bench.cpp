// Sawn beams of every 2x-4x size and grade of every species, and every glulam size and combination,
// through their beam checks with report text; and the 2x-4x beam form end to end for comparison.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <sstream>
#include <unistd.h>

#include "app/all_forms.h"
#include "cli/script_runner.h"
#include "wood/glulam.h"
#include "wood/sawn_beam.h"

namespace {

void BM_SawnBeamEveryDimensionMember(benchmark::State& state) {
  std::size_t checks = 0;
  for (auto _ : state) {
    for (int sp = 0; sp < vd::kSpeciesCount; ++sp) {
      const vd::SpeciesRecord& species = vd::kSpecies[sp];
      for (int g = 0; g < species.endDimension; ++g) {
        for (const vd::LumberSize& size : vd::kDimensionSizes) {
          vd::SawnMember m(size.label, size.b, size.d, &species.grades[g], sp, true, false);
          benchmark::DoNotOptimize(m.describe());
          // 2 k-ft, 0.8 kip, 8 ft unbraced: the stability branch and the shear note print.
          vd::SawnBeamCheck check(m, vd::SawnBeamKind::Dimension, 5, 14, 2, 0.8, 1, 0.3, 8);
          std::string text = check.report() + check.quickSummary();
          benchmark::DoNotOptimize(text);
          ++checks;
        }
      }
    }
  }
  state.counters["checks/s"] = benchmark::Counter(double(checks), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_SawnBeamEveryDimensionMember)->Unit(benchmark::kMillisecond);

void BM_GlulamEveryMember(benchmark::State& state) {
  std::size_t checks = 0;
  for (auto _ : state) {
    for (const vd::GlulamSizeTable& table : vd::kGlulamSizeTables) {
      for (const vd::GlulamSize& size : table.sizes()) {
        for (int c = 0; c < 40; ++c) {
          vd::GlulamMember m(size, c, c % 2 == 0);
          vd::GlulamBeamCheck check(m, 3, 60, -30, 12, 20, 24, 10, 0.5, 1.0);
          std::string text = check.report();
          benchmark::DoNotOptimize(text);
          ++checks;
        }
      }
    }
  }
  state.counters["checks/s"] = benchmark::Counter(double(checks), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_GlulamEveryMember)->Unit(benchmark::kMillisecond);

// One size choice, Calculate and OK of the 2x-4x beam form, settings file writes included.
void BM_SawnBeamForms(benchmark::State& state) {
  const auto dir = std::filesystem::temp_directory_path() / ("vd_bench_wood_" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  vd::Settings settings(dir / "Vardelin.ini");
  std::ostringstream out;
  vd::ScriptRunner runner(settings, out, vd::allForms());
  int row = 0;
  for (auto _ : state) {
    runner.runLine("menu 2x, 3x, 4x");
    runner.runLine("pick Size #" + std::to_string(row));
    runner.runLine("press OK");
    runner.runLine("menu 2x, 3x, 4x Beam");
    runner.runLine("set moment= 2.5");
    runner.runLine("set shear= 0.8");
    runner.runLine("set \"unbraced len.=\" 6");
    runner.runLine("press Calculate");
    runner.runLine("press OK");
    benchmark::DoNotOptimize(runner.padText());
    row = (row + 1) % 31;
  }
  std::filesystem::remove_all(dir);
}
BENCHMARK(BM_SawnBeamForms)->Unit(benchmark::kMillisecond);

}  // namespace

// The tied-column interaction: the 37 strain states alone, the whole calculation with its report and
// sorted design points, and the form end to end (settings writes and tieCol.wri included).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>

#include "app/all_forms.h"
#include "cli/script_runner.h"
#include "concrete/tied_column.h"

namespace {

class Quiet : public vd::Messenger {
 public:
  void message(std::string_view, std::string_view, vd::MessageIcon) override {}
  bool askYesNo(std::string_view, std::string_view) override { return false; }
};

// 24 x 24 in. column with twelve rows of bars: the largest section the form takes.
vd::TiedColumnInputs twelveRows() {
  vd::TiedColumnInputs in;
  in.fc = 5;
  in.fy = 60;
  in.b = 24;
  in.h = 24;
  for (int i = 0; i < vd::kMaxBarRows; ++i) in.rows[i] = {1.0, 21.5 - i * 19.0 / 11, 0, 0};
  return in;
}

void BM_StrainStates(benchmark::State& state) {
  vd::TiedColumnInputs in = twelveRows();
  for (auto _ : state) {
    vd::TiedColumn col(in.fc, in.fy, in.b, in.h, in.rows);
    auto states = col.nominalStates();
    benchmark::DoNotOptimize(states);
  }
  state.counters["states/s"] = benchmark::Counter(double(state.iterations()) * 37, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_StrainStates);

void BM_ColumnCalculation(benchmark::State& state) {
  const vd::TiedColumnInputs in = twelveRows();
  Quiet ui;
  std::size_t chars = 0;
  for (auto _ : state) {
    vd::TiedColumnResult res = vd::calculateTiedColumn(in, ui);
    chars += res.report.size();
    benchmark::DoNotOptimize(res);
  }
  state.counters["chars/run"] = double(chars) / double(state.iterations());
}
BENCHMARK(BM_ColumnCalculation);

void BM_ColumnForm(benchmark::State& state) {
  const auto dir = std::filesystem::temp_directory_path() / ("vd_bench_column_" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  const auto old = std::filesystem::current_path();
  std::filesystem::current_path(dir);
  {
    vd::Settings settings(dir / "Vardelin.ini");
    std::ostringstream out;
    vd::ScriptRunner runner(settings, out, vd::allForms());
    for (auto _ : state) {
      runner.runLine("menu Rect. Conc Column");
      runner.runLine("set \"(As)i\"[0,0] 2.0");
      runner.runLine("set \"(As)i\"[0,1] 13.5");
      runner.runLine("set \"(As)i\"[1,0] 2.0");
      runner.runLine("set \"(As)i\"[1,1] 2.5");
      runner.runLine("set Fc' 4");
      runner.runLine("set Fy 60");
      runner.runLine("set \"Width at comp. side b\" 16");
      runner.runLine("set \"Depth d\" 16");
      runner.runLine("press Calculate");
      runner.runLine("press OK");
      out.str("");
    }
  }
  std::filesystem::current_path(old);
  std::filesystem::remove_all(dir);
}
BENCHMARK(BM_ColumnForm)->Unit(benchmark::kMillisecond);

}  // namespace

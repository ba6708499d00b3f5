// Whole-process times: the CLI running a one-form script, and the desktop program from start to its
// first painted window (offscreen; --screenshot quits once the window is painted and saved).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

std::filesystem::path scratch() {
  auto dir = std::filesystem::temp_directory_path() / ("vd_bench_proc_" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  return dir;
}

void CliOneFormScript(benchmark::State& state) {
  const auto dir = scratch();
  std::ofstream(dir / "s.txt") << "menu ft in 1/16 -> mm\nset \"ft in 1/16\" 3 4 5\npress Calculate\npress OK\nshow pad\n";
  const std::string command = std::string("cd ") + dir.string() + " && " VD_CLI " --settings t.ini s.txt >/dev/null";
  for (auto _ : state)
    if (std::system(command.c_str()) != 0) state.SkipWithError("the CLI failed");
}
BENCHMARK(CliOneFormScript)->Unit(benchmark::kMillisecond)->UseRealTime();

void GuiStartToFirstPaint(benchmark::State& state) {
  const std::string gui = VD_GUI;
  if (gui.empty()) {
    state.SkipWithError("the desktop program is not built");
    return;
  }
  const auto dir = scratch();
  const std::string command = "cd " + dir.string() + " && QT_QPA_PLATFORM=offscreen " + gui +
                              " --settings t.ini --screenshot first-paint.png >/dev/null 2>&1";
  for (auto _ : state)
    if (std::system(command.c_str()) != 0) state.SkipWithError("the desktop program failed");
}
BENCHMARK(GuiStartToFirstPaint)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

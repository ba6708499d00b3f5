// A batch run as a whole process: 1,000 floor beams of mixed spans and loads, every one sized with
// --lightest on the AISC 360-22 flexure form (the target is under 3 s).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

void BatchThousandBeamsLightest(benchmark::State& state) {
  const auto dir = std::filesystem::temp_directory_path() / ("vd_bench_batch_" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  {
    std::ofstream csv(dir / "beams.csv");
    csv << "mark,section,Shape family,LRFD,Fy,Moment,Shear,Unbraced length Lb,Cb,Span,Live load\n";
    for (int i = 0; i < 1000; ++i) {
      // Spans 12 to 40 ft, tributary widths 6 to 10 ft, D = 70 psf, L = 65 psf; wu = 1.2 D + 1.6 L.
      const double span = 12 + 2 * (i % 15), width = 6 + 2 * (i % 3);
      const double wd = 0.070 * width, wl = 0.065 * width, wu = 1.2 * wd + 1.6 * wl;
      const double lb = i % 4 == 0 ? span / 2 : 0.0;
      char line[200];
      std::snprintf(line, sizeof line, "B-%d,,W,on,50,%.1f,%.1f,%g,%.2f,%g,%.3f\n", 1000 + i, wu * span * span / 8,
                    wu * span / 2, lb, lb > 0 ? 1.30 : 1.0, span, wl);
      csv << line;
    }
  }
  const std::string command = "cd " + dir.string() + " && " VD_CLI
                              " --settings t.ini --batch \"Steel Flexure AISC 360-22\" beams.csv --lightest >out.csv";
  for (auto _ : state)
    if (std::system(command.c_str()) != 0) state.SkipWithError("the batch failed");
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * 1000);
  std::filesystem::remove_all(dir);
}
BENCHMARK(BatchThousandBeamsLightest)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

}  // namespace

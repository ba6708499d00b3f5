// A 500-calculation job (half W-beam designs, half simple-beam analyses with their two diagrams):
// opening it and listing its summary (target under 200 ms), and exporting its package (under 10 s).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>

#include "app/all_forms.h"
#include "cli/script_runner.h"
#include "gui/package/package_pdf.h"
#include "jobs/job_session.h"

namespace {

const std::filesystem::path& bigJob() {
  static const std::filesystem::path file = [] {
    const auto dir = std::filesystem::temp_directory_path() / ("vd_bench_jobs_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(dir);
    // Two real calculations, made by the forms, then stored 250 times each.
    const auto seed = dir / "seed.vardelin";
    {
      vd::Settings settings(dir / "t.ini");
      std::ostringstream out;
      vd::ScriptRunner runner(settings, out, vd::allForms());
      runner.setJob(std::make_unique<vd::JobSession>(vd::Job::openOrCreate(seed)));
      std::istringstream script(
          "menu Stl Wide Flange Bm/ASD\npick W18x50\nset Moment 150\nset Fy 36\nset Cb 1\nset \"Unbraced length Lb\" 10\n"
          "press Calculate\npress OK\n"
          "menu Simp. Beam Design\nset Span 20\nset I 100\nset E 29000\nset \"point loads\"[0,0] 10\n"
          "set \"point loads\"[0,1] 10\npress Calculate the results\npress OK\n");
      std::ostringstream err;
      runner.runScript(script, err);
    }
    const auto seedJob = vd::Job::open(seed, false);
    const vd::Calculation a = seedJob->get(1), b = seedJob->get(2);
    const auto file = dir / "big.vardelin";
    std::filesystem::remove(file);
    auto job = vd::Job::create(file, {"Bench project", "B-500", "Client", "A. Engineer", "", "", ""});
    for (int i = 0; i < 250; ++i) {
      job->append(a);
      job->append(b);
    }
    std::filesystem::current_path(previous);
    return file;
  }();
  return file;
}

void OpenJobAndListSummary(benchmark::State& state) {
  const auto& file = bigJob();
  for (auto _ : state) {
    auto job = vd::Job::open(file, true);
    const auto rows = job->list();
    std::string text = vd::summaryText(rows);
    benchmark::DoNotOptimize(text);
    if (rows.size() != 500) state.SkipWithError("the job does not hold 500 calculations");
  }
}
BENCHMARK(OpenJobAndListSummary)->Unit(benchmark::kMillisecond)->UseRealTime();

void ExportPackage500(benchmark::State& state) {
  const auto& file = bigJob();
  const auto pdf = file.parent_path() / "big.pdf";
  for (auto _ : state) {
    auto job = vd::Job::open(file, false);
    std::string error;
    if (!vd::gui::exportPackage(*job, pdf, vd::gui::Paper::Letter, error)) state.SkipWithError(error.c_str());
  }
}
BENCHMARK(ExportPackage500)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(1);

}  // namespace

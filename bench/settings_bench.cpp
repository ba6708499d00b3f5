// Reading and writing one key of a settings file that holds 200 keys.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>

#include "platform/settings.h"

namespace {

std::filesystem::path twoHundredKeys() {
  auto file = std::filesystem::temp_directory_path() / ("vd_bench_" + std::to_string(::getpid()) + ".ini");
  std::filesystem::remove(file);
  vd::Settings s(file);
  for (int i = 0; i < 200; ++i) s.write("Section" + std::to_string(i / 20), "key" + std::to_string(i), "12.345");
  return file;
}

void SettingsRead(benchmark::State& state) {
  vd::Settings s(twoHundredKeys());
  for (auto _ : state) benchmark::DoNotOptimize(s.read("section9", "KEY190", "", 10));
  std::filesystem::remove(s.file());
}
BENCHMARK(SettingsRead);

void SettingsWrite(benchmark::State& state) {
  vd::Settings s(twoHundredKeys());
  int i = 0;
  for (auto _ : state) s.formatAndWrite("Section9", "key190", "%d", ++i);
  std::filesystem::remove(s.file());
}
BENCHMARK(SettingsWrite)->Unit(benchmark::kMicrosecond);

}  // namespace

#pragma once
// The batch tests' runs: one scratch folder per test process, which a test fills with its tables
// before running the program there.
#include <filesystem>
#include <string>

#include "support/cli_run.h"

namespace clitest {

inline std::filesystem::path cliDir() {
  return std::filesystem::temp_directory_path() / ("vd_cli_" + std::to_string(::getpid()));
}

struct Result {
  int status;
  std::string out;
};

// The program with these arguments in cliDir(); without mergeErrors its standard error goes to
// stderr.txt there.
inline Result runArgs(const std::string& args, bool mergeErrors = true) {
  const std::filesystem::path dir = cliDir();
  std::filesystem::create_directories(dir);
  Result r{0, ""};
  r.out = vdtest::capture("cd '" + dir.string() + "' && " VD_CLI " " + args + " </dev/null " +
                              (mergeErrors ? "2>&1" : "2>stderr.txt"),
                          &r.status);
  return r;
}

}  // namespace clitest

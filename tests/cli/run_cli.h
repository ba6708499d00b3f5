#pragma once
// Runs the real vardelin-cli in a scratch directory of this test process (kept until the next run).
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

namespace clitest {

inline std::filesystem::path cliDir() {
  return std::filesystem::temp_directory_path() / ("vd_cli_" + std::to_string(::getpid()));
}

struct Result {
  int status;
  std::string out;
};

// Runs the real program on a script, in a scratch directory, with its own settings file.
inline Result runCli(const std::string& script, const std::string& extraArgs = "",
              const std::function<void(const std::filesystem::path&)>& prepare = nullptr) {
  const std::filesystem::path dir = cliDir();
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  if (prepare) prepare(dir);
  std::ofstream(dir / "script.txt") << script;
  const std::string command = "cd " + dir.string() + " && " VD_CLI " --settings " + (dir / "t.ini").string() + " " +
                              extraArgs + " script.txt 2>&1";
  Result r{0, ""};
  if (FILE* p = ::popen(command.c_str(), "r")) {
    char buf[4096];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) r.out.append(buf, n);
    int rc = ::pclose(p);
    r.status = WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
  }
  return r;
}

// Runs the program with arguments only (no script file of ours); without mergeErrors its standard error
// goes to stderr.txt in the directory.
inline Result runArgs(const std::string& args, bool mergeErrors = true) {
  const std::filesystem::path dir = cliDir();
  std::filesystem::create_directories(dir);
  const std::string command = "cd " + dir.string() + " && " VD_CLI " " + args + " </dev/null " + (mergeErrors ? "2>&1" : "2>stderr.txt");
  Result r{0, ""};
  if (FILE* p = ::popen(command.c_str(), "r")) {
    char buf[4096];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) r.out.append(buf, n);
    int rc = ::pclose(p);
    r.status = WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
  }
  return r;
}

}  // namespace clitest

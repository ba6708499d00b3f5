#pragma once
// Runs the real command-line program as a user would: in a scratch folder of its own (the current
// directory of the run, where reports and data files land), with its own settings file.
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>
#include <string>

namespace vdtest {

struct CliRun {
  int status = -1;
  std::string out;            // standard output, and standard error unless the run kept it apart
  std::string err;            // standard error, when the run kept it apart
  std::filesystem::path dir;  // the run's folder; removed with the run
  CliRun() = default;
  CliRun(CliRun&& o) noexcept : status(o.status), out(std::move(o.out)), err(std::move(o.err)), dir(std::move(o.dir)) {
    o.dir.clear();
  }
  CliRun(const CliRun&) = delete;
  ~CliRun() {
    std::error_code ec;
    if (!dir.empty()) std::filesystem::remove_all(dir, ec);
  }
  std::string file(const std::string& name) const {
    std::ifstream in(dir / name, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
};

inline std::string capture(const std::string& command, int* status = nullptr) {
  std::string out;
  int rc = -1;
  if (FILE* p = ::popen(command.c_str(), "r")) {
    char buf[4096];
    for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, p)) > 0;) out.append(buf, n);
    rc = ::pclose(p);
  }
  if (status) *status = WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
  return out;
}

#ifdef VD_CLI
// `cd DIR && vardelin-cli --settings t.ini ARGS`, ARGS naming a script file (an absolute path, or
// "script.txt" written from `script` when it is not empty). `prepare` may plant files first; with
// `apartErrors` standard error goes to `err`, so that `out` is the standard output alone.
inline CliRun runCli(const std::string& args, const std::string& script = "",
                     const std::function<void(const std::filesystem::path&)>& prepare = nullptr,
                     bool ownSettings = true, bool apartErrors = false) {
  static std::atomic<int> serial{0};
  CliRun r;
  r.dir = std::filesystem::temp_directory_path() /
          ("vd_cli_" + std::to_string(::getpid()) + "_" + std::to_string(serial++));
  std::filesystem::remove_all(r.dir);
  std::filesystem::create_directories(r.dir);
  if (prepare) prepare(r.dir);
  if (!script.empty()) std::ofstream(r.dir / "script.txt", std::ios::binary) << script;
  r.out = capture("cd '" + r.dir.string() + "' && " VD_CLI " " + (ownSettings ? "--settings t.ini " : "") + args +
                      " </dev/null " + (apartErrors ? "2>../" + r.dir.filename().string() + ".err" : "2>&1"),
                  &r.status);
  if (apartErrors) {
    const std::filesystem::path errFile = r.dir.string() + ".err";
    std::ifstream in(errFile, std::ios::binary);
    r.err.assign(std::istreambuf_iterator<char>(in), {});
    std::filesystem::remove(errFile);
  }
  return r;
}

// A script given as text.
inline CliRun runScript(const std::string& script, const std::string& extraArgs = "",
                        const std::function<void(const std::filesystem::path&)>& prepare = nullptr) {
  return runCli(extraArgs + " script.txt", script, prepare);
}

// The program with these arguments only (no settings file of ours, no script).
inline CliRun runArgs(const std::string& args) { return runCli(args, "", nullptr, false); }

#endif

}  // namespace vdtest

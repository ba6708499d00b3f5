// The CLI script reader on arbitrary scripts: every line either runs or is refused with status 2.
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <sstream>
#include <string>

#include "app/all_forms.h"
#include "cli/script_runner.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::filesystem::path dir = [] {
    auto d = std::filesystem::temp_directory_path() / ("vd_script_fuzz_" + std::to_string(::getpid()));
    std::filesystem::create_directories(d);
    std::filesystem::current_path(d);
    return d;
  }();
  vd::Settings settings(dir / "Vardelin.ini");
  std::ostringstream out, err;
  vd::ScriptRunner runner(settings, out, vd::allForms());
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  int status = runner.runScript(in, err);
  if (status != 0 && status != 2) __builtin_trap();
  return 0;
}

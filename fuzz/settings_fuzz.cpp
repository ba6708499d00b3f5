// The settings reader and writer on arbitrary file contents: no crash, and a write keeps every
// other line of the file.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "platform/settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string file = "/tmp/vd_settings_fuzz_" + std::to_string(::getpid()) + ".ini";
  {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  vd::Settings s(file);
  std::string section = size > 2 ? std::string(reinterpret_cast<const char*>(data), 2) : "Project";
  (void)s.read(section, "ID", "", 10);
  (void)s.read("Project", "Note", "x", 250);
  (void)s.readInt("AISC", "wfNum");
  if (s.write("Project", "ID", "fuzz")) {
    if (s.read("Project", "ID", "", 10) != "fuzz") std::abort();
  }
  std::remove(file.c_str());
  return 0;
}

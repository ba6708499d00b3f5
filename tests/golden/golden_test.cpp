// Every example script (examples/**/NAME.txt) and every golden script (tests/golden/**/NAME.txt) runs
// through the command-line program; what it prints, the files it leaves, the settings it stores and a
// failing exit status must equal NAME.expected byte for byte. tools/regen_golden.sh BUILD rewrites the .expected files
// (VD_REGEN_GOLDEN=1); review the change as a diff.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "support/cli_run.h"

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> scripts() {
  std::vector<fs::path> found;
  for (const char* root : {"examples", "tests/golden"})
    for (const auto& e : fs::recursive_directory_iterator(fs::path(VD_SOURCE_DIR) / root))
      // CMakeLists.txt builds this test; it is not a script.
      if (e.is_regular_file() && e.path().extension() == ".txt" && e.path().filename() != "CMakeLists.txt")
        found.push_back(e.path());
  std::sort(found.begin(), found.end());
  return found;
}

// The run as the golden file holds it: the output, then the files the run wrote (text files with their
// line count), the settings it stored, and the exit status when it is not 0.
std::string transcript(const fs::path& script) {
  const vdtest::CliRun r = vdtest::runCli("'" + script.string() + "'");
  std::string t = r.out;
  std::set<std::string> files;
  for (const auto& e : fs::directory_iterator(r.dir))
    if (e.path().filename().string().rfind("t.ini", 0) != 0) files.insert(e.path().filename().string());
  for (const std::string& f : files) {
    t += "[file " + f;
    const std::string ext = fs::path(f).extension().string();
    if (ext == ".dat" || ext == ".wri" || ext == ".txt") {
      const std::string body = r.file(f);
      t += ": " + std::to_string(std::count(body.begin(), body.end(), '\n')) + " lines";
    }
    t += "]\n";
  }
  const std::string settings = r.file("t.ini");
  if (!settings.empty()) t += "[settings]\n" + settings;
  if (r.status != 0) t += "[exit status " + std::to_string(r.status) + "]\n";
  return t;
}

class Golden : public ::testing::TestWithParam<fs::path> {};

TEST_P(Golden, OutputMatches) {
  const fs::path script = GetParam();
  fs::path expected = script;
  expected.replace_extension(".expected");
  const std::string actual = transcript(script);
  if (std::getenv("VD_REGEN_GOLDEN")) {
    std::ofstream(expected, std::ios::binary) << actual;
    return;
  }
  ASSERT_TRUE(fs::exists(expected)) << expected << " is missing: run tools/regen_golden.sh";
  std::ifstream in(expected, std::ios::binary);
  const std::string golden((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (golden == actual) return;
  std::size_t at = 0;
  while (at < golden.size() && at < actual.size() && golden[at] == actual[at]) ++at;
  const auto lineOf = [](const std::string& s, std::size_t at) {
    const std::size_t b = s.rfind('\n', at == 0 ? 0 : at - 1);
    const std::size_t from = b == std::string::npos ? 0 : b + 1;
    return s.substr(from, s.find('\n', from) - from);
  };
  ADD_FAILURE() << expected.string() << " differs at line "
                << std::count(golden.begin(), golden.begin() + static_cast<std::ptrdiff_t>(at), '\n') + 1
                << ":\n expected: " << lineOf(golden, at) << "\n actual:   " << lineOf(actual, at);
}

std::string nameOf(const ::testing::TestParamInfo<fs::path>& info) {
  std::string n = fs::relative(info.param, VD_SOURCE_DIR).replace_extension().string();
  for (char& c : n)
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  return n;
}

INSTANTIATE_TEST_SUITE_P(Scripts, Golden, ::testing::ValuesIn(scripts()), nameOf);

}  // namespace

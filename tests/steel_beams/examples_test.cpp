// The example scripts of examples/steel run through the command-line program as a user would.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "beam_test_support.h"

namespace {

struct ScriptRun {
  int status = -1;
  std::string out;
};

ScriptRun runExample(const std::string& name) {
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("vd_steel_example_" + std::to_string(::getpid()) + "_" + name);
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  const std::string command = "cd " + dir.string() + " && " VD_CLI " --settings " + (dir / "t.ini").string() + " " +
                              VD_SOURCE_DIR "/examples/steel/" + name + " 2>&1";
  ScriptRun r;
  if (FILE* p = ::popen(command.c_str(), "r")) {
    char buf[4096];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) r.out.append(buf, n);
    const int rc = ::pclose(p);
    r.status = WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
  }
  std::filesystem::remove_all(dir);
  return r;
}

using vdtest::contains;

TEST(SteelExamples, EveryScriptRunsAndPrintsItsVerdicts) {
  struct {
    const char* file;
    const char* mustShow;
  } cases[] = {
      {"property_sheets.txt", "  b/t = 8.00/1.125 =7.11"},
      {"w_beam_asd.txt", " not meeting  ASD 9th Ed. EQ. F1-5 ... NO GOOD!"},
      {"w_beam_lrfd.txt", " Moment -- non-compact section, braced > Lp ... "},
      {"channel_beam.txt", " Fb =0.60*Fy = 21.60 ksi"},
      {"tube_beam.txt", " Fb' = 0.60*Fy =27.60 ksi   Moment Capacity =62.77 k-ft"},
  };
  for (const auto& c : cases) {
    const ScriptRun r = runExample(c.file);
    EXPECT_EQ(r.status, 0) << c.file << "\n" << r.out;
    EXPECT_TRUE(contains(r.out, c.mustShow)) << c.file << "\n" << r.out;
    EXPECT_FALSE(vdtest::hasNonFinite(r.out)) << c.file;
  }
}

TEST(SteelExamples, AsdScriptShowsTheJobAndLocation) {
  const ScriptRun r = runExample("w_beam_asd.txt");
  EXPECT_TRUE(contains(r.out, " Job number or ID: 24-117 \n Level 2, grid line C between 3 and 4\n"));
  // W36x135 unbraced 35 ft at 50 ksi: F1-7, 8.50 ksi.
  EXPECT_TRUE(contains(r.out, " Eq. F1-7: 170000*Cb/((l/rT)^2)    Fb =8.50 ksi"));
}

}  // namespace

// The example scripts run through the real program as a user would run them.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "concrete_test_util.h"

namespace {

TEST(ConcreteExamples, EachScriptRunsAndShowsItsResult) {
  const std::pair<const char*, const char*> examples[] = {
      // 0.9 * 189.6 * (21.5 - 4.647/2) / 12 = 272.69 kip-ft.
      {"beam_as_to_moment", "272.689\n0.0214\n4.647\n"},
      {"beam_moment_to_steel", "N.G.\nconc: Too much moment! Can not be designed w/o top reinf.\n"},
      // The ray through (150 k-ft, 300 kip) meets the design curve at 162.9 k-ft; k*lu/r = 144/4.8 = 30 < 40.
      {"tied_column", " Result: OK, ratio 0.92 (governed by axial and bending, interaction diagram)\n\nenabled\n"},
      {"tied_column_low_steel", "Column width reduced to accommodate the low V-bar ratio w =12.00 in"},
      // 3*60000/(40*sqrt(4000)) * 1.7 / (1.5 + 0.889) = 50.63 in.
      {"development_length", "Min. tension development length = 50.63 in"},
      {"reference_tables", "\n This space is designed for you to cut and paste.\n"},
  };
  const auto dir = std::filesystem::temp_directory_path() / ("vd_concrete_examples_" + std::to_string(::getpid()));
  for (const auto& [name, expected] : examples) {
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    const std::string command = "cd " + dir.string() + " && " VD_CLI " --settings " + (dir / "t.ini").string() + " " +
                                VD_SOURCE_DIR + "/examples/concrete/" + name + ".txt 2>&1";
    std::string out;
    int status = -1;
    if (FILE* p = ::popen(command.c_str(), "r")) {
      char buf[4096];
      for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, p)) > 0;) out.append(buf, n);
      const int rc = ::pclose(p);
      status = WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
    }
    EXPECT_EQ(status, 0) << name << "\n" << out;
    EXPECT_NE(out.find(expected), std::string::npos) << name << "\n" << out;
    EXPECT_FALSE(vdtest::hasNonFinite(out)) << name;
  }
  std::filesystem::remove_all(dir);
}

}  // namespace

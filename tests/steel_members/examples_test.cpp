// The example scripts of examples/steel_members run through the command-line program as a user would.
#include <sys/wait.h>

#include <cstdio>

#include "steel/column_checks.h"
#include "support.h"

namespace {

struct ScriptRun {
  int status = -1;
  std::string out;
};

ScriptRun runExample(const std::string& name) {
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("vd_member_example_" + std::to_string(::getpid()) + "_" + name);
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  const std::string command = "cd " + dir.string() + " && " VD_CLI " --settings " + (dir / "t.ini").string() + " " +
                              VD_SOURCE_DIR "/examples/steel_members/" + name + " 2>&1";
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

TEST(MemberExamples, EveryScriptRunsAndPrintsItsVerdicts) {
  struct {
    const char* file;
    std::vector<const char*> mustShow;
  } cases[] = {
      {"w_column.txt",
       {"\t Design Load (=500.00 kip) < Allowable Load (=663.84 kip)  ... OK",
        "\t Axial P (=255.00 kip) < (P)sc (=1128.53 kip)  ... OK",
        "\n Stopped because the  l/r > 720/sqrt(Fy) condition.\n Compression Member"}},
      {"tube_column.txt",
       {"\t Design Load (=100.00 kip) < Allowable Load (=158.26 kip)  ... OK",
        "\t width/thickness (=51.90)  > 110.0/sqrt(Fy) (=16.22)  NO GOOD!!!",
        "\t kl/r =37.56 vs 1000/sqrt(Fy) =147.44  OK"}},
      {"pipe_column.txt",
       {"\t Allowable load = f_a * area =48.86 kips ", "Brace capacity (=37.15 kip)  ... NO GOOD!",
        "\n AISC Section B7 limits kl/r(238.4) > 200 N.G.",
        "Result: NO GOOD, ratio 1.19 (governed by slenderness kl/r, Sect. B7)\n"}},
      {"double_angle_strut.txt",
       {"Design load (=50.00 kip) < Strut capacity (=89.07 kip)  ... OK",
        "\n 97 UBC 2213.8.2.5 limits b/f(=10.7) > 52/sqrt(Fy)(=8.7) NO GOOD!!!",
        "Result: NO GOOD, ratio 1.23 (governed by leg b/t of a brace, UBC 2213.8.2.5)\n"}},
      {"combined_stress.txt", {"\t NO GOOD!  Design Need (=1.21 ) > Column Capacity (=1.00 )  ... NO GOOD!"}},
      {"base_plate.txt",
       {" Base Plate Thickness =1.438 in",
        "\n Bearing pressure(1.75 ksi) exceed ASD Section J9 limits (1.57 ksi) N.G.\n"
        " Result: NO GOOD, ratio 1.11 (governed by bearing, Sect. J9)\n"}},
  };
  for (const auto& c : cases) {
    const ScriptRun r = runExample(c.file);
    EXPECT_EQ(r.status, 0) << c.file << "\n" << r.out;
    for (const char* piece : c.mustShow) EXPECT_TRUE(smtest::contains(r.out, piece)) << c.file << ": " << piece;
    EXPECT_FALSE(vd::hasNonFiniteNumber(r.out)) << c.file;
  }
}

}  // namespace

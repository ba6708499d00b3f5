// The example scripts run through the real vardelin-cli program, as a user would run them.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "beam_test_tables.h"
#include "platform/text_format.h"

namespace {

namespace fs = std::filesystem;

struct CliRun {
  int status = -1;
  std::string out;
  fs::path dir;
  ~CliRun() {
    std::error_code ec;
    if (!dir.empty()) fs::remove_all(dir, ec);
  }
};

void runExample(const std::string& name, CliRun& r) {
  r.dir = fs::temp_directory_path() / ("vd_beam_cli_" + std::to_string(::getpid()) + "_" + name);
  fs::remove_all(r.dir);
  fs::create_directories(r.dir);
  const std::string command = "cd " + r.dir.string() + " && " VD_CLI " --settings " + (r.dir / "t.ini").string() + " " +
                              VD_SOURCE_DIR "/examples/beam/" + name + ".txt 2>/dev/null";
  if (FILE* p = ::popen(command.c_str(), "r")) {
    char buf[4096];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) r.out.append(buf, n);
    const int rc = ::pclose(p);
    r.status = WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
  }
}

std::string slurp(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

bool has(const std::string& text, const std::string& piece) { return text.find(piece) != std::string::npos; }

// Each example with lines its output must hold, worked by hand in the comments.
TEST(BeamExamples, RunAsScriptsTheyPrintTheHandCalculatedNumbers) {
  const double EI = 29000.0 * 144 * 100 / 20736;
  struct Example {
    const char* name;
    std::vector<std::string> expected;
    const char* dataFile;
  };
  const Example examples[] = {
      // 10 kip at midspan of 20 ft: R = 5, Cb = 625/475; at 7.5 ft V = 5, M = 37.5; PL^3/48EI =
      // 10 * 8000 / 48 / 20138.9 ft = 0.9931 in.
      {"simple_beam",
       {"grayed\n Job No: \n This beam is at: Grid B, 2nd floor\n\n  ===dbm======dbm======dbm======dbm===\n",
        "\n\n@7.50, Shear =5.00 Mmnt=37.50  Slope=",
        "\n Reaction at left support =5.00 kips.  Reaction at right support =5.00 kips\n",
        "M_A =25.00 k-ft, M_B =50.00, M_C =25.00,  Cb =1.32\n\n Key results:\n  maximum moment =50.00 k-ft at 10.000 ft.\n",
        "  maximum deflection =-0.9931\" at 10.000 ft.\n\nenabled\n"},
       "cbm.dat"},
      // About the right support: R_L = (10 * 25 + 1.2 * 20 * 10) / 20 = 24.5, R_R = 34 - 24.5 = 9.5;
      // over the left support M = -10 * 5.
      {"overhang_left",
       {",   Overhang at the left side\n point load = 10.00 kip. at 0.00'\n uniform load = 1.200 kip/ft start "
        "5.00' end 25.00'\n",
        "Reaction at left support =24.50 kips.  Reaction at right support =9.50 kips",
        "Negative moment =-50.00 k-ft  at =5.000 ft."},
       "cbm.dat"},
      // Triangle W = 20 at 13.33 ft and 10 kip at 25: R_L = (20 * 6.667 - 10 * 5) / 20 = 4.17.
      {"overhang_right",
       {"Reaction at left support =4.17 kips.  Reaction at right support =25.83 kips",
        "Negative moment =-50.00 k-ft  at =20.000 ft.", "\n Deflection up  = "},
       "ebm.dat"},
      // 2 kip at the free end, 0.5 klf over the outer 5 ft: the support takes 4.5 kip and
      // 2 * 10 + 2.5 * 7.5 = 38.75 k-ft; free end P L^3/3EI + w (3L^4 - 4 L a^3 + a^4)/24EI.
      {"cantilever",
       {"\n  Reaction at support =4.50 kips\n  Fixed-end moment =-38.75 k-ft\n",
        "Negative moment =-38.75 k-ft  at =10.000 ft.", "\n\n@4.00, Shear =-4.00 Mmnt=-12.00  Slope=",
        vd::format("Deflection down = %.4f\"    at = 10.000 ft. from the support",
                   -(2 * 1000.0 / 3 + 0.5 * (30000 - 5000 + 625) / 24) / EI * 12)},
       "gbm.dat"},
      // Refused loads keep the form open, OK included, until mended: then 10 kip at 7 ft and 4.5 kip at
      // 17 ft give R_L = (10 * 13 + 4.5 * 3) / 20 = 7.175. A span of zero is refused and Cancel keeps that pad.
      {"input_errors",
       {"cbm app: At least one of the lengths is in error!\n", "cbm app: x1 must be less or equal to x2!\n",
        "cbm app: x1 must be less or equal to x2!\n Job No: \n",
        " ascending triangular load = 3.000 kip/ft at apex start 15.00' end 18.00'\n\n@  0.00, Shear =     7.17 ",
        "Reaction at left support =7.17 kips.  Reaction at right support =7.33 kips",
        "cbm app: At least one of the lengths is in error!\n Job No: \n This beam is at: \n\n"
        "  ===dbm======dbm======dbm======dbm===\n span =20.000 ft"},
       "cbm.dat"},
  };
  for (const Example& e : examples) {
    CliRun r;
    runExample(e.name, r);
    ASSERT_EQ(r.status, 0) << e.name << "\n" << r.out;
    for (const std::string& line : e.expected) EXPECT_TRUE(has(r.out, line)) << e.name << ": " << line << "\n" << r.out;
    EXPECT_FALSE(beamtest::hasNonFinite(r.out)) << e.name;
    EXPECT_EQ(beamtest::lines(slurp(r.dir / e.dataFile)).size(), 202u) << e.name;
    EXPECT_FALSE(has(r.out, "span =0.000")) << e.name;
  }
}

}  // namespace

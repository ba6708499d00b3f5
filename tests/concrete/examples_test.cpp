// The example scripts run through the real program as a user would run them.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "concrete_test_util.h"

namespace {

struct Result {
  int status;
  std::string out;
};

Result runExample(const std::string& name) {
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("vd_concrete_examples_" + std::to_string(::getpid()) + "_" + name);
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  const std::string script = std::string(VD_SOURCE_DIR) + "/examples/concrete/" + name + ".txt";
  const std::string command =
      "cd " + dir.string() + " && " VD_CLI " --settings " + (dir / "t.ini").string() + " " + script + " 2>&1";
  Result r{-1, ""};
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

TEST(ConcreteExamples, BeamCapacity) {
  const Result r = runExample("beam_as_to_moment");
  ASSERT_EQ(r.status, 0) << r.out;
  // 0.9 * 189.6 * (21.5 - 4.647/2) / 12 = 272.69 kip-ft.
  EXPECT_TRUE(vdtest::startsWith(r.out, "272.689\n0.0214\n4.647\n")) << r.out;
  EXPECT_NE(r.out.find("<<< Area of Steel =3.160 in^2   AND   Moment Capacity = phi* (M)n =272.69 kip-ft >>>"),
            std::string::npos);
  EXPECT_FALSE(vdtest::hasNonFinite(r.out));
}

TEST(ConcreteExamples, BeamSteelAndTooMuchMoment) {
  const Result r = runExample("beam_moment_to_steel");
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_NE(r.out.find("N.G.\nconc: Too much moment! Can not be designed w/o top reinf.\n"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("moment = 250.00 ft-lb"), std::string::npos);
  EXPECT_NE(r.out.find("phi* (M)n =250.00 kip-ft"), std::string::npos);
  EXPECT_FALSE(vdtest::hasNonFinite(r.out));
}

TEST(ConcreteExamples, TiedColumnAndDiagram) {
  const Result r = runExample("tied_column");
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_NE(r.out.find(" grid C-4, level 2\n"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("  Mom= 0.000 kip-ft,  P= -240.000,   phi= 0.900   P*phi= -216.000 kip\nenabled\n"),
            std::string::npos)
      << r.out;
  EXPECT_FALSE(vdtest::hasNonFinite(r.out));
}

TEST(ConcreteExamples, LowSteelColumnIsNarrowed) {
  const Result r = runExample("tied_column_low_steel");
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_NE(r.out.find("Column width reduced to accommodate the low V-bar ratio w =12.00 in"), std::string::npos);
}

TEST(ConcreteExamples, DevelopmentLengthAndSheets) {
  const Result d = runExample("development_length");
  ASSERT_EQ(d.status, 0) << d.out;
  // 3*60000/(40*sqrt(4000)) * 1.7 / (1.5 + 0.889) = 50.63 in.
  EXPECT_NE(d.out.find("Min. tension development length = 50.63 in"), std::string::npos) << d.out;
  const Result t = runExample("reference_tables");
  ASSERT_EQ(t.status, 0) << t.out;
  EXPECT_EQ(t.out, "\n This space is designed for you to cut and paste.\n");
}

}  // namespace

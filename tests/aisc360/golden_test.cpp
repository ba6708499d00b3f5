// Whole reports compared with the files in golden/: one flexure (ASD, with deflection), one compression
// (ASD, flexural-torsional buckling of a channel) and one combined check (LRFD). A mismatch writes the
// new text beside the test binary as NAME.actual, for review and copying over the golden file.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "aisc360/combined.h"

namespace vd::aisc360 {
namespace {

void expectGolden(const std::string& name, const std::string& text) {
  std::ifstream in(std::string(VD_SOURCE_DIR) + "/tests/aisc360/golden/" + name, std::ios::binary);
  std::stringstream golden;
  golden << in.rdbuf();
  if (golden.str() == text) return;
  std::ofstream(name + ".actual", std::ios::binary) << text;
  std::istringstream a(golden.str()), b(text);
  std::string la, lb;
  int line = 1;
  while (std::getline(a, la) && std::getline(b, lb) && la == lb) ++line;
  ADD_FAILURE() << name << " differs at line " << line << ":\n golden: " << la << "\n actual: " << lb;
}

TEST(Aisc360Golden, Reports) {
  FlexureInput f;
  f.section = findShape("W18X50");
  f.method = Method::ASD;
  f.Mr = 150;
  f.Vr = 40;
  f.Lb = 12;
  f.Cb = 1.14;
  f.span = 24;
  f.liveLoad = 0.8;
  f.deflLimit = 360;
  expectGolden("flexure_w18x50_asd.txt", Flexure(f).report());

  expectGolden("compression_c10x15_asd.txt",
               Compression({findShape("C10X15.3"), 36, kDefaultE, Method::ASD, 60, 10, 2, 10}).report());

  CombinedInput c;
  c.section = findShape("HSS8X4X1/4");
  c.Pr = 80;
  c.Mrx = 25;
  c.Mry = 5;
  c.Lcx = c.Lcy = c.Lb = 12;
  expectGolden("combined_hss8x4_lrfd.txt", Combined(c).report());
}

}  // namespace
}  // namespace vd::aisc360

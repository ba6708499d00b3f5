// Tube column: wall checks, slenderness marks, the roles, and the report against hand values.
#include "steel/tube_column.h"

#include "support.h"

using namespace vd;
using namespace smtest;

namespace {

// HSS 8 x 8 x 0.500: A 13.5, t 0.465, b/t = h/t = 14.2, r = 3.04.
const SectionRecord& hss8x8() { return row(ShapeTable::Tube, "HSS 8 x 8 x 0.500"); }
// HSS 16 x 16 x 0.313: A 18.1, b/t 51.9, r 6.39.
const SectionRecord& hss16x16() { return row(ShapeTable::Tube, "HSS 16 x 16 x 0.313"); }

// HSS 12x12x1/4 at Fy 46, 12 ft (A 10.8, t 0.233, b/t 48.5 each wall, r 4.79): the walls were called
// fully effective. f = fa/Qa settles at 25.40 ksi:
//   b_e = 253*0.233/sqrt(25.40)*(1 - 50.3/(48.5*sqrt(25.40))) = 11.697*0.79421 = 9.290 of 11.300 in
//   A_eff = 10.8 - 4*0.233*(11.300 - 9.290) = 8.926, Qa = 0.8265, Cc' = 111.55/sqrt(0.8265) = 122.70
//   kl/r = 144/4.79 = 30.06, x = 0.2450: fa = 0.8265*46*0.96999/1.75567 = 20.99 ksi, 226.71 kip
//   (25.11 ksi, 271.21 kip before: 20 % above)
TEST(TubeColumn, SlenderWallsWorkOnTheirEffectiveArea) {
  TubeColumnAsd c(row(ShapeTable::Tube, "HSS 12 x 12 x 0.250"), 1.0, 12.0, 1.0, 12.0, 200.0, 46.0, 0, 0, 0, 0, 4);
  const std::string r = c.design();
  EXPECT_NEAR(c.fWall, 25.40, 0.005);
  EXPECT_NEAR(c.beWidth, 9.290, 0.0005);
  EXPECT_NEAR(c.Aeff, 8.926, 0.0005);
  EXPECT_NEAR(c.Qa, 0.8265, 0.00005);
  EXPECT_NEAR(c.major.fa, 20.99, 0.005);
  EXPECT_NEAR(c.major.Pallow, 226.71, 0.01);
  EXPECT_FALSE(contains(r, "fully effective"));
  EXPECT_TRUE(contains(r, "\r\n\t A_eff =8.926 in^2,   Qa = A_eff/A =0.826")) << r;
}

TEST(TubeColumn, SquareTubeHasEqualSlendernessAboutBothAxes) {
  TubeColumnAsd c(hss8x8(), 1.5, 10.0, 1.0, 15.0, 100.0, 46.0, 0, 0, 0, 0, 4);
  c.design();
  EXPECT_DOUBLE_EQ(c.major.klr, c.minor.klr);
  EXPECT_DOUBLE_EQ(c.major.fa, c.minor.fa);
  EXPECT_NEAR(c.major.fa, handFa(180.0 / 3.04, 46.0), 1e-4);
}

TEST(TubeColumn, SlendernessAbove200IsMarkedButStillDesignedByE2_2) {
  // L = 60 ft: kl/r = 720/3.04 = 236.84; f_a = 12 pi^2 29000/(23*236.84^2) = 2.66 ksi, 35.94 kip.
  TubeColumnAsd c(hss8x8(), 1.0, 60.0, 1.0, 60.0, 20.0, 46.0, 0, 0, 0, 0, 4);
  const std::string r = c.design();
  EXPECT_TRUE(contains(r, "\r\n\t kl/r =236.84 vs 200  NO GOOD!!!\r\n"));
  EXPECT_TRUE(contains(r, "> Cc  AISC Eq. E2-2  govern."));
  EXPECT_NEAR(c.minor.Pallow, 35.94, 0.005);
}

// Each limit has its own line and verdict: the NO GOOD of a wall beyond 110/sqrt(Fy) stands on the wall
// line, never on a kl/r line that passes.
TEST(TubeColumn, BraceWallAndSlendernessMarks) {
  // HSS 16x16x0.313 at Fy 46 as an SCBF brace: b/t 51.9 > 110/sqrt(46) = 16.22; kl/r 240/6.39 = 37.56 passes
  // both 200 and 1000/sqrt(46) = 147.44. Its walls are slender too (51.9 > 35.09): f = 24.74 ksi,
  //   b_e = 253*0.291/sqrt(24.74)*(1 - 50.3/(51.9*sqrt(24.74))) = 14.80*0.80515 = 11.919 of 15.103 in,
  //   A_eff = 18.1 - 4*0.291*(15.103 - 11.919) = 14.393, Qa = 0.7952: fa = 19.67 ksi, 356.02 kip.
  TubeColumnAsd thin(hss16x16(), 1.0, 20.0, 1.0, 20.0, 50.0, 46.0, 0, 0, 0, 3, 4);
  std::string r = thin.design();
  EXPECT_FALSE(contains(r, "Meeting UBC 2213.8.2.5"));
  EXPECT_TRUE(contains(r, "\t width/thickness (=51.90)  > 110.0/sqrt(Fy) (=16.22)  NO GOOD!!!\r\n")) << r;
  EXPECT_TRUE(contains(r, "\r\n\t kl/r =37.56 vs 200  OK\r\n\t kl/r =37.56 vs 1000/sqrt(Fy) =147.44  OK\r\n")) << r;
  EXPECT_NEAR(thin.minor.Pallow, 356.02, 0.01);
  EXPECT_FALSE(thin.result().ok);
  EXPECT_EQ(thin.result().governing, "wall b/t of a brace, UBC 2213.8.2.5");

  // HSS 8x8x0.5 as a CBF brace, L = 25 ft: b/t 14.2 < 16.22 OK; kl/r = 98.68 vs 720/sqrt(46) = 106.16.
  TubeColumnAsd cbf(hss8x8(), 1.0, 25.0, 1.0, 25.0, 50.0, 46.0, 0, 0, 0, 2, 4);
  r = cbf.design();
  EXPECT_TRUE(contains(r, "(=14.20)  < 110.0/sqrt(Fy) (=16.22)\r\n\t Meeting UBC 2213.8.2.5 or 2213.9.2.5 requirement. OK"
                          "\r\n\t kl/r =98.68 vs 200  OK\r\n\t kl/r =98.68 vs 720/sqrt(Fy) =106.16  OK\r\n\t Cc"))
      << r;
  const double beta = 1.0 / (1.0 + (300.0 / 3.04) / (2.0 * handCc(46.0)));
  EXPECT_NEAR(cbf.Beta, beta, 1e-6);
  EXPECT_NEAR(cbf.major.Pallow, handFa(300.0 / 3.04, 46.0) * 13.5 * beta, 1e-3);
  // L = 30 ft: l/r = 118.42 > 106.16, marked and stopped.
  TubeColumnAsd stop(hss8x8(), 1.0, 30.0, 1.0, 30.0, 50.0, 46.0, 0, 0, 0, 2, 4);
  r = stop.design();
  EXPECT_TRUE(contains(r, "\r\n\t kl/r =118.42 vs 720/sqrt(Fy) =106.16  NO GOOD!!!\r\n"));
  EXPECT_EQ(stop.stopText(), " Stopped because the  l/r > 720/sqrt(Fy) condition.");
  EXPECT_FALSE(contains(r, "Major axis"));
}

TEST(TubeColumn, SeismicColumnWarnsOfThinWallsInsideTheMinorAxisCheck) {
  // HSS 16x16x0.313: b/t 51.9 > 238/sqrt(46) = 35.09. D 40, L 20, E 10, Rw 6: P = 40 + 14 + 3*0.75*10 = 76.5 kip.
  // (P)sc = 1.7*19.67*18.1 = 605.24 kip on the effective area above (746.69 on the full one before).
  TubeColumnAsd c(hss16x16(), 1.0, 20.0, 1.0, 20.0, 50.0, 46.0, 40.0, 20.0, 10.0, 1, 6);
  const std::string r = c.design();
  EXPECT_DOUBLE_EQ(c.seismicP, 76.5);
  EXPECT_TRUE(contains(r, " Design: this column is a part of the frame \r\n"));
  EXPECT_TRUE(contains(r, "\r\n Minor axis --  k l_yy/r_yy ratio:\r\n\t Since kl/r = 37.56\r\n This column is classified as "
                          "a thin-walled when b/t > 238/sqrt(Fy)\r\n Punch shear is a problem on this shape.  Avoid "
                          "shear tab! < Cc'"));
  EXPECT_NEAR(numberAfter(r, "Member strength (P)sc = 1.7*Fa*Area = "), 605.24, 0.005);
  EXPECT_TRUE(contains(r, "3*(6/8)*10.00 =76.50 kip"));
}

TEST(TubeColumn, ScbfStopsBeyondItsSlenderness) {
  // Fy 46: 1000/sqrt(46) = 147.44. L = 40 ft on HSS 8x8: kl/r = 157.89.
  TubeColumnAsd c(hss8x8(), 1.0, 40.0, 1.0, 40.0, 10.0, 46.0, 0, 0, 0, 3, 4);
  const std::string r = c.design();
  EXPECT_TRUE(contains(r, "Slenderness Check kl/r (=157.89)  > 1000/sqrt(Fy) (=147.44)  NO GOOD!!!\r\n\r\n Stopped "
                          "because the slenderness > 1000/sqrt(Fy) condition."));
  EXPECT_EQ(c.stopText(), " Stopped because the slenderness > 1000/sqrt(Fy) condition.");
  EXPECT_FALSE(c.result().ok);
}

TEST(TubeColumn, MeaninglessInputsAreRefused) {
  EXPECT_NE(TubeColumnAsd(hss8x8(), 1, 10, 1, 10, 10, 0.0, 0, 0, 0, 0, 4).inputError(), "");
  EXPECT_NE(TubeColumnAsd(hss8x8(), 1, -10, 1, 10, 10, 46.0, 0, 0, 0, 0, 4).inputError(), "");
  EXPECT_EQ(TubeColumnAsd(hss8x8(), 1, 10, 1, 10, 10, 46.0, 0, 0, 0, 0, 4).inputError(), "");
}

}  // namespace

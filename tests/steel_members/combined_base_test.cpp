// Combined stresses (H1-1, H1-2, H1-3) and the base plate, against hand calculations.
#include "steel/base_plate.h"
#include "steel/combined_stress.h"
#include "steel/column_checks.h"
#include "support.h"

using namespace vd;
using namespace smtest;

namespace {

// F'e = 12 pi^2 29000/(23 (kl/r)^2). The whole reports are in tests/golden/steel/member_hand_cases.expected,
// member_form_reports.expected and examples/steel_members/combined_stress.expected.
TEST(CombinedStress, InteractionEquationsByHand) {
  const struct {
    double fa, Fa, Fy, fbx, Lx, rx, Cmx, Fbx, fby, Ly, ry, Cmy, Fby;
    double Fex, H11, H12, H13, governing;
    const char* eq;
    bool ok;
  } cases[] = {
      // fa/Fa = 2/20 = 0.10 <= 0.15: H1-3 = 0.10 + 10/24 + 3/27 = 0.628; F'e_x = 93.33 (kl/r 40).
      {2, 20, 36, 10, 10, 3, 0.85, 24, 3, 10, 1.5, 0.85, 27, 93.33, -1, -1, 0.6278, 0.6278, "Eq. H1-3", true},
      // fa/Fa = 0.5. F'e_x = 165.92 (kl/r 30), F'e_y = 18.44 (kl/r 90).
      // H1-1 = 0.5 + 0.85*12/(1 - 8/165.92)/22 + 0.85*4/(1 - 8/18.44)/27 = 0.5 + 0.4871 + 0.2224 = 1.2096
      // H1-2 = 8/21.6 + 12/22 + 4/27 = 1.0639; the larger governs: NO GOOD.
      {8, 16, 36, 12, 15, 6, 0.85, 22, 4, 15, 2, 0.85, 27, 165.92, 1.2096, 1.0639, -1, 1.2096, "Eq. H1-1", false},
      // Little amplification, mostly axial: F'e_x = 1493.31 (kl/r 10),
      // H1-1 = 10/21 + 0.6*2/(1 - 10/1493.3)/22 = 0.531, H1-2 = 10/(0.6*20) + 2/22 = 0.924 governs.
      {10, 21, 20, 2, 5, 6, 0.6, 22, 0, 5, 2, 0.6, 27, 1493.31, 0.531, 0.9242, -1, 0.9242, "Eq. H1-2", true},
      // fa/Fa exactly 0.15 takes H1-3: 0.15 + 5/24 = 0.3583; 0.1501 takes the larger of
      // H1-1 = 0.1501 + 0.85*5/(1 - 3.002/93.33)/24 = 0.3331 and H1-2 = 3.002/21.6 + 5/24 = 0.3473.
      {3, 20, 36, 5, 10, 3, 0.85, 24, 0, 10, 1.5, 0.85, 27, 93.33, -1, -1, 0.3583, 0.3583, "Eq. H1-3", true},
      {3.002, 20, 36, 5, 10, 3, 0.85, 24, 0, 10, 1.5, 0.85, 27, 93.33, 0.3331, 0.3473, -1, 0.3473, "Eq. H1-2", true},
      // 0 + 12/24 + 13.5/27 = 1.0 exactly: NO GOOD.
      {0, 20, 36, 12, 10, 3, 0.85, 24, 13.5, 10, 1.5, 0.85, 27, 93.33, -1, -1, 1.0, 1.0, "Eq. H1-3", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "fa " << c.fa << " Fa " << c.Fa);
    CombinedStress s(c.fa, c.Fa, c.Fy, c.fbx, 1, c.Lx, c.rx, c.Cmx, c.Fbx, c.fby, 1, c.Ly, c.ry, c.Cmy, c.Fby);
    ASSERT_EQ(s.inputError(), "");
    s.report();
    EXPECT_NEAR(s.Fex, c.Fex, 0.005);
    if (c.H11 > 0) {
      EXPECT_NEAR(s.H11, c.H11, 0.0005);
    }
    if (c.H12 > 0) {
      EXPECT_NEAR(s.H12, c.H12, 0.0005);
    }
    if (c.H13 > 0) {
      EXPECT_NEAR(s.H13, c.H13, 0.0005);
    }
    if (c.governing > 0) {
      EXPECT_NEAR(s.governing, c.governing, 0.0005);
    }
    EXPECT_EQ(s.result().governing, std::string("interaction, ") + c.eq);
    EXPECT_EQ(s.result().ok, c.ok);
  }
}

TEST(CombinedStress, ZeroAllowables) {
  // Fa left at 0 with no axial stress: printed as 0.00 and used as 0.0001, adding nothing.
  CombinedStress c(0, 0, 36, 12, 1, 10, 3, 0.85, 24, 0, 1, 10, 1.5, 0.85, 0);
  ASSERT_EQ(c.inputError(), "");
  const std::string r = c.report();
  EXPECT_TRUE(contains(r, " fa =0.00 ksi,  Fa =0.00 ksi,"));
  EXPECT_DOUBLE_EQ(c.Fa, 0.0001);
  EXPECT_DOUBLE_EQ(c.H13, 0.5);
  // An allowable left at 0 under a real stress would divide by almost nothing: refused.
  EXPECT_NE(CombinedStress(5, 0, 36, 12, 1, 10, 3, 0.85, 24, 0, 1, 10, 1.5, 0.85, 27).inputError(), "");
  EXPECT_NE(CombinedStress(0, 20, 36, 12, 1, 10, 3, 0.85, 0, 0, 1, 10, 1.5, 0.85, 27).inputError(), "");
}

TEST(CombinedStress, AxialStressAtOrAboveEulerIsNoGoodNotAnInfiniteValue) {
  // F'e_y = 23.33; fa = 23.34 leaves no finite amplification of the y moment.
  CombinedStress c(23.34, 25, 36, 5, 1, 10, 3, 0.85, 24, 2, 1, 10, 1.5, 0.85, 27);
  ASSERT_EQ(c.inputError(), "");
  const std::string r = c.report();
  EXPECT_FALSE(c.result().ok);
  EXPECT_FALSE(contains(r, "... OK"));
  EXPECT_FALSE(hasNonFiniteNumber(r));
}

TEST(CombinedStress, MeaninglessGeometryIsRefused) {
  EXPECT_NE(CombinedStress(2, 20, 36, 10, 1, 10, 0, 0.85, 24, 3, 1, 10, 1.5, 0.85, 27).inputError(), "");  // r_x 0
  EXPECT_NE(CombinedStress(2, 20, 36, 10, 1, 10, 3, 0.85, 24, 3, 1, 0, 1.5, 0.85, 27).inputError(), "");   // Lb_y 0
  EXPECT_NE(CombinedStress(2, 20, 0, 10, 1, 10, 3, 0.85, 24, 3, 1, 10, 1.5, 0.85, 27).inputError(), "");   // Fy 0
}

TEST(BasePlate, PierAreaRatioIsCappedAtFour) {
  BasePlateInput in{100, 14, 14.5, 20, 20, 0, 0, 3, 36};
  in.N2 = 20;
  in.B2 = 60;  // three times the plate
  EXPECT_NEAR(designBasePlate(in).Fp, 0.35 * 3 * std::sqrt(3.0), 1e-12);
  in.B2 = 100;  // five times
  EXPECT_NEAR(designBasePlate(in).Fp, 0.7 * 3, 1e-12);
}

TEST(BasePlate, BearingExactlyAtTheLimitPassesAndAboveIsRefused) {
  // Pier over four times the plate, f'c 1: Fp = 0.7; 70 kip on 10 x 10 gives fp = 0.7.
  BasePlateInput in{70, 3.75, 3.75, 10, 10, 100, 100, 1, 36};
  EXPECT_TRUE(designBasePlate(in).bearingOk);
  in.P = 70.1;
  const BasePlateResult r = designBasePlate(in);
  EXPECT_FALSE(r.bearingOk);
  EXPECT_EQ(r.message, " Bearing pressure(0.70 ksi) exceed ASD Section J9 limits (0.70 ksi) N.G.");
  EXPECT_EQ(r.report, "");
}

TEST(BasePlate, ThicknessRoundsToTheNextSixteenthAndLightPlatesUseNPrime) {
  // d = bf = 3.75: n' = 3.75/4 = 0.9375 governs over m = 0.21875 and n = 0.5 on a 4 x 4 plate.
  // P 16 on 16 in^2 gives fp 1; Fy 4: t = 2*0.9375*sqrt(1/4) = 0.9375 = 15/16 exactly: a plate of exactly
  // that thickness is enough, so it stays 0.9375 (it was raised to 1.000).
  BasePlateInput in{16, 3.75, 3.75, 4, 4, 100, 100, 4, 4};
  BasePlateResult r = designBasePlate(in);
  EXPECT_DOUBLE_EQ(r.l, 0.9375);
  EXPECT_DOUBLE_EQ(r.t, 0.9375);
  EXPECT_DOUBLE_EQ(r.thickness, 0.9375);
  EXPECT_TRUE(contains(r.report, " Base Plate Thickness =0.938 in"));
  // 3/4 in exactly: Fy chosen so that t = 2*0.9375*sqrt(1/Fy) = 0.75, Fy = 6.25; prints 0.750, not 0.812.
  in.Fy = 6.25;
  r = designBasePlate(in);
  EXPECT_DOUBLE_EQ(r.thickness, 0.75);
  EXPECT_TRUE(contains(r.report, " Base Plate Thickness =0.750 in"));
  // t = 0.94: Fy chosen so that 2*0.9375*sqrt(1/Fy) = 0.94.
  in.Fy = std::pow(2 * 0.9375 / 0.94, 2);
  r = designBasePlate(in);
  EXPECT_NEAR(r.t, 0.94, 1e-12);
  EXPECT_DOUBLE_EQ(r.thickness, 1.0);
}

TEST(BasePlate, MeaninglessInputsAreRefused) {
  EXPECT_NE(basePlateInputError({100, 14, 14.5, 0, 20, 30, 30, 3, 36}), "");
  EXPECT_NE(basePlateInputError({100, 14, 14.5, 20, 20, 30, 30, 3, 0}), "");
  EXPECT_NE(basePlateInputError({100, 14, 14.5, 20, 20, -30, 30, 3, 36}), "");
  EXPECT_NE(basePlateInputError({-100, 14, 14.5, 20, 20, 30, 30, 3, 36}), "");
  EXPECT_NE(basePlateInputError({100, 14, 14.5, 13.9, 20, 30, 30, 3, 36}), "");  // narrower than the column
  EXPECT_NE(basePlateInputError({100, 14, 14.5, 20, 14.4, 30, 30, 3, 36}), "");
  EXPECT_EQ(basePlateInputError({0, 14, 14.5, 14, 14.5, 30, 30, 3, 36}), "");
}

}  // namespace

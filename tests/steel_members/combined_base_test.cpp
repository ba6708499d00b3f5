// Combined stresses (H1-1, H1-2, H1-3) and the base plate, against hand calculations.
#include "steel/base_plate.h"
#include "steel/combined_stress.h"
#include "steel/column_checks.h"
#include "support.h"

using namespace vd;
using namespace smtest;

namespace {

// F'e = 12 pi^2 E / (23 (kl/r)^2), E in ksi.
double handFe(double k, double Lft, double r) {
  const double pi = 3.14159265358979323846, klr = k * Lft * 12.0 / r;
  return 12.0 * pi * pi * 29000.0 / (23.0 * klr * klr);
}

TEST(CombinedStress, SmallAxialRatioUsesH1_3) {
  // fa/Fa = 2/20 = 0.10 <= 0.15: H1-3 = 0.10 + 10/24 + 3/27 = 0.628.
  // F'e_x = 12 pi^2 29000/(23*40^2) = 93.33 (kl/r = 120/3); F'e_y = 23.33 (kl/r = 80).
  CombinedStress c(2, 20, 36, 10, 1, 10, 3, 0.85, 24, 3, 1, 10, 1.5, 0.85, 27);
  ASSERT_EQ(c.inputError(), "");
  // The whole report is in tests/golden/steel/member_form_reports.expected (the same inputs).
  const std::string r = c.report();
  EXPECT_TRUE(contains(r, " = 2.00/20.00 + 10.00/24.00 + 3.00/27.00 \r\n =0.628\r\n"));
  EXPECT_TRUE(r.ends_with(" Result: OK, ratio 0.63 (governed by interaction, Eq. H1-3)\r\n"));
  EXPECT_FALSE(c.usesH11);
  EXPECT_NEAR(c.Fex, handFe(1, 10, 3), 1e-9);
}

TEST(CombinedStress, LargeAxialRatioUsesTheLargerOfH1_1AndH1_2) {
  // fa/Fa = 8/16 = 0.5. F'e_x = 165.92 (kl/r 30), F'e_y = 18.44 (kl/r 90).
  // H1-1 = 0.5 + 0.85*12/(1 - 8/165.92)/22 + 0.85*4/(1 - 8/18.44)/27 = 0.5 + 0.4871 + 0.2224 = 1.210.
  // H1-2 = 8/21.6 + 12/22 + 4/27 = 1.064. The larger, 1.210, is NO GOOD.
  CombinedStress c(8, 16, 36, 12, 1, 15, 6, 0.85, 22, 4, 1, 15, 2, 0.85, 27);
  const std::string r = c.report();
  const double fex = handFe(1, 15, 6), fey = handFe(1, 15, 2);
  const double h11 = 0.5 + 0.85 * 12 / (1 - 8 / fex) / 22 + 0.85 * 4 / (1 - 8 / fey) / 27;
  EXPECT_NEAR(c.H11, h11, 1e-9);
  EXPECT_NEAR(c.H12, 8 / 21.6 + 12.0 / 22 + 4.0 / 27, 1e-12);
  EXPECT_NEAR(h11, 1.2096, 1e-4);
  // Both values are printed, each with its verdict, and the larger is named.
  EXPECT_TRUE(contains(r, "\r\n Eq. H1-1:   fa/Fa + cmx*fbx/(1.0-fa/Fpex)/Fbx + cmy*fby/(1.0-fa/Fpey)/Fby\r\n = "
                          "8.00/16.00 + 0.85*12.00/(1.0 - 8.00/165.92)/22.00 + 0.85*4.00/(1.0 - 8.00/18.44)/27.00 \r\n "
                          "=1.210\r\n\t NO GOOD!  Design Need (=1.21 ) > Column Capacity (=1.00 )  ... NO GOOD!"
                          "\r\n Eq. H1-2:   fa/(0.60*Fy) + fbx/Fbx + fby/Fby\r\n = 8.00/(0.60*36.00) + 12.00/22.00 + "
                          "4.00/27.00 \r\n =1.064\r\n\t NO GOOD!  Design Need (=1.06 ) > Column Capacity (=1.00 )  ... "
                          "NO GOOD!\r\n Governing: Eq. H1-1 =1.210\r\n (P)design/(P)capacity =120.96%\r\n"))
      << r;
  EXPECT_EQ(c.result().governing, "interaction, Eq. H1-1");
  // When H1-2 is the larger it governs: little moment amplification, most of the stress axial.
  //   fa 10, Fa 21, Fy 20, fbx 2 (Fbx 22, Cmx 0.6, kl/r 60/6 = 10: F'e_x = 12 pi^2 29000/(23*100) = 1493.3)
  //   H1-1 = 10/21 + 0.6*2/(1 - 10/1493.3)/22 = 0.4762 + 0.0549 = 0.531
  //   H1-2 = 10/(0.6*20) + 2/22 = 0.8333 + 0.0909 = 0.924, which the verdict was on while only H1-1 printed.
  CombinedStress h12(10, 21, 20, 2, 1, 5, 6, 0.6, 22, 0, 1, 5, 2, 0.6, 27);
  const std::string t12 = h12.report();
  EXPECT_NEAR(h12.H11, 0.531, 0.0005);
  EXPECT_NEAR(h12.H12, 0.924, 0.0005);
  EXPECT_DOUBLE_EQ(h12.governing, h12.H12);
  EXPECT_TRUE(contains(t12, " =0.531\r\n\t Design Need (=0.53 ) < Column Capacity (=1.00 )  ... OK")) << t12;
  EXPECT_TRUE(contains(t12, " =0.924\r\n\t Design Need (=0.92 ) < Column Capacity (=1.00 )  ... OK\r\n Governing: Eq. "
                            "H1-2 =0.924\r\n (P)design/(P)capacity =92.42%\r\n"))
      << t12;
  EXPECT_TRUE(t12.ends_with(" Result: OK, ratio 0.92 (governed by interaction, Eq. H1-2)\r\n"));
}

TEST(CombinedStress, EquationBoundaryAndAnExactOneIsNoGood) {
  CombinedStress at(3, 20, 36, 5, 1, 10, 3, 0.85, 24, 0, 1, 10, 1.5, 0.85, 27);  // fa/Fa = 0.15
  EXPECT_TRUE(contains(at.report(), "Eq. H1-3"));
  CombinedStress above(3.002, 20, 36, 5, 1, 10, 3, 0.85, 24, 0, 1, 10, 1.5, 0.85, 27);  // 0.1501
  EXPECT_TRUE(contains(above.report(), "Eq. H1-1"));
  // 0 + 12/24 + 13.5/27 = 1.0 exactly.
  CombinedStress one(0, 20, 36, 12, 1, 10, 3, 0.85, 24, 13.5, 1, 10, 1.5, 0.85, 27);
  EXPECT_TRUE(contains(one.report(), "NO GOOD!  Design Need (=1.00 ) > Column Capacity (=1.00 )  ... NO GOOD!"));
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
  EXPECT_TRUE(contains(r, "fa (=23.34 ksi) >= Fe'_y (=23.33 ksi)"));
  EXPECT_TRUE(contains(r, "NO GOOD!"));
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

// Bar development lengths against ACI 318 hand calculations.
#include <cmath>

#include "concrete/development_length.h"
#include "concrete_test_util.h"
#include "support/scratch_dir.h"

using namespace vd;
using vdtest::numberAfter;

namespace {

const double kRoot4000 = std::sqrt(4000.0);

TEST(DevelopmentLength, NumberEightBarByHand) {
  // #8, fy 60 ksi, f'c 4 ksi, c = 1.5 in.: ld = 3*60000/(40*63.25)/1.5 = 47.43 in.
  DevelopmentLength dev(60000, 4000, 1.0, 1.0, 1.0, 1.5, 1.0, 0.0);
  EXPECT_NEAR(dev.developmentLength(), 3 * 60000 / (40 * kRoot4000) / 1.5, 1e-9);
  EXPECT_NEAR(dev.ld, 47.43, 0.005);
  EXPECT_NEAR(dev.ldc, 0.02 * 60000 / kRoot4000, 1e-9);  // 18.97 in. over 0.0003*60000 = 18.0 in.
  EXPECT_NEAR(dev.ldh, 1200 / kRoot4000, 1e-9);          // 1200*db/sqrt(f'c) at 60 ksi
  // 12.2.2 for #7 and larger: fy*db/(20*sqrt(f'c)) and 3/40 of fy*db/sqrt(f'c).
  EXPECT_NEAR(dev.simplifiedFirst(), 60000 / (20 * kRoot4000), 1e-9);
  EXPECT_NEAR(dev.simplifiedSecond(), 3 * 60000 / (40 * kRoot4000), 1e-9);
  // Hook at 75 ksi is 75/60 of it; f'c above 10 ksi is used as 10 ksi.
  DevelopmentLength high(75000, 12000, 1, 1, 1, 1.5, 1.0, 0.0);
  high.developmentLength();
  EXPECT_EQ(high.fc, 10000);
  EXPECT_NEAR(high.ldh, 1.25 * 1200 / 100, 1e-9);
}

TEST(DevelopmentLength, ConfinementTakesTheCGivenAndHooksTheirMinimum) {
  // #4 at c = 0.75 in. (ACI 12.2.3 uses the c given): (c + Ktr)/db = 1.5,
  // ld = 0.5*3*60000/(40*63.246)*0.8/1.5 = 18.97 in. (raising c to 1.0 in. gave 14.23 in., 25 % short).
  // Clear spacing 2*0.75 - 0.5 = 1.00 in. meets the ACI 7.6.1 minimum of 1 in.
  DevelopmentLength four(60000, 4000, 1, 1, 1, 0.75, 0.5, 0.0);
  const std::string r = four.writeReport();
  EXPECT_NEAR(four.ld, 18.97, 0.005);
  EXPECT_NE(r.find("(c + Ktr) / barDiameter =   1.500 "), std::string::npos);
  EXPECT_TRUE(vdtest::endsWith(r, " Result: OK, ratio 1.00 (governed by bar spacing, ACI 7.6.1)\r\n"));
  // #8 at c = 0.9 in.: clear spacing 0.80 in. < 1.00 in.: NO GOOD, ratio 1.25, and Eq. (12-1) still uses 0.9.
  DevelopmentLength tight(60000, 4000, 1, 1, 1, 0.9, 1.0, 0.0);
  const std::string t = tight.writeReport();
  EXPECT_NEAR(tight.ld, 3 * 60000 / (40 * kRoot4000) / 0.9, 1e-9);  // 79.06 in.
  EXPECT_NE(t.find("NO GOOD!  clear spacing, at least 2c - db (=0.80 in) < ACI 7.6.1 minimum, db and 1 in (=1.00 in)"),
            std::string::npos);
  EXPECT_TRUE(vdtest::endsWith(t, " Result: NO GOOD, ratio 1.25 (governed by bar spacing, ACI 7.6.1)\r\n"));
  // ACI 12.5.1: ldh at least 8*db and 6 in.
  // #3, fy 40 ksi, f'c 5 ksi: 1200*0.375/70.71*40/60 = 4.24 in. -> 6.00 in.
  // #11, fy 36 ksi, f'c 10 ksi: 1200*1.41/100*36/60 = 10.15 in. -> 8*1.41 = 11.28 in.
  // #8, fy 60 ksi, f'c 4 ksi: 1200/63.246 = 18.97 in. stays.
  const double hooks[][4] = {{40000, 5000, 0.375, 6.0}, {36000, 10000, 1.41, 11.28}, {60000, 4000, 1.0, 18.974}};
  for (const auto& h : hooks) {
    DevelopmentLength dev(h[0], h[1], 1, 1, 1, 3.0, h[2], 0.0);
    dev.developmentLength();
    EXPECT_NEAR(dev.ldh, h[3], 0.001) << h[2];
  }
}

TEST(DevelopmentLength, SizeFactorAndSmallBarBranch) {
  for (double db : {0.75, 0.750001}) EXPECT_EQ(DevelopmentLength(60000, 4000, 1, 1, 1, 2, db, 0.0).gamma, 0.8) << db;
  EXPECT_EQ(DevelopmentLength(60000, 4000, 1, 1, 1, 2, 0.76, 0.0).gamma, 1.0);
  // #6: ld = 0.75*3*60000/(40*63.25)*0.8/2 = 21.35 in.; 12.2.2 for #6 and smaller: /25 and 3/50.
  DevelopmentLength six(60000, 4000, 1, 1, 1, 1.5, 0.75, 0.0);
  EXPECT_NEAR(six.developmentLength(), 0.75 * 3 * 60000 / (40 * kRoot4000) * 0.8 / 2, 1e-9);
  EXPECT_NEAR(six.simplifiedFirst(), 60000 * 0.75 / (25 * kRoot4000), 1e-9);
  EXPECT_NEAR(six.simplifiedSecond(), 3 * 60000 * 0.75 / (50 * kRoot4000), 1e-9);
  // #7 (db 0.875) is the first size on /20: 60000*0.875/(20*63.25) = 41.50 in.
  EXPECT_NE(DevelopmentLength(60000, 4000, 1, 1, 1, 1.5, 0.875, 0.0).writeReport().find("(20*sqrt(f'c)*db= 41.50 in"),
            std::string::npos);
  // Short lengths: ld at least 12 in., ldc at least 8 in., each 12.2.2 value at least 12 in.
  DevelopmentLength small(40000, 4000, 1, 1, 1, 2.0, 0.375, 0.0);
  EXPECT_EQ(small.developmentLength(), 12.0);
  EXPECT_EQ(small.ldc, 8.0);
  EXPECT_EQ(small.simplifiedFirst(), 12.0);  // 40000*0.375/(25*63.25) = 9.49
  EXPECT_NEAR(small.simplifiedSecond(), 3 * 40000 * 0.375 / (50 * kRoot4000), 1e-9);
}

TEST(DevelopmentLength, FactorsConfinementAndTransverseBars) {
  // Top epoxy bar: alpha*beta = 1.95 is used as 1.7 in Eq. (12-1); 12.2.2 keeps the product; hook x1.2.
  DevelopmentLength top(60000, 4000, 1.3, 1.5, 1.0, 1.5, 1.0, 0.0);
  EXPECT_NEAR(top.developmentLength(), 3 * 60000 / (40 * kRoot4000) * 1.7 / 1.5, 1e-9);
  EXPECT_NEAR(top.simplifiedFirst(), 60000 * 1.95 / (20 * kRoot4000), 1e-9);
  EXPECT_NEAR(top.ldh, 1.2 * 1200 / kRoot4000, 1e-9);
  EXPECT_NE(top.writeReport().find("\r\n alpha*beta > 1.7, use 1.7"), std::string::npos);
  DevelopmentLength light(60000, 4000, 1.0, 1.0, 1.3, 1.5, 1.0, 0.0);
  EXPECT_NEAR(light.developmentLength(), 1.3 * 3 * 60000 / (40 * kRoot4000) / 1.5, 1e-9);
  EXPECT_NEAR(light.ldh, 1.3 * 1200 / kRoot4000, 1e-9);
  // Confinement (c + Ktr)/db stops at 2.5; the report names the c beyond which nothing changes: 2.5*1 - 0.5.
  DevelopmentLength wide(60000, 4000, 1, 1, 1, 3.0, 1.0, 0.5);
  EXPECT_NE(wide.writeReport().find("c space no longer matter when it exceeds 2.00 in."), std::string::npos);
  EXPECT_EQ(wide.cRatio, 2.5);
  // Ktr = Atr*fyt/(1500*s*n) = 0.4*60000/(1500*6*3) = 0.889.
  DevelopmentLength ties(60000, 4000, 1, 1, 1, 1.0, 1.0, 3, 6.0, 0.4, 60000);
  EXPECT_NEAR(ties.developmentLength(), 3 * 60000 / (40 * kRoot4000) / (1.0 + 0.4 * 60000 / (1500 * 6.0 * 3)), 1e-9);
  EXPECT_NE(ties.writeReport().find("\r\n Transverse Reinforcement:\r\n Atr = 0.400 in^2,  Fyt = 60000 psi,  space = "
                                    "6.00 in,  number = 3\r\n Ktr = 0.889"),
            std::string::npos);
  DevelopmentLength noBars(60000, 4000, 1, 1, 1, 1.0, 1.0, 0, 4.0, 0.4, 60000);
  EXPECT_EQ(noBars.Ktr, 0.0);
  EXPECT_EQ(noBars.writeReport().find("Transverse"), std::string::npos);
}

// The form (defaults, spacing warning, refused inputs): tests/golden/concrete/development_length_form.txt.

}  // namespace

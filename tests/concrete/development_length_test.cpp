// Bar development lengths against ACI 318 hand calculations.
#include <gtest/gtest.h>

#include <tuple>

#include "concrete/development_length.h"
#include "concrete_test_util.h"

using namespace vd;

namespace {

// Hand working, sqrt(4000) = 63.246 unless noted, gamma 0.8 for #6 and smaller, (c + Ktr)/db at most 2.5:
//   ld  = db*(3/40)*fy/sqrt(f'c)*alpha*beta(<=1.7)*gamma*lambda/((c + Ktr)/db), at least 12 in.
//   ldc = max(0.02*db*fy/sqrt(f'c), 0.0003*db*fy), at least 8 in.
//   ldh = 1200*db/sqrt(f'c)*fy/60000 (x1.3 lightweight, x1.2 epoxy), at least 8*db and 6 in.
//   12.2.2: X = fy*alpha*beta*lambda*db/sqrt(f'c); #7 and larger X/20 and 3X/40, else X/25 and 3X/50; >= 12 in.
struct Case {
  const char* what;
  double fy, fc, alpha, beta, lambda, c, db, Ktr;
  double ld, ldc, ldh, first, second;
};
const Case kCases[] = {
    // 3*60000/(40*63.246)/1.5 = 47.43; 0.02*60000/63.246 = 18.97 over 0.0003*60000 = 18.0; 60000/(20*63.246).
    {"#8", 60000, 4000, 1, 1, 1, 1.5, 1, 0, 47.434, 18.974, 18.974, 47.434, 71.151},
    // f'c 12 ksi is used as 10 ksi: 3*75000/(40*100)/1.5 = 37.5; ldc 0.0003*75000 = 22.5; ldh 12*75/60 = 15.
    {"#8 fy 75 f'c 12", 75000, 12000, 1, 1, 1, 1.5, 1, 0, 37.5, 22.5, 15.0, 37.5, 56.25},
    // #4 at c 0.75 (the c given, not raised): (c+Ktr)/db 1.5, 0.5*3*60000/(40*63.246)*0.8/1.5 = 18.97.
    {"#4 c 0.75", 60000, 4000, 1, 1, 1, 0.75, 0.5, 0, 18.974, 9.487, 9.487, 18.974, 28.460},
    {"#8 c 0.9", 60000, 4000, 1, 1, 1, 0.9, 1, 0, 79.057, 18.974, 18.974, 47.434, 71.151},
    // Minimums: ld 12, ldc 8, ldh 6 (1200*0.375/70.71*40/60 = 4.24), 12.2.2 first 12 (40000*0.375/(25*70.71) = 8.49).
    {"#3 fy 40 f'c 5", 40000, 5000, 1, 1, 1, 3, 0.375, 0, 12.0, 8.0, 6.0, 12.0, 12.728},
    // ldh 1200*1.41/100*36/60 = 10.15 -> 8*1.41 = 11.28.
    {"#11 fy 36 f'c 10", 36000, 10000, 1, 1, 1, 3, 1.41, 0, 17.893, 15.228, 11.28, 25.380, 38.070},
    // #6: 0.75*3*60000/(40*63.246)*0.8/2 = 21.35; 12.2.2 on /25 and 3/50: 28.46 and 42.69.
    {"#6", 60000, 4000, 1, 1, 1, 1.5, 0.75, 0, 21.345, 14.230, 14.230, 28.460, 42.691},
    // #7 is the first size with gamma 1.0 and on /20: 0.875*3*60000/(40*63.246)/1.5 = 36.32; 60000*0.875/(20*63.246) = 41.50.
    {"#7", 60000, 4000, 1, 1, 1, 1.5, 0.875, 0, 36.317, 16.602, 16.602, 41.505, 62.257},
    {"#3 fy 40", 40000, 4000, 1, 1, 1, 2, 0.375, 0, 12.0, 8.0, 6.0, 12.0, 14.230},
    // Top epoxy: alpha*beta 1.95 used as 1.7 in Eq. (12-1) (47.43*1.7 = 80.64), 12.2.2 keeps 1.95 (92.50); hook x1.2.
    {"#8 top epoxy", 60000, 4000, 1.3, 1.5, 1, 1.5, 1, 0, 80.638, 18.974, 22.768, 92.497, 138.745},
    {"#8 lightweight", 60000, 4000, 1, 1, 1.3, 1.5, 1, 0, 61.664, 18.974, 24.666, 61.664, 92.497},
    // Ktr = 0.4*60000/(1500*6*3) = 0.889: 71.15/1.889 = 37.67.
    {"#8 with ties", 60000, 4000, 1, 1, 1, 1, 1, 0.4 * 60000 / (1500 * 6.0 * 3), 37.668, 18.974, 18.974, 47.434, 71.151},
    // (3 + 0.5)/1 stops at 2.5: 71.15/2.5 = 28.46.
    {"#8 confined", 60000, 4000, 1, 1, 1, 3, 1, 0.5, 28.460, 18.974, 18.974, 47.434, 71.151},
};

TEST(DevelopmentLength, LengthsAgainstHandCalculations) {
  for (const Case& k : kCases) {
    DevelopmentLength dev(k.fy, k.fc, k.alpha, k.beta, k.lambda, k.c, k.db, k.Ktr);
    EXPECT_NEAR(dev.developmentLength(), k.ld, 0.001) << k.what;
    EXPECT_NEAR(dev.ldc, k.ldc, 0.001) << k.what;
    EXPECT_NEAR(dev.ldh, k.ldh, 0.001) << k.what;
    EXPECT_NEAR(dev.simplifiedFirst(), k.first, 0.001) << k.what;
    EXPECT_NEAR(dev.simplifiedSecond(), k.second, 0.001) << k.what;
  }
  for (double db : {0.75, 0.750001}) EXPECT_EQ(DevelopmentLength(60000, 4000, 1, 1, 1, 2, db, 0.0).gamma, 0.8) << db;
  EXPECT_EQ(DevelopmentLength(60000, 4000, 1, 1, 1, 2, 0.76, 0.0).gamma, 1.0);
}

// ACI 7.6.1: clear spacing 2c - db of at least db and 1 in. 2 x 0.75 - 0.5 = 1.00 in. is exactly enough
// (ratio 1.00, OK); 2 x 0.9 - 1 = 0.80 in. gives 1.00/0.80 = 1.25. The report lines of these and other cases:
// tests/golden/concrete/development_length_lines.txt.
TEST(DevelopmentLength, SpacingVerdict) {
  for (auto [c, db, ok, ratio] : {std::tuple{0.75, 0.5, true, 1.0}, std::tuple{0.9, 1.0, false, 1.25}}) {
    DevelopmentLength dev(60000, 4000, 1, 1, 1, c, db, 0.0);
    EXPECT_TRUE(vdtest::endsWith(dev.writeReport(), dev.result().summaryLine()));
    EXPECT_EQ(dev.result().ok, ok) << c;
    EXPECT_NEAR(dev.result().ratio, ratio, 1e-9) << c;
    EXPECT_EQ(dev.result().governing, "bar spacing, ACI 7.6.1");
  }
}

// The form (defaults, spacing warning, refused inputs): tests/golden/concrete/development_length_form.txt.

}  // namespace

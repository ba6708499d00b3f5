// W beam ASD design routine against hand calculations of the 9th edition equations.
#include <gtest/gtest.h>

#include <cmath>

#include "beam_test_support.h"
#include "platform/text_format.h"
#include "steel/w_beam_asd.h"

using namespace vd;
using vdtest::contains;
using vdtest::shape;

namespace {

const SectionRecord& W(const char* us) { return shape(ShapeTable::W, us); }

// Lb = 0: always within Lc. W18x50 at 36 ksi is compact (65/6 = 10.83 > 6.57): Fb = 0.66*36 = 23.76,
// web limit 640/6 = 106.7 > d/tw 50.7, M cap = 23.76*88.9/12 = 176.02.
TEST(WBeamAsd, FullyBracedCompactSection) {
  WBeamAsd beam(W("W18x50"), 100.0, 0.0, 0.0, 1.0, 36.0, 0.0, 0.0);
  const std::string text = beam.design();
  EXPECT_NEAR(beam.Fb, 23.76, 1e-12);
  EXPECT_TRUE(contains(text,
                       "\tLu =11.00 ft."
                       "\r\n ASD 9th Ed. TABLE B5.1 check flanges ...  65/sqrt(Fy) =10.83 > bf/2tf =6.57 OK"
                       "\r\n  ASD 9th ED. EQ. F1-1 ... 0.66Fy\tFb =23.760 ksi."
                       "\r\n Check the web for combined flexural and axial compression:"
                       "\r\n ASD 9th Ed. TABLE B5.1 check web ... 640*(1.0-3.74fa/Fy)/sqrt(Fy)"
                       "\r\n EQ. F1-5 ... (d/tw)all =106.7 > d/tw =50.70 ... OK  \r\n"
                       "   Fb =23.76 ksi   Moment Capacity =176.02 k-ft"))
      << text;
  // V = 0: no shear ratio line; N = 0: no web yielding block.
  EXPECT_FALSE(contains(text, "Design Shear"));
  EXPECT_FALSE(contains(text, "Special Design Considerations"));
}

// Axial load above 0.16 Fy: the web limit becomes 257/sqrt(Fy) = 42.83 < d/tw 50.7, so Fb drops to 0.6 Fy.
TEST(WBeamAsd, WebUnderAxialLoadFailsAndDropsToPointSixFy) {
  const double pa = 0.2 * 36.0 * 14.7;  // fa = 7.2 ksi > 5.76
  WBeamAsd beam(W("W18x50"), 100.0, 0.0, pa, 1.0, 36.0, 0.0, 0.0);
  const std::string text = beam.design();
  EXPECT_NEAR(beam.Fb, 21.6, 1e-12);
  EXPECT_TRUE(contains(text, "\r\n ASD 9th Ed. TABLE B5.1 ... 257/sqrt(Fy)=(42.83)"
                             "\r\n (d/tw)all =42.8 < d/tw =50.70\r\n not meeting  ASD 9th Ed. EQ. F1-5 ... NO GOOD!\r\n"
                             "   Fb =21.60 ksi"))
      << text;
  // Small axial load: 640*(1 - 3.74*fa/Fy)/sqrt(Fy) with fa = 50/14.7 = 3.401: 106.67*(1 - 0.35336) = 68.97.
  WBeamAsd light(W("W18x50"), 100.0, 0.0, 50.0, 1.0, 36.0, 0.0, 0.0);
  EXPECT_TRUE(contains(light.design(), "(d/tw)all =69.0 > d/tw =50.70 ... OK"));
}

// W14x90 at 50 ksi: bf/2tf = 10.2 >= 65/sqrt(50) = 9.19, so F1-3 with kc = 1 (h/tw 25.9):
// Fb = (0.79 - 0.002*10.2*sqrt(50))*50 = 32.29 ksi, M cap = 32.29*143/12 = 384.76 k-ft.
TEST(WBeamAsd, NoncompactFlangeUsesF1_3) {
  WBeamAsd beam(W("W14x90"), 300.0, 5.0, 0.0, 1.0, 50.0, 0.0, 0.0);
  const std::string text = beam.design();
  EXPECT_NEAR(beam.Fb, 32.2875, 1e-3);
  EXPECT_TRUE(contains(text, "\r\n ASD 9th Ed. EQ. F1-3 ... Fy*(0.79-0.002*Bf/2tf*sqrt(Fy/kc))\tFb =32.288 ksi."));
  EXPECT_TRUE(contains(text, "Moment Capacity =384.76 k-ft"));
}

// kc = 4.05/(h/tw)^0.46 only from h/tw = 70 on; a made-up section shows the step.
TEST(WBeamAsd, KcStepsAtHOverTwOf70) {
  SectionRecord r = W("W14x90");
  r.htw = 69.99f;
  WBeamAsd below(r, 1.0, 0.0, 0.0, 1.0, 50.0, 0.0, 0.0);
  below.design();
  EXPECT_NEAR(below.Fb, (0.79 - 0.002 * 10.2 * std::sqrt(50.0)) * 50.0, 1e-4);
  r.htw = 70.0f;
  WBeamAsd at(r, 1.0, 0.0, 0.0, 1.0, 50.0, 0.0, 0.0);
  at.design();
  const double kc = 4.05 / std::pow(70.0, 0.46);  // 0.5836
  EXPECT_NEAR(at.Fb, (0.79 - 0.002 * 10.2 * std::sqrt(50.0 / kc)) * 50.0, 1e-4);
  EXPECT_LT(at.Fb, below.Fb);
}

// W36x135 at 50 ksi (rT 2.97, d/Af 3.76, Sxx 439): x = sqrt(102000/50)*2.97 = 134.1 in, 2.236x = 299.9 in.
//   Lb 20 ft: l = 240 in within [x, 2.236x]: F1-6 = (2/3 - (240/2.97)^2*50/1530000)*50 = 22.66 > F1-8 13.30
//   Lb 35 ft: l = 420 in beyond 2.236x: F1-7 = 170000/(420/2.97)^2 = 8.50 > F1-8 7.60
//   Lb 60 ft: F1-7 = 2.60 < F1-8 = 12000/(720*3.76) = 4.43
TEST(WBeamAsd, LateralBucklingBranches) {
  struct Case {
    double lb, fb;
    const char* line;
  } cases[] = {
      {20.0, 22.6635, "\r\n Eq. F1-6: [2/3 - Fy*(l/rT)^2/1530000/Cb]*Fy    Fb =22.66 ksi   Moment Capacity =829.11 k-ft"},
      // Lb 24 ft: l = 288 in, still below 2.236x = 299.9 in: F1-6 = (2/3 - (288/2.97)^2*50/1530000)*50 = 17.97
      // (F1-7 would give 170000/(288/2.97)^2 = 18.08).
      {24.0, 17.969, "\r\n Eq. F1-6: [2/3 - Fy*(l/rT)^2/1530000/Cb]*Fy    Fb =17.97 ksi"},
      {35.0, 8.5009, "\r\n Eq. F1-7: 170000*Cb/((l/rT)^2)    Fb =8.50 ksi   Moment Capacity =310.99 k-ft"},
      {60.0, 4.4326, "\r\n Eq. F1-8: 12000*Cb/(l*d/Af)    Fb =4.43 ksi"},
  };
  for (const Case& c : cases) {
    WBeamAsd beam(W("W36x135"), 100.0, c.lb, 0.0, 1.0, 50.0, 0.0, 0.0);
    const std::string text = beam.design();
    EXPECT_NEAR(beam.Fb, c.fb, 1e-3) << c.lb;
    EXPECT_TRUE(contains(text, c.line)) << c.lb << text;
    // Beyond Lc the compact-branch web check is not made.
    EXPECT_FALSE(contains(text, "Check the web")) << c.lb;
  }
}

TEST(WBeamAsd, CbBelowOneIsFlaggedAndScalesLu) {
  WBeamAsd beam(W("W18x50"), 100.0, 10.0, 0.0, 0.5, 36.0, 0.0, 0.0);
  const std::string text = beam.design();
  EXPECT_TRUE(contains(text, "\t Lc =7.92 ft.\n\t ****** You have specified a 'Cb' < 1.0  *******\r\n ASD 9th Ed."));
  // Lu = max(0.5*131.96, sqrt(0.5*102000/36)*1.95 = 73.40) in = 6.12 ft: F1-6 governs.
  EXPECT_TRUE(contains(text, "F1-6 ... sqrt(102,000.0*Cb/Fy)*rT)\tLu =6.12 ft."));
  WBeamAsd one(W("W18x50"), 100.0, 10.0, 0.0, 1.0, 36.0, 0.0, 0.0);
  EXPECT_FALSE(contains(one.design(), "You have specified"));
}

TEST(WBeamAsd, FyIsDesignedWithin33And50) {
  WBeamAsd high(W("W18x50"), 1.0, 0.0, 0.0, 1.0, 65.0, 0.0, 0.0);
  high.design();
  EXPECT_EQ(high.Fy, 50.0);
  WBeamAsd low(W("W18x50"), 1.0, 0.0, 0.0, 1.0, 0.0, 0.0, 0.0);
  low.design();
  EXPECT_EQ(low.Fy, 33.0);
  EXPECT_NEAR(low.Fb, 0.66 * 33.0, 1e-12);
}

TEST(WBeamAsd, MomentEqualToCapacityIsNoGood) {
  const SectionRecord& r = W("W18x50");
  const double cap = 0.66 * 36.0 * double(r.Sxx) / 12.0;
  WBeamAsd beam(r, cap, 0.0, 0.0, 1.0, 36.0, 0.0, 0.0);
  const std::string text = beam.design();
  EXPECT_TRUE(contains(text, "\r\n\t NO GOOD!  Design Moment (=176.02 k-ft) > Allowable Moment (=176.02 k-ft)  ... "
                             "NO GOOD!\r\n\t (M)design/(M)capacity =100.00%\r\n"));
}

// Within Lu but beyond Lc, lateral buckling gives 0.60 Fy as long as l/rT stays below sqrt(102,000 Cb/Fy),
// where F1-6 starts (F1.3); F1-8 alone must not lower it. W36x135, Fy 50, Cb 1:
//   Lc = min(76*12/sqrt(50) = 128.98, 20000/(3.76*50) = 106.38) in = 8.87 ft;
//   Lu = max(106.38, sqrt(102000/50)*2.97 = 134.14) in = 11.18 ft
//   Lb 10 ft: l/rT = 120/2.97 = 40.40 < sqrt(102000/50) = 45.17: Fb = 30.00, M cap = 30*439/12 = 1097.50
//   (F1-8 = 12000/(120*3.76) = 26.60 ksi and 972.96 k-ft before). Lb 12 ft: l/rT = 48.48 > 45.17, F1-6.
TEST(WBeamAsd, BelowTheF1_6RangeTheBeamKeepsPointSixFy) {
  WBeamAsd beam(W("W36x135"), 1000.0, 10.0, 0.0, 1.0, 50.0, 0.0, 0.0);
  const std::string text = beam.design();
  EXPECT_NEAR(beam.Fb, 30.0, 1e-12);
  EXPECT_TRUE(contains(text, "\tLu =11.18 ft.\r\n F1.3: l/rT (=40.40) < sqrt(102,000*Cb/Fy) (=45.17),  Fb = 0.60*Fy "
                             "   Fb =30.00 ksi   Moment Capacity =1097.50 k-ft"))
      << text;
  EXPECT_EQ(beam.result().governing, "bending, Sect. F1.3 (0.60Fy)");
  WBeamAsd beyond(W("W36x135"), 1000.0, 12.0, 0.0, 1.0, 50.0, 0.0, 0.0);
  EXPECT_TRUE(contains(beyond.design(), "\r\n Eq. F1-6: "));
}

// h/tw beyond 380/sqrt(Fy): F4-2 on the clear web h*tw with kv = 5.34 (no stiffeners). W44x230 at 50
// ksi, h/tw 54.8 > 53.74: 45000*5.34/(50*54.8^2) = 1.600 > 0.8, so Cv = 190/54.8*sqrt(5.34/50) = 1.1331,
// Fv = 50/2.89*1.1331 = 19.60 ksi (< 20), V cap = 19.603*54.8*0.71^2 = 541.54 kip ("hand check" before).
TEST(WBeamAsd, SlenderWebShearByF4_2) {
  WBeamAsd beam(W("W44x230"), 100.0, 0.0, 0.0, 1.0, 50.0, 0.0, 500.0);
  const std::string text = beam.design();
  EXPECT_NEAR(beam.Fv, 19.603, 0.001);
  EXPECT_TRUE(contains(text, "\r\n \"h/tw > 380.0/sqrt(Fy)\"  Allowable shear stress Eq(F4-2) = (Fy/2.89)*Cv =19.60 "
                             "ksi,  Cv =1.133 (kv =5.34, no stiffeners)\r\n\t Max. web shear = Fv*h*tw =   541.54 kip"
                             "\r\n\t Design Shear (=500.00 kip) < Allowable Shear (=541.54 kip)  ... OK"))
      << text;
  EXPECT_EQ(beam.result().governing, "shear, Eq. F4-2");
  // At 36 ksi the same web is within F4-1: 380/6 = 63.3; V cap = 14.4*42.9*0.71 = 438.61 < 500.
  WBeamAsd at36(W("W44x230"), 100.0, 0.0, 0.0, 1.0, 36.0, 0.0, 500.0);
  EXPECT_TRUE(contains(at36.design(), "\r\n\t NO GOOD!  Design Shear (=500.00 kip) > Allowable Shear (=438.61 kip)"));
  EXPECT_EQ(at36.result().governing, "shear, Eq. F4-1");
  EXPECT_FALSE(at36.result().ok);
}

TEST(SinglePlate, DepthLimitsTheBoltCount) {
  // d = 12.0, k = 1.0: n*3 + 2 < 12 allows n <= 3 only.
  std::string out;
  appendSinglePlateConnections(out, 0.0, 1.0, 12.0);
  EXPECT_TRUE(contains(out, "(3) bolts"));
  EXPECT_FALSE(contains(out, "(4) bolts"));
  // Exactly at the limit (4*3 + 1 + 1 = 14 = d) the group does not fit.
  out.clear();
  appendSinglePlateConnections(out, 0.0, 1.0, 14.0);
  EXPECT_FALSE(contains(out, "(4) bolts"));
  // The shear must be strictly below the capacity.
  out.clear();
  appendSinglePlateConnections(out, 8.16, 0.5, 40.0);
  EXPECT_FALSE(contains(out, "capacity =8.16 kip"));
  EXPECT_TRUE(contains(out, "capacity =11.10 kip"));
}

TEST(WBeamAsd, ConnectionTableOnlyWhenTheWebIsDeepEnough) {
  // W6x25: d - 2k = 6.38 - 1.41 = 4.97 <= 6.
  WBeamAsd small(W("W6x25"), 10.0, 0.0, 0.0, 1.0, 36.0, 0.0, 5.0);
  EXPECT_FALSE(contains(small.design(), "Single-Plate"));
  WBeamAsd big(W("W18x50"), 10.0, 0.0, 0.0, 1.0, 36.0, 0.0, 5.0);
  EXPECT_TRUE(contains(big.design(), "Single-Plate"));
}

TEST(WBeamAsd, EveryRowGivesFiniteText) {
  for (int i = 0; i < rowCount(ShapeTable::W); ++i) {
    for (double lb : {0.0, 8.0, 25.0, 200.0}) {
      WBeamAsd beam(*sectionRow(ShapeTable::W, i), 100.0, lb, 50.0, 1.0, 50.0, 6.0, 20.0);
      const std::string text = beam.design();
      ASSERT_FALSE(vdtest::hasNonFinite(text)) << usDesignation(ShapeTable::W, i) << " Lb " << lb;
      ASSERT_GT(beam.Fb, 0.0);
    }
  }
}

}  // namespace

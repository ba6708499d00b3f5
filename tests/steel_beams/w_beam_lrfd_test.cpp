// W beam LRFD design routine against hand calculations of the 3rd edition equations. The whole reports
// of the table-row cases are in tests/golden/steel/beam_hand_cases.expected.
#include <gtest/gtest.h>

#include "beam_test_support.h"
#include "steel/w_beam_lrfd.h"

using namespace vd;
using vdtest::contains;
using vdtest::shape;

namespace {

using K = WBeamLrfd::Case;

struct LrfdCase {
  const char* w;
  float htw;  // 0: the table's; else a made-up web
  double M, Lb, Cb, Fy, V;
  K kase;
  double phiMn, phiVn;  // kip-ft, kip
  const char* governing;
  bool ok;
};

// W18x50 at 50 ksi: phi Mp = 0.9*50*101/12 = 378.75, phi Mr = 266.70, Lp 5.83 ft, Lr 15.57 ft,
// phi Vn = 0.9*0.6*50*18*0.355 = 172.53 kip (h/tw 45.2 < 2.45*sqrt(E/Fy) = 59.00).
// W14x90 at 50 ksi: bf/2tf 10.2 >= lambda_p 9.15, noncompact flange.
//   phi Mp = 0.9*50*157/12 = 588.75, phi Mr = 0.9*40*143/12 = 429.00
//   phi M'p = 588.75 - (10.2 - 9.152)*(588.75 - 429.0)/(22.348 - 9.152) = 576.06 k-ft
//   Lp = 3.7*1.76*24.083/12 = 13.07 ft, Lr = 3.7*2900/40*sqrt(1 + sqrt(1 + 0.00175*1600))/12 = 38.39 ft
//   Lb 20: 588.75 - (20 - 13.07)*159.75/(38.39 - 13.07) = 545.02
const LrfdCase kLrfd[] = {
    // Fully braced, 400 > 378.75: NO GOOD.
    {"W18x50", 0, 400, 4, 1, 50, 0, K::CompactBraced, 378.75, 172.53, "bending, Eq. F1-1", false},
    // Fy 60 is designed with 50: the same phi Mp.
    {"W18x50", 0, 100, 1, 1, 60, 0, K::CompactBraced, 378.75, 172.53, "bending, Eq. F1-1", true},
    // Lb 10, Cb 2.3: 378.75 - 112.05*(10 - 5.83)/(15.57 - 5.83) = 330.78, times 2.3 = 760.8, capped at phi Mp.
    {"W18x50", 0, 300, 10, 2.3, 50, 0, K::CompactInelastic, 378.75, 172.53, "bending, Eq. F1-2", true},
    // Beyond Lr, Cb 1: s = 300/1.65 = 181.82, Mn = 88.9*1920*sqrt(2)/s*sqrt(1 + 1920^2*0.0124/2/s^2)
    // = 1726.6 kip-in, phi Mn = 129.50 k-ft.
    {"W18x50", 0, 100, 25, 1, 50, 0, K::CompactElastic, 129.50, 172.53, "bending, Eq. F1-13", true},
    // Lb 16, Cb 2.3: 2.3*0.9 Mcr = 2.3*262.4 = 603 k-ft would exceed phi Mp; it stays at 378.75.
    {"W18x50", 0, 300, 16, 2.3, 50, 0, K::CompactElastic, 378.75, 172.53, "bending, Eq. F1-1", true},
    // Noncompact flange, fully braced: phi M'p = 576.06.
    {"W14x90", 0, 500, 5, 1, 50, 0, K::FlangeBraced, 576.06, -1, "flange local buckling, Eq. A-F1-3", true},
    // Lb 20, Cb 1.05: 1.05*545.02 = 572.27 < 576.06, lateral buckling governs.
    {"W14x90", 0, 300, 20, 1.05, 50, 0, K::FlangeInelastic, 572.27, -1, "bending, Eq. F1-2", true},
    // Lb 20, Cb 2: min(2*545.02, 588.75) = 588.75 > 576.06, flange local buckling governs.
    {"W14x90", 0, 300, 20, 2, 50, 0, K::FlangeInelastic, 576.06, -1, "flange local buckling, Eq. A-F1-3", true},
    // Lb 50 > Lr: Lb/ry = 600/3.7 = 162.16, Mcr = 143*2900*sqrt(2)/162.16*sqrt(1 + 2900^2*0.00175/2/162.16^2)
    // = 4091.4 kip-in, phi Mcr = 306.86 k-ft < 576.06.
    {"W14x90", 0, 300, 50, 1, 50, 0, K::FlangeElastic, 306.86, -1, "bending, Eq. F1-13", true},
    // Made-up h/tw 95 (lambda_p 90.55, lambda_r 5.70*24.083 = 137.27), Mr = Fy Sx:
    // 0.9*(5050 - (5050 - 4445)*(95 - 90.55)/(137.27 - 90.55))/12 = 374.43 k-ft.
    {"W18x50", 95, 100, 1, 1, 50, 0, K::WebNoncompact, 374.43, -1, "web local buckling, Eq. A-F1-3", true},
    // Made-up h/tw 70 > 59.00: Vn reduced by 59.00/70, 172.53*0.84286 = 145.42 kip.
    {"W18x50", 70, 100, 1, 1, 50, 0, K::CompactBraced, 378.75, 145.42, "bending, Eq. F1-1", true},
    // Made-up h/tw 80 > 3.07*sqrt(E/Fy) = 73.94: F2-3, 0.9*18*0.355*4.52*29000/80^2 = 117.79 < 120.
    {"W18x50", 80, 300, 1, 1, 50, 120, K::CompactBraced, 378.75, 117.79, "shear, Eq. F2-3", false},
};

TEST(WBeamLrfd, HandCalculatedCases) {
  for (const LrfdCase& c : kLrfd) {
    SCOPED_TRACE(::testing::Message() << c.w << " h/tw " << c.htw << " Lb " << c.Lb << " Cb " << c.Cb);
    SectionRecord r = shape(ShapeTable::W, c.w);
    if (c.htw > 0) r.htw = c.htw;
    WBeamLrfd beam(r, c.M, c.Lb, c.Cb, c.Fy, 65.0, c.V);
    beam.design();
    EXPECT_EQ(beam.kase, c.kase);
    EXPECT_NEAR(beam.phiMn / 12.0, c.phiMn, 0.005);
    if (c.phiVn >= 0) {
      EXPECT_NEAR(beam.phiVn, c.phiVn, 0.01);
    }
    EXPECT_EQ(beam.result().governing, c.governing);
    EXPECT_EQ(beam.result().ok, c.ok);
  }
}

// L'p, where flange local buckling stops governing, is Lp + (Lr - Lp)*(phi Mp - phi M'p)/(phi Mp - phi Mr)
// = 13.07 + 25.32*12.69/159.75 = 15.08 ft whatever Lb is.
TEST(WBeamLrfd, RevisedLengthOfANoncompactFlange) {
  for (double lb : {5.0, 20.0, 50.0}) {
    WBeamLrfd beam(shape(ShapeTable::W, "W14x90"), 300.0, lb, 1.0, 50.0, 65.0, 0.0);
    EXPECT_TRUE(contains(beam.design(), "\r\n revised length, L'p =15.08 ft. for non-compact section.")) << lb;
  }
}

// A made-up h/tw of 140 is a slender web: NO GOOD, plate girder.
TEST(WBeamLrfd, SlenderWebIsNoGood) {
  SectionRecord r = shape(ShapeTable::W, "W18x50");
  r.htw = 140.0f;
  WBeamLrfd slender(r, 100.0, 1.0, 1.0, 50.0, 65.0, 0.0);
  EXPECT_TRUE(contains(slender.design(), "a slender web, design it as a plate girder (Appendix G)  ... NO GOOD!"));
  EXPECT_FALSE(slender.result().ok);
}

TEST(WBeamLrfd, EveryRowGivesFiniteText) {
  for (int i = 0; i < rowCount(ShapeTable::W); ++i)
    for (double lb : {0.0, 8.0, 25.0, 200.0})
      for (double cb : {1.0, 2.3}) {
        WBeamLrfd beam(*sectionRow(ShapeTable::W, i), 100.0, lb, cb, 50.0, 65.0, 20.0);
        ASSERT_FALSE(vdtest::hasNonFinite(beam.design())) << usDesignation(ShapeTable::W, i) << " Lb " << lb;
      }
}

}  // namespace

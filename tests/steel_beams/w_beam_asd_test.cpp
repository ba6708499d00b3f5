// W beam ASD design routine against hand calculations of the 9th edition equations. The whole reports
// of these cases are in tests/golden/steel/beam_hand_cases.expected.
#include <gtest/gtest.h>

#include "beam_test_support.h"
#include "steel/w_beam_asd.h"

using namespace vd;
using vdtest::contains;
using vdtest::shape;

namespace {

const SectionRecord& W(const char* us) { return shape(ShapeTable::W, us); }

struct AsdCase {
  const char* w;
  float htw;  // 0: the table's; else a made-up web
  double M, Lb, Pa, Cb, Fy, V;
  double Fb, Vcap;  // Vcap < 0: not checked
  const char* governing;
  bool ok;
};

// W18x50 (Sxx 88.9, A 14.7, d/tw 50.7, bf/2tf 6.57, rT 1.95, d/Af 4.21); W14x90 (bf/2tf 10.2, h/tw 25.9);
// W36x135 (rT 2.97, d/Af 3.76, Sxx 439): x = sqrt(102000/50)*2.97 = 134.1 in, 2.236x = 299.9 in.
const AsdCase kAsd[] = {
    // Lb 0, compact (65/6 = 10.83 > 6.57): 0.66*36 = 23.76 ksi, M cap 23.76*88.9/12 = 176.02 k-ft.
    {"W18x50", 0, 100, 0, 0, 1, 36, 0, 23.76, -1, "bending, Eq. F1-1", true},
    // Fy above 50 is designed with 50 (0.66*50 = 33.00), Fy 0 with 33 (0.66*33 = 21.78).
    {"W18x50", 0, 1, 0, 0, 1, 65, 0, 33.0, -1, "bending, Eq. F1-1", true},
    {"W18x50", 0, 1, 0, 0, 1, 0, 0, 21.78, -1, "bending, Eq. F1-1", true},
    // fa = 105.84/14.7 = 7.2 > 0.16 Fy: web limit 257/6 = 42.83 < d/tw 50.7, Fb drops to 0.6 Fy = 21.60.
    {"W18x50", 0, 100, 0, 105.84, 1, 36, 0, 21.6, -1, "bending, Eq. F1-5", true},
    // F1-3, kc 1 (h/tw < 70): (0.79 - 0.002*10.2*sqrt(50))*50 = 32.288 ksi.
    {"W14x90", 0, 300, 5, 0, 1, 50, 0, 32.288, -1, "bending, Eq. F1-3", true},
    // A made-up h/tw 70 gives kc = 4.05/70^0.46 = 0.5737: (0.79 - 0.002*10.2*sqrt(50/0.5737))*50 = 29.978.
    {"W14x90", 70, 1, 0, 0, 1, 50, 0, 29.978, -1, "bending, Eq. F1-3", true},
    // Lb 10: l/rT = 40.40 < sqrt(102000/50) = 45.17, beyond Lc 8.87 ft but within Lu: 0.60 Fy = 30.00
    // (F1-8 alone gave 12000/(120*3.76) = 26.60).
    {"W36x135", 0, 1000, 10, 0, 1, 50, 0, 30.0, -1, "bending, Sect. F1.3 (0.60Fy)", true},
    // Lb 20: l = 240 in [x, 2.236x]: F1-6 = (2/3 - (240/2.97)^2*50/1530000)*50 = 22.66 > F1-8 13.30.
    {"W36x135", 0, 100, 20, 0, 1, 50, 0, 22.6635, -1, "bending, Eq. F1-6", true},
    // Lb 24: 288 in still below 2.236x: F1-6 = (2/3 - (288/2.97)^2*50/1530000)*50 = 17.97 (F1-7: 18.08).
    {"W36x135", 0, 100, 24, 0, 1, 50, 0, 17.969, -1, "bending, Eq. F1-6", true},
    // Lb 35: 420 in beyond 2.236x: F1-7 = 170000/(420/2.97)^2 = 8.50 > F1-8 7.60.
    {"W36x135", 0, 100, 35, 0, 1, 50, 0, 8.5009, -1, "bending, Eq. F1-7", true},
    // Lb 60: F1-7 = 2.60 < F1-8 = 12000/(720*3.76) = 4.43.
    {"W36x135", 0, 100, 60, 0, 1, 50, 0, 4.4326, -1, "bending, Eq. F1-8", true},
    // Cb 0.5, Lb 10: l/rT = 61.54, F1-6 = (2/3 - 61.54^2*36/(1530000*0.5))*36 = 17.58 > F1-8 11.88.
    {"W18x50", 0, 100, 10, 0, 0.5, 36, 0, 17.58, -1, "bending, Eq. F1-6", true},
    // W44x230 (compact: Fb 0.66 Fy) at 50 ksi, h/tw 54.8 > 380/sqrt(50) = 53.74: F4-2 with kv 5.34, Cv = 190/54.8*sqrt(5.34/50)
    // = 1.1331, Fv = 50/2.89*1.1331 = 19.60, V cap = 19.603*54.8*0.71^2 = 541.54 kip.
    {"W44x230", 0, 100, 0, 0, 1, 50, 500, 33.0, 541.54, "shear, Eq. F4-2", true},
    // At 36 ksi within F4-1: 14.4*42.9*0.71 = 438.61 < 500.
    {"W44x230", 0, 100, 0, 0, 1, 36, 500, 23.76, 438.61, "shear, Eq. F4-1", false},
};

TEST(WBeamAsd, HandCalculatedCases) {
  for (const AsdCase& c : kAsd) {
    SCOPED_TRACE(::testing::Message() << c.w << " Lb " << c.Lb << " Fy " << c.Fy << " Pa " << c.Pa << " Cb " << c.Cb);
    SectionRecord r = W(c.w);
    if (c.htw > 0) r.htw = c.htw;
    WBeamAsd beam(r, c.M, c.Lb, c.Pa, c.Cb, c.Fy, 0.0, c.V);
    beam.design();
    EXPECT_NEAR(beam.Fb, c.Fb, 0.005);
    if (c.Vcap >= 0) {
      EXPECT_NEAR(beam.Vcap, c.Vcap, 0.005);
    }
    EXPECT_EQ(beam.result().governing, c.governing);
    EXPECT_EQ(beam.result().ok, c.ok);
  }
}

TEST(WBeamAsd, MomentEqualToCapacityIsNoGood) {
  const SectionRecord& r = W("W18x50");
  WBeamAsd beam(r, 0.66 * 36.0 * double(r.Sxx) / 12.0, 0.0, 0.0, 1.0, 36.0, 0.0, 0.0);
  EXPECT_TRUE(contains(beam.design(), "NO GOOD!  Design Moment (=176.02 k-ft) > Allowable Moment (=176.02 k-ft)"));
  EXPECT_FALSE(beam.result().ok);
}

TEST(SinglePlate, DepthLimitsTheBoltCount) {
  // d 12, k 1: n*3 + 2 < 12 allows n <= 3; d 14 is exactly 4*3 + 1 + 1, so 4 bolts do not fit.
  std::string out;
  appendSinglePlateConnections(out, 0.0, 1.0, 12.0);
  EXPECT_TRUE(contains(out, "(3) bolts"));
  EXPECT_FALSE(contains(out, "(4) bolts"));
  out.clear();
  appendSinglePlateConnections(out, 0.0, 1.0, 14.0);
  EXPECT_FALSE(contains(out, "(4) bolts"));
  // The shear must be strictly below the capacity.
  out.clear();
  appendSinglePlateConnections(out, 8.16, 0.5, 40.0);
  EXPECT_FALSE(contains(out, "capacity =8.16 kip"));
  EXPECT_TRUE(contains(out, "capacity =11.10 kip"));
}

TEST(WBeamAsd, EveryRowGivesFiniteText) {
  for (int i = 0; i < rowCount(ShapeTable::W); ++i)
    for (double lb : {0.0, 8.0, 25.0, 200.0}) {
      WBeamAsd beam(*sectionRow(ShapeTable::W, i), 100.0, lb, 50.0, 1.0, 50.0, 6.0, 20.0);
      ASSERT_FALSE(vdtest::hasNonFinite(beam.design())) << usDesignation(ShapeTable::W, i) << " Lb " << lb;
      ASSERT_GT(beam.Fb, 0.0);
    }
}

}  // namespace

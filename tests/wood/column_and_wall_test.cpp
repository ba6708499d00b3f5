// Solid wood columns (NDS 3.7.1) and plywood shear-wall deflection (97 UBC Standard 23) by hand.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "wood/shear_wall.h"
#include "wood/wood_column.h"

using namespace vd;

namespace {

bool has(const std::string& text, const std::string& piece) { return text.find(piece) != std::string::npos; }

const GradeRecord* grade(int species, const char* name) {
  const SpeciesRecord& sp = kSpecies[species];
  for (int r = 0; r < sp.endPost; ++r)
    if (std::string(sp.grades[r].name) == name) return &sp.grades[r];
  throw std::runtime_error(name);
}

ColumnFactors ones(double CF = 1.0) {
  ColumnFactors f;
  f.C_F = CF;
  return f;
}

TEST(WoodColumn, TimberPostAndFactors) {
  // No. 1 (post) DF 6x6, 12 ft: FcE = 0.3 x 1,600,000 x 5.5^2 / 144^2 = 700.23; a = 0.700231;
  // C_P = 0.558736; F'c = 558.74; P = 558.74 x 30.25 / 1000 = 16.90 kip.
  SawnMember m("6x6", 5.5, 5.5, grade(0, "No. 1 (post)"), 0, false, true);
  WoodColumn c(m, 12, 5.5, 5.5, -20, ones());
  EXPECT_NEAR(c.C_P(), 0.558736, 1e-6);
  EXPECT_NEAR(c.allowableLoad(), 16.9018, 1e-4);
  // A load typed as negative is still checked as a compressive load: 20 / 16.90 = 1.183.
  EXPECT_NEAR(c.result().ratio, 1.1833, 1e-4);
  // Every factor enters E' and Fc*: C_D only Fc*, C_M, C_t and C_i both; C_stability is printed, never used.
  // E' = 1,600,000 x 0.8 x 0.9 x 0.95 = 1,094,400; FcE = 0.3 x 1,094,400 x 5.5^2 / 144^2 = 478.958;
  // Fc* = 1000 x 1.25 x 0.8 x 0.9 x 0.95 = 855; a = 0.560185, C_P = 0.474497; F'c = 405.695 psi.
  ColumnFactors f;
  f.C_D = 1.25;
  f.C_M = 0.8;
  f.C_t = 0.9;
  f.C_i = 0.95;
  f.C_stability = 0.5;
  WoodColumn g(m, 12, 5.5, 5.5, 1, f);
  EXPECT_NEAR(g.Eprime(), 1094400.0, 1e-6);
  EXPECT_NEAR(g.FcStar(), 855.0, 1e-9);
  EXPECT_NEAR(g.C_P(), 0.474497, 1e-6);
  EXPECT_NEAR(g.FcPrime(), 405.695, 1e-3);
}

TEST(WoodColumn, SizeFactorAsEntered) {
  // The C_F entered is used (the report notes where Table 4A differs: 1.10 for Fc of a 2x6).
  SawnMember m("2x6", 1.5, 5.5, grade(0, "No. 2"), 0, false, true);
  EXPECT_EQ(WoodColumn(m, 4, 1.5, 5.5, 1, ones(1.3)).C_F(), 1.3);
  EXPECT_FALSE(has(WoodColumn(m, 4, 1.5, 5.5, 1, ones(1.1)).report(), "gives C_F"));
  SawnMember u("2x3", 1.5, 2.5, grade(0, "Utility"), 0, false, true);
  EXPECT_EQ(WoodColumn(u, 4, 1.5, 2.5, 1, ones(0.6)).C_F(), 0.6);
}

TEST(WoodColumn, BothAxesWhenTwoUnbracedLengthsAreGiven) {
  // NDS 3.7.1.3, the larger slenderness ratio governs. 4x4 No. 1 DF, C_F 1.15: 8 ft across d (96/3.5 = 27.43)
  // and 12 ft across w (144/3.5 = 41.14): FcE = 0.3 x 1,700,000 x 3.5^2 / 144^2 = 301.29; a = 301.29/1667.5 =
  // 0.180682, r = 0.737926, C_P = 0.173407; F'c = 1667.5 x 0.173407 = 289.16 psi; P = 3.54 kip.
  SawnMember m("4x4", 3.5, 3.5, grade(0, "No. 1"), 0, false, true);
  WoodColumn c(m, 8, 3.5, 3.5, 5, ones(1.15), 12);
  EXPECT_TRUE(c.wAxisGoverns());
  EXPECT_NEAR(c.FcE(), 301.288, 1e-3);
  EXPECT_NEAR(c.FcPrime(), 289.156, 1e-3);
  EXPECT_NEAR(c.allowableLoad(), 3.5422, 1e-4);
  EXPECT_FALSE(c.result().ok);
  // 2x6 No. 2 DF, C_F 1.1: 4 ft across d = 1.5 (48/1.5 = 32) and 10 ft across w = 5.5 (120/5.5 = 21.82): d governs,
  // FcE = 0.3 x 1,600,000 x 1.5^2 / 48^2 = 468.75, a = 468.75/1430 = 0.327797, C_P = 0.301723, P = 3.56 kip.
  SawnMember s("2x6", 1.5, 5.5, grade(0, "No. 2"), 0, false, true);
  WoodColumn d(s, 4, 1.5, 5.5, 1, ones(1.1), 10);
  EXPECT_FALSE(d.wAxisGoverns());
  EXPECT_NEAR(d.allowableLoad(), 3.5596, 1e-4);
  // A w-side length beyond le/w = 50 is the slenderness failure: 1.5 x 5.5 with 24 ft across w (288/5.5 = 52.36).
  WoodColumn slender(s, 4, 1.5, 5.5, 1, ones(1.1), 24);
  EXPECT_FALSE(slender.slendernessOk());
  EXPECT_EQ(slender.result().governing, "slenderness, NDS 3.7.1.4 le/d");
}

TEST(WoodColumn, SlendernessLimitOfFifty) {
  // d = 1.5 in: le = 6.25 ft x 12 = 75 in = 50 d still gets a capacity. With C_F 1.3, Fc* = 1690,
  // FcE = 0.3 x 1,600,000 x 1.5^2/75^2 = 192, C_P = 0.110846, F'c = 187.33, P = 187.33 x 8.25/1000 = 1.55 kip.
  SawnMember m("2x6", 1.5, 5.5, grade(0, "No. 2"), 0, false, true);
  WoodColumn at(m, 6.25, 1.5, 5.5, 1, ones(1.3));
  EXPECT_TRUE(at.slendernessOk());
  EXPECT_NEAR(at.C_P(), 0.110846, 1e-6);
  EXPECT_NEAR(at.allowableLoad(), 1.54547, 1e-5);
  WoodColumn over(m, 6.26, 1.5, 5.5, 1, ones(1.3));
  EXPECT_FALSE(over.slendernessOk());
  EXPECT_EQ(over.result().governing, "slenderness, NDS 3.7.1.4 le/d");
  EXPECT_FALSE(has(over.report(), "Allowable P"));
}

TEST(WoodColumn, ShortColumnsAndUnusableInputs) {
  SawnMember m("4x4", 3.5, 3.5, grade(0, "No. 1"), 0, false, true);
  // No length is taken as 0.001 in.; a near-zero one gives FcE = 0.3 x 1,700,000 x 3.5^2 / (1.2e-99)^2, about
  // 4e204 psi, far above Fc* = 1450: C_P -> (FcE/Fc*/0.8) / (2 (1 + FcE/Fc*)/1.6) = 1, F'c -> Fc = 1450 psi (not 0).
  for (double lu : {0.0, 1e-100}) {
    WoodColumn s(m, lu, 3.5, 3.5, 1, ones());
    ASSERT_TRUE(s.inputsUsable());
    EXPECT_NEAR(s.C_P(), 1.0, 1e-6);
    EXPECT_NEAR(s.FcPrime(), 1450.0, 1e-3);
  }
  EXPECT_NEAR(WoodColumn(m, 0, 3.5, 3.5, 1, ones()).le(), 0.001, 1e-15);
  // Empty fields (zeros), absurd values, a length whose square underflows, a factor or a side of 1e-310 or a
  // length that overflows in inches: the report says the entries are out of range, never "inf" or "nan".
  ColumnFactors zero = ones(), huge = ones(), tiny = ones();
  zero.C_D = 0.0;
  huge.C_M = 1e99;
  tiny.C_D = 1e-310;
  for (const WoodColumn& bad : {WoodColumn(m, 8, 0, 3.5, 1, ones()), WoodColumn(m, 8, 3.5, 3.5, 1, zero),
                                WoodColumn(m, 8, 3.5, 3.5, 1, huge), WoodColumn(m, 8, 3.5, -1, 1, ones()),
                                WoodColumn(m, 1e-310, 3.5, 3.5, 1, ones()), WoodColumn(m, 8, 3.5, 3.5, 1, tiny),
                                WoodColumn(m, 8, 1e-310, 3.5, 1, ones()), WoodColumn(m, 1e308, 3.5, 3.5, 1, ones())}) {
    WoodColumn c = bad;
    EXPECT_FALSE(c.inputsUsable());
    const std::string r = c.report();
    EXPECT_TRUE(has(r, "Check entries")) << r;
    EXPECT_FALSE(has(r, "inf") || has(r, "nan") || has(r, "Allowable P")) << r;
  }
}

ShearWallInput example() {
  ShearWallInput in;
  in.v = 1000;
  in.h = 8;
  in.b = 4;
  in.A = 16.5;
  in.E = 1700000;
  in.t = 0.535;
  in.G = 90000;
  in.en = 0.03;
  in.da = 0.1;
  return in;
}

TEST(ShearWall, GuardAndZeroHeight) {
  for (double ShearWallInput::*field :
       {&ShearWallInput::E, &ShearWallInput::A, &ShearWallInput::b, &ShearWallInput::G, &ShearWallInput::t}) {
    ShearWallInput in = example();
    in.*field = 0.0;
    EXPECT_EQ(shearWallReport(in), "Check entries, divided by Zero!!");
    in.*field = -1.0;
    EXPECT_EQ(shearWallReport(in), "Check entries, divided by Zero!!");
  }
  // A hold-down with no slip is a real detail, not a division: da = 0 drops that term only.
  // 0.036506 + 0.166147 + 0.18 + 8/4 x 0 = 0.382654 in.; bending share 0.036506 / 0.382654 = 9.5 %.
  ShearWallInput noSlip = example();
  noSlip.da = 0.0;
  const std::string z = shearWallReport(noSlip);
  EXPECT_TRUE(has(z, "sum of deflections =  0.383 inches")) << z;
  EXPECT_TRUE(has(z, " deflection from bending =0.037 in. \t\t9.5 %"));
  noSlip.da = -0.1;
  EXPECT_EQ(shearWallReport(noSlip), "Check entries: the anchorage slip da cannot be negative.");
  // h = 0: every term and the total 0, and no shares of a zero total.
  ShearWallInput flat = example();
  flat.h = 0;
  const std::string r = shearWallReport(flat);
  EXPECT_TRUE(has(r, "sum of deflections =  0.000 inches"));
  EXPECT_FALSE(has(r, "%"));
  EXPECT_FALSE(has(r, "nan"));
  // A height so small that 100 / total overflows: the shares are left out, never "inf" or "nan".
  for (double h : {1e-310, -1e-310, 1e-308}) {
    ShearWallInput low = example();
    low.h = h;
    const std::string t = shearWallReport(low);
    EXPECT_TRUE(has(t, "sum of deflections =")) << t;
    EXPECT_FALSE(has(t, "inf")) << t;
    EXPECT_FALSE(has(t, "nan")) << t;
  }
  // Overflowing inputs are refused.
  ShearWallInput big = example();
  big.h = 1e120;
  big.v = 1e200;
  const std::string o = shearWallReport(big);
  EXPECT_FALSE(has(o, "inf"));
  EXPECT_FALSE(has(o, "nan"));
}

}  // namespace

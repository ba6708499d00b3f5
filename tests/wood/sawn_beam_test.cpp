// Sawn beam checks against 1991 NDS hand calculations.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstring>
#include <string>

#include "wood/sawn_beam.h"

using namespace vd;

namespace {

const GradeRecord* grade(int species, const char* name) {
  const SpeciesRecord& sp = kSpecies[species];
  for (int r = 0; r < sp.endPost; ++r)
    if (std::string(sp.grades[r].name) == name) return &sp.grades[r];
  throw std::runtime_error(name);
}

SawnMember member(const char* label, double b, double d, const char* gradeName, bool repetitive, bool dry,
                  int species = 0) {
  SawnMember m(label, b, d, grade(species, gradeName), species, repetitive, dry);
  m.describe();  // as the size form leaves it
  return m;
}

bool has(const std::string& text, const std::string& piece) { return text.find(piece) != std::string::npos; }

// NDS 3.3.3: C_L = (1 + a)/1.9 - sqrt(((1 + a)/1.9)^2 - a/0.95), a = F_bE / Fb*.
double stability(double alpha, double k19 = 1.9, double k095 = 0.95) {
  const double h = (1.0 + alpha) / k19;
  return h - std::sqrt(h * h - alpha / k095);
}

TEST(SawnBeam, StabilityFactorLongUnbracedLength) {
  // No. 2 DF 2x10, lu = 8 ft: lu/d = 96/9.25 = 10.38 >= 7, le = 1.63(96) + 3(9.25) = 184.23 in.
  // R_B = sqrt(184.23 x 9.25 / 1.5^2) = 27.521; F_bE = 0.438 x 1,600,000 / 757.39 = 925.28 psi.
  // NDS 3.3.3.8, C_D = 1.0: Fb* = Fb C_D C_M CF_b = 875 x 1.0 x 1.0 x 1.1 = 962.5; a = 925.28/962.5 = 0.961333,
  // C_L = 0.800605; F'b = 875 x 0.800605 x 1.1 = 770.58 psi.
  SawnMember m = member("2x10", 1.5, 9.25, "No. 2", false, true);
  SawnBeamCheck c(m, SawnBeamKind::Dimension, 5, 16, 5, 1, 0, 0, 8);
  ASSERT_TRUE(c.stabilityComputed());
  EXPECT_NEAR(c.le(), 184.23, 1e-5);
  EXPECT_NEAR(c.R_B(), 27.5207, 1e-4);
  EXPECT_NEAR(c.F_bE(), 925.283, 1e-3);
  EXPECT_NEAR(c.FbStar(), 962.5, 1e-9);
  EXPECT_NEAR(c.C_L(), 0.800605, 2e-6);
  EXPECT_NEAR(c.allowableBending(), 770.582, 2e-3);
  // fb = 5 x 12000 / 21.39 = 2804.97 psi: NO GOOD.
  EXPECT_NEAR(c.fb(), 5 * 12000 / (1.5 * 9.25 * 9.25 / 6), 1e-9);
  const std::string r = c.report();
  EXPECT_TRUE(has(r, "unbracedLen*12/depth (=10.38) > 7; Table 3.3.3 le =(1.63)lu+ (3)depth =184.2 in\r\n\t Fb_star =Fb "
                     "(load duration f.) (wet f.) (CF_bending) (repetitive f.) =875 x 1.00 x 1.00 x 1.10 x 1.00 =962.5 psi"))
      << r;
  EXPECT_TRUE(has(r, "R_B =sqrt(le*d/b^2) =27.52,  visual graded, K_bE =0.438,   F_bE =(K_bE)(E'yy)/(R_B)^2 =925.28  (E' "
                     "=1600000 psi)"));
  EXPECT_TRUE(has(r, " =0.801\r\n\t NDS 3.3.3.7  R_B (=27.52) <= 50  ... OK\r\n Fb\t =moment/Sxx =2804.97 psi"));
  EXPECT_TRUE(has(r, "=875 x 1.00 x 0.80 x 1.10 x 1.00 x 1.00 x 1.00 =770.6 psi"));
  EXPECT_TRUE(has(r, "\r\n\t NO GOOD!  Design moment (=2804.97 psi) > Beam capacity (=770.58 psi)  ... NO GOOD!"));
  // 2804.97 / 770.58 = 364.0 %; the report ends with the verdict of its governing check.
  EXPECT_TRUE(has(r, "\r\n\t (M)design/(M)capacity =364.0%\r\n"));
  EXPECT_TRUE(r.ends_with("\r\n Result: NO GOOD, ratio 3.64 (governed by bending, NDS 3.3)\r\n")) << r;
  // Roof load, C_D = 1.25: Fb* = 875 x 1.25 x 1.1 = 1203.125, a = 0.769066, C_L = 0.691545,
  // F'b = 1203.125 x 0.691545 = 832.02.
  SawnBeamCheck roof(m, SawnBeamKind::Dimension, 3, 16, 5, 1, 0, 0, 8);
  EXPECT_NEAR(roof.C_L(), 0.691545, 2e-6);
  EXPECT_NEAR(roof.allowableBending(), 832.015, 2e-3);
}

TEST(SawnBeam, StabilityFactorTakesEveryAdjustmentOfFbAndTheAdjustedModulus) {
  // NDS 3.3.3.8 on a dry No. 2 DF 2x10 floor joist, repetitive, braced at 8 ft, M = 1.5 k-ft:
  // fb = 1.5 x 12000 / 21.3906 = 841.49 psi; F_bE = 925.28 psi (as above);
  // Fb* = Fb C_D C_M CF_b C_r = 875 x 1.0 x 1.0 x 1.1 x 1.15 = 1106.87; a = 925.28 / 1106.87 = 0.835942;
  // C_L = 0.734405; F'b = 1106.87 x 0.734405 = 812.89 psi: 841.49 / 812.89 = 103.5 %, NO GOOD
  // (Fb* = 875 alone gave C_L = 0.838950, F'b = 928.63 and an OK 90.6 %).
  SawnMember dry = member("2x10", 1.5, 9.25, "No. 2", true, true);
  SawnBeamCheck c(dry, SawnBeamKind::Dimension, 5, 14, 1.5, 0.5, 0, 0, 8);
  EXPECT_NEAR(c.FbStar(), 1106.875, 1e-4);
  EXPECT_NEAR(c.C_L(), 0.734405, 2e-6);
  EXPECT_NEAR(c.allowableBending(), 812.895, 2e-3);
  const std::string r = c.report();
  EXPECT_TRUE(has(r, "Fb_star =Fb (load duration f.) (wet f.) (CF_bending) (repetitive f.) =875 x 1.00 x 1.00 x 1.10 x "
                     "1.15 =1106.9 psi"))
      << r;
  EXPECT_TRUE(has(r, "NO GOOD!  Design moment (=841.49 psi) > Beam capacity (=812.89 psi)  ... NO GOOD!"));
  EXPECT_TRUE(has(r, "(M)design/(M)capacity =103.5%"));
  EXPECT_FALSE(c.result().ok);
  EXPECT_NEAR(c.result().ratio, 1.0352, 1e-4);
  EXPECT_TRUE(r.ends_with(" Result: NO GOOD, ratio 1.04 (governed by bending, NDS 3.3)\r\n"));
  // The pane shows the same F'b, C_L included, and the same verdict.
  const std::string q = c.quickSummary();
  EXPECT_TRUE(has(q, "F'b= Fb*Cd*CL*Cf*Cr*Cm =875 x 1.00 x 0.734 x 1.10 x 1.15 x 1.00 =812.9 psi. vs. Fb= moment/Sxx "
                     "=841.5 psi"))
      << q;
  EXPECT_TRUE(has(q, " Result: NO GOOD, ratio 1.04 (governed by bending, NDS 3.3)"));
  // Wet, the adjusted modulus E' = 0.9 x 1,600,000 enters F_bE: 0.438 x 1,440,000 / 757.39 = 832.75;
  // C_M for Fb is 1.0 (875 x 1.1 <= 1150), Fb* = 1106.87, a = 0.752347, C_L = 0.680068, F'b = 752.75 psi.
  SawnMember wet = member("2x10", 1.5, 9.25, "No. 2", true, false);
  SawnBeamCheck w(wet, SawnBeamKind::Dimension, 5, 14, 1.5, 0.5, 0, 0, 8);
  EXPECT_NEAR(w.F_bE(), 832.755, 1e-3);
  EXPECT_NEAR(w.C_L(), 0.680068, 2e-6);
  EXPECT_NEAR(w.allowableBending(), 752.750, 2e-3);
  EXPECT_TRUE(has(w.report(), "F_bE =(K_bE)(E'yy)/(R_B)^2 =832.75  (E' =1440000 psi)"));
}

TEST(SawnBeam, SlendernessRatioOfFiftyAtMost) {
  // NDS 3.3.3.7, dry No. 2 DF 2x12 (b 1.5, d 11.25), M = 0.1 k-ft: fb = 1200 / 31.64 = 37.93 psi.
  // lu = 23 ft: le = 1.63 x 276 + 3 x 11.25 = 483.63 in, R_B = sqrt(483.63 x 11.25 / 2.25) = 49.17: OK.
  // lu = 25 ft: le = 1.63 x 300 + 33.75 = 522.75 in, R_B = sqrt(522.75 x 5) = 51.12 > 50: NO GOOD although
  // bending passes (F'b = 875 x 0.299995 = 262.50 psi).
  SawnMember m = member("2x12", 1.5, 11.25, "No. 2", false, true);
  for (SawnBeamKind kind : {SawnBeamKind::Dimension, SawnBeamKind::Timber}) {
    SawnBeamCheck ok(m, kind, 5, 0, 0.1, 0.1, 0, 0, 23);
    EXPECT_NEAR(ok.R_B(), 49.1747, 1e-4);
    EXPECT_TRUE(ok.result().ok);
    EXPECT_TRUE(has(ok.report(), "\r\n\t NDS 3.3.3.7  R_B (=49.17) <= 50  ... OK"));
    SawnBeamCheck over(m, kind, 5, 0, 0.1, 0.1, 0, 0, 25);
    EXPECT_NEAR(over.R_B(), 51.1248, 1e-4);
    const std::string r = over.report();
    EXPECT_TRUE(has(r, "Design moment (=37.93 psi) < Beam capacity (=262.50 psi)  ... OK"));
    EXPECT_TRUE(has(r, "\r\n\t NO GOOD!  NDS 3.3.3.7  R_B (=51.12) > 50, the slenderness limit of a bending member  "
                       "... NO GOOD!"));
    EXPECT_FALSE(over.result().ok);
    EXPECT_TRUE(r.ends_with(" Result: NO GOOD, ratio 1.02 (governed by stability, NDS 3.3.3.7 R_B)\r\n")) << r;
  }
  // A laterally supported beam has no R_B to check.
  SawnBeamCheck supported(m, SawnBeamKind::Dimension, 5, 0, 0.1, 0.1, 0, 0, 0);
  EXPECT_FALSE(has(supported.report(), "3.3.3.7"));
}

TEST(SawnBeam, StabilityFactorShortUnbracedLength) {
  // lu = 0.5 ft: 6/9.25 < 7, le = 2.06 x 6 = 12.36 in., R_B = 7.1283, F_bE = 13791.7; Fb* = 875 x 1.1 = 962.5,
  // a = 14.3290, C_L = 0.996278.
  SawnMember m = member("2x10", 1.5, 9.25, "No. 2", false, true);
  SawnBeamCheck c(m, SawnBeamKind::Dimension, 5, 0, 1, 1, 0, 0, 0.5);
  EXPECT_NEAR(c.le(), 12.36, 1e-5);
  EXPECT_NEAR(c.F_bE(), 13791.66, 0.01);
  EXPECT_NEAR(c.C_L(), 0.996278, 2e-6);
  EXPECT_TRUE(has(c.report(), "unbracedLen*12/depth (=0.65) < 7.0\t le= (2.06)lu =12.4 in"));
}

TEST(SawnBeam, RatioOfExactlySevenTakesTheLongRule) {
  // 2x12: lu = 6.5625 ft gives 78.75/11.25 = 7 exactly: le = 1.63(78.75) + 3(11.25) = 162.11, not 2.06(78.75) = 162.23.
  SawnMember m = member("2x12", 1.5, 11.25, "No. 2", false, true);
  SawnBeamCheck c(m, SawnBeamKind::Dimension, 5, 0, 1, 1, 0, 0, 6.5625);
  EXPECT_NEAR(c.le(), 162.1125, 1e-5);
  SawnBeamCheck t(m, SawnBeamKind::Timber, 5, 0, 1, 1, 0, 0, 6.5625);
  EXPECT_NEAR(t.le(), 162.1125, 1e-5);
}

TEST(SawnBeam, SinglePrecisionConstantsPerForm) {
  SawnMember m = member("2x10", 1.5, 9.25, "No. 2", false, true);
  SawnBeamCheck c(m, SawnBeamKind::Dimension, 5, 0, 1, 1, 0, 0, 8);
  SawnBeamCheck t(m, SawnBeamKind::Timber, 5, 0, 1, 1, 0, 0, 8);
  // 1.63, 2.06, 1.9 widened from single precision in both forms; 0.95 too in the 2x-4x form only.
  const double le = 1.6299999952316284 * 96.0 + 3.0 * 9.25;
  EXPECT_DOUBLE_EQ(c.le(), le);
  const double alpha = 0.438 * 1600000.0 / (le * 9.25 / 2.25) / 962.5;
  EXPECT_NEAR(c.C_L(), stability(alpha, 1.899999976158142, 0.949999988079071), 1e-13);
  EXPECT_NEAR(t.C_L(), stability(alpha, 1.899999976158142, 0.95), 1e-13);
  EXPECT_GT(std::fabs(c.C_L() - t.C_L()), 1e-9);
}

TEST(SawnBeam, TimberBeamWithSizeFactor) {
  // No. 1 (beam) DF 6x16 dry, lu = 10 ft: 120/15.5 = 7.74 >= 7, le = 1.63(120) + 3(15.5) = 242.1;
  // R_B = 11.1378, F_bE = 5649.28; CF_b = (12/15.5)^0.111 = 0.97199 (Table 4D); Fb* = 1350 x 0.97199 =
  // 1312.19, a = 4.30524, C_L = 0.985376; F'b = 1350 x 0.985376 x 0.97199 = 1293.00 psi.
  SawnMember m = member("6x16", 5.5, 15.5, "No. 1 (beam)", false, true);
  SawnBeamCheck c(m, SawnBeamKind::Timber, 5, 20, 30, 5, 0, 0, 10);
  EXPECT_NEAR(c.C_L(), 0.985376, 2e-6);
  EXPECT_NEAR(c.allowableBending(), 1293.00, 0.01);
  const std::string r = c.report();
  EXPECT_TRUE(has(r, "\r\n\t  Design of 5x, 6x .... 24x Beams\r\n  DOUGLAS FIR-LARCH (WCLIB)  No. 1 (beam) << 6x16 >>"));
  EXPECT_TRUE(has(r, "> 7;  table 3.3.3 le =(1.63)lu+ (3)depth =242.1 in"));
  EXPECT_TRUE(has(r, "\r\n\t Fb_star =Fb (load duration f.) (wet f.) (size f.: CF_bending) =1350 x 1.00 x 1.00 x 0.97 "
                     "=1312.2 psi"));
  EXPECT_TRUE(has(r, "\r\n\t =1350 x 1.00 x 0.99 x 0.97 x 1.00 x 1.00 =1293.0 psi"));
  // A dry timber still shows C_r (1.0: timbers are never repetitive); the E factor follows the summary.
  EXPECT_TRUE(has(r, "\r\n repetitive factor applied: repetitive f. =1.00\r\n NDS Supplement"));
  // A timber cites Table 4D and its own depth factor.
  EXPECT_TRUE(has(r, "\r\n NDS Supplement Table 4D -- size factors: CF_bending =0.97 \r\n NDS supplement Table 4D -- wet "
                     "service adjustments 'Cm' are: \tFb =1.00,  E =1.00"));
}

TEST(SawnBeam, LoadDurationCases) {
  SawnMember m = member("2x10", 1.5, 9.25, "No. 2", false, true);
  const struct {
    int index;
    const char* name;
    double C_D;
  } cases[] = {{0, "impact (x2.0)", 2.0},  {1, "wind (x1.33)", 1.33},     {2, "earthquake (x1.33)", 1.33},
               {3, "roof (x1.25)", 1.25},   {4, "snow (x1.15)", 1.15},     {5, "floor (x1.0)", 1.0},
               {6, "permanent (x0.9)", 0.9}, {10, "permanent (x0.9)", 0.9}, {-1, "permanent (x0.9)", 0.9},
               {7, "permanent (x0.9)", 0.9}};
  for (const auto& k : cases) {
    SCOPED_TRACE(k.index);
    SawnBeamCheck c(m, SawnBeamKind::Dimension, k.index, 0, 1, 1, 0, 0, 0);
    EXPECT_EQ(c.C_D(), k.C_D);
    // Laterally supported: F'b = Fb C_D CF_b; F'v = Fv C_D = 95 C_D.
    EXPECT_NEAR(c.allowableBending(), 875.0 * k.C_D * 1.1, 1e-9);
    EXPECT_NEAR(c.allowableShear(), 95.0 * k.C_D, 1e-9);
    // The report names the case by the button the engineer chose.
    EXPECT_TRUE(has(c.report(), std::string("\tload duration: ") + k.name + "\r\n"));
  }
}

TEST(SawnBeam, RepetitiveAndWetFactorsInTheDesign) {
  // Wet repetitive No. 2 2x10: Fb CF_b = 875 x 1.1 = 962.5 <= 1150 psi, so C_M for Fb is 1.0 (Table 4A
  // footnote), the rest of the wet row applies (Fv 0.97, FcX 0.67, E 0.9); C_r = 1.15:
  // F'b = 875 x 1.1 x 1.15 x 1.0 = 1106.88; F'v = 95 x 0.97 = 92.15; F'cX = 625 x 0.67 = 418.75.
  SawnMember m = member("2x10", 1.5, 9.25, "No. 2", true, false);
  SawnBeamCheck c(m, SawnBeamKind::Dimension, 5, 0, 1, 1, 2, 0, 0);
  EXPECT_EQ(c.Cm_Fb(), 1.0);
  EXPECT_NEAR(c.allowableBending(), 1106.875, 1e-4);
  EXPECT_NEAR(c.allowableShear(), 92.15, 1e-9);
  EXPECT_NEAR(c.allowableBearing(), 418.75, 1e-9);
  EXPECT_NEAR(c.Eprime(), 1440000.0, 1e-6);
  // Bearing: 2 kip x 1000 / 1.5 / 418.75 = 3.18 in.
  EXPECT_NEAR(c.bearingLength(), 2000.0 / 1.5 / 418.75, 1e-12);
  const std::string r = c.report();
  // The reaction is a force, echoed in the unit it was entered in.
  EXPECT_TRUE(has(r, "  reaction =2.00 kip,  wet usage, apply repetitive member multiplier.\r\n"));
  // One wet factor for Fb: the one printed in the summary is the one in F'b.
  EXPECT_TRUE(has(r, "wet service adjustments 'Cm' are: \tFb =1.00,  E =0.90"));
  EXPECT_TRUE(has(r, "=875 x 1.00 x 1.00 x 1.10 x 1.15 x 1.00 x 1.00 =1106.9 psi"));
  EXPECT_TRUE(has(r, "\r\n F'cX\t =FcX (wet f.)  =625 x 0.67 =418.8 psi.\t min. bearing length =3.18 in."));
  EXPECT_TRUE(has(r, "\r\n E'\t =E' (wet f.)  =1600000 x 0.90 =1440000 psi.\r\n"));
  // The quick summary shows the report's F'b.
  const std::string q = c.quickSummary();
  EXPECT_EQ(q.substr(0, 55), " --- wet usage ---  yes on repetitive member multiplier");
  EXPECT_TRUE(has(q, "=875 x 1.00 x 1.000 x 1.10 x 1.15 x 1.00 =1106.9 psi. vs. Fb= moment/Sxx =561.0 psi")) << q;
  // Select structural 2x10 wet: 1450 x 1.1 = 1595 > 1150 psi, so 0.85 in the summary and in F'b:
  // F'b = 1450 x 1.1 x 0.85 = 1355.75 psi.
  SawnMember ss = member("2x10", 1.5, 9.25, "Select structural", false, false);
  SawnBeamCheck sc(ss, SawnBeamKind::Dimension, 5, 0, 1, 1, 0, 0, 0);
  EXPECT_NEAR(sc.allowableBending(), 1355.75, 1e-9);
  EXPECT_TRUE(has(sc.report(), "\tFb =0.85,  E =0.90"));
  EXPECT_TRUE(has(q, "\r\n F'v =95 x 1.00 x 0.97 =92."));
  EXPECT_TRUE(has(q, " psi vs. Fv =3/2(shear/area) =108.1 psi."));
  // A timber takes the wet-timber row: Fb 1.0, FcX 0.67, E 1.0.
  SawnMember t = member("6x16", 5.5, 15.5, "No. 1 (beam)", false, false);
  SawnBeamCheck tc(t, SawnBeamKind::Timber, 5, 0, 1, 1, 0, 0, 0);
  EXPECT_NEAR(tc.allowableBearing(), 625 * 0.67, 1e-9);
  EXPECT_NEAR(tc.Eprime(), 1600000.0, 1e-6);
}

TEST(SawnBeam, LateralSupportRulesWithoutUnbracedLength) {
  const struct {
    const char* label;
    double b, d;
    int rule;
    const char* text;
  } cases[] = {
      {"4x4", 3.5, 3.5, 1, "No later support required."},
      {"3x10", 2.5, 9.25, 4, "The ends shall be held in position"},
      {"2x10", 1.5, 9.25, 5, "One edge shall be held in line for its entire length."},
      {"2x12", 1.5, 11.25, 6, "Bridging, full depth solid blocking or cross bracing"},
      {"2x14", 1.5, 13.25, 7, "Both edges shall be held in line for their entire length."},
  };
  for (const auto& k : cases) {
    SCOPED_TRACE(k.label);
    SawnMember m = member(k.label, k.b, k.d, "No. 2", false, true);
    SawnBeamCheck c(m, SawnBeamKind::Dimension, 5, 0, 1, 1, 0, 0, 0);
    EXPECT_EQ(c.lateralSupportRule(), k.rule);
    EXPECT_EQ(c.C_L(), 1.0);
    const std::string r = c.report();
    EXPECT_TRUE(has(r, "\r\n Depth to breadth ratio =" + std::to_string(k.rule) +
                           ".  To qualify for C_L =1.0, NDS 3.3.3 recommends...\r\n " + k.text));
    EXPECT_FALSE(has(r, "Stability factor"));
  }
}

TEST(SawnBeam, NegativeUnbracedLengthIsTakenAsNotGiven) {
  SawnMember m = member("2x10", 1.5, 9.25, "No. 2", false, true);
  SawnBeamCheck c(m, SawnBeamKind::Dimension, 5, 0, 1, 1, 0, 0, -4);
  EXPECT_FALSE(c.stabilityComputed());
  EXPECT_EQ(c.C_L(), 1.0);
  EXPECT_NEAR(c.allowableBending(), 875 * 1.1, 1e-9);
  const std::string r = c.report();
  EXPECT_TRUE(has(r, "Unbraced length below zero is taken as not given: C_L =1.0"));
  EXPECT_TRUE(has(r, "One edge shall be held in line"));
  EXPECT_FALSE(has(r, "nan"));
  // The timber form: C_L = 1.0, no lateral-support text and no note either.
  SawnMember t = member("6x16", 5.5, 15.5, "No. 1 (beam)", false, true);
  SawnBeamCheck tc(t, SawnBeamKind::Timber, 5, 0, 1, 1, 0, 0, -4);
  EXPECT_EQ(tc.C_L(), 1.0);
  const std::string tr = tc.report();
  EXPECT_FALSE(has(tr, "Depth to breadth ratio"));
  EXPECT_FALSE(has(tr, "Unbraced length below zero"));
  EXPECT_TRUE(has(tr, "\tload duration: floor (x1.0)\r\n\r\n Fb\t =moment/Sxx =")) << tr;
}

TEST(SawnBeam, SplitAndShakeNoteOnlyWhenShearFails) {
  // 2x4 No. 2: F'v = 95; V = 0.4 kip gives fv = 1.5 x 400 / 5.25 = 114.3 > 95.
  SawnMember thin = member("2x4", 1.5, 3.5, "No. 2", false, true);
  const std::string r = SawnBeamCheck(thin, SawnBeamKind::Dimension, 5, 0, 0.1, 0.4, 0, 0, 0).report();
  // b < 2: splits 0.5d, 0.75d, 1.0d, 1.5d = 1.75, 2.63, 3.50, 5.25; shakes b/6 ... b/2 = 0.25 ... 0.75.
  EXPECT_TRUE(has(r, "C_H, can be adjusted by 2.0x, 1.67x, 1.50x, 1.33x, 1.00x"));
  EXPECT_TRUE(has(r, "limited within 0.0\", 1.75\", "));
  EXPECT_TRUE(has(r, "5.25\" or more ,\r\n"));
  EXPECT_TRUE(has(r, "shake are limited within 0.0\", 0.25\", "));
  EXPECT_TRUE(has(r, ", 0.50\", 0.75\" or more\r\n"));
  // b >= 2: splits on b: 4x4 -> 1.75, 2.63, 3.50, 5.25 with "or more,".
  SawnMember thick = member("4x4", 3.5, 3.5, "No. 2", false, true);
  const std::string r4 = SawnBeamCheck(thick, SawnBeamKind::Dimension, 5, 0, 0.1, 1.0, 0, 0, 0).report();
  EXPECT_TRUE(has(r4, "5.25\" or more,\r\n"));
  EXPECT_TRUE(has(r4, ", 0.58\", 0.88\", 1.17\", 1.75\" or more\r\n"));
  // fv <= F'v: no note.
  EXPECT_FALSE(has(SawnBeamCheck(thin, SawnBeamKind::Dimension, 5, 0, 0.1, 0.3, 0, 0, 0).report(), "C_H"));
  // The timber form never prints it.
  SawnMember t = member("6x6", 5.5, 5.5, "No. 1 (post)", false, true);
  EXPECT_FALSE(has(SawnBeamCheck(t, SawnBeamKind::Timber, 5, 0, 0.1, 50, 0, 0, 0).report(), "C_H"));
}

TEST(SawnBeam, DeflectionRatioAndInputEchoes) {
  SawnMember m = member("2x10", 1.5, 9.25, "No. 2", false, true);
  SawnBeamCheck c(m, SawnBeamKind::Dimension, 5, 12, 1, 1, 0, 0.4, 0);
  EXPECT_EQ(c.deflectionRatio(), 360);  // 144 / 0.4
  const std::string r = c.report();
  EXPECT_TRUE(has(r, "\r\n Deflection to span ratio =1 / 360"));
  EXPECT_TRUE(has(r, "span =12.00 ft,  unbraced len =0.00 ft  deflection =0.40 in,  dry usage, not a repetitive members"));
  EXPECT_EQ(SawnBeamCheck(m, SawnBeamKind::Dimension, 5, 12, 1, 1, 0, -0.4, 0).deflectionRatio(), 360);
  EXPECT_FALSE(has(SawnBeamCheck(m, SawnBeamKind::Dimension, 5, 0, 1, 1, 0, 0.4, 0).report(), "Deflection to span"));
  // A ratio beyond any int is held at the largest one rather than overflowing.
  EXPECT_EQ(SawnBeamCheck(m, SawnBeamKind::Dimension, 5, 1e9, 1, 1, 0, 1e-9, 0).deflectionRatio(), INT_MAX);
  // Timber echoes.
  SawnMember t = member("6x16", 5.5, 15.5, "No. 1 (beam)", false, false);
  const std::string tr = SawnBeamCheck(t, SawnBeamKind::Timber, 5, 20, 1, 1, 3, 0.5, 0).report();
  EXPECT_TRUE(has(tr, "span =20.00 ft,  unbraced len =0.00 ft,  deflection =0.50 in,  reaction =3.00 kip,  wet usage "
                      "\r\n\tload duration: floor (x1.0)\r\n"));
}

TEST(SawnBeam, NegativeLoadsAreCheckedBySizeAndNothingIsNotFinite) {
  SawnMember m = member("2x10", 1.5, 9.25, "No. 2", false, true);
  SawnBeamCheck neg(m, SawnBeamKind::Dimension, 5, 0, -5, -1, 0, 0, 0);
  EXPECT_GT(neg.fb(), 0.0);
  EXPECT_TRUE(has(neg.report(), "NO GOOD!  Design moment"));
  // Zero loads: 0 % and OK lines.
  const std::string zero = SawnBeamCheck(m, SawnBeamKind::Dimension, 5, 0, 0, 0, 0, 0, 0).report();
  EXPECT_TRUE(has(zero, "(M)design/(M)capacity =0.0%"));
  // An absurd unbraced length drives C_L to zero: no capacity, no "inf" or "nan".
  SawnBeamCheck huge(m, SawnBeamKind::Dimension, 5, 0, 1, 1, 0, 0, 1e99);
  const std::string r = huge.report();
  EXPECT_FALSE(has(r, "inf"));
  EXPECT_FALSE(has(r, "nan"));
  EXPECT_TRUE(has(r, "NO GOOD!  Design moment"));
}

TEST(SawnBeam, LoadsAndLengthsAtTheEdgeOfTheNumberRange) {
  SawnMember m = member("2x10", 1.5, 9.25, "No. 2", true, false);
  // A near-zero unbraced length: F_bE is about 1e203 psi, so C_L = 1 (as for a braced beam), not 0:
  // F'b = 875 x 1.0 x 1.1 x 1.15 x 1.0 = 1106.87 psi (C_r is the single-precision 1.15).
  SawnBeamCheck braced(m, SawnBeamKind::Dimension, 5, 0, 1, 1, 0, 0, 1e-200);
  ASSERT_TRUE(braced.computable());
  EXPECT_NEAR(braced.C_L(), 1.0, 1e-12);
  EXPECT_NEAR(braced.allowableBending(), 1106.8749770522118, 1e-6);
  // Moments, shears, reactions and lengths that overflow: the report stops after the input echo with a
  // message, in both forms and in the quick summary.
  const char* message = "\r\n Check entries: the loads or lengths are too large or too small to compute.\r\n ";
  const struct {
    double moment, shear, reaction, unbraced;
  } cases[] = {{1e308, 1, 0, 0}, {-1e308, 1, 0, 0}, {1, 1e308, 0, 0}, {1, -1e308, 0, 0},
               {1, 1, 1e308, 0}, {1, 1, 0, 1e308},  {1, 1, 0, 1e-310}};
  for (const auto& k : cases) {
    SCOPED_TRACE(testing::Message() << k.moment << " " << k.shear << " " << k.reaction << " " << k.unbraced);
    for (SawnBeamKind kind : {SawnBeamKind::Dimension, SawnBeamKind::Timber}) {
      SawnBeamCheck c(m, kind, 5, 10, k.moment, k.shear, k.reaction, 0, k.unbraced);
      EXPECT_FALSE(c.computable());
      const std::string r = c.report();
      EXPECT_TRUE(r.size() > std::strlen(message) && r.compare(r.size() - std::strlen(message), std::string::npos,
                                                               message) == 0)
          << r;
      EXPECT_TRUE(has(r, "\tload duration: floor (x1.0)\r\n"));
      EXPECT_FALSE(c.result().checked);
      EXPECT_FALSE(has(r, "inf"));
      EXPECT_FALSE(has(r, "nan"));
      const std::string q = c.quickSummary();
      EXPECT_TRUE(has(q, "Check entries"));
      EXPECT_FALSE(has(q, "inf"));
      EXPECT_FALSE(has(q, "nan"));
    }
  }
}

}  // namespace

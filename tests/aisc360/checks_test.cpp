// AISC 360-22 limit states against hand calculations from their equations (E = 29000 ksi, G = 11200 ksi,
// section properties as the shapes database gives them) and against published design-table values.
#include <gtest/gtest.h>

#include <string>

#include "aisc360/combined.h"

namespace vd::aisc360 {
namespace {

const Shape* shape(const char* label) {
  const Shape* s = findShape(label);
  EXPECT_NE(s, nullptr) << label;
  return s;
}

bool endsWithSummary(const std::string& text, const DesignResult& r) {
  const std::string last = r.summaryLine();
  return !last.empty() && text.size() >= last.size() && text.compare(text.size() - last.size(), last.size(), last) == 0;
}

struct FlexureCase {
  const char* label;
  double Fy;
  Axis axis;
  double Lb, Cb;
  double phiMn;           // kip-ft, LRFD
  const char* governing;  // the governing flexural limit state
};

// Hand calculations (kip-in unless noted, phi_b = 0.90, kip-ft = kip-in / 12):
const FlexureCase kFlexure[] = {
    // W18X50, Fy 50: Mp = 50 x 101 = 5050; phi Mp = 378.75 (published 379).
    {"W18X50", 50, Axis::Major, 0, 1, 378.75, "yielding, Eq. F2-1"},
    // Lb 10 ft: Lp = 1.76 x 1.65 x sqrt(580) = 69.94 in; Jc/(Sx ho) = 1.24/(88.9 x 17.4) = 8.016e-4;
    // Lr = 1.95 x 1.98 x 29000/35 sqrt(8.016e-4 + sqrt(8.016e-4^2 + 6.76 (35/29000)^2)) = 203.3 in;
    // Mn = 5050 - (5050 - 0.7 x 50 x 88.9)(120 - 69.94)/(203.3 - 69.94) = 4322.6 -> 324.19.
    {"W18X50", 50, Axis::Major, 10, 1, 324.19, "lateral-torsional buckling, Eq. F2-2"},
    // Lb 25 ft: Lb/rts = 151.5; Fcr = pi^2 29000/151.5^2 sqrt(1 + 0.078 x 8.016e-4 x 151.5^2) = 19.46 ksi;
    // Mn = 19.46 x 88.9 = 1730 -> 129.73.
    {"W18X50", 50, Axis::Major, 25, 1, 129.73, "lateral-torsional buckling, Eq. F2-3"},
    // Cb 3 at Lb 10: 3 x 4322.6 > Mp, limited to Mp.
    {"W18X50", 50, Axis::Major, 10, 3, 378.75, "yielding, Eq. F2-1"},
    // W14X90 noncompact flange: lambda 10.2, lambda_pf 9.152, lambda_rf 24.08;
    // Mn = 7850 - (7850 - 5005)(10.2 - 9.152)/(24.08 - 9.152) = 7650.2 -> 573.77 (published 574).
    {"W14X90", 50, Axis::Major, 0, 1, 573.77, "flange local buckling, Eq. F3-1"},
    // HP16X88 at Fy 150 (slender flange): lambda 14.5 > sqrt(29000/150) = 13.90; kc = 4/sqrt(22) -> 0.76;
    // Mn = 0.9 x 29000 x 0.76 x 145 / 14.5^2 = 13680 -> 1026.0.
    {"HP16X88", 150, Axis::Major, 0, 1, 1026.0, "flange local buckling, Eq. F3-2"},
    // C10X15.3, Fy 36, Lb 8 ft: c = 9.56/2 sqrt(2.27/45.5) = 1.0677 (F2-8b); Lp 2.96 ft, Lr 10.98 ft;
    // Mn = 572.4 - (572.4 - 340.2)(96 - 35.52)/(131.73 - 35.52) = 426.4 -> 31.98.
    {"C10X15.3", 36, Axis::Major, 8, 1, 31.98, "lateral-torsional buckling, Eq. F2-2"},
    // W14X90 minor axis: Mp = min(50 x 75.6, 1.6 x 50 x 49.9) = 3780;
    // Mn = 3780 - (3780 - 0.7 x 50 x 49.9)(10.2 - 9.152)/14.93 = 3637.2 -> 272.79.
    {"W14X90", 50, Axis::Minor, 0, 1, 272.79, "flange local buckling, Eq. F6-2"},
    // HSS12X8X1/4 noncompact flange: b/t 31.3; Mn = 1830 - (1830 - 50 x 30.6)(3.57 x 31.3 sqrt(50/29000) - 4)
    // = 1638.0 -> 122.85.
    {"HSS12X8X1/4", 50, Axis::Major, 0, 1, 122.85, "flange local buckling, Eq. F7-2"},
    // HSS12X8X3/16 slender flange: be = 1.92 x 0.174 x 24.08 (1 - 0.38/43.0 x 24.08) = 6.333 in of 7.48 in;
    // removing 0.200 in^2 of flange, Ie = 132.8 in^4, Se = 21.49 in^3; Mn = 50 x 21.49 -> 80.59.
    {"HSS12X8X3/16", 50, Axis::Major, 0, 1, 80.59, "flange local buckling, Eq. F7-3"},
    // HSS20X12X5/16: web h/t 65.6 noncompact; flange slender (be 10.22 in, Se 97.12 in^3, 364.20) governs
    // over web local buckling (F7-5: 450.19).
    {"HSS20X12X5/16", 50, Axis::Major, 0, 1, 364.20, "flange local buckling, Eq. F7-3"},
    // HSS12X2X3/16: Lp = 0.13 E ry sqrt(J A)/Mp = 2.65 ft, Lr = 2 E ry sqrt(J A)/(0.7 Fy Sx) = 80.49 ft;
    // Lb 96.58 ft: Mn = 2 E sqrt(J A)/(Lb/ry) -> 24.50.
    {"HSS12X2X3/16", 50, Axis::Major, 96.58, 1, 24.50, "lateral-torsional buckling, Eq. F7-11"},
    // Pipe4STD, Fy 35: D/t 20.4 <= 0.07 E/Fy = 58; Mn = 35 x 4.05 -> 10.63.
    {"Pipe4STD", 35, Axis::Major, 0, 1, 10.63, "yielding, Eq. F8-1"},
    // HSS20X0.375, Fy 46: 44.1 < D/t 57.3 <= 195; Mn = (0.021 x 29000/57.3 + 46) 104 -> 441.70.
    {"HSS20X0.375", 46, Axis::Major, 0, 1, 441.70, "local buckling, Eq. F8-2"},
    // HSS16X0.250 at Fy 150 (slender wall): D/t 68.7 > 0.31 x 29000/150 = 59.9; Fcr = 0.33 x 29000/68.7
    // = 139.30 ksi (F8-4); Mn = 139.30 x 44.8 -> 468.05.
    {"HSS16X0.250", 150, Axis::Major, 0, 1, 468.05, "local buckling, Eq. F8-3"},
};

TEST(Aisc360Flexure, LimitStatesAgainstHandCalculations) {
  for (const FlexureCase& c : kFlexure) {
    const Flexure f({.section = shape(c.label), .Fy = c.Fy, .axis = c.axis, .Mr = 10.0, .Lb = c.Lb, .Cb = c.Cb});
    ASSERT_EQ(f.error(), "") << c.label;
    EXPECT_NEAR(f.availableMoment(), c.phiMn, 0.01) << c.label << " Lb " << c.Lb;
    EXPECT_EQ(f.governingFlexure(), c.governing) << c.label;
    EXPECT_TRUE(endsWithSummary(f.report(), f.result())) << c.label;
  }
}

TEST(Aisc360Flexure, PublishedLengthsShearAsdAndDeflection) {
  FlexureInput in{
      .section = shape("W18X50"), .Mr = 300.0, .Vr = 100.0, .Lb = 10.0, .span = 20.0, .liveLoad = 1.0, .deflLimit = 360.0};
  const Flexure lrfd(in);
  EXPECT_NEAR(lrfd.Lp(), 5.83, 0.005);  // published 5.83 ft
  EXPECT_NEAR(lrfd.Lr(), 16.95, 0.01);  // published 16.9 ft
  // h/tw 45.2 <= 2.24 sqrt(580) = 53.95: phi_v 1.00, Vn = 0.6 x 50 x 18.0 x 0.355 = 191.70 (published 192).
  EXPECT_NEAR(lrfd.availableShear(), 191.70, 0.005);
  // 5 (1/12) 240^4 / (384 x 29000 x 800) = 0.155 in < 240/360.
  EXPECT_NEAR(lrfd.deflection(), 0.1552, 0.0001);
  EXPECT_NE(lrfd.report().find("phi_v Vn = 1.00 x 191.70"), std::string::npos);
  // 300 / 324.19 governs.
  EXPECT_TRUE(lrfd.result().ok);
  EXPECT_NEAR(lrfd.result().ratio, 300.0 / 324.19, 0.001);
  EXPECT_EQ(lrfd.result().governing, "lateral-torsional buckling, Eq. F2-2");

  in.method = Method::ASD;
  const Flexure asd(in);
  // Mn/Omega_b = 4322.6/12/1.67 = 215.70; Vn/Omega_v = 191.70/1.50 = 127.80.
  EXPECT_NEAR(asd.availableMoment(), 215.70, 0.01);
  EXPECT_NEAR(asd.availableShear(), 127.80, 0.005);
  EXPECT_NE(asd.report().find("Mn/Omega_b = 360.21 / 1.67"), std::string::npos);
  EXPECT_FALSE(asd.result().ok);  // 300 > 215.70
  EXPECT_EQ(asd.result().summaryLine(),
            " Result: NO GOOD, ratio 1.39 (governed by lateral-torsional buckling, Eq. F2-2)\r\n");
}

TEST(Aisc360Flexure, ShearOfEachKind) {
  const struct {
    const char* label;
    double Fy;
    Axis axis;
    double phiVn;
    const char* eq;
  } cases[] = {
      // M12.5X12.4: h/tw 74.8 > 1.10 sqrt(5.34 x 580) = 61.22: Cv1 = 0.8184 (G2-4), phi_v 0.90;
      // 0.9 x 0.6 x 50 x 12.5 x 0.155 x 0.8184 = 42.81.
      {"M12.5X12.4", 50, Axis::Major, 42.81, "G2-1"},
      // W14X90 minor axis: 2 x 0.6 x 50 x 14.5 x 0.71 x 0.9 = 555.93 (b/tf 10.2, Cv2 1).
      {"W14X90", 50, Axis::Minor, 555.93, "G6-1"},
      // HSS8X4X1/4: h 7.30, t 0.233, h/t 31.3 < 1.10 sqrt(5 x 580): 0.9 x 0.6 x 50 x 2 x 7.30 x 0.233 = 91.85.
      {"HSS8X4X1/4", 50, Axis::Major, 91.85, "G4-1"},
      // Pipe4STD: 0.78 x 29000/20.4^1.5 = 245.5 > 0.6 x 35 = 21 ksi; 0.9 x 21 x 2.96/2 = 27.97.
      {"Pipe4STD", 35, Axis::Major, 27.97, "G5-1"},
  };
  for (const auto& c : cases) {
    const Flexure f({.section = shape(c.label), .Fy = c.Fy, .axis = c.axis, .Vr = 1000.0});
    EXPECT_NEAR(f.availableShear(), c.phiVn, 0.01) << c.label;
    EXPECT_EQ(f.result().governing, std::string("shear, Eq. ") + c.eq) << c.label;
  }
}

struct CompressionCase {
  const char* label;
  double Fy, Lcx, Lcy, Lcz;
  double phiPn;  // kips, LRFD
  const char* governing;
};

// Fe = pi^2 E/(Lc/r)^2; Fcr = 0.658^(Fy/Fe) Fy when Fy/Fe <= 2.25, else 0.877 Fe; phi_c = 0.90.
const CompressionCase kCompression[] = {
    // W14X90, Lc 0: 0.9 x 50 x 26.5 = 1192.5 (published 1190).
    {"W14X90", 50, 0, 0, -1, 1192.50, "flexural buckling about x, Eq. E3-1"},
    // Lc 20 ft: Lc/ry = 240/3.70 = 64.9, Fe = 68.03 ksi, Fcr = 36.76 ksi -> 876.70.
    {"W14X90", 50, 20, 20, -1, 876.70, "flexural buckling about y, Eq. E3-1"},
    // Lc 40 ft: Lc/ry = 129.7 > 4.71 sqrt(580) = 113.4; Fcr = 0.877 x 17.01 = 14.92 -> 355.72.
    {"W14X90", 50, 40, 40, -1, 355.72, "flexural buckling about y, Eq. E3-1"},
    // W21X44, Lc 0: web h/tw 53.6 > 1.49 sqrt(580) = 35.88; Fcr = Fy, Fel = (1.31 x 35.88/53.6)^2 50 = 38.45,
    // be = h (1 - 0.18 sqrt(38.45/50)) sqrt(38.45/50); Ae = 11.283 in^2 -> 0.9 x 50 x 11.283 = 507.75.
    {"W21X44", 50, 0, 0, -1, 507.75, "flexural buckling about x with slender elements, Eq. E7-1"},
    // HP16X88, Lc 10 ft: flange 14.5 > 0.56 sqrt(580) sqrt(50/46.26) = 14.02; Fcr 46.26 ksi, Ae 25.53 -> 1062.93.
    {"HP16X88", 50, 10, 10, -1, 1062.93, "flexural buckling about y with slender elements, Eq. E7-1"},
    // HSS16X16X5/16, Lc 0: b/t 51.9 > 1.40 sqrt(580) = 33.72; c1 0.20, c2 1.38: Ae = 13.456 -> 605.50.
    {"HSS16X16X5/16", 50, 0, 0, -1, 605.50, "flexural buckling about x with slender elements, Eq. E7-1"},
    // HSS20X0.375 at Fy 70: 0.11 E/Fy = 45.6 < D/t 57.3: Ae = (0.038 x 29000/(70 x 57.3) + 2/3) 21.5 (E7-7)
    // -> 0.9 x 70 x Ae = 1275.14.
    {"HSS20X0.375", 70, 0, 0, -1, 1275.14, "flexural buckling about x with slender elements, Eq. E7-1"},
    // WT9X25, Lc 10 ft: Fey = pi^2 E/(120/1.65)^2 = 54.11 ksi, Fez = 11200 x 0.619/(7.34 x 3.66^2) = 70.51 ksi, H 0.748;
    // Fe (E4-3) = 40.42 ksi, Fcr = 29.79 ksi; stem d/tw 25.4 > 0.75 sqrt(580) sqrt(50/29.79) = 23.40:
    // Ae = 7.206 in^2 -> 193.24.
    {"WT9X25", 50, 10, 10, -1, 193.24, "flexural-torsional buckling with slender elements, Eq. E7-1"},
    // C10X15.3, Fy 36, Lcx 10, Lcy 2, Lcz 10: Fex = pi^2 E/(120/3.88)^2, Fez = (pi^2 E 45.5/120^2 + G 0.209)
    // /(4.48 x 4.19^2), H 0.884: Fe (E4-3, x the axis of symmetry) = 40.52 ksi, Fcr 24.82 -> 100.08.
    {"C10X15.3", 36, 10, 2, 10, 100.08, "flexural-torsional buckling, Eq. E4-1"},
    // 2L4X4X1/2X3/8, Fy 36, Lcx 5, Lcy 10: Fey = pi^2 E/(120/1.83)^2 = 66.6 ksi, J = 2 x 0.322,
    // Fez = 11200 x 0.644/(7.5 x 2.38^2) = 169.8 ksi, H 0.848: Fe = 61.30 ksi -> 190.04.
    {"2L4X4X1/2X3/8", 36, 5, 10, -1, 190.04, "flexural-torsional buckling, Eq. E4-1"},
};

TEST(Aisc360Compression, LimitStatesAgainstHandCalculations) {
  for (const CompressionCase& c : kCompression) {
    const Compression col({shape(c.label), c.Fy, kDefaultE, Method::LRFD, 10.0, c.Lcx, c.Lcy, c.Lcz});
    ASSERT_EQ(col.error(), "") << c.label;
    EXPECT_NEAR(col.availableAxial(), c.phiPn, 0.01) << c.label << " Lc " << c.Lcx;
    EXPECT_EQ(col.governing(), c.governing) << c.label;
    EXPECT_TRUE(endsWithSummary(col.report(), col.result())) << c.label;
  }
  // The same pair with snug-tight connectors at a = 24 in: ri = rz of L4X4X1/2 = 0.776, a/ri = 30.93,
  // (Lc/r)m = sqrt(65.57^2 + 30.93^2) = 72.50 (E6-1), Fey = 54.45 ksi; Fe (E4-3) = 51.11 ksi -> 180.95.
  CompressionInput snug{shape("2L4X4X1/2X3/8"), 36, kDefaultE, Method::LRFD, 10.0, 5, 10, -1};
  snug.connectorSpacing = 24.0;
  snug.snugTight = true;
  EXPECT_NEAR(Compression(snug).availableAxial(), 180.95, 0.01);
  // At a = 80 in: a/ri = 103.1, (Lc/r)m = sqrt(65.57^2 + 103.1^2) = 122.2; 103.1 > 3/4 x 122.2 fails E6.2.
  snug.connectorSpacing = 80.0;
  EXPECT_EQ(Compression(snug).result().governing, "connector spacing, E6.2");
  // ASD: Pn/Omega_c = 0.9 x ... / 0.9 / 1.67: 2L above, 211.16 / 1.67 = 126.44.
  const Compression asd({shape("2L4X4X1/2X3/8"), 36, kDefaultE, Method::ASD, 10.0, 5, 10, -1});
  EXPECT_NEAR(asd.availableAxial(), 126.44, 0.01);
  EXPECT_NE(asd.report().find("Pn/Omega_c = 211.16 / 1.67 = 126.44 kips"), std::string::npos);
}

TEST(Aisc360Combined, InteractionAndItsTwoEquations) {
  // W14X90, Lc = Lb = 14 ft: Pc = 1025.63 (E3 about y); Mcx = 573.77 (F3-1 governs, Lb < Lp = 15.2 ft);
  // Mcy = 272.79. Pu 500: 500/1025.63 = 0.488 >= 0.2: 0.488 + 8/9 (200/573.77 + 50/272.79) = 0.960 (H1-1a).
  CombinedInput in{.section = shape("W14X90"), .Pr = 500, .Mrx = 200, .Mry = 50, .Lcx = 14, .Lcy = 14, .Lb = 14};
  const Combined a(in);
  ASSERT_EQ(a.error(), "");
  EXPECT_NEAR(a.interaction(), 0.9603, 0.0005);
  EXPECT_EQ(a.result().governing, "axial and flexure, Eq. H1-1a");
  EXPECT_TRUE(a.result().ok);
  // Pu 100: 0.0975 < 0.2: 0.0975/2 + 200/573.77 + 50/272.79 = 0.5806 (H1-1b).
  in.Pr = 100;
  const Combined b(in);
  EXPECT_NEAR(b.interaction(), 0.5806, 0.0005);
  EXPECT_EQ(b.result().governing, "axial and flexure, Eq. H1-1b");
  EXPECT_TRUE(endsWithSummary(b.report(), b.result()));
}

TEST(Aisc360Checks, RefusalsAreClearAndNeverOk) {
  FlexureInput tee;
  tee.section = shape("WT9X25");
  FlexureInput cb;
  cb.section = shape("W18X50");
  cb.Cb = 0.5;
  FlexureInput nan;
  nan.section = shape("W18X50");
  nan.Fy = 0.0 / 0.0;
  for (const FlexureInput& in : {tee, cb, nan}) {
    const Flexure f(in);
    EXPECT_NE(f.error(), "");
    EXPECT_FALSE(f.result().ok);
    EXPECT_NE(f.report().find(f.error()), std::string::npos);
  }
  const Compression angle({shape("L4X4X1/2"), 36, kDefaultE, Method::LRFD, 10, 5, 5, -1});
  EXPECT_NE(angle.error(), "");
  EXPECT_FALSE(angle.result().ok);
  CombinedInput c;
  c.section = shape("2L4X4X1/2");
  EXPECT_NE(Combined(c).error(), "");  // no flexure of double angles
}

// B3.1: Ru <= phi Rn. A demand equal to the available strength passes, on its line and in the summary;
// a hair above fails.
TEST(Aisc360Verdicts, DemandEqualToAvailableStrengthIsOk) {
  FlexureInput in{.section = findShape("W18X50"), .Vr = 0, .Lb = 10};
  in.Mr = Flexure(in).availableMoment();  // 324.19 kip-ft (F2-2)
  const Flexure equal(in);
  EXPECT_TRUE(equal.result().ok);
  EXPECT_NE(equal.report().find("Mu (=324.19 kip-ft) <= phi_b Mn (=324.19 kip-ft)  ... OK"), std::string::npos)
      << equal.report();
  EXPECT_NE(equal.report().find(" Result: OK, ratio 1.00"), std::string::npos);
  in.Mr *= 1.0 + 1e-9;
  EXPECT_FALSE(Flexure(in).result().ok);
}

}  // namespace
}  // namespace vd::aisc360

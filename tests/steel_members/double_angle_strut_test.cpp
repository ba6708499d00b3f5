// Double-angle strut: flexural-torsional buckling, the Qs branches, the roles and the stops.
#include "steel/double_angle_strut.h"

#include "platform/text_format.h"
#include "support.h"

using namespace vd;
using namespace smtest;

namespace {

// 2L 4 x 4 x 0.375: A 5.72, t 0.375, rx 1.23, ryy 1.67/1.80/1.94, ro 2.28/2.38/2.49, H 0.829/0.843/0.856,
// rzz 0.779, J 0.141 and Cw 0.162 of one angle.
const SectionRecord& l4x4x38() { return row(ShapeTable::Angle, "2L 4 x 4 x 0.375"); }
// 2L 4 x 4 x 0.5: b/t 8, small enough for a brace at Fy 36 (52/6 = 8.67). A 7.5, rx 1.21, ryy0 1.69.
const SectionRecord& l4x4x12() { return row(ShapeTable::Angle, "2L 4 x 4 x 0.5"); }

// Flexural-torsional buckling of the pair (elastic Fe of a singly symmetric section), from first principles.
struct Ft {
  double Fey, Fez, Fe, rE;
};
Ft handFt(double kL_in, double L_in, double ry, double Jone, double CwOne, double A, double ro, double H) {
  const double pi = 3.14159265358979323846, E = 29000.0, G = 11000.0;
  Ft f;
  f.Fey = pi * pi * E / ((kL_in / ry) * (kL_in / ry));
  f.Fez = (G * 2 * Jone + pi * pi * E * 2 * CwOne / (L_in * L_in)) / (A * ro * ro);
  f.Fe = (f.Fey + f.Fez) / (2 * H) * (1 - std::sqrt(1 - 4 * f.Fey * f.Fez * H / ((f.Fey + f.Fez) * (f.Fey + f.Fez))));
  f.rE = kL_in / pi * std::sqrt(f.Fe / E);
  return f;
}

TEST(DoubleAngleStrut, LocalBucklingFactorBranches) {
  // 2L 4 x 4 x 0.25 (b/t 16) at Fy 36: 12.67 < 16 < 25.83, Qs = 1.34 - 0.00447*16*6 = 0.911.
  DoubleAngleStrut mid(row(ShapeTable::Angle, "2L 4 x 4 x 0.25"), 8.0, 1.0, 20.0, 8.0, 1.0, 0, 36.0, 0, 0, 0, 0, 4);
  std::string r = mid.design();
  EXPECT_NEAR(mid.Qs, 1.34 - 0.00447 * 16 * 6, 1e-12);
  EXPECT_TRUE(contains(r, "\r\n Apply ASD Appendix B   76/sqrt(Fy)(=12.67) < bf/tf(=16.00) < 155/sqrt(Fy)(=25.83),   Qs =0.911"));
  EXPECT_TRUE(contains(r, "\r\n Qs =0.911,  Cc' = Cc/sqrt(Qs) =132.12\t f_a =Q*(1.0-klr^2"));
  EXPECT_NEAR(mid.faX, handFa(96.0 / 1.25, 36.0, mid.Qs), 1e-4);

  // Made-up pair with b/t exactly 16 at the two limits.
  SectionRecord rec = row(ShapeTable::Angle, "2L 4 x 4 x 0.25");
  // Fy = (76/16)^2 = 22.5625: b/t = 76/sqrt(Fy) already takes the reduced line, Qs = 1.34 - 0.00447*76 = 1.00028.
  DoubleAngleStrut low(rec, 8.0, 1.0, 20.0, 8.0, 1.0, 0, 22.5625, 0, 0, 0, 0, 4);
  r = low.design();
  EXPECT_NEAR(low.Qs, 1.00028, 1e-12);
  EXPECT_TRUE(contains(r, "76/sqrt(Fy)(=16.00) < bf/tf(=16.00) < 155/sqrt(Fy)(=32.63),   Qs =1.000"));
  // Fy = (155/16)^2: b/t = 155/sqrt(Fy) takes 15500/(Fy b/t^2) = 0.645, not the 0.647 of the other formula.
  DoubleAngleStrut high(rec, 8.0, 1.0, 20.0, 8.0, 1.0, 0, 93.84765625, 0, 0, 0, 0, 4);
  r = high.design();
  EXPECT_NEAR(high.Qs, 0.64516, 1e-5);
  EXPECT_TRUE(contains(r, "\r\n Apply ASD Appendix B   bf/tf(=16.00) > 155/sqrt(Fy)(=16.00),   Qs =0.645"));
}

// Slender legs by Appendix B5: Q enters the column curve through Cc' = Cc/sqrt(Q) (A-B5-11) and not at all
// in the elastic range (A-B5-12); a seismic-frame column's legs reduce it exactly as a strut's do.
// 2L 5x3x1/4 at 3/4 in gap, Fy 65, K 1, 8 ft both ways (A 3.88, rx 1.62, ryy 1.33, ro 2.59, H 0.657,
// J 2*0.0438, Cw 2*0.0606):
//   b/t = 5/0.25 = 20 > 155/sqrt(65) = 19.23: Qs = 15500/(65*20^2) = 0.596
//   Cc = sqrt(2 pi^2 29000/65) = 93.84, Cc' = 93.84/sqrt(0.596) = 121.54
//   Fey = pi^2 29000/(96/1.33)^2 = 54.94, Fez = (11000*0.0876 + pi^2 29000*0.1212/96^2)/(3.88*2.59^2) = 37.17
//   Fe = (92.10/1.314)*(1 - sqrt(1 - 4*54.94*37.17*0.657/92.10^2)) = 27.60, r_E = 96/pi*sqrt(27.60/29000) = 0.9428
//   x-x: kl/r = 96/1.62 = 59.26 < Cc': x = 0.48756, fa = 0.596*65*(1 - x^2/2)/(5/3 + 3x/8 - x^3/8) = 18.61 ksi
//        (Q times E2-1 with Cc gave 16.57)
//   y-y (flexural-torsional): kl/r = 96/0.9428 = 101.83 < Cc': fa = 13.19 ksi, 51.16 kip
//        (Q times E2-2 gave 0.596*14.40 = 8.59 ksi, 33.31 kip: 35 % low)
//   As a seismic-frame column (Qs was 1: 27.80 and 14.40 ksi) the same Qs and the same 13.19 ksi apply,
//   (P)sc = 1.7*13.19*3.88 = 86.98 kip.
TEST(DoubleAngleStrut, SlenderLegsLowerTheColumnCurveForStrutsAndFrameColumns) {
  const SectionRecord& angles = row(ShapeTable::Angle, "2L 5 x 3 x 0.25");
  for (int type : {0, 1}) {
    DoubleAngleStrut s(angles, 8.0, 1.0, 40.0, 8.0, 1.0, 2, 65.0, type, 10.0, 10.0, 5.0, 8);
    const std::string r = s.design();
    EXPECT_NEAR(s.Qs, 0.596, 0.0005) << type;
    EXPECT_NEAR(s.faX, 18.61, 0.005) << type;
    EXPECT_NEAR(s.klrYE, 101.83, 0.005) << type;
    EXPECT_NEAR(s.faY, 13.19, 0.005) << type;
    EXPECT_NEAR(s.capacityY, 51.16, 0.01) << type;
    EXPECT_TRUE(contains(r, "kl/r = 101.83 < Cc'  AISC Eq. A-B5-11  govern.\r\n Qs =0.596,  Cc' = Cc/sqrt(Qs) =121.54"))
        << r;
    EXPECT_EQ(s.result().ok, true);
  }
  DoubleAngleStrut frame(angles, 8.0, 1.0, 40.0, 8.0, 1.0, 2, 65.0, 1, 10.0, 10.0, 5.0, 8);
  const std::string r = frame.design();
  EXPECT_TRUE(contains(r, "Member strength (P)sc = 1.7*Fa*Area = 86.98 kip")) << r;
  EXPECT_TRUE(contains(r, "\r\n Apply ASD Appendix B   bf/tf(=20.00) > 155/sqrt(Fy)(=19.23),   Qs =0.596"));
}

TEST(DoubleAngleStrut, SeismicFrameColumnChecksTheCombinationOnTheSmallerFa) {
  // dead 10, live 10, seismic 5, Rw 8: P = 10 + 7 + 15 = 32 kip; the x axis has the smaller f_a (15.57 ksi):
  // (P)sc = 1.7*15.57*5.72 = 151.41 kip.
  DoubleAngleStrut s(l4x4x38(), 8.0, 1.0, 50.0, 8.0, 1.0, 0, 36.0, 1, 10.0, 10.0, 5.0, 8);
  const std::string r = s.design();
  EXPECT_DOUBLE_EQ(s.seismicP, 32.0);
  EXPECT_TRUE(contains(r, "\r\n\t Allowable load = f_a * area =89.07 kips "));
  EXPECT_TRUE(contains(r, " =1.0*10.00 + 0.7*10.00 + 3*(8/8)*5.00 =32.00 kip\r\n\t Section 2211.4.2 Member strength (P)sc "
                          "= 1.7*Fa*Area = 151.41 kip\r\n\t --- P = 0.85*Dead +/- 3*(Rw/8)*Seismic  not reviewed here."
                          "\r\n\t Axial P (=32.00 kip) < (P)sc (=151.41 kip)  ... OK\r\n\t (P)design/(P)sc =21.13%\r\n"));
}

TEST(DoubleAngleStrut, CbfBrace) {
  // 2L 4x4x0.5 at Fy 36, kyy 2, lyy = lxx = 8: l/r without K = max(96/1.21, 96/1.69) = 79.34 < 120; Beta from the
  // largest kl/r with K, 192/1.69 = 113.61:
  // Beta = 1/(1 + 113.61/252.20) = 0.689.
  DoubleAngleStrut s(l4x4x12(), 8.0, 2.0, 30.0, 8.0, 1.0, 0, 36.0, 2, 0, 0, 0, 4);
  std::string r = s.design();
  const double beta = 1.0 / (1.0 + (192.0 / 1.69) / (2.0 * handCc(36.0)));
  EXPECT_NEAR(s.Beta, beta, 1e-6);
  EXPECT_TRUE(contains(r, "   l/r ratio =79.34  <  720/sqrt(Fy) = 120.00  OK\r\n the stress-reduction factor Beta = 1 "
                          "/(1+(k*l*r/(2*Cc))) =0.689 \r\n 97 UBC 2213.8.2.5 Requirement for Concentrically Braced "
                          "Frames (CBF)\r\n 97 UBC 2213.8.2.5 -- b/t (=8.00)  < 52/sqrt(Fy) (=8.67)"));
  const Ft ft = handFt(192.0, 96.0, 1.69, 0.322, 0.366, 7.5, 2.28, 0.834);
  const double klrY = std::max(192.0 / 1.69, 192.0 / ft.rE);
  EXPECT_NEAR(s.capacityY, handFa(klrY, 36.0) * 7.5 * beta, 1e-3);
  EXPECT_TRUE(contains(r, "\r\n\t 2213.8.4.1 Chevron braces shall be designed for 1.5 times the prescribed seismic forces."));
  EXPECT_TRUE(s.restartText().empty());

  // lyy 18 ft: l/r = 216/1.69 = 127.81 > 120: NO GOOD without strength checks.
  DoubleAngleStrut slender(l4x4x12(), 18.0, 1.0, 30.0, 8.0, 1.0, 0, 36.0, 2, 0, 0, 0, 4);
  r = slender.design();
  EXPECT_EQ(slender.restartText(), "\r\n !!! l/r ratio =127.81  >  720/sqrt(Fy) = 120.00  NO GOOD !!!!");
  EXPECT_TRUE(contains(r, slender.restartText() + "\r\n\r\n Result: NO GOOD, ratio 1.07 (governed by brace l/r, UBC "
                                                   "2213.8.2.1)\r\n"));
  EXPECT_FALSE(contains(r, "Major axis"));
  EXPECT_EQ(slender.stop(), DoubleAngleStrut::None);
}

TEST(DoubleAngleStrut, ScbfBraceKeepsFlexuralTorsionalBucklingOnTheMinorAxis) {
  DoubleAngleStrut s(l4x4x12(), 8.0, 1.0, 30.0, 8.0, 1.0, 0, 36.0, 3, 0, 0, 0, 4);
  std::string r = s.design();
  const Ft ft = handFt(96.0, 96.0, 1.69, 0.322, 0.366, 7.5, 2.28, 0.834);
  ASSERT_LT(ft.rE, 1.69);
  EXPECT_TRUE(contains(r, "Slenderness  ratio (=79.34)  < 1000/sqrt(Fy) (=166.67)"));  // 96/1.21
  EXPECT_TRUE(contains(r, "\r\n Minor axis -- k l_yy/r_rr ratio:\r\n\t Flexural-Torsional Buckling govern over r_yy, kl/r ="));
  EXPECT_NEAR(s.capacityY, handFa(96.0 / ft.rE, 36.0) * 7.5, 1e-3);
  EXPECT_TRUE(contains(r, "\r\n\t Allowable load= f_a * area  = "));

  // lyy 25 ft: kl/r = 300/1.69 = 177.51 > 166.67.
  DoubleAngleStrut slender(l4x4x12(), 25.0, 1.0, 30.0, 8.0, 1.0, 0, 36.0, 3, 0, 0, 0, 4);
  r = slender.design();
  EXPECT_EQ(slender.restartText(), "\r\n\r\n 97 UBC 2213.9 Requirement for Special Concentrically Braced Frames (SCBF)"
                                   "\r\n 97 UBC 2213.9.2.1 Slenderness  ratio (=177.51)  > 1000/sqrt(Fy) (=166.67)   !!!NO GOOD!!!!");
  EXPECT_FALSE(contains(r, "Major axis"));
}

TEST(DoubleAngleStrut, Stops) {
  // A brace whose legs are too slender stops at once: 2L 4x4x0.375 at Fy 36, b/t 10.67 > 8.67.
  DoubleAngleStrut legs(l4x4x38(), 8.0, 1.0, 30.0, 8.0, 1.0, 0, 36.0, 3, 0, 0, 0, 4);
  EXPECT_EQ(legs.stop(), DoubleAngleStrut::BraceLegSlenderness);
  EXPECT_EQ(legs.design(), "\r\n 97 UBC 2213.8.2.5 limits b/f(=10.7) > 52/sqrt(Fy)(=8.7) NO GOOD!!!");
  // The same section as a strut goes on.
  DoubleAngleStrut strut(l4x4x38(), 8.0, 1.0, 30.0, 8.0, 1.0, 0, 36.0, 0, 0, 0, 0, 4);
  EXPECT_EQ(strut.stop(), DoubleAngleStrut::None);
  // kl/r above 200: lxx 21 ft gives 252/1.23 = 204.88.
  DoubleAngleStrut longer(l4x4x38(), 8.0, 1.0, 30.0, 21.0, 1.0, 0, 36.0, 0, 0, 0, 0, 4);
  EXPECT_EQ(longer.design(), "\r\n AISC Section B7 limits kl/r(204.9) > 200 N.G.");
  EXPECT_EQ(longer.stop(), DoubleAngleStrut::SlendernessB7);
  // Flexural-torsional slenderness alone above 200 stops before the minor axis: 2L 4x4x0.25 with lyy 27.4 ft has
  // kl/r = 328.8/1.65 = 199.27 about y, but 328.8/rE above 200.
  const Ft f = handFt(328.8, 328.8, 1.65, 0.0438, 0.0505, 3.86, 2.28, 0.824);
  ASSERT_GT(328.8 / f.rE, 200.0);
  DoubleAngleStrut ft(row(ShapeTable::Angle, "2L 4 x 4 x 0.25"), 27.4, 1.0, 1.0, 8.0, 1.0, 0, 36.0, 0, 0, 0, 0, 4);
  EXPECT_EQ(ft.design(), format("\r\n AISC Section B7 limits kl/r(%.1f) > 200 N.G.", 328.8 / f.rE));
  EXPECT_EQ(ft.stop(), DoubleAngleStrut::SlendernessB7);
}

TEST(DoubleAngleStrut, MeaninglessInputsAreRefused) {
  EXPECT_NE(DoubleAngleStrut(l4x4x38(), 8, 1, 30, 8, 1, 0, 0.0, 0, 0, 0, 0, 4).inputError(), "");
  EXPECT_NE(DoubleAngleStrut(l4x4x38(), 8, 0.0, 30, 8, 1, 0, 36.0, 0, 0, 0, 0, 4).inputError(), "");
  EXPECT_NE(DoubleAngleStrut(l4x4x38(), -8, 1, 30, 8, 1, 0, 36.0, 0, 0, 0, 0, 4).inputError(), "");
}

}  // namespace

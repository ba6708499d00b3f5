// Wide-flange column: numbers against hand calculations, report lines, the four roles and their stops.
#include "steel/w_column.h"

#include "support.h"

using namespace vd;
using namespace smtest;

namespace {

const SectionRecord& w14x90() { return row(ShapeTable::W, "W14x90"); }  // A 26.5, rx 6.14, ry 3.70, bf/2tf 10.2, h/tw 25.9
const SectionRecord& w8x31() { return row(ShapeTable::W, "W8x31"); }    // A 9.13, rx 3.47, ry 2.02, bf/2tf 9.19, h/tw 22.3

TEST(WColumn, AllowableStressFollowsE2_1AndE2_2AgainstHandValues) {
  struct Case {
    double Fy, Lx, Ly;
  };
  // W8x31, Fy 36 (Cc = 126.10): short (both E2-1), long weak axis beyond Cc (E2-2), and Lx = Ly = 0.
  for (const Case& k : {Case{36, 10, 10}, Case{36, 20, 30}, Case{50, 0, 0}}) {
    WColumnAsd c(w8x31(), 1.0, k.Lx, 1.0, k.Ly, 100.0, k.Fy, 0, 0, 0, 0, 4);
    ASSERT_EQ(c.inputError(), "");
    c.design();
    const double klrX = k.Lx * 12.0 / 3.47, klrY = k.Ly * 12.0 / 2.02;
    EXPECT_NEAR(c.Cc, handCc(k.Fy), 1e-9);
    EXPECT_NEAR(c.major.fa, handFa(klrX, k.Fy), 1e-4);
    EXPECT_NEAR(c.minor.fa, handFa(klrY, k.Fy), 1e-4);
    EXPECT_NEAR(c.minor.Pallow, handFa(klrY, k.Fy) * 9.13, 1e-3);
  }
  // By hand: W8x31 with Ly = 30 ft: kl/r = 360/2.02 = 178.2 > Cc = 126.1, f_a = 12 pi^2 29000/(23*178.2^2) = 4.70 ksi.
  WColumnAsd c(w8x31(), 1.0, 20.0, 1.0, 30.0, 100.0, 36.0, 0, 0, 0, 0, 4);
  const std::string r = c.design();
  EXPECT_NEAR(c.minor.fa, 4.70, 0.005);
  EXPECT_TRUE(contains(r, "\t Since kl/r = 178.22 > Cc  AISC Eq. E2-2  govern.\r\n \t f_a =12.0*Pi^2*E_Steel / (23.0*(k/lr)^2) =4.70 ksi."));
  // 100 kip against 4.70*9.13 = 42.93 kip.
  EXPECT_TRUE(contains(r, "\t NO GOOD!  Design Load (=100.00 kip) > Allowable Load (=42.93 kip)  ... NO GOOD!"));
  // With no length the allowable stress is Fy/(5/3) = 0.6 Fy.
  WColumnAsd stub(w8x31(), 1.0, 0.0, 1.0, 0.0, 10.0, 50.0, 0, 0, 0, 0, 4);
  stub.design();
  EXPECT_NEAR(stub.minor.fa, 30.0, 1e-9);
}

TEST(WColumn, DesignLoadEqualToAllowableIsNoGood) {
  WColumnAsd probe(w8x31(), 1.0, 0.0, 1.0, 0.0, 0.0, 50.0, 0, 0, 0, 0, 4);
  probe.design();
  const double allow = probe.minor.Pallow;  // 0.6*50*9.13 = 273.9 kip
  EXPECT_NEAR(allow, 273.9, 1e-3);
  WColumnAsd c(w8x31(), 1.0, 0.0, 1.0, 0.0, allow, 50.0, 0, 0, 0, 0, 4);
  const std::string r = c.design();
  EXPECT_TRUE(contains(r, "NO GOOD!  Design Load (=273.90 kip) > Allowable Load (=273.90 kip)"));
}

TEST(WColumn, SeismicColumnChecksBothAxesThenTheUbcCombinationOnTheSmallerFa) {
  // W14x90, Fy 50, L 14 ft; D 100, L 50, E 40 kip, Rw 8: P = 100 + 0.7*50 + 3*(8/8)*40 = 255 kip.
  WColumnAsd c(w14x90(), 1.0, 14.0, 1.0, 14.0, 300.0, 50.0, 100.0, 50.0, 40.0, 1, 8);
  const std::string r = c.design();
  EXPECT_DOUBLE_EQ(c.seismicP, 255.0);
  const double fa = handFa(14.0 * 12.0 / 3.7, 50.0);  // the weak axis governs: 25.05 ksi
  const double Psc = 1.7 * fa * 26.5;                  // 1128.53 kip
  EXPECT_NEAR(Psc, 1128.53, 0.01);
  EXPECT_TRUE(contains(r, " Input: Column\t"));
  EXPECT_TRUE(contains(r, "\r\n Dead load =100.00 kip,   Live Load =50.00 kip,  Earthquake Load =40.00 kip\r\n  Rw =8"));
  // The axis checks use the typed load.
  EXPECT_TRUE(contains(r, "Design Load (=300.00 kip) < Allowable Load (=663.84 kip)"));
  EXPECT_TRUE(contains(r,
                       "\r\n UBC Section 2213.5.1 ---  P = 1.0*Dead+ 0.7*Live + 3*(Rw/8)*Seismic \r\n\t =1.0*100.00 + "
                       "0.7*50.00 + 3*(8/8)*40.00 =255.00 kip\r\n\t Section 2211.4.2 Member strength (P)sc = "
                       "1.7*Fa*Area = 1128.53 kip\r\n\r --- P = 0.85*Dead +/- 3*(Rw/8)*Seismic  not reviewed here."
                       "\r\n\t Axial P (=255.00 kip) < (P)sc (=1128.53 kip)  ... OK\r\n\t (P)design/(P)sc =22.60%\r\n"));
}

TEST(WColumn, CbfBraceComparesLOverRWithoutKButReducesByBetaWithK) {
  // W8x31, Fy 36: limit 720/6 = 120. K = 2, L = 10 ft: l/r = 120/2.02 = 59.41 passes;
  // kl/r max = 118.81, Beta = 1/(1 + 118.81/(2*126.10)) = 0.680.
  WColumnAsd c(w8x31(), 2.0, 10.0, 2.0, 10.0, 20.0, 36.0, 0, 0, 0, 2, 4);
  const std::string r = c.design();
  const double klr = 2.0 * 120.0 / 2.02;
  const double beta = 1.0 / (1.0 + klr / (2.0 * handCc(36.0)));
  EXPECT_NEAR(c.Beta, beta, 1e-6);
  EXPECT_NEAR(beta, 0.680, 0.0005);
  EXPECT_TRUE(contains(r, " Input: Brace\t"));
  EXPECT_TRUE(contains(r, "   l/r ratio =59.41  vs.  720/sqrt(Fy) = 120.00  OK\r\n the stress-reduction factor Beta = 1 /(1+(k*l*r/(2*Cc))) =0.680 "));
  EXPECT_NEAR(c.minor.Pallow, handFa(klr, 36.0) * 9.13 * beta, 1e-3);
  EXPECT_TRUE(contains(r, "\r\n\t Allowable load = f_a * area * beta ="));
  EXPECT_TRUE(contains(r, "\r\n\t Allowable load =f_a * area *beta ="));
  EXPECT_TRUE(c.stopText().empty());

  // Too slender: L = 25 ft gives l/r = 300/2.02 = 148.5 > 120, the check stops.
  WColumnAsd s(w8x31(), 1.0, 25.0, 1.0, 25.0, 20.0, 36.0, 0, 0, 0, 2, 4);
  const std::string rs = s.design();
  EXPECT_EQ(s.stopText(), " Stopped because the  l/r > 720/sqrt(Fy) condition.");
  EXPECT_TRUE(contains(rs, "= 120.00  NO GOOD!!!\r\n the stress-reduction factor Beta = 1 /(1+(k*l*r/(2*Cc))) =0.629 "
                           "\r\n\r\n Stopped because the  l/r > 720/sqrt(Fy) condition."));
  // 148.51/120 = 1.24
  EXPECT_TRUE(rs.ends_with("\r\n\r\n Result: NO GOOD, ratio 1.24 (governed by brace l/r, UBC 2213.8.2.1)\r\n"));
  EXPECT_FALSE(contains(rs, "Major axis"));
}

TEST(WColumn, CbfBraceExactlyAtTheLimitIsNotStopped) {
  // Fy 64: 720/8 = 90 exactly. A made-up row with ry = 2.5 in: L = 18.75 ft gives l/r = 225/2.5 = 90.
  SectionRecord rec = w8x31();
  rec.ryy = 2.5f;
  rec.rxx = 4.0f;
  WColumnAsd c(rec, 1.0, 18.75, 1.0, 18.75, 10.0, 64.0, 0, 0, 0, 2, 4);
  c.design();
  EXPECT_TRUE(c.stopText().empty());
  WColumnAsd over(rec, 1.0, 18.76, 1.0, 18.76, 10.0, 64.0, 0, 0, 0, 2, 4);
  over.design();
  EXPECT_FALSE(over.stopText().empty());
}

TEST(WColumn, ScbfBraceFlagsNonCompactFlangesAndStopsBeyondItsSlenderness) {
  // W14x90 at Fy 50: flange 10.2 > 9.19 is not compact. L 14 ft: kl/r 45.41 < 1000/sqrt(50) = 141.42.
  WColumnAsd c(w14x90(), 1.0, 14.0, 1.0, 14.0, 300.0, 50.0, 0, 0, 0, 3, 4);
  const std::string r = c.design();
  EXPECT_TRUE(contains(r, "\r\n 97 UBC 2213.9.2.1 Slenderness Check kl/r (=45.41)  < 1000/sqrt(Fy) (=141.42)  OK"
                          "\r\n Flanges are not compact!!!!  ... NO GOOD\r\n\r\n Major axis"));
  // 10.2/(65/sqrt(50)) = 1.11: the flange, which cannot pass, governs whatever the axial ratios are.
  EXPECT_FALSE(c.result().ok);
  EXPECT_EQ(c.result().governing, "compact flange of an SCBF brace, bf/2tf");
  EXPECT_FALSE(contains(r, "Web is not compact"));
  EXPECT_NEAR(c.minor.Pallow, handFa(168.0 / 3.7, 50.0) * 26.5, 1e-3);  // no Beta
  // L 45 ft: kl/r = 540/3.7 = 145.95 > 141.42.
  WColumnAsd s(w14x90(), 1.0, 45.0, 1.0, 45.0, 300.0, 50.0, 0, 0, 0, 3, 4);
  const std::string rs = s.design();
  EXPECT_TRUE(contains(rs, "Slenderness Check kl/r (=145.95)  > 1000/sqrt(Fy) (=141.42)  NO GOOD!!!\r\n\r\n Stopped "
                           "because the slenderness > 1000/sqrt(Fy) condition."));
  EXPECT_EQ(s.stopText(), " Stopped because the slenderness > 1000/sqrt(Fy) condition.");
}

// A web beyond 253/sqrt(Fy) works on its effective depth (A-B5-8), where it was designed as fully
// effective with a note. W44x230 at Fy 50, 20 ft both ways (A 67.8, tw 0.71, h/tw 54.8 > 35.78, rx 17.5,
// ry 3.43): f = fa/Qa on the shorter kl/r (240/17.5 = 13.71) settles at 29.00 ksi;
//   h = 54.8*0.71 = 38.908 in, h_e = 253*0.71/sqrt(29.00)*(1 - 44.3/(54.8*sqrt(29.00))) = 33.357*0.84989
//       = 28.351 in; A_eff = 67.8 - (38.908 - 28.351)*0.71 = 60.304, Qa = 0.8894, Cc' = 107.00/0.94310 = 113.45
//   y: kl/r = 240/3.43 = 69.97, x = 0.61673: fa = 0.8894*50*(1 - x^2/2)/(5/3 + 3x/8 - x^3/8)
//      = 36.014/1.86862 = 19.27 ksi, 1306.73 kip   (20.94 ksi, 1419.95 kip before)
TEST(WColumn, SlenderWebWorksOnItsEffectiveDepth) {
  WColumnAsd c(row(ShapeTable::W, "W44x230"), 1.0, 20.0, 1.0, 20.0, 500.0, 50.0, 0, 0, 0, 0, 4);
  const std::string r = c.design();
  EXPECT_FALSE(c.webCompact);
  EXPECT_NEAR(c.fWeb, 29.00, 0.005);
  EXPECT_NEAR(c.hEff, 28.351, 0.0005);
  EXPECT_NEAR(c.Qa, 0.8894, 0.00005);
  EXPECT_NEAR(c.minor.fa, 19.27, 0.005);
  EXPECT_NEAR(c.minor.Pallow, 1306.73, 0.01);
  EXPECT_TRUE(contains(r, "\r\n\tTable B5.1,  h/tw(=54.80) > 253/sqrt(Fy)(=35.78)\r\n web exceeds the limit on compact "
                          "section\r\n Applied ASD Appendix B5 to complete the rest of the design where allowed."
                          "\r\n\t f = f_a/Qa =29.00 ksi (web stress at the allowable load, shorter kl/r)"
                          "\r\n\t h_e = 253*tw/sqrt(f)*[1-44.3/((h/tw)*sqrt(f))]  (A-B5-8) =28.351 in of h =38.908 in"
                          "\r\n\t A_eff =60.304 in^2,   Qa = A_eff/A =0.889"
                          "\r\n\r\n\t Cc = sqrt(2*pi^2*E/Fy) =107.00\r\n\r\n Major axis -- k l_xx/r_xx ratio:"))
      << r;
  EXPECT_TRUE(contains(r, "Since kl/r = 69.97 < Cc'  AISC Eq. A-B5-11  govern.\r\n Qa =0.889,  Cc' = Cc/sqrt(Qa) =113.45"));
}

TEST(WColumn, FlangeBranchesIncludingTheSlenderLimit) {
  SectionRecord rec = w8x31();
  // 95/sqrt(100) = 9.5 exactly: a flange there is beyond the compact limit 6.5, so not compact.
  rec.bf2tf = 9.5f;
  WColumnAsd at(rec, 1, 10, 1, 10, 10, 100.0, 0, 0, 0, 3, 4);
  std::string r = at.design();
  EXPECT_FALSE(at.flangeCompact);
  EXPECT_TRUE(contains(r, "bf/2tf(=9.50) > 65/sqrt(Fy)(=6.50)"));
  rec.bf2tf = 9.6f;
  WColumnAsd slender(rec, 1, 10, 1, 10, 10, 100.0, 0, 0, 0, 0, 4);
  r = slender.design();
  EXPECT_TRUE(contains(r, "\r\n Applied ASD Appendix B5 to complete the rest of the design."));
  rec.bf2tf = 6.5f;
  WColumnAsd compact(rec, 1, 10, 1, 10, 10, 100.0, 0, 0, 0, 0, 4);
  r = compact.design();
  EXPECT_TRUE(compact.flangeCompact);
  EXPECT_TRUE(contains(r, "\r\n Table B5.1,  bf/2tf(=6.50) < 65/sqrt(Fy)(=6.50)  ...flanges are compact."));
}

TEST(WColumn, MeaninglessInputsAreRefused) {
  EXPECT_NE(WColumnAsd(w8x31(), 1, 10, 1, 10, 10, 0.0, 0, 0, 0, 0, 4).inputError(), "");
  EXPECT_NE(WColumnAsd(w8x31(), 1, 10, 1, 10, 10, -36.0, 0, 0, 0, 0, 4).inputError(), "");
  EXPECT_NE(WColumnAsd(w8x31(), -1, 10, 1, 10, 10, 36.0, 0, 0, 0, 0, 4).inputError(), "");
  EXPECT_NE(WColumnAsd(w8x31(), 1e300, 1e300, 1, 10, 10, 36.0, 0, 0, 0, 0, 4).inputError(), "");
  EXPECT_EQ(WColumnAsd(w8x31(), 1, 10, 1, 10, 10, 36.0, 0, 0, 0, 7, 4).columnType, 0);
}

}  // namespace

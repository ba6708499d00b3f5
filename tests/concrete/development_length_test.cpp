// Bar development lengths against ACI 318 hand calculations.
#include <cmath>

#include "concrete/development_length.h"
#include "concrete_test_util.h"
#include "test_support.h"

using namespace vd;
using vdtest::numberAfter;

namespace {

TEST(DevelopmentLength, TensionLengthOfANumberEightBar) {
  // #8, fy 60 ksi, f'c 4 ksi, c = 1.5 in., no Ktr: ld/db = 3*60000/(40*sqrt(4000))/1.5 = 47.43.
  DevelopmentLength dev(60000, 4000, 1.0, 1.0, 1.0, 1.5, 1.0, 0.0);
  EXPECT_EQ(dev.gamma, 1.0);
  EXPECT_NEAR(dev.developmentLength(), 3 * 60000 / (40 * std::sqrt(4000.0)) / 1.5, 1e-9);
  EXPECT_NEAR(dev.ld, 47.43, 0.005);
  EXPECT_NEAR(dev.cRatio, 1.5, 1e-12);
  // Compression: 0.02*1*60000/63.25 = 18.97 in. governs 0.0003*1*60000 = 18.0 in.
  EXPECT_NEAR(dev.ldc, 0.02 * 60000 / std::sqrt(4000.0), 1e-9);
  // Hook: 1200*db/sqrt(f'c) at 60 ksi = 18.97 in.
  EXPECT_NEAR(dev.ldh, 1200 / std::sqrt(4000.0), 1e-9);
  // 12.2.2 for #7 and larger: fy*db/(20*sqrt(f'c)) = 47.43 and 3/40 of it... i.e. 71.15 in.
  EXPECT_NEAR(dev.simplifiedFirst(), 60000 / (20 * std::sqrt(4000.0)), 1e-9);
  EXPECT_NEAR(dev.simplifiedSecond(), 3 * 60000 / (40 * std::sqrt(4000.0)), 1e-9);
}

TEST(DevelopmentLength, SizeFactorAndSmallBarTable) {
  for (double db : {0.75, 0.750001}) EXPECT_EQ(DevelopmentLength(60000, 4000, 1, 1, 1, 2, db, 0.0).gamma, 0.8) << db;
  EXPECT_EQ(DevelopmentLength(60000, 4000, 1, 1, 1, 2, 0.76, 0.0).gamma, 1.0);
  // #6 bar, c = 1.5: ld = 0.75*3*60000/(40*63.25)*0.8/2 = 21.35 in.; 12.2.2 for #6 and smaller: /25 and 3/50.
  DevelopmentLength six(60000, 4000, 1, 1, 1, 1.5, 0.75, 0.0);
  EXPECT_NEAR(six.developmentLength(), 0.75 * 3 * 60000 / (40 * std::sqrt(4000.0)) * 0.8 / 2, 1e-9);
  EXPECT_NEAR(six.simplifiedFirst(), 60000 * 0.75 / (25 * std::sqrt(4000.0)), 1e-9);
  EXPECT_NEAR(six.simplifiedSecond(), 3 * 60000 * 0.75 / (50 * std::sqrt(4000.0)), 1e-9);
  // #7 (db 0.875) switches to /20 and 3/40.
  DevelopmentLength seven(60000, 4000, 1, 1, 1, 1.5, 0.875, 0.0);
  EXPECT_NEAR(seven.simplifiedFirst(), 60000 * 0.875 / (20 * std::sqrt(4000.0)), 1e-9);
  EXPECT_NE(seven.writeReport().find("fy*alpha*beta*lambda/(20*sqrt(f'c)*db= 41.50 in"), std::string::npos);
}

TEST(DevelopmentLength, FactorsAndCaps) {
  // Top epoxy bar: alpha*beta = 1.95 is used as 1.7; the 12.2.2 values keep the full product.
  DevelopmentLength top(60000, 4000, 1.3, 1.5, 1.0, 1.5, 1.0, 0.0);
  EXPECT_EQ(top.alphaBeta, 1.7);
  EXPECT_NEAR(top.developmentLength(), 47.434 * 1.7, 0.001);
  EXPECT_NEAR(top.simplifiedFirst(), 60000 * 1.3 * 1.5 / (20 * std::sqrt(4000.0)), 1e-9);
  EXPECT_NE(top.writeReport().find("\r\n alpha*beta > 1.7, use 1.7"), std::string::npos);
  // Hooks: x1.2 for coated bars, x1.3 for lightweight concrete.
  EXPECT_NEAR(top.ldh, 1200 / std::sqrt(4000.0) * 1.2, 1e-9);
  DevelopmentLength light(60000, 4000, 1.0, 1.0, 1.3, 1.5, 1.0, 0.0);
  light.developmentLength();
  EXPECT_NEAR(light.ldh, 1200 / std::sqrt(4000.0) * 1.3, 1e-9);
  EXPECT_NEAR(light.ld, 47.434 * 1.3, 0.001);
  EXPECT_EQ(light.writeReport().find("use 1.7"), std::string::npos);
  // Hook at 75 ksi is 75/60 of the 60 ksi value.
  DevelopmentLength high(75000, 4000, 1, 1, 1, 1.5, 1.0, 0.0);
  high.developmentLength();
  EXPECT_NEAR(high.ldh, 1.25 * 1200 / std::sqrt(4000.0), 1e-9);
  // Confinement stops at 2.5.
  DevelopmentLength wide(60000, 4000, 1, 1, 1, 3.0, 1.0, 0.5);
  wide.developmentLength();
  EXPECT_EQ(wide.cRatio, 2.5);
  EXPECT_NE(wide.writeReport().find("c space no longer matter when it exceeds 2.00 in."), std::string::npos);
  // f'c above 10 ksi is used as 10 ksi.
  EXPECT_EQ(DevelopmentLength(60000, 12000, 1, 1, 1, 1.5, 1.0, 0.0).fc, 10000);
}

TEST(DevelopmentLength, ShortLengthsHaveTheirMinimums) {
  // #3 bar, generous cover: ld = 0.375*3*60000/(40*63.25)*0.8/2.5 = 8.54 -> 12 in.; ldc = 7.1 -> 8 in.
  DevelopmentLength dev(60000, 4000, 1, 1, 1, 2.0, 0.375, 0.0);
  EXPECT_EQ(dev.developmentLength(), 12.0);
  EXPECT_EQ(dev.ldc, 8.0);
  // 12.2.2 at 40 ksi: 40000*0.375/(25*63.25) = 9.49 -> 12 in.; 3/50 of it is 14.23 in.
  DevelopmentLength low(40000, 4000, 1, 1, 1, 2.0, 0.375, 0.0);
  EXPECT_EQ(low.simplifiedFirst(), 12.0);
  EXPECT_NEAR(low.simplifiedSecond(), 3 * 40000 * 0.375 / (50 * std::sqrt(4000.0)), 1e-9);
}

TEST(DevelopmentLength, TransverseReinforcementIndex) {
  // Ktr = Atr*fyt/(1500*s*n) = 0.4*60000/(1500*6*3) = 0.889.
  DevelopmentLength dev(60000, 4000, 1, 1, 1, 1.0, 1.0, 3, 6.0, 0.4, 60000);
  EXPECT_NEAR(dev.Ktr, 0.4 * 60000 / (1500 * 6.0 * 3), 1e-12);
  EXPECT_NEAR(dev.developmentLength(), 3 * 60000 / (40 * std::sqrt(4000.0)) / (1.0 + dev.Ktr), 1e-9);
  EXPECT_NE(dev.writeReport().find("\r\n Transverse Reinforceemnt:\r\n Atr = 0.400 in^2,  Fyt = 60000 psi,  space = 6.00 "
                                   "in,  number = 3"),
            std::string::npos);
  // No bars counted: no index and no transverse line.
  DevelopmentLength none(60000, 4000, 1, 1, 1, 1.0, 1.0, 0, 4.0, 0.4, 60000);
  EXPECT_EQ(none.Ktr, 0.0);
  EXPECT_EQ(none.writeReport().find("Transverse"), std::string::npos);
}

TEST(DevelopmentLength, ReportText) {
  DevelopmentLength dev(60000, 4000, 1, 1, 1, 1.25, 0.25, 0.0);
  const std::string& r = dev.writeReport();
  EXPECT_TRUE(vdtest::startsWith(r, "**********************************************\r\n*  Development of Deformed Bars In "
                                    "Tension   *\r\n*   using Section 12.2.3 of 2002 ACI code    *\r\n"));
  EXPECT_NE(r.find("\r\n\r\n Fy = 60000 psi,  Fc' = 4000 psi\r\n alpha = 1.0, beta = 1.0\r\n gamma = 0.8, lambda = 1.0"
                   "\r\n critical bar space given= 1.250 in\r\n Ktr = 0.000\r\n bar diameter = 0.2500 in\r\n (c + Ktr) / "
                   "barDiameter =   2.500 "),
            std::string::npos);
  EXPECT_NE(r.find("\r\n Min. tension development length = 12.00 in     or 48.00 bar diameters."), std::string::npos);
  EXPECT_NE(r.find("\r\nMin. compression development length = 8.00 in "), std::string::npos);
  EXPECT_TRUE(vdtest::endsWith(r, "increased 20% for three-bar bundle,\r\n and 33% for four-bar bundle\r\n"));
  EXPECT_NE(r.find("compressions, \n shall be"), std::string::npos);
  EXPECT_EQ(dev.length, static_cast<int>(r.size()));
}

class DevelopmentLengthFormTest : public vdtest::ScratchDir {};

TEST_F(DevelopmentLengthFormTest, OpensWithDefaultsAndReportsOnOk) {
  Settings s(ini());
  ScriptRunner r(s, out_, allForms());
  run(r, "menu Reinf. Bar Tens/Comp Dev.\nshow Fy\nshow Fc'\nshow Bar dia\nshow Ktr\nshow Fyt\nshow No. bars\npress OK\n");
  EXPECT_EQ(out_.str(), "60.0\n4.0\n0.25\n0.0\n60.0\n0\n");
  EXPECT_NE(r.padText().find("Min. tension development length = 12.00 in"), std::string::npos);
  EXPECT_NE(r.padText().find("3*fy*alpha*beta*lambda/(50*sqrt(f'c)*db= 14.23 in"), std::string::npos);
}

TEST_F(DevelopmentLengthFormTest, CheckBoxesListAndTransverseFields) {
  Settings s(ini());
  ScriptRunner r(s, out_, allForms());
  run(r,
      "menu Reinf. Bar Tens/Comp Dev.\nset \"Bar dia. being evaluated\" 1.0\nset \"1/2 spacing\" 1.5\n"
      "check \"Top Bar Factor\" on\npick 1.5\nset Ktr 5\nset Atr 0.4\nset \"Space at\" 6\nset \"No. bars\" 3\npress OK\n");
  const std::string& pad = r.padText();
  EXPECT_NE(pad.find(" alpha = 1.3, beta = 1.5"), std::string::npos);
  EXPECT_NE(pad.find("alpha*beta > 1.7, use 1.7"), std::string::npos);
  EXPECT_NEAR(numberAfter(pad, "Ktr = "), 0.889, 0.0005);  // from the bars, not the typed 5
  const double ktr = 0.4 * 60000 / (1500 * 6.0 * 3);
  EXPECT_NEAR(numberAfter(pad, "Min. tension development length = "),
              3 * 60000 / (40 * std::sqrt(4000.0)) * 1.7 / (1.5 + ktr), 0.005);
}

TEST_F(DevelopmentLengthFormTest, SpacingRuleWarnsAndCorrects) {
  Settings s(ini());
  ScriptRunner r(s, out_, allForms());
  run(r, "menu Reinf. Bar Tens/Comp Dev.\nset \"Bar dia. being evaluated\" 1.41\nset \"1/2 spacing\" 0.5\npress OK\n"
         "show messages\n");
  EXPECT_EQ(out_.str(),
            "Vardelin: Section 3.3.2 in. clear distance for parallel bars must be at least one bar diameter but no less "
            "than 1 inch.\n");
  EXPECT_NE(r.padText().find("critical bar space given= 1.410 in"), std::string::npos);
}

TEST_F(DevelopmentLengthFormTest, NoBarOrNoConcreteIsAskedAgain) {
  for (const char* bad : {"set \"Bar dia. being evaluated\" 0\n", "set Fc' 0\n", "set Fc' abc\n",
                          "set \"Bar dia. being evaluated\" -1\n", "set Ktr -9\n"}) {
    Settings s(ini());
    std::ostringstream out;
    ScriptRunner r(s, out, allForms());
    std::istringstream in(std::string("menu Reinf. Bar Tens/Comp Dev.\n") + bad + "press OK\nshow messages\n");
    std::ostringstream err;
    ASSERT_EQ(r.runScript(in, err), 0) << err.str();
    EXPECT_NE(r.currentHost(), nullptr) << bad;  // still open
    EXPECT_EQ(r.padText(), kStartText) << bad;
    EXPECT_NE(out.str().find("Vardelin: "), std::string::npos) << bad;
  }
}

TEST_F(DevelopmentLengthFormTest, ExtremeInputsNeverPrintNonFiniteLengths) {
  for (const char* fy : {"0", "1e300", "60", "-60"})
    for (const char* fc : {"1e-300", "4", "1e300"})
      for (const char* db : {"1e-300", "1", "1e300"}) {
        Settings s(ini());
        std::ostringstream out;
        ScriptRunner r(s, out, allForms());
        std::istringstream in(std::string("menu Reinf. Bar Tens/Comp Dev.\nset Fy ") + fy + "\nset Fc' " + fc +
                              "\nset \"Bar dia. being evaluated\" " + db + "\npress OK\n");
        std::ostringstream err;
        ASSERT_EQ(r.runScript(in, err), 0) << err.str();
        EXPECT_FALSE(vdtest::hasNonFinite(r.padText())) << fy << " " << fc << " " << db << r.padText();
      }
}

}  // namespace

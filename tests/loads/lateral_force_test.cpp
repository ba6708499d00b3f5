#include <cmath>

#include "loads/lateral_force.h"
#include "support/scratch_dir.h"

using namespace vd;

namespace {

// Builds the state as the sheet would after Apply.
LateralForceState building(double Z, double I, double S, double Ct, int Rw, std::vector<std::pair<double, double>> hw,
                           double period = 0.0) {
  LateralForceState s;
  s.Z = Z, s.I = I, s.S = S, s.Ct = Ct, s.Rw = Rw, s.period = period;
  for (std::size_t i = 0; i < hw.size(); ++i) {
    s.levels[i + 1].name = "L" + std::to_string(i + 1);
    s.levels[i + 1].height = hw[i].first;
    s.levels[i + 1].weight = hw[i].second;
  }
  return s;
}

TEST(LateralForce, ThreeLevelBuildingAgainstHandCalculation) {
  // Zone 4, standard occupancy, S = 1.2, steel frame, Rw = 12; levels at 12, 24, 36 ft of 500, 500, 300 kip.
  LateralForceState s = building(0.40, 1.0, 1.2, 0.035, 12, {{12, 500}, {24, 500}, {36, 300}});
  LateralForceResult r = runLateralForce(s, "J1");
  ASSERT_TRUE(r.ok) << r.problem;
  // T = 0.035 * 36^0.75 = 0.035 * 14.6969 = 0.51439 s (< 0.7: no Ft).
  EXPECT_NEAR(r.periodA, 0.035 * 14.696938456699067, 1e-12);
  // C = 1.5 / 0.51439^0.667 = 2.337, between the floor 0.9 and the cap 2.75.
  const double C = 1.25 * 1.2 / std::pow(r.periodA, 0.667);
  EXPECT_NEAR(r.C, C, 1e-12);
  EXPECT_GT(C, 0.9);
  EXPECT_LT(C, 2.75);
  const double W = 1300.0, V = 0.4 * 1.0 * C / 12.0 * W;
  EXPECT_NEAR(r.V, V, 1e-9);
  EXPECT_EQ(r.Ft, 0.0);
  // sum(hw) = 6000 + 12000 + 10800 = 28800; Fx = V hx wx / sum.
  EXPECT_NEAR(s.levels[3].force, V * 10800 / 28800, 1e-9);
  EXPECT_NEAR(s.levels[2].force, V * 12000 / 28800, 1e-9);
  EXPECT_NEAR(s.levels[1].force, V * 6000 / 28800, 1e-9);
  // Storey shears and overturning from the top down; the base takes V and sum Fx hx.
  EXPECT_NEAR(s.levels[2].shearAbove, V * 10800 / 28800, 1e-9);
  EXPECT_NEAR(s.levels[0].shearAbove, V, 1e-9);
  EXPECT_NEAR(s.levels[0].overturning, V * (6000 * 12 + 12000 * 24 + 10800 * 36) / 28800, 1e-6);
  EXPECT_EQ(s.levels[0].name, "ground");
  EXPECT_FALSE(r.ownPeriod);
}

TEST(LateralForce, TopForceAtTheCornerPeriods) {
  auto run = [](double period) {
    LateralForceState s = building(0.4, 1.0, 1.0, 0.02, 8, {{10, 100}}, period);
    return runLateralForce(s, "");
  };
  LateralForceResult at07 = run(0.7);
  EXPECT_NEAR(at07.Ft, 0.049 * at07.V, 1e-12);
  EXPECT_EQ(run(0.69).Ft, 0.0);
  LateralForceResult at4 = run(4.0);  // 0.07 * 4 = 0.28 > 0.25
  EXPECT_NEAR(at4.Ft, 0.25 * at4.V, 1e-12);
  EXPECT_TRUE(at4.ownPeriod);
}

TEST(LateralForce, CoefficientCapAndFloor) {
  // A short stiff building: T = 0.02 * 10^0.75 = 0.112 s gives 1.25 S / T^0.667 = 5.4 > 2.75.
  LateralForceState stiff = building(0.4, 1.0, 1.0, 0.02, 4, {{10, 100}});
  EXPECT_EQ(runLateralForce(stiff, "").C, 2.75);
  // Rw = 12 and a long period: 1.25 / 4^0.667 = 0.496 < 0.075 * 12 = 0.9.
  LateralForceState tall = building(0.4, 1.0, 1.0, 0.035, 12, {{10, 100}}, 4.0);
  EXPECT_DOUBLE_EQ(runLateralForce(tall, "").C, 0.9);
}

TEST(LateralForce, OneLevelAndAGapInTheLevels) {
  LateralForceState one = building(0.3, 1.25, 1.5, 0.03, 6, {{14, 250}});
  LateralForceResult r = runLateralForce(one, "");
  ASSERT_TRUE(r.ok);
  EXPECT_EQ(one.levels[1].storeyHeight, 0.0);
  EXPECT_EQ(one.levels[1].shearAbove, 0.0);
  EXPECT_EQ(one.levels[1].overturning, 0.0);
  EXPECT_EQ(one.levels[0].storeyHeight, 14.0);
  EXPECT_NEAR(one.levels[0].shearAbove, r.V, 1e-12);
  EXPECT_NEAR(one.levels[0].overturning, r.V * 14.0, 1e-9);

  // Levels 1-3, level 4 empty, level 5 filled: only 1-3 count.
  LateralForceState gap = building(0.4, 1.0, 1.0, 0.02, 8, {{10, 100}, {20, 100}, {30, 100}, {0, 100}, {50, 100}});
  LateralForceResult g = runLateralForce(gap, "");
  EXPECT_EQ(g.n, 3);
  EXPECT_EQ(g.hn, 30.0);
  EXPECT_EQ(g.W, 300.0);
}

TEST(LateralForce, TenLevelsReportRowsTopToGround) {
  std::vector<std::pair<double, double>> levels;
  for (int i = 1; i <= 10; ++i) levels.push_back({13.0 * i, i == 10 ? 600.0 : 900.0});
  LateralForceState s = building(0.4, 1.0, 1.5, 0.035, 12, levels);
  LateralForceResult r = runLateralForce(s, "T-10");
  ASSERT_TRUE(r.ok);
  EXPECT_EQ(r.n, 10);
  // hn = 130: T = 0.035 * 130^0.75 = 1.3038 s >= 0.7, Ft = 0.07 T V (0.0913 V).
  EXPECT_NEAR(r.period, 0.035 * std::pow(130.0, 0.75), 1e-12);
  EXPECT_NEAR(r.Ft, 0.07 * r.period * r.V, 1e-9);
  double sumF = 0;
  for (int i = 1; i <= 10; ++i) sumF += s.levels[i].force;
  EXPECT_NEAR(sumF, r.V, 1e-9);
  const std::size_t top = r.report.find("\r\nL10         ,   130.000,   0.000,   600.00,");
  const std::size_t ground = r.report.find("\r\nground      ,   0.000,   13.000,   0.00,   0.0,   0.0%,  0.00,");
  ASSERT_NE(top, std::string::npos) << r.report;
  ASSERT_NE(ground, std::string::npos) << r.report;
  EXPECT_LT(top, ground);
  EXPECT_EQ(r.report.rfind("Project/JO: T-10\r\n\r\n", 0), 0u);
}

TEST(LateralForce, ReportTextLineByLine) {
  LateralForceState s = building(0.4, 1.0, 1.0, 0.02, 8, {{10, 100}});
  LateralForceResult r = runLateralForce(s, "J");
  // T = 0.02*10^0.75 = 0.11247; C capped 2.75; V = 0.4*2.75/8*100 = 13.75.
  const std::string rule(99, '-');
  const std::string expected =
      "Project/JO: J\r\n\r\n"
      "\r\n\t\t 94 UBC 1628 -- Minimum Design Lateral Force\r\n\t\t 1628.2 -- Static Force Procedure\r\n"
      " Design base shear and vertical distribution of seismic forces (Method A)\r\n\r\n"
      " Table 16-I, Zone factor =0.400;  Table 16-K, I factor =1.000;  Table 16-N, Rw =8\r\n"
      " The empirical coefficient to find T: Ct =0.020\r\n"
      " Table 16-J Soil Site Coefficient =1.00\r\n"
      " No. levels =1,  high =10.00 ft,   total weight =100.00 kip\r\n"
      " Period (by Method A) = Ct*(hn)^0.75 =0.112 seconds\r\n"
      " Period (modified by the user) = 0.112 seconds\r\n"
      " C = 1.25* Site Coefficient / Period^0.67 =2.750\r\n\r\n"
      " V = Z*I*C/Rw *W =0.138 *W =13.750 kips\r\n\r\n"
      " top level Ft =0.000 kips\r\n"
      "\r\nLevel,height    feet,floor high above (ft).,weight   kip,  h*w,  %V,Fx     kip.,sum of    (Fx),OTM     kip-ft"
      "\r\n,,,,,,,," + rule +
      "\r\nL1          ,   10.000,   0.000,   100.00,   1000.0,   100.0%,  13.75,  0.00,   0"
      "\r\nground      ,   0.000,   10.000,   0.00,   0.0,   0.0%,  0.00,  13.75,   138"
      "\r\n,,,,,,,," + rule +
      "\r\nTotal, ,  ,                 100.0 kip,      1000,   100.0%,   V =13.8 kip, , 138"
      "\r\n\r\n Base shear V =13.750 kips, period T =0.112 seconds\r\n";
  EXPECT_EQ(r.report, expected);
}

TEST(LateralForce, MeaninglessInputsGiveAMessageNotNumbers) {
  LateralForceState none;  // nothing applied
  none.levels[1].height = 10;
  none.levels[1].weight = 10;
  LateralForceResult r = runLateralForce(none, "");
  EXPECT_FALSE(r.ok);
  EXPECT_NE(r.report.find("No seismic factors"), std::string::npos);
  LateralForceState noLevels = building(0.4, 1, 1, 0.02, 8, {});
  EXPECT_NE(runLateralForce(noLevels, "").report.find("No level has a positive height"), std::string::npos);
  LateralForceState noWeight = building(0.4, 1, 1, 0.02, 8, {{10, 0}});
  EXPECT_FALSE(runLateralForce(noWeight, "").ok);
  LateralForceState huge = building(0.4, 1, 1, 0.02, 8, {{1e300, 1e300}});
  LateralForceResult h = runLateralForce(huge, "");
  EXPECT_FALSE(h.ok);
  // A base shear that is finite can still overflow the overturning moment: a heavy level at 1 ft under
  // a light one at 1e300 ft gives V of about 1e299 kip acting on a 1e300 ft storey.
  LateralForceState tall = building(0.4, 1, 1, 0.02, 4, {{1, 1e300}, {1e300, 1}});
  LateralForceResult t = runLateralForce(tall, "");
  EXPECT_FALSE(t.ok);
  EXPECT_NE(t.report.find("too large"), std::string::npos);
  EXPECT_EQ(t.report.find("Level,height"), std::string::npos);
  for (const LateralForceResult& x : {r, h, t}) {
    EXPECT_EQ(x.report.find("inf"), std::string::npos);
    EXPECT_EQ(x.report.find("nan"), std::string::npos);
  }
}

class LateralForceSheetTest : public vdtest::ScratchDir {};

TEST_F(LateralForceSheetTest, SheetStoresSelectionsRunsAfterClosingAndRemembersThePeriod) {
  Settings s(ini());
  ScriptRunner r(s, out_, allForms());
  run(r,
      "menu 94 UBC Lateral Forces\n"
      "pick zone 4\npick Standard occupancy\npick \"S = 1.2\"\npick 0.035\npick \"Table 16-N, 'Rw' factor\" #8\n"
      "set Level[1] first\nset \"height, ft\"[1] 12\nset \"weight, kip\"[1] 500\n"
      "set Level[2] second\nset \"height, ft\"[2] 24\nset \"weight, kip\"[2] 500\n"
      "set Level[3] roof\nset \"height, ft\"[3] 36\nset \"weight, kip\"[3] 300\n"
      "set period 0\npress OK\nshow messages\n");
  EXPECT_EQ(s.read("94UBC", "ZONE"), "4");
  EXPECT_EQ(s.read("94UBC", "I"), "3");
  EXPECT_EQ(s.read("94UBC", "Site"), "1");
  EXPECT_EQ(s.read("94UBC", "Ct"), "0");
  EXPECT_EQ(s.read("94UBC", "RW"), "8");
  EXPECT_EQ(s.read("94UBC", "F03"), "roof");
  EXPECT_EQ(s.read("94UBC", "H02"), "24.000");
  EXPECT_EQ(s.read("94UBC", "W01"), "500.00");
  EXPECT_EQ(s.read("94UBC", "PERIOD"), "0.514");  // Method A's period is stored
  EXPECT_EQ(out_.str(), "");                       // no message: the default period was used
  EXPECT_NE(r.padText().find("Table 16-N, Rw =12"), std::string::npos);
  EXPECT_NE(r.padText().find("\r\nroof        ,   36.000,   0.000,   300.00,"), std::string::npos);

  // Reopened: the stored period shows; a different one is used and announced.
  run(r, "menu 94 UBC Lateral Forces\nshow period\nset period 1.0\npress Cancel\n");
  EXPECT_EQ(out_.str(), "0.514\n");
  EXPECT_EQ(s.read("94UBC", "PERIOD"), "0.514");  // Cancel: the values applied last (period 0) are used
  run(r, "menu 94 UBC Lateral Forces\nset period 1.0\npress Apply\npress Cancel\nshow messages\n");
  EXPECT_NE(out_.str().find("Vardelin: You specified your own building period."), std::string::npos);
  EXPECT_EQ(s.read("94UBC", "PERIOD"), "1.000");
}

TEST_F(LateralForceSheetTest, GroundHeightIsGrayedAndFirstRunWithoutFactorsSaysSo) {
  Settings s(ini());
  ScriptRunner r(s, out_, allForms());
  // Apply is grayed until something on the sheet changes: pressing it applies nothing.
  run(r, "menu 94 UBC Lateral Forces\nshow \"height, ft\"[0]\nset \"height, ft\"[0] 5\npress Apply\npress Cancel\n"
         "show messages\n");
  EXPECT_EQ(out_.str().substr(0, 24), "0.00\ngrayed: height, ft\n");
  EXPECT_NE(out_.str().find("Vardelin: No seismic factors were applied"), std::string::npos);
  EXPECT_EQ(r.padText().find("nan"), std::string::npos);
}

TEST_F(LateralForceSheetTest, RowsAreLabelledFromTheRoofDownAndAnInputErrorKeepsTheSheetOpen) {
  Settings s(ini());
  ScriptRunner r(s, out_, allForms());
  run(r, "menu 94 UBC Lateral Forces\n");
  // The labels read top down: level 10 on the top row, level 1 just above the ground.
  std::vector<std::string> labels;
  ASSERT_TRUE(r.currentHost());
  for (const Control& c : r.currentHost()->form().layout().controls)
    if (c.kind == ControlKind::Static && c.label.rfind("Level", 0) == 0) labels.push_back(c.label);
  ASSERT_EQ(labels.size(), 10u);
  EXPECT_EQ(labels.front(), "Level 10 (roof)");
  EXPECT_EQ(labels[1], "Level 9");
  EXPECT_EQ(labels.back(), "Level 1");
  // Filled from the top as if it were level 1: no level 1, so nothing to compute. The sheet stays
  // open with what was typed; the pad is untouched.
  const std::string padBefore = r.padText();
  run(r, "pick zone 4\nset Level[10] roof\nset \"height, ft\"[10] 12\nset \"weight, kip\"[10] 100\npress OK\n"
         "show messages\nshow \"height, ft\"[10]\n");
  EXPECT_NE(out_.str().find("Vardelin: No level has a positive height"), std::string::npos);
  EXPECT_NE(out_.str().find("\n12\n"), std::string::npos) << out_.str();
  EXPECT_TRUE(r.currentHost() != nullptr);
  // Moved to level 1, it runs.
  out_.str("");
  run(r, "set \"height, ft\"[10] \nset \"weight, kip\"[10] \nset \"height, ft\"[1] 12\nset \"weight, kip\"[1] 100\n"
         "press OK\nshow messages\n");
  EXPECT_EQ(out_.str(), "");
  EXPECT_NE(r.padText().find("Base shear V ="), std::string::npos);
  EXPECT_NE(r.padText(), padBefore);
}

TEST_F(LateralForceSheetTest, AComputedPeriodFollowsTheLevelsATypedOneStays) {
  Settings s(ini());
  ScriptRunner r(s, out_, allForms());
  run(r,
      "menu 94 UBC Lateral Forces\n"
      "pick zone 4\npick Standard occupancy\npick \"S = 1.2\"\npick 0.035\npick \"Table 16-N, 'Rw' factor\" #8\n"
      "set \"height, ft\"[1] 12\nset \"weight, kip\"[1] 500\nset \"height, ft\"[2] 24\nset \"weight, kip\"[2] 500\n"
      "set \"height, ft\"[3] 36\nset \"weight, kip\"[3] 300\nset period 0\npress OK\n");
  EXPECT_EQ(s.read("94UBC", "PERIOD"), "0.514");  // 0.035 * 36^0.75
  EXPECT_EQ(s.read("94UBC", "PeriodTyped"), "0");
  out_.str("");
  // A fourth level at 48 ft: T = 0.035 * 48^0.75 = 0.035 * 18.234 = 0.638 s, not the 0.514 shown
  // in the field (which, used, also announced "your own building period").
  run(r, "menu 94 UBC Lateral Forces\nset \"height, ft\"[4] 48\nset \"weight, kip\"[4] 200\npress OK\nshow messages\n");
  EXPECT_EQ(out_.str(), "");
  EXPECT_NE(r.padText().find("Period (modified by the user) = 0.638 seconds"), std::string::npos) << r.padText();
  EXPECT_EQ(s.read("94UBC", "PERIOD"), "0.638");
  // A typed period stays through a change of the levels.
  run(r, "menu 94 UBC Lateral Forces\nset period 1.0\npress OK\n");
  EXPECT_EQ(s.read("94UBC", "PeriodTyped"), "1");
  run(r, "menu 94 UBC Lateral Forces\nset \"height, ft\"[4] 50\npress OK\n");
  EXPECT_NE(r.padText().find("Period (modified by the user) = 1.000 seconds"), std::string::npos);
}

TEST(LateralForcePeriod, ASettingsFileWithoutTheKeyIsReadByComparingWithMethodA) {
  // Levels at 12, 24, 36 ft with Ct 0.035: Method A gives 0.514 s.
  const auto path = std::filesystem::temp_directory_path() / ("vd_period_" + std::to_string(::getpid()) + ".ini");
  Settings s(path);
  s.write("94UBC", "Ct", "0");
  s.write("94UBC", "H01", "12.000");
  s.write("94UBC", "H02", "24.000");
  s.write("94UBC", "H03", "36.000");
  s.write("94UBC", "PERIOD", "0.514");
  EXPECT_FALSE(storedPeriodTyped(s));
  s.write("94UBC", "PERIOD", "0.800");
  EXPECT_TRUE(storedPeriodTyped(s));
  s.write("94UBC", "PERIOD", "0.000");
  EXPECT_FALSE(storedPeriodTyped(s));
  s.write("94UBC", "PeriodTyped", "1");
  EXPECT_TRUE(storedPeriodTyped(s));
  std::filesystem::remove(path);
}

}  // namespace

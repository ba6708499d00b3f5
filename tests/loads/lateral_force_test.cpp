#include <cmath>

#include "loads/lateral_force.h"
#include "support/scratch_dir.h"

using namespace vd;

namespace {

constexpr double kSkip = 1e300;  // not checked

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

// Period, coefficient, base shear and top force against hand calculations (the report text and the
// sheet's flow are in tests/golden/loads/lateral_force_sheet.txt and examples/loads).
TEST(LateralForce, BaseShearAgainstHandCalculations) {
  struct Case {
    const char* name;
    double Z, I, S, Ct;
    int Rw;
    std::vector<std::pair<double, double>> levels;
    double period, T, C, V, Ft;
  };
  std::vector<std::pair<double, double>> ten;
  for (int i = 1; i <= 10; ++i) ten.push_back({13.0 * i, i == 10 ? 600.0 : 900.0});
  const Case cases[] = {
      // T = 0.035*36^0.75 = 0.514393 s; C = 1.25*1.2/T^0.667 = 2.336994; V = 0.4*C/12*1300 = 101.2697; no Ft below 0.7 s.
      {"three levels", 0.4, 1.0, 1.2, 0.035, 12, {{12, 500}, {24, 500}, {36, 300}}, 0, 0.514393, 2.336994, 101.2697, 0},
      // T = 0.02*10^0.75 = 0.112468 s: 1.25/T^0.667 = 5.37, capped at 2.75; V = 0.4*2.75/8*100 = 13.75.
      {"coefficient cap", 0.4, 1.0, 1.0, 0.02, 8, {{10, 100}}, 0, 0.112468, 2.75, 13.75, 0},
      // Rw 12, T = 4 s typed: 1.25/4^0.667 = 0.496 < the floor 0.075*12 = 0.9; V = 0.4*0.9/12*100 = 3.0;
      // Ft = 0.07*4*V = 0.28 V, held at 0.25 V = 0.75.
      {"coefficient floor", 0.4, 1.0, 1.0, 0.035, 12, {{10, 100}}, 4.0, 4.0, 0.9, 3.0, 0.75},
      // T = 0.7 s typed: C = 1.25/0.7^0.667 = 1.585731, V = 0.4*C/8*100 = 7.928657, Ft = 0.07*0.7 V = 0.388504.
      {"top force at 0.7 s", 0.4, 1.0, 1.0, 0.02, 8, {{10, 100}}, 0.7, 0.7, 1.585731, 7.928657, 0.388504},
      {"no top force at 0.69 s", 0.4, 1.0, 1.0, 0.02, 8, {{10, 100}}, 0.69, 0.69, kSkip, kSkip, 0},
      // hn = 130: T = 0.035*130^0.75 = 1.347490 s; C = 1.875/T^0.667 = 1.536766; W = 8700,
      // V = 0.4*C/12*8700 = 445.6621; Ft = 0.07*T*V = 42.03677.
      {"ten levels", 0.4, 1.0, 1.5, 0.035, 12, ten, 0, 1.347490, 1.536766, 445.6621, 42.03677},
      // One level of 250 kip at 14 ft, zone 3, I 1.25: T = 0.03*14^0.75 = 0.217129, C capped 2.75,
      // V = 0.3*1.25*2.75/6*250 = 42.96875.
      {"one level", 0.3, 1.25, 1.5, 0.03, 6, {{14, 250}}, 0, 0.217129, 2.75, 42.96875, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    LateralForceState s = building(c.Z, c.I, c.S, c.Ct, c.Rw, c.levels, c.period);
    const LateralForceResult r = runLateralForce(s, "J");
    ASSERT_TRUE(r.ok) << r.problem;
    EXPECT_NEAR(r.period, c.T, 5e-7);
    if (c.C != kSkip) {
      EXPECT_NEAR(r.C, c.C, 5e-7);
      EXPECT_NEAR(r.V, c.V, 5e-5);
    }
    EXPECT_NEAR(r.Ft, c.Ft, 5e-6);
    EXPECT_EQ(r.ownPeriod, c.period != 0);
    // The forces add up to V; the base takes V and the overturning sum Fx hx.
    double sumF = 0, otm = 0;
    for (int i = 1; i <= r.n; ++i) sumF += s.levels[i].force, otm += s.levels[i].force * s.levels[i].height;
    EXPECT_NEAR(sumF, r.V, 1e-9);
    EXPECT_NEAR(s.levels[0].shearAbove, r.V, 1e-9);
    EXPECT_NEAR(s.levels[0].overturning, otm, 1e-6);
  }
  // Three levels: Fx = V hx wx / sum(hw), sum = 6000 + 12000 + 10800 = 28800: top 101.2697*10800/28800 = 37.97615;
  // base overturning V*(6000*12 + 12000*24 + 10800*36)/28800 = 2633.013.
  LateralForceState s = building(0.4, 1.0, 1.2, 0.035, 12, {{12, 500}, {24, 500}, {36, 300}});
  runLateralForce(s, "");
  EXPECT_NEAR(s.levels[3].force, 37.97615, 5e-5);
  EXPECT_NEAR(s.levels[2].shearAbove, 37.97615, 5e-5);
  EXPECT_NEAR(s.levels[0].overturning, 2633.013, 5e-3);
}

TEST(LateralForce, OneLevelAndAGapInTheLevels) {
  LateralForceState one = building(0.3, 1.25, 1.5, 0.03, 6, {{14, 250}});
  ASSERT_TRUE(runLateralForce(one, "").ok);
  EXPECT_EQ(one.levels[1].storeyHeight, 0.0);
  EXPECT_EQ(one.levels[1].shearAbove, 0.0);
  EXPECT_EQ(one.levels[0].storeyHeight, 14.0);
  // Levels 1-3, level 4 empty, level 5 filled: only 1-3 count.
  LateralForceState gap = building(0.4, 1.0, 1.0, 0.02, 8, {{10, 100}, {20, 100}, {30, 100}, {0, 100}, {50, 100}});
  LateralForceResult g = runLateralForce(gap, "");
  EXPECT_EQ(g.n, 3);
  EXPECT_EQ(g.hn, 30.0);
  EXPECT_EQ(g.W, 300.0);
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

TEST_F(LateralForceSheetTest, RowsAreLabelledFromTheRoofDown) {
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
  run(r, "press Cancel\n");
}

TEST_F(LateralForceSheetTest, ASettingsFileWithoutTheKeyIsReadByComparingWithMethodA) {
  // Levels at 12, 24, 36 ft with Ct 0.035: Method A gives 0.514 s.
  Settings s(ini());
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
}

}  // namespace

// Tied column against an independent strain-compatibility calculation.
#include <algorithm>
#include <cmath>
#include <vector>

#include "concrete/column_state.h"
#include "concrete/tied_column.h"
#include "concrete_test_util.h"
#include "test_support.h"

using namespace vd;
using vdtest::endsWith;
using vdtest::numberAfter;
using vdtest::startsWith;

namespace {

struct Bar {
  double area, depth;
};

struct Section {
  double fc, fy, b, h, beta1;
  std::vector<Bar> bars;  // deepest first
};

struct Nominal {
  double P, M;  // kip, kip-in about mid-depth
};

// Linear strain, 0.003 at the compression face; steel elastic-perfectly plastic; concrete block
// 0.85*f'c over beta1*c (at most h), bars inside the block net of the concrete they displace.
Nominal compatibility(const Section& s, double c) {
  const double a = std::min(s.beta1 * c, s.h);
  const double C = 0.85 * s.fc * a * s.b;
  Nominal n{C, C * (s.h / 2 - a / 2)};
  for (const Bar& bar : s.bars) {
    const double strain = 0.003 * (c - bar.depth) / c;
    double stress = std::clamp(29000 * strain, -s.fy, s.fy);
    if (bar.depth <= s.beta1 * c) stress -= 0.85 * s.fc;
    n.P += bar.area * stress;
    n.M += bar.area * stress * (s.h / 2 - bar.depth);
  }
  return n;
}

// Neutral axis for the deepest bar strained to v times the yield strain.
double neutralAxis(const Section& s, double v) {
  return 0.003 * s.bars[0].depth / (0.003 - v * s.fy / 29000);
}

const double kSteps[37] = {1.0,  0.75, 0.5,  0.375, 0.25, 0.125, 0.0,    -0.125, -0.25,  -0.375, -0.5,  -0.625, -0.875,
                           -1.0, -1.2, -1.4, -1.6,  -1.8, -2.0,  -2.2,   -2.4,   -2.6,   -2.8,   -3.0,  -3.333, -3.667,
                           -4.0, -4.333, -4.667, -5.0, -5.5, -6.0, -7.0, -7.5, -8.0, -10.0, -13.0};

BarRows rowsOf(const Section& s) {
  BarRows rows{};
  for (std::size_t i = 0; i < s.bars.size(); ++i) rows[i] = {s.bars[i].area, s.bars[i].depth, 0, 0};
  return rows;
}

// 16 x 16 in. column, 2 #9 top and bottom (2.0 in^2 a face) at 2.5 in. cover to centre.
const Section kFourBar{4, 60, 16, 16, 0.85, {{2.0, 13.5}, {2.0, 2.5}}};
// 12 x 20 in. column, f'c = 5 ksi (beta1 0.80), three rows of #8 bars.
const Section kThreeRow{5, 60, 12, 20, 0.80, {{2.37, 17.5}, {1.58, 10.0}, {2.37, 2.5}}};

class Silent : public Messenger {
 public:
  void message(std::string_view caption, std::string_view text, MessageIcon) override {
    shown.push_back(std::string(caption) + ": " + std::string(text));
  }
  bool askYesNo(std::string_view caption, std::string_view text) override {
    shown.push_back(std::string(caption) + "? " + std::string(text));
    return answer;
  }
  std::vector<std::string> shown;
  bool answer = false;
};

TiedColumnInputs inputsOf(const Section& s) {
  TiedColumnInputs in;
  in.fc = s.fc;
  in.fy = s.fy;
  in.b = s.b;
  in.h = s.h;
  in.rows = rowsOf(s);
  return in;
}

TEST(TiedColumn, StrainStepsAreTheWalk) {
  ASSERT_EQ(strainSteps.size(), 37u);
  for (int i = 0; i < 37; ++i) EXPECT_EQ(strainSteps[i], kSteps[i]) << i;
  EXPECT_EQ(std::count(strainSteps.begin(), strainSteps.end(), -0.75), 0);
}

TEST(TiedColumn, NominalStatesMatchStrainCompatibility) {
  for (const Section* s : {&kFourBar, &kThreeRow}) {
    BarRows rows = rowsOf(*s);
    TiedColumn col(s->fc, s->fy, s->b, s->h, rows);
    EXPECT_EQ(col.rowCount, static_cast<int>(s->bars.size()));
    EXPECT_EQ(col.beta1, s->beta1);
    const auto states = col.nominalStates();
    for (int i = 0; i < 37; ++i) {
      const Nominal n = compatibility(*s, neutralAxis(*s, kSteps[i]));
      EXPECT_NEAR(states[i].P, n.P, 1e-9 * (1 + std::fabs(n.P))) << "step " << kSteps[i];
      EXPECT_NEAR(states[i].M, n.M, 1e-9 * (1 + std::fabs(n.M))) << "step " << kSteps[i];
    }
  }
}

TEST(TiedColumn, SquatLoadBalancePointAndPureTension) {
  BarRows rows = rowsOf(kFourBar);
  TiedColumn col(4, 60, 16, 16, rows);
  // P0 = 0.85*4*(256 - 4) + 60*4 = 856.8 + 240 = 1096.8 kip.
  EXPECT_NEAR(col.P0, 1096.8, 1e-9);
  EXPECT_NEAR(col.PnMax, 877.44, 1e-9);
  EXPECT_EQ(col.Pt, -240.0);
  col.nominalStates();
  // Balance: c = 0.003*13.5/(0.003 + 60/29000) = 7.990 in, a = 6.791 in.
  // Cc = 0.85*4*6.791*16 = 369.4; top bars strain 0.003*(7.990 - 2.5)/7.990 = 0.002061 -> 59.78 ksi less 3.4;
  // bottom bars yield in tension: Pb = 369.4 + 2*(59.78 - 3.4) - 120 = 362.2 kip.
  const Nominal bal = compatibility(kFourBar, 0.003 * 13.5 / (0.003 + 60.0 / 29000));
  EXPECT_NEAR(col.Pb, bal.P, 1e-9);
  EXPECT_NEAR(col.Mb, bal.M, 1e-9);
  EXPECT_NEAR(col.Pb, 362.2, 0.1);
  // phi grows from 0.1*f'c*Ag/0.7 = 146.3 kip, below Pb.
  EXPECT_NEAR(col.phiThreshold, 0.1 * 4 * 256 / 0.7, 1e-9);
}

TEST(TiedColumn, PhiIsSevenTenthsUntilBeyondBalance) {
  BarRows rows = rowsOf(kFourBar);
  TiedColumn col(4, 60, 16, 16, rows);
  const auto states = col.nominalStates();
  const double threshold = 0.1 * 4 * 256 / 0.7;
  for (int i = 0; i < 37; ++i) {
    const double P = states[i].P;
    const double expected = (kSteps[i] < -1.0 && P < threshold) ? std::min(0.9, 0.9 - 0.2 * P / threshold) : 0.7;
    EXPECT_NEAR(states[i].phi, expected, 1e-12) << kSteps[i];
  }
  EXPECT_EQ(states.back().phi, 0.9);
}

TEST(TiedColumn, DesignPointsSortedWithLimitsAndSummary) {
  Silent ui;
  const TiedColumnResult res = calculateTiedColumn(inputsOf(kFourBar), ui);
  EXPECT_TRUE(ui.shown.empty());
  const InteractionDiagram& d = res.diagram;
  ASSERT_TRUE(d.complete);
  ASSERT_EQ(d.points.size(), 41u);
  for (std::size_t i = 1; i < d.points.size(); ++i) EXPECT_GE(d.points[i - 1].P, d.points[i].P);
  // Top of the curve: (0, 0.8*P0) at phi 0.7; bottom: pure tension at phi 0.9.
  EXPECT_EQ(d.points.front().M, 0.0);
  EXPECT_NEAR(d.points.front().P, 0.7 * 877.44, 1e-9);
  EXPECT_EQ(d.points.back().M, 0.0);
  EXPECT_NEAR(d.points.back().P, -0.9 * 240, 1e-12);
  EXPECT_NEAR(d.tension.P, -216.0, 1e-12);

  // High limit: the moment where the strain walk drops below 0.8*P0, interpolated linearly.
  std::vector<Nominal> walk;
  for (double v : kSteps) walk.push_back(compatibility(kFourBar, neutralAxis(kFourBar, v)));
  const double cap = 877.44;
  std::size_t k = 0;
  while (walk[k + 1].P > cap) ++k;
  const double mHigh = walk[k].M + (walk[k + 1].M - walk[k].M) * (cap - walk[k].P) / (walk[k + 1].P - walk[k].P);
  ASSERT_TRUE(d.highLimit.has_value());
  EXPECT_NEAR(d.highLimit->M, 0.7 * mHigh, 1e-9);
  EXPECT_NEAR(d.highLimit->P, 0.7 * (cap - 0.002), 1e-9);
  // Zero point likewise at P = 0.
  std::size_t z = 0;
  while (walk[z + 1].P > 0) ++z;
  const double mZero = walk[z].M - (walk[z + 1].M - walk[z].M) * walk[z].P / (walk[z + 1].P - walk[z].P);
  ASSERT_TRUE(d.zero.has_value());
  EXPECT_NEAR(d.zero->M, 0.9 * mZero, 1e-9);
  const Nominal bal = compatibility(kFourBar, neutralAxis(kFourBar, -1.0));
  EXPECT_NEAR(d.balance.M, 0.7 * bal.M, 1e-9);
  EXPECT_NEAR(d.balance.P, 0.7 * bal.P, 1e-9);

  // States above the cap are listed just below it, with their own moments.
  const std::string& r = res.report;
  EXPECT_NE(r.find(format("\r\n  Mom= %.3lf kip-ft,  P= 877.439,   phi= 0.700   P*phi= 614.207 kip", 0.7 * walk[k].M / 12)),
            std::string::npos);
  EXPECT_NE(r.find(format("\r\n  Mom= %.3lf kip-ft,  P= 877.438,   phi= 0.700", 0.7 * mHigh / 12)), std::string::npos);
  EXPECT_NE(r.find("\r\n  Mom= 0.000 kip-ft,  P= 877.440,   phi= 0.700   P*phi= 614.208 kip"), std::string::npos);
  EXPECT_TRUE(endsWith(r, "\r\n  Mom= 0.000 kip-ft,  P= -240.000,   phi= 0.900   P*phi= -216.000 kip"));
  EXPECT_NE(r.find("\r\n Ag=256.00 in^2,    As= 4.00 in^2,   Ixx =5461.3 in^4,    Iyy =5461.3 in^4\r\n (A_st) / (A_g) = "
                   "4.00/256.00 = 1.562%\r\n"),
            std::string::npos);

  // The file lists the rows, then the same points.
  EXPECT_TRUE(startsWith(res.file,
                         "\n number of rows= 2\n\n area= 2.000 in^2, dist =13.50\n area= 2.000 in^2, dist =2.50\n\n  Mom=    0.000"));
  EXPECT_NE(res.file.find("  Mom=    0.000 kip-ft  phi= 0.900  P= -240.000   phi*P= -216.000 kip\n"), std::string::npos);
}

TEST(TiedColumn, ThreeRowSection) {
  Silent ui;
  const TiedColumnResult res = calculateTiedColumn(inputsOf(kThreeRow), ui);
  ASSERT_TRUE(res.diagram.complete);
  // P0 = 0.85*5*(240 - 6.32) + 60*6.32 = 993.14 + 379.2 = 1372.34 kip.
  EXPECT_NEAR(res.diagram.points.front().P, 0.7 * 0.8 * 1372.34, 1e-9);
  EXPECT_NEAR(res.diagram.tension.P, -0.9 * 60 * 6.32, 1e-9);
  const Nominal bal = compatibility(kThreeRow, neutralAxis(kThreeRow, -1.0));
  EXPECT_NEAR(res.diagram.balance.P, 0.7 * bal.P, 1e-9);
  EXPECT_NEAR(res.diagram.balance.M, 0.7 * bal.M, 1e-9);
  // The middle row is elastic at balance: strain 0.003*(c - 10)/c with c = 0.003*17.5/(0.003 + 60/29000).
  const double c = 0.003 * 17.5 / (0.003 + 60.0 / 29000);
  BarRows rows = rowsOf(kThreeRow);
  TiedColumn col(5, 60, 12, 20, rows);
  col.strainState(-1.0);
  EXPECT_NEAR(rows[1].stressRatio, 29000 * 0.003 * (c - 10) / c / 60, 1e-12);
  EXPECT_EQ(rows[0].stressRatio, -1.0);
  EXPECT_NE(res.report.find("\r\n number of rows of steel reinforcements= 3\r\n  row(0)  area= 2.370 in^2  & dist= 17.500 in"
                            "\r\n  row(1)  area= 1.580 in^2  & dist= 10.000 in"),
            std::string::npos);
}

TEST(TiedColumn, SingleFaceOfBars) {
  // One row at mid-depth, 16 x 16, 1%: the states still run; balance is the step -1.
  Section s{4, 60, 16, 16, 0.85, {{2.56, 8.0}}};
  BarRows rows = rowsOf(s);
  TiedColumn col(4, 60, 16, 16, rows);
  const auto states = col.nominalStates();
  EXPECT_EQ(col.rowCount, 1);
  EXPECT_EQ(col.Pb, states[13].P);
  EXPECT_NEAR(col.Pb, compatibility(s, neutralAxis(s, -1.0)).P, 1e-9);
}

TEST(TiedColumn, WalkThatNeverReachesTheCapOrZero) {
  // Fy = 10 ksi, one row 6 in. deep: the first state is already below 0.8*P0 and the last still in compression.
  Section s{4, 10, 16, 16, 0.85, {{2.56, 6.0}}};
  Silent ui;
  const TiedColumnResult res = calculateTiedColumn(inputsOf(s), ui);
  ASSERT_TRUE(res.diagram.complete);
  EXPECT_FALSE(res.diagram.highLimit.has_value());
  EXPECT_FALSE(res.diagram.zero.has_value());
  EXPECT_EQ(res.diagram.points.size(), 39u);
  EXPECT_NE(res.report.find("no high limit point"), std::string::npos);
  EXPECT_NE(res.report.find("no zero point"), std::string::npos);
  EXPECT_FALSE(vdtest::hasNonFinite(res.report));
  EXPECT_FALSE(vdtest::hasNonFinite(res.file));
}

TEST(TiedColumn, ReinforcementRatioLimits) {
  auto run = [](double area, bool answer, Silent& ui) {
    TiedColumnInputs in;
    in.fc = 4;
    in.fy = 60;
    in.b = 16;
    in.h = 16;
    in.rows[0] = {area / 2, 13.5, 0, 0};
    in.rows[1] = {area / 2, 2.5, 0, 0};
    ui.answer = answer;
    return calculateTiedColumn(in, ui);
  };
  const std::string question =
      "Vardelin? 2002 ACI 10.9.1 limits the lowest reinfoecement ratio to 1% in the\r\nhigh seismic regions.  Revise "
      "beam width to meet it?";
  {
    Silent ui;  // 1.0/256 = 0.39%
    auto res = run(1.0, false, ui);
    EXPECT_EQ(ui.shown, std::vector<std::string>{"Vardelin: 95 ACI 10.9.1 limits the lowest reinfoecement ratio to 0.5%."});
    EXPECT_TRUE(endsWith(res.report, "\r\n 95 ACI 10.9.1 limits the lowest reinfoecement ratio to 0.5%."));
    EXPECT_FALSE(res.diagram.complete);
    EXPECT_NE(res.report.find("row(1)"), std::string::npos);  // header and rows are still there
  }
  {
    Silent ui;  // 1.28/256 = 0.5% exactly: no question, too low without the revision
    auto res = run(1.28, true, ui);
    EXPECT_TRUE(ui.shown.empty());
    EXPECT_NE(res.report.find("\r\n 95 ACI 10.9.1 limits the lowest reinfoecement ratio above 1%."), std::string::npos);
    EXPECT_FALSE(res.diagram.complete);
  }
  {
    Silent ui;  // 0.75%, answered No
    auto res = run(1.92, false, ui);
    EXPECT_EQ(ui.shown, std::vector<std::string>{question});
    EXPECT_NE(res.report.find("ratio above 1%."), std::string::npos);
    EXPECT_FALSE(res.diagram.complete);
  }
  {
    Silent ui;  // 0.75%, answered Yes: width 16*0.75 = 12 in. makes exactly 1%
    auto res = run(1.92, true, ui);
    EXPECT_EQ(ui.shown, std::vector<std::string>{question});
    EXPECT_NE(res.report.find("\r\n\r\n Column width reduced to accommodate the low V-bar ratio w =12.00 in"),
              std::string::npos);
    EXPECT_NE(res.report.find("(A_st) / (A_g) = 1.92/192.00 = 1.000%"), std::string::npos);
    ASSERT_TRUE(res.diagram.complete);
    // The states are those of the 12 in. wide section: P0 = 0.85*4*(192 - 1.92) + 60*1.92.
    EXPECT_NEAR(res.diagram.points.front().P, 0.7 * 0.8 * (0.85 * 4 * (192 - 1.92) + 60 * 1.92), 1e-9);
    Section narrow{4, 60, 12, 16, 0.85, {{0.96, 13.5}, {0.96, 2.5}}};
    const Nominal bal = compatibility(narrow, neutralAxis(narrow, -1.0));
    EXPECT_NEAR(res.diagram.balance.P, 0.7 * bal.P, 1e-9);
    // phi starts again from 0.7 for the new width.
    EXPECT_NEAR(res.diagram.points[2].phi, 0.7, 1e-12);
  }
  {
    Silent ui;  // 2.56/256 = 1% and 20.48/256 = 8% exactly are accepted
    EXPECT_TRUE(run(2.56, false, ui).diagram.complete);
    EXPECT_TRUE(run(20.48, false, ui).diagram.complete);
    EXPECT_TRUE(ui.shown.empty());
  }
  {
    Silent ui;  // 9%
    auto res = run(23.04, false, ui);
    EXPECT_EQ(ui.shown, std::vector<std::string>{"Vardelin: 95 ACI 10.9.1 limits the highest reinfoecement ratio within 8%."});
    EXPECT_NE(res.report.find("\r\n 95 ACI 10.9.1 limits the highest reinfoecement ratio within 8%.\r\n 95 ACI Commentary "
                              "R10.9.1 The percentage of reinforcement should usually\r\n not exceed 4% if the column "
                              "bars are required to be lap spliced."),
              std::string::npos);
    EXPECT_FALSE(res.diagram.complete);
  }
}

TEST(TiedColumn, BadRowsStopWithTheirMessage) {
  struct Case {
    BarRow r0, r1;
    double h;
    std::string message;
  };
  const Case cases[] = {
      {{2, 2.5, 0, 0}, {2, 13.5, 0, 0}, 16, "Input distance (d)i needs to be in descending order.\r\nRetry again."},
      {{2, 15.26, 0, 0}, {2, 2.5, 0, 0}, 16, "Can't have bar located outside the column.\r\n STOPED!"},
      {{2, 13.5, 0, 0}, {2, 0.0, 0, 0}, 16, "Can't have bar located outside the column.\r\n STOPED!"},
      {{2, 13.5, 0, 0}, {-2, 2.5, 0, 0}, 16, "Input area (As)i can't be negative.\r\nRetry again."},
      {{2, 13.5, 0, 0}, {2, 2.5, 0, 0}, 0, "Can't have bar located outside the column.\r\n STOPED!"},
  };
  for (const Case& c : cases) {
    TiedColumnInputs in;
    in.fc = 4;
    in.fy = 60;
    in.b = 16;
    in.h = c.h;
    in.rows[0] = c.r0;
    in.rows[1] = c.r1;
    Silent ui;
    const TiedColumnResult res = calculateTiedColumn(in, ui);
    EXPECT_EQ(ui.shown, std::vector<std::string>{"Vardelin: " + c.message});
    EXPECT_FALSE(res.diagram.complete);
    EXPECT_TRUE(endsWith(res.report, "\r\n " + c.message));
  }
  // The last bar allowed sits at h - 0.75.
  TiedColumnInputs ok = inputsOf(kFourBar);
  ok.rows[0].dist = 15.25;
  Silent ui;
  EXPECT_TRUE(calculateTiedColumn(ok, ui).diagram.complete);
  EXPECT_TRUE(ui.shown.empty());
}

TEST(TiedColumn, MissingMaterialOrSectionStopsCleanly) {
  for (int which = 0; which < 4; ++which) {
    TiedColumnInputs in = inputsOf(kFourBar);
    (which == 0 ? in.fc : which == 1 ? in.fy : in.b) = 0;
    if (which == 3) {
      in.b = 16;
      in.h = 0;
      in.rows = BarRows{};
    }
    Silent ui;
    const TiedColumnResult res = calculateTiedColumn(in, ui);
    EXPECT_FALSE(res.diagram.complete) << which;
    ASSERT_EQ(ui.shown.size(), 1u) << which;
    EXPECT_NE(ui.shown[0].find("Can't handle"), std::string::npos) << ui.shown[0];
    EXPECT_FALSE(vdtest::hasNonFinite(res.report)) << which;
  }
}

TEST(TiedColumn, DiagramScale) {
  InteractionDiagram d;
  d.points = {{0, 600.9, 0.7}, {1500.7, 100, 0.7}, {0, -216.5, 0.9}};
  const DiagramScale s = diagramScale(d);
  EXPECT_EQ(s.Mmax, 1500);
  EXPECT_EQ(s.Pmax, 600);
  EXPECT_EQ(s.Pmin, -216);
  EXPECT_TRUE(s.usable());
  d.points = {{0.9, 10, 0.7}, {0, -5, 0.9}};
  EXPECT_FALSE(diagramScale(d).usable());  // largest moment truncates to 0
  d.points = {{50, 0.5, 0.7}, {10, 0.2, 0.9}};
  EXPECT_FALSE(diagramScale(d).usable());  // no load range
}

class TiedColumnFormTest : public vdtest::ScratchDir {
 protected:
  static std::string columnScript(const std::string& rows, const std::string& extra = "") {
    return "menu Rect. Conc Column\nset \"Location of this column:\" grid C-4\n" + rows +
           "set Fc' 4\nset Fy 60\nset \"Width at comp. side b\" 16\nset \"Depth d\" 16\nset vert 9\nset ties 3\n"
           "set \"Clear height\" 12\nset \"Vert. load\" 300\nset \"Moment load\" 150\n" +
           extra + "press Calculate\nshow messages\n";
  }
  static constexpr const char* kFourBarRows =
      "set \"(As)i\"[0,0] 2.0\nset \"(As)i\"[0,1] 13.5\nset \"(As)i\"[1,0] 2.0\nset \"(As)i\"[1,1] 2.5\n";
};

TEST_F(TiedColumnFormTest, CalculateOkAndTheDiagram) {
  Settings s(ini());
  ScriptRunner r(s, out_, allForms());
  r.state().jobNumber = "J-77";
  run(r, "show menu Conc. Interaction\n" + columnScript(kFourBarRows) + "press OK\nshow menu Conc. Interaction\n");
  EXPECT_EQ(out_.str(), "grayed\nenabled\n");
  const std::string& pad = r.padText();
  EXPECT_TRUE(startsWith(pad, " Job number or ID: J-77\r\n grid C-4\r\n\r\n CONCRETE TIE COLUMNS -- DESIGN FOR PURE COMPRESSION\r\n"));
  EXPECT_NE(pad.find(" f'c =4.00 ksi  Fy =60.00 ksi.  width =16.00 in   depth =16.00 in\r\n Clear column height = 12.00 "
                     "ft.\r\n Vertical bar size =  9   tie size =  3\r\n (P)u =300.00 kip,   (M)u =150.00 k-ft\r\n Ec =3605 "
                     "ksi  eu =0.003 in/in   Es =29000.0 ksi\r\n Block stress profile, Beta1 =0.85"),
            std::string::npos);
  EXPECT_TRUE(std::filesystem::exists("tieCol.wri"));
  EXPECT_EQ(slurp("tieCol.wri").substr(0, 20), "\n number of rows= 2\n");
  EXPECT_EQ(s.read("TIECOL", "00_Dist"), "13.500");
  EXPECT_EQ(s.read("TIECOL", "Vsize"), "9");
  EXPECT_EQ(s.read("TIECOL", "MomLoad"), "150.000");
  EXPECT_EQ(r.state().module<ColumnState>().diagram.points.size(), 41u);

  // The diagram form draws the last calculation.
  run(r, "menu Conc. Interaction\npress OK\n");
  EXPECT_TRUE(std::filesystem::exists("Concol.emf"));
  EXPECT_GT(std::filesystem::file_size("Concol.emf"), 100u);

  // The form opens with every stored input.
  const std::size_t before = out_.str().size();
  run(r, "menu Rect. Conc Column\nshow \"(As)i\"[1,1]\nshow Fy\nshow \"Moment load\"\npress Cancel\n");
  EXPECT_EQ(out_.str().substr(before), "2.500\n60.00\n150.000\n");
}

TEST_F(TiedColumnFormTest, RowsOutOfOrderKeepTheProgramAndTheInputs) {
  Settings s(ini());
  ScriptRunner r(s, out_, allForms());
  run(r, columnScript("set \"(As)i\"[0,0] 2\nset \"(As)i\"[0,1] 2.5\nset \"(As)i\"[1,0] 2\nset \"(As)i\"[1,1] 13.5\n") +
             "show \"(As)i\"[1,1]\n");
  EXPECT_EQ(out_.str(), "Vardelin: Input distance (d)i needs to be in descending order.\nRetry again.\n13.5\n");
  ASSERT_NE(r.currentHost(), nullptr);  // the form is still up
  EXPECT_EQ(s.read("TIECOL", "01_Dist"), "13.500");
  // Fixing the row and calculating again works.
  run(r, "set \"(As)i\"[0,1] 13.5\nset \"(As)i\"[1,1] 2.5\npress Calculate\nshow messages\npress OK\n");
  EXPECT_NE(r.padText().find("P= -240.000"), std::string::npos);
}

TEST_F(TiedColumnFormTest, MaterialLimitsAreStoredAsLimited) {
  Settings s(ini());
  ScriptRunner r(s, out_, allForms());
  run(r, columnScript(kFourBarRows, "set Fy 90\nset Fc' 12\n") + "press OK\n");
  EXPECT_EQ(out_.str(), "Debug: Vardelin set a limit of 10.0 ksi on f'c.\nDebug: 95 ACI 9.4 limit of 80.0 ksi on Fy.\n");
  EXPECT_EQ(s.read("TIECOL", "Fyield"), "80.00");
  EXPECT_EQ(s.read("TIECOL", "F'c"), "10.00");
  EXPECT_NE(r.padText().find(" f'c =10.00 ksi  Fy =80.00 ksi."), std::string::npos);
}

TEST_F(TiedColumnFormTest, WidthRevisionByYesAnswer) {
  Settings s(ini());
  ScriptRunner r(s, out_, allForms());
  run(r, columnScript("set \"(As)i\"[0,0] 0.96\nset \"(As)i\"[0,1] 13.5\nset \"(As)i\"[1,0] 0.96\nset \"(As)i\"[1,1] 2.5\n",
                      "answer yes\n") +
             "press OK\n");
  EXPECT_NE(out_.str().find("Revise beam width to meet it?"), std::string::npos);
  EXPECT_NE(r.padText().find("low V-bar ratio w =12.00 in"), std::string::npos);
}

TEST_F(TiedColumnFormTest, DiagramWithoutACalculationOrWithoutExtent) {
  Settings s(ini());
  ScriptRunner r(s, out_, allForms());
  // OK without a calculation enables the diagram, which has nothing to draw yet.
  run(r, "menu Rect. Conc Column\npress OK\nmenu Conc. Interaction\npress OK\n");
  EXPECT_FALSE(std::filesystem::exists("Concol.emf"));
  // A curve too small for a whole-number scale draws its frame and a note, never a division by zero.
  InteractionDiagram& d = r.state().module<ColumnState>().diagram;
  d.points = {{0, 0.4, 0.7}, {0.5, 0.2, 0.7}, {0, -0.3, 0.9}};
  d.complete = true;
  run(r, "menu Conc. Interaction\nshow messages\npress OK\n");
  EXPECT_TRUE(std::filesystem::exists("Concol.emf"));
}

}  // namespace

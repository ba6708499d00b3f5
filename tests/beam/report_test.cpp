// The key numbers of the three analyses against hand calculations, and their input checks. The report
// texts themselves are held by the golden scripts (tests/golden/beam, examples/beam).
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "beam/beam_analysis.h"
#include "beam/beam_inputs.h"
#include "beam/cantilever_analysis.h"
#include "beam/overhang_right_analysis.h"
#include "beam_test_tables.h"

using namespace vd;

namespace {

enum class Kind { Simple, OverhangLeft, OverhangRight, Cantilever };

std::unique_ptr<BeamAnalysisBase> analysis(Kind k, BeamLoadTable& t) {
  if (k == Kind::OverhangRight) return std::make_unique<OverhangRightAnalysis>(t);
  if (k == Kind::Cantilever) return std::make_unique<CantileverAnalysis>(t);
  return std::make_unique<BeamAnalysis>(t);  // simple span and overhang at the left
}

struct Load {
  int row;
  double magnitude, position, end;
};

constexpr double kSkip = 1e300;  // a number the case does not check

// I = 100 in^4, E = 29000 ksi throughout: EI = 29000*144*100/20736 = 20138.889 kip-ft^2.
// Deflections in inches, down negative; for the cantilever RL is 0 and RR the wall's reaction.
struct HandCase {
  const char* name;
  Kind kind;
  double L, s;
  std::vector<Load> loads;
  double Mpos, Mneg, RL, RR, down, Vmax, cb;
};

const HandCase kHandCases[] = {
    // R = P/2 = 5, M = PL/4 = 50; PL^3/48EI = 10*8000/966666.7 ft = 0.99310 in;
    // Cb = 12.5*50/(2.5*50 + 3*25 + 4*50 + 3*25) = 1.31579.
    {"central point load", Kind::Simple, 20, 20, {{kPointRow, 10, 10, 0}}, 50, 0, 5, 5, -0.99310, 5, 1.31579},
    // wL^2/8 = 60, R = 12; 5wL^4/384EI = 960000/7733333 ft = 1.48966 in; Cb = 12.5/11 = 1.13636.
    {"full uniform load", Kind::Simple, 20, 20, {{kUniformRow, 1.2, 0, 20}}, 60, 0, 12, 12, -1.48966, 12, 1.13636},
    // W1 = 3.3*7/2 = 11.55 at 2 + 14/3, W2 = 1.7*7/2 = 5.95 at 12 + 7/3 (apex intensities):
    // RR = (11.55*6.6667 + 5.95*14.3333)/20 = 8.11417, RL = 17.5 - RR = 9.38583. The zero-length
    // triangle adds nothing.
    {"triangles",
     Kind::Simple,
     20,
     20,
     {{kAscendingRow, 3.3, 2, 9}, {kDescendingRow + 1, 1.7, 12, 19}, {kAscendingRow + 1, 5, 6, 6}},
     kSkip, 0, 9.38583, 8.11417, kSkip, 9.38583, kSkip},
    // A couple of 5 k-ft at the left end: R = -+5/20 = 0.25; M drops from 5 to 0.
    {"moment at the left end", Kind::Simple, 20, 20, {{kMomentRow, 5, 0, 0}}, 5, 0, -0.25, 0.25, kSkip, -0.25, kSkip},
    // 6 k-ft at the right end: just left of the support R_L*L = -0.3*20 = -6; no positive moment.
    {"moment at the right end", Kind::Simple, 20, 20, {{kMomentRow + 2, 6, 20, 0}}, 0, -6, -0.3, 0.3, kSkip, kSkip,
     kSkip},
    // 10 ft, 1 kip at 5: PL^3/48EI = 1000/966666.7 ft = 0.012414 in (span ratio 9666.7).
    {"short span", Kind::Simple, 10, 10, {{kPointRow, 1, 5, 0}}, 2.5, 0, 0.5, 0.5, -0.012414, 0.5, kSkip},
    // L = 25, s = 20, 10 k-ft at 19.9: R_L = -0.5, M = -0.5*(19.9 - 5) = -7.45 just left of the load.
    {"overhang left, moment in the span", Kind::OverhangLeft, 25, 20, {{kMomentRow, 10, 19.9, 0}}, kSkip, -7.45,
     -0.5, 0.5, kSkip, -0.5, kSkip},
    // 10 kip at the free end: R_L = 10*25/20 = 12.5, R_R = -2.5, M = -10*5 = -50 at the support;
    // tip deflection Pa^2(l + a)/3EI = 10*25*25/60416.7 ft = 1.24138 in.
    {"overhang left, tip load", Kind::OverhangLeft, 25, 20, {{kPointRow, 10, 0, 0}}, 0, -50, 12.5, -2.5, -1.24138,
     -10, kSkip},
    // L = 23.7, s = 17.24, support at 6.46 between stations; 5 kip at the tip, 1 kip/ft throughout:
    // M = -5*6.46 - 6.46^2/2 = -53.1658; R_R = (23.7*5.39 - 5*6.46)/17.24 = 5.53614, R_L = 23.16386;
    // V = 23.16386 - 5 - 6.46 = 11.70386 right of the support; zero shear at 23.7 - R_R: R_R^2/2 = 15.3244.
    {"overhang left, extremes between stations",
     Kind::OverhangLeft,
     23.7,
     17.24,
     {{kPointRow, 5, 0, 0}, {kUniformRow, 1, 0, 23.7}},
     15.3244, -53.1658, 23.16386, 5.53614, kSkip, 11.70386, kSkip},
    // 10 kip at the tip of the right overhang: R = -2.5 and 12.5, -50 at the support; tip 1.24138 in.
    {"overhang right, tip load", Kind::OverhangRight, 25, 20, {{kPointRow, 10, 25, 0}}, 0, -50, -2.5, 12.5, -1.24138,
     10, kSkip},
    // About the right support: W1 = 2*12/2 = 12 at 11, W2 = 1.234*4/2 = 2.468 at 5 + 4/3:
    // R_L = (12*9 + 2.468*13.6667)/20 = 7.08647, R_R = 14.468 - R_L = 7.38153.
    {"overhang right, triangles",
     Kind::OverhangRight,
     25,
     20,
     {{kAscendingRow, 2, 3, 15}, {kDescendingRow, 1.234, 5, 9}},
     kSkip, kSkip, 7.08647, 7.38153, kSkip, kSkip, kSkip},
    // Cantilever 10 ft, 2 kip at the free end: wall 2 kip and -20 k-ft; PL^3/3EI = 2000/60416.7 ft = 0.39724 in.
    {"cantilever, tip load", Kind::Cantilever, 10, 10, {{kPointRow, 2, 0, 0}}, 0, -20, 0, 2, -0.39724, -2, kSkip},
    // 1.5 kip/ft over the outer 5 ft: wall 7.5 kip and -7.5*7.5 = -56.25 k-ft; free end
    // w(3L^4 - 4La^3 + a^4)/24EI = 1.5*25625/483333.3 ft = 0.95431 in.
    {"cantilever, partial uniform load", Kind::Cantilever, 10, 10, {{kUniformRow, 1.5, 0, 5}}, 0, -56.25, 0, 7.5,
     -0.95431, -7.5, kSkip},
    // Ascending 0 to 3 kip/ft at the wall: W = 15 at 10/3 from the wall, -50 k-ft; WL^3/15EI = 0.59586 in
    // (read as a gradient the 3 would have made ten times all of it).
    {"cantilever, ascending triangle", Kind::Cantilever, 10, 10, {{kAscendingRow, 3, 0, 10}}, 0, -50, 0, 15, -0.59586,
     -15, kSkip},
    // Descending from 2 kip/ft at the free end: W = 10 at 10 - 10/3 from the wall: -66.667 k-ft.
    {"cantilever, descending triangle", Kind::Cantilever, 10, 10, {{kDescendingRow, 2, 0, 10}}, 0, -66.6667, 0, 10,
     kSkip, -10, kSkip},
};

TEST(BeamHandCalculations, KeyNumbers) {
  for (const HandCase& c : kHandCases) {
    SCOPED_TRACE(c.name);
    BeamLoadTable t = beamtest::table(c.L, c.s);
    for (const Load& l : c.loads) beamtest::load(t, l.row, l.magnitude, l.position, l.end);
    const BeamLoadTable entered = t;
    auto a = analysis(c.kind, t);
    ASSERT_TRUE(a->lengthsValid());
    ASSERT_EQ(a->run(), BeamRunStatus::Complete);
    double Mpos, Mneg, RL, RR, down, xDown, up, xUp;
    a->results(Mpos, Mneg, RL, RR);
    a->deflections(down, xDown, up, xUp);
    const auto check = [](double actual, double expected, const char* what) {
      if (expected == kSkip) return;
      EXPECT_NEAR(actual, expected, 5e-5 * std::max(1.0, std::fabs(expected))) << what;
    };
    check(Mpos, c.Mpos, "Mpos");
    check(Mneg, c.Mneg, "Mneg");
    check(RL, c.RL, "left reaction");
    check(RR, c.RR, "right reaction");
    check(std::fabs(down) > std::fabs(up) ? down : up, c.down, "largest deflection");
    check(a->maxShear(), c.Vmax, "maximum shear");
    if (c.kind == Kind::Cantilever) check(a->lastResult().fixedEndMoment, c.Mneg, "fixed-end moment");
    if (c.kind == Kind::Simple) {
      check(static_cast<BeamAnalysis&>(*a).cb(), c.cb, "Cb");
    } else {
      EXPECT_EQ(a->report().find("Cb"), std::string::npos);
    }
    // The table keeps what was entered (apex intensities, not gradients), moment loads at the very ends aside.
    for (int r = kPointRow; r < 18; ++r)
      for (int k = 0; k < (r >= kUniformRow ? 3 : 2); ++k) EXPECT_EQ(t[r][k], entered[r][k]) << r;
  }
}

TEST(BeamHandCalculations, ExtremesBetweenStationsArePlacedWhereTheyOccur) {
  // The overhang case above: -53.17 at the support (6.460), +15.32 at zero shear 23.7 - 5.53614 = 18.164,
  // the largest shear just right of the support.
  BeamLoadTable t = beamtest::table(23.7, 17.24);
  beamtest::load(t, kPointRow, 5, 0);
  beamtest::load(t, kUniformRow, 1, 0, 23.7);
  BeamAnalysis a(t);
  ASSERT_EQ(a.run(), BeamRunStatus::Complete);
  EXPECT_NEAR(a.negativeMomentAt(), 6.46, 1e-6);
  EXPECT_NEAR(a.positiveMomentAt(), 18.16386, 1e-4);
  EXPECT_NEAR(a.maxShearAt(), 6.46, 1e-6);
  // A moment at either end is moved just inside the beam, and reported where it was typed.
  BeamLoadTable m = beamtest::table(20, 20);
  beamtest::load(m, kMomentRow, 5, 0);
  beamtest::load(m, kMomentRow + 2, 6, 20);
  const BeamAnalysis b(m);
  EXPECT_EQ(m[kMomentRow][1], 1e-9);
  EXPECT_EQ(m[kMomentRow + 2][1], 20 - 1e-9);
}

TEST(PointOfInterest, WrittenOnlyInsideTheBeamAndForValidInput) {
  for (double xi : {0.0, 20.0, 25.0, -3.0}) {
    BeamLoadTable u = beamtest::table(20, 20, 100, 29000, xi);
    beamtest::load(u, kPointRow, 10, 10, 0);
    BeamAnalysis b(u);
    ASSERT_EQ(b.run(), BeamRunStatus::Complete);
    EXPECT_EQ(b.report().find("Mmnt="), std::string::npos) << xi;
  }
  // A load off the beam: the lengths are in error, the report is still written, without the line.
  BeamLoadTable t = beamtest::table(20, 20, 100, 29000, 7.5);
  beamtest::load(t, kPointRow, 10, 10, 0);
  beamtest::load(t, kUniformRow, 1, 5, 22);
  BeamAnalysis c(t);
  EXPECT_FALSE(c.lengthsValid());
  EXPECT_EQ(t[kValidRow][2], 0.0);
  ASSERT_EQ(c.run(), BeamRunStatus::Complete);
  EXPECT_EQ(c.report().find("Mmnt="), std::string::npos);
  EXPECT_NE(c.report().find("maximum shear force"), std::string::npos);
  // The overhang-right analysis evaluates it even then: a simple span of 20 under its central load,
  // at the load: V = -5 (the load counts), M = 50, PL^3/48EI = 0.9931 in down.
  BeamLoadTable o = beamtest::table(25, 20, 100, 29000, 10);
  beamtest::load(o, kPointRow, 10, 10, 0);
  beamtest::load(o, kPointRow + 1, 0, 30, 0);
  OverhangRightAnalysis r(o);
  EXPECT_FALSE(r.lengthsValid());
  ASSERT_EQ(r.run(), BeamRunStatus::Complete);
  EXPECT_NE(r.report().find("\n\n@ 10.00, Shear =-5.00 Mmnt=    50.00  Slope=  0.00E+00  delta=  -0.9931\"\n"),
            std::string::npos)
      << r.report();
}

TEST(InputChecks, EveryRowIsCheckedWhateverItsMagnitude) {
  // A row off the beam or out of order puts the lengths in error; an ascending load out of order or off the
  // beam also stops the run after the load list, with its error bits.
  struct Case {
    Kind kind;
    double L, s;
    Load load;
    bool valid;
    int ascendingBits;
  };
  const Case cases[] = {
      {Kind::Simple, 20, 20, {kPointRow + 2, 0, 21, 0}, false, 0},   // beyond the end
      {Kind::Simple, 20, 20, {kUniformRow + 1, 0, 8, 4}, false, 0},  // end before start
      {Kind::Simple, 20, 20, {kMomentRow, 0, -1, 0}, false, 0},      // before the start
      {Kind::Simple, 20, 22, {kPointRow, 0, 0, 0}, false, 0},        // span longer than the beam
      {Kind::Simple, 20, 20, {kDescendingRow, 1, 0, 20}, true, 0},
      {Kind::Simple, 20, 20, {kAscendingRow + 1, 2, 9, 4}, false, 1},
      {Kind::Simple, 20, 20, {kAscendingRow + 1, 2, 4, 21}, false, 2},
      {Kind::Simple, 20, 20, {kAscendingRow + 1, 2, 22, 21}, false, 3},
      {Kind::Cantilever, 10, 10, {kAscendingRow, 1, 6, 3}, false, 1},
      {Kind::OverhangRight, 25, 20, {kAscendingRow, 1, 6, 26}, false, kAscendingEndBeyondLength},
  };
  for (const Case& c : cases) {
    BeamLoadTable t = beamtest::table(c.L, c.s);
    beamtest::load(t, kPointRow + 5, 10, 10, 0);
    beamtest::load(t, c.load.row, c.load.magnitude, c.load.position, c.load.end);
    auto a = analysis(c.kind, t);
    EXPECT_EQ(a->lengthsValid(), c.valid) << c.load.row;
    if (c.ascendingBits == 0) continue;
    EXPECT_EQ(a->run(), BeamRunStatus::AscendingLoad) << c.load.row;
    EXPECT_EQ(a->ascendingError(), c.ascendingBits) << c.load.row;
    EXPECT_EQ(a->report().find("Shear"), std::string::npos);
    for (double v : a->stations()) EXPECT_EQ(v, 0.0);
  }
  // Zero-length distributed loads contribute nothing.
  BeamLoadTable t = beamtest::table(20, 20);
  beamtest::load(t, kPointRow, 10, 10, 0);
  BeamAnalysis plain(t);
  ASSERT_EQ(plain.run(), BeamRunStatus::Complete);
  beamtest::load(t, kUniformRow, 4, 7, 7);
  beamtest::load(t, kAscendingRow, 4, 7, 7);
  beamtest::load(t, kDescendingRow, 4, 3, 3);
  BeamAnalysis withEmpty(t);
  ASSERT_EQ(withEmpty.run(), BeamRunStatus::Complete);
  EXPECT_EQ(withEmpty.stations(), plain.stations());
}

TEST(InputChecks, NoLengthNoStiffnessOrOverflowGiveNoNumbers) {
  struct Case {
    double L, s, I, E, P;
    BeamRunStatus status;
  };
  for (const Case& k : {Case{0, 0, 100, 29000, 10, BeamRunStatus::BadLengths},
                        Case{-20, -20, 100, 29000, 10, BeamRunStatus::BadLengths},
                        Case{20, 0, 100, 29000, 10, BeamRunStatus::BadLengths},
                        Case{20, 20, 0, 29000, 10, BeamRunStatus::BadStiffness},
                        Case{20, 20, 100, 0, 10, BeamRunStatus::BadStiffness},
                        Case{20, 20, -100, 29000, 10, BeamRunStatus::BadStiffness},
                        Case{20, 20, 1e-300, 1e-300, 10, BeamRunStatus::BadStiffness},
                        Case{20, 20, 100, 29000, 1e308, BeamRunStatus::TooLarge},
                        Case{1e300, 1e300, 100, 29000, 1e10, BeamRunStatus::TooLarge},
                        Case{20, 20, 1e-10, 1e-310, 10, BeamRunStatus::TooLarge},
                        Case{20, 20, 100, 1e307, 10, BeamRunStatus::TooLarge}}) {
    for (Kind kind : {Kind::Simple, Kind::OverhangRight, Kind::Cantilever}) {
      if (kind == Kind::Cantilever && k.s != k.L) continue;  // the cantilever's span is its length
      BeamLoadTable t = beamtest::table(k.L, k.s, k.I, k.E);
      beamtest::load(t, kPointRow, k.P, 0, 0);
      auto a = analysis(kind, t);
      if (k.status == BeamRunStatus::BadLengths) {
        EXPECT_FALSE(a->lengthsValid());
      }
      EXPECT_EQ(a->run(), k.status) << k.L << " " << k.I << " " << k.P << " kind " << static_cast<int>(kind);
      EXPECT_FALSE(beamtest::hasNonFinite(a->report() + a->stationFileText())) << a->report();
      EXPECT_EQ(a->report().find("Shear"), std::string::npos);
      for (double v : a->stations()) EXPECT_EQ(v, 0.0);
    }
  }
  // E entered so large that it overflows in kip/ft^2: the header says so instead of printing "inf".
  BeamLoadTable t = beamtest::table(20, 20, 100, 1e307);
  BeamAnalysis a(t);
  EXPECT_EQ(a.run(), BeamRunStatus::TooLarge);
  EXPECT_NE(a.report().find("\n span =20.000 ft,  I =100.00 in^4,  E =(too large) ksi\n"), std::string::npos) << a.report();
}

}  // namespace

// The analyses against the independent reference of beam_reference.h, station by station, for every
// load kind and support case; and the reference itself against the textbook's closed forms.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "beam/beam_analysis.h"
#include "beam/cantilever_analysis.h"
#include "beam/overhang_right_analysis.h"
#include "beam_reference.h"

using namespace vd;
using beamref::Beam;
using beamref::Response;

namespace {

constexpr double kI = 100.0;     // in^4
constexpr double kE = 29000.0;   // ksi
const double kEI = kE * 144 * (kI / 20736);  // kip-ft^2

BeamLoadTable makeTable(double L, double s, double xi = 0.0) {
  BeamLoadTable t{};
  t[kLengthRow][2] = L;
  t[kSpanRow][2] = s;
  t[kInertiaRow][2] = kI / 12 / 12 / 12 / 12;
  t[kModulusRow][2] = kE * 144;
  t[kInterestRow][2] = xi;
  return t;
}

enum class Case { Simple, OverhangLeft, OverhangRight, Cantilever };

// One load of a test: what goes into the table and what the reference makes of it.
struct Load {
  int row;
  double c0, c1, c2;
  std::function<Response(const Beam&, double)> response;
  beamref::Reactions reactions;  // on the two-support beams
  double cantileverRight;        // its share of the cantilever's published right value
};

struct Scenario {
  Case kind;
  double L, s;
  Beam beam;
};

Scenario scenario(Case c) {
  switch (c) {
    case Case::Simple: return {c, 20, 20, Beam::twoSupports(20, 0, 20)};
    case Case::OverhangLeft: return {c, 25, 20, Beam::twoSupports(25, 5, 25)};
    case Case::OverhangRight: return {c, 25, 20, Beam::twoSupports(25, 0, 20)};
    case Case::Cantilever: break;
  }
  return {c, 10, 10, Beam::fixedRight(10)};
}

Load pointLoad(const Scenario& sc, int row, double P, double p) {
  return {row, P, p, 0, [=](const Beam& b, double x) { return beamref::point(b, x, p, P); },
          beamref::forceReactions(sc.beam, p, P), P * p / sc.L};
}
Load uniformLoad(const Scenario& sc, int row, double w, double p1, double p2) {
  return {row, w, p1, p2, [=](const Beam& b, double x) { return beamref::uniform(b, x, p1, p2, w); },
          beamref::resultantReactions(sc.beam, w * (p2 - p1), (p1 + p2) / 2), w * (p2 - p1)};
}
// The two-support forms take the apex intensity, the cantilever the gradient.
Load ascendingLoad(const Scenario& sc, int row, double apex, double p1, double p2) {
  const double d = p2 - p1, W = apex * d / 2, centroid = p1 + 2 * d / 3;
  return {row, sc.kind == Case::Cantilever ? apex / d : apex, p1, p2,
          [=](const Beam& b, double x) { return beamref::ascending(b, x, p1, p2, apex); },
          beamref::resultantReactions(sc.beam, W, centroid), W * centroid / sc.L};
}
Load descendingLoad(const Scenario& sc, int row, double apex, double p1, double p2) {
  const double d = p2 - p1, W = apex * d / 2, centroid = p1 + d / 3;
  return {row, sc.kind == Case::Cantilever ? apex / d : apex, p1, p2,
          [=](const Beam& b, double x) { return beamref::descending(b, x, p1, p2, apex); },
          beamref::resultantReactions(sc.beam, W, centroid), W * centroid / sc.L};
}
Load momentLoad(const Scenario& sc, int row, double m0, double p) {
  return {row, m0, p, 0, [=](const Beam& b, double x) { return beamref::moment(b, x, p, m0); },
          beamref::momentReactions(sc.beam, m0), 0.0};
}

std::unique_ptr<BeamAnalysisBase> analyse(Case c, BeamLoadTable& t) {
  switch (c) {
    case Case::OverhangRight: return std::make_unique<OverhangRightAnalysis>(t);
    case Case::Cantilever: return std::make_unique<CantileverAnalysis>(t);
    default: return std::make_unique<BeamAnalysis>(t);
  }
}

// |actual - expected| within 1e-9 of the value, or of `floor` times the largest value of that
// quantity where it crosses zero (rounding of a difference of large terms), or 1e-12 where the
// quantity is zero throughout (the shear of a cantilever under a moment).
void expectNear(double actual, double expected, double scale, double floor, const std::string& what) {
  const double tol = std::max(1e-9 * std::max(std::fabs(expected), floor * scale), 1e-12);
  EXPECT_NEAR(actual, expected, tol) << what;
}

// Runs the loads on the scenario and compares the 201 stations and the published numbers.
void checkAgainstReference(Case c, const std::vector<Load>& loads, double floor = 1e-4) {
  const Scenario sc = scenario(c);
  BeamLoadTable t = makeTable(sc.L, sc.s);
  for (const Load& l : loads) {
    t[l.row][0] = l.c0;
    t[l.row][1] = l.c1;
    if (l.row >= kUniformRow) t[l.row][2] = l.c2;
  }
  auto a = analyse(c, t);
  ASSERT_TRUE(a->lengthsValid());
  ASSERT_EQ(a->run(), BeamRunStatus::Complete) << a->report();

  std::vector<Response> expected(kStations);
  Response scale;
  for (int i = 0; i < kStations; ++i) {
    const double x = a->stations()[i * 5];
    EXPECT_DOUBLE_EQ(x, i * sc.L / 200);
    for (const Load& l : loads) expected[i] += l.response(sc.beam, x);
    scale.V = std::max(scale.V, std::fabs(expected[i].V));
    scale.M = std::max(scale.M, std::fabs(expected[i].M));
    scale.slope = std::max(scale.slope, std::fabs(expected[i].slope));
    scale.defl = std::max(scale.defl, std::fabs(expected[i].defl));
  }
  // The cantilever's stations count deflection positive downward.
  const double sign = c == Case::Cantilever ? -1.0 : 1.0;
  double Mpos = 0, Mneg = 0;
  for (int i = 0; i < kStations; ++i) {
    const double* st = &a->stations()[i * 5];
    const std::string at = "station " + std::to_string(i);
    expectNear(st[1], expected[i].V, scale.V, floor, "shear at " + at);
    expectNear(st[2], expected[i].M, scale.M, floor, "moment at " + at);
    expectNear(st[3], expected[i].slope / kEI, scale.slope / kEI, floor, "slope at " + at);
    expectNear(st[4], sign * expected[i].defl * 12 / kEI, scale.defl * 12 / kEI, floor, "deflection at " + at);
    Mpos = std::max(Mpos, expected[i].M);
    Mneg = std::min(Mneg, expected[i].M);
  }

  double mpos, mneg, left, right;
  a->results(mpos, mneg, left, right);
  if (c == Case::Cantilever) {
    // Published in place of the reactions: the slope constant (minus EI times the free end's slope)
    // and the loads' simple-beam right reactions.
    double expectLeft = 0, expectRight = 0;
    for (const Load& l : loads) {
      expectLeft -= l.response(sc.beam, 0).slope;
      expectRight += l.cantileverRight;
    }
    expectNear(left, expectLeft, std::fabs(expectLeft), 1, "slope constant");
    expectNear(right, expectRight, std::fabs(expectRight), 1, "right value");
  } else {
    double RL = 0, RR = 0;
    for (const Load& l : loads) {
      RL += l.reactions.left;
      RR += l.reactions.right;
    }
    expectNear(left, RL, std::fabs(RL) + std::fabs(RR), floor, "left reaction");
    expectNear(right, RR, std::fabs(RL) + std::fabs(RR), floor, "right reaction");
  }
  if (loads.size() > 0 && loads[0].row >= kMomentRows) {
    // Without moment loads the extremes are the largest station values.
    expectNear(mpos, Mpos, scale.M, floor, "Mpos");
    expectNear(mneg, Mneg, scale.M, floor, "Mneg");
  }
}

class EveryCase : public ::testing::TestWithParam<Case> {};

TEST_P(EveryCase, PointLoads) {
  const Scenario sc = scenario(GetParam());
  // On a station, between stations, and (for the overhangs) out on the overhang.
  checkAgainstReference(sc.kind, {pointLoad(sc, kPointRow, 10, sc.L / 2)});
  checkAgainstReference(sc.kind, {pointLoad(sc, kPointRow + 3, -4.5, 0.37 * sc.L)});
  checkAgainstReference(sc.kind, {pointLoad(sc, kPointRow + 5, 7, 0.1 * sc.L)});
  checkAgainstReference(sc.kind, {pointLoad(sc, kPointRow + 1, 3, 0.93 * sc.L)});
}

TEST_P(EveryCase, UniformLoads) {
  const Scenario sc = scenario(GetParam());
  checkAgainstReference(sc.kind, {uniformLoad(sc, kUniformRow, 1.5, 0, sc.L)});
  checkAgainstReference(sc.kind, {uniformLoad(sc, kUniformRow + 2, 2.0, 0.23 * sc.L, 0.66 * sc.L)});
  checkAgainstReference(sc.kind, {uniformLoad(sc, kUniformRow + 3, 0.8, 0.0, 0.14 * sc.L)});
  checkAgainstReference(sc.kind, {uniformLoad(sc, kUniformRow + 1, -1.1, 0.71 * sc.L, sc.L)});
}

TEST_P(EveryCase, AscendingTriangles) {
  const Scenario sc = scenario(GetParam());
  checkAgainstReference(sc.kind, {ascendingLoad(sc, kAscendingRow, 3.0, 0, sc.L)});
  checkAgainstReference(sc.kind, {ascendingLoad(sc, kAscendingRow + 1, 2.2, 0.11 * sc.L, 0.87 * sc.L)});
  checkAgainstReference(sc.kind, {ascendingLoad(sc, kAscendingRow, 1.0, 0.0, 0.17 * sc.L)});
}

TEST_P(EveryCase, DescendingTriangles) {
  const Scenario sc = scenario(GetParam());
  checkAgainstReference(sc.kind, {descendingLoad(sc, kDescendingRow, 2.5, 0, sc.L)});
  checkAgainstReference(sc.kind, {descendingLoad(sc, kDescendingRow + 1, 1.7, 0.26 * sc.L, 0.9 * sc.L)});
  checkAgainstReference(sc.kind, {descendingLoad(sc, kDescendingRow, 4.0, 0.85 * sc.L, sc.L)});
}

TEST_P(EveryCase, MomentLoads) {
  const Scenario sc = scenario(GetParam());
  // The reference differentiates numerically; its rounding near zero crossings is about 1e-12 of
  // the largest value, hence the looser floor.
  checkAgainstReference(sc.kind, {momentLoad(sc, kMomentRow, 12, 0.3665 * sc.L)}, 1e-2);
  checkAgainstReference(sc.kind, {momentLoad(sc, kMomentRow + 3, -7, 0.0815 * sc.L)}, 1e-2);
  checkAgainstReference(sc.kind, {momentLoad(sc, kMomentRow + 2, 5, 0.9115 * sc.L)}, 1e-2);
}

TEST_P(EveryCase, AllEighteenLoadsTogether) {
  const Scenario sc = scenario(GetParam());
  const double L = sc.L;
  std::vector<Load> loads = {
      pointLoad(sc, 4, 10, 0.5 * L),         pointLoad(sc, 5, 3, 0.05 * L),
      pointLoad(sc, 6, -2, 0.33 * L),        pointLoad(sc, 7, 6, 0.77 * L),
      pointLoad(sc, 8, 1.5, L),              pointLoad(sc, 9, 4, 0.615 * L),
      uniformLoad(sc, 10, 0.5, 0, L),        uniformLoad(sc, 11, 1.2, 0.1 * L, 0.4 * L),
      uniformLoad(sc, 12, -0.3, 0.55 * L, 0.95 * L), uniformLoad(sc, 13, 0.75, 0.2 * L, 0.2 * L + 1),
      ascendingLoad(sc, 14, 2, 0.15 * L, 0.85 * L), ascendingLoad(sc, 15, 1, 0, 0.3 * L),
      descendingLoad(sc, 16, 1.5, 0.45 * L, L), descendingLoad(sc, 17, 0.6, 0.05 * L, 0.65 * L),
  };
  if (sc.kind != Case::Cantilever) {
    loads.push_back(momentLoad(sc, 0, 8, 0.2315 * L));
    loads.push_back(momentLoad(sc, 1, -3, 0.6235 * L));
    loads.push_back(momentLoad(sc, 2, 4, 0.4535 * L));
    loads.push_back(momentLoad(sc, 3, 2, 0.8865 * L));
  }
  checkAgainstReference(sc.kind, loads, 1e-2);
}

std::string caseName(const ::testing::TestParamInfo<Case>& info) {
  static const char* const names[] = {"Simple", "OverhangLeft", "OverhangRight", "Cantilever"};
  return names[static_cast<int>(info.param)];
}

INSTANTIATE_TEST_SUITE_P(Beam, EveryCase,
                         ::testing::Values(Case::Simple, Case::OverhangLeft, Case::OverhangRight, Case::Cantilever),
                         caseName);

// The reference reproduces the handbook's closed forms, so the comparisons above rest on them.
TEST(Reference, AgreesWithTheHandbookFormulas) {
  const double L = 20;
  const Beam simple = Beam::twoSupports(L, 0, L);
  // Concentrated load at the centre: PL^3/48EI; uniform load: 5wL^4/384EI.
  EXPECT_NEAR(beamref::point(simple, 10, 10, 10).defl, -10 * L * L * L / 48, 1e-9);
  EXPECT_NEAR(beamref::uniform(simple, 10, 0, L, 1.5).defl, -5 * 1.5 * L * L * L * L / 384, 1e-8);
  // Load increasing uniformly to the right end, total W: R1 = W/3, M = Wx(L^2 - x^2)/(3L^2),
  // deflection Wx(3x^4 - 10L^2x^2 + 7L^4)/(180 L^2).
  const double W = 3.0 * L / 2, x = 7.3;
  const Response tri = beamref::ascending(simple, x, 0, L, 3.0);
  EXPECT_NEAR(tri.V, W / 3 - W * x * x / (L * L), 1e-12);
  EXPECT_NEAR(tri.M, W * x * (L * L - x * x) / (3 * L * L), 1e-11);
  EXPECT_NEAR(tri.defl, -W * x * (3 * std::pow(x, 4) - 10 * L * L * x * x + 7 * std::pow(L, 4)) / (180 * L * L), 1e-8);
  // Cantilever: load at the free end PL^3/3EI, slope PL^2/2EI; full uniform load wL^4/8EI.
  const Beam cant = Beam::fixedRight(10);
  EXPECT_NEAR(beamref::point(cant, 0, 0, 2).defl, -2 * 1000.0 / 3, 1e-10);
  EXPECT_NEAR(beamref::point(cant, 0, 0, 2).slope, 2 * 100.0 / 2, 1e-10);
  EXPECT_NEAR(beamref::uniform(cant, 0, 0, 10, 1.2).defl, -1.2 * 10000.0 / 8, 1e-9);
  // Load increasing to the fixed end, total W: W L^3 / 15EI at the free end.
  EXPECT_NEAR(beamref::ascending(cant, 0, 0, 10, 2.0).defl, -(2.0 * 10 / 2) * 1000.0 / 15, 1e-9);
  // Overhang (span l, overhang a, load P at its end): tip Pa^2(l+a)/3EI down, largest uplift
  // Pal^2/(9 sqrt 3 EI) at l/sqrt 3 from the far support.
  const Beam over = Beam::twoSupports(25, 0, 20);
  EXPECT_NEAR(beamref::point(over, 25, 25, 10).defl, -10 * 25.0 * 25 / 3, 1e-9);
  EXPECT_NEAR(beamref::point(over, 20 / std::sqrt(3.0), 25, 10).defl, 10 * 5.0 * 400 / (9 * std::sqrt(3.0)), 1e-9);
  // Uniform load on the overhang only: tip wa^3(4l + 3a)/24EI down.
  EXPECT_NEAR(beamref::uniform(over, 25, 20, 25, 1.0).defl, -125.0 * (80 + 15) / 24, 1e-9);
  // A clockwise couple M0 at a on a simple span, left of it: y = M0 x (6al - 3a^2 - 2l^2 - x^2) / 6l.
  const double a = 13, xc = 6;
  EXPECT_NEAR(beamref::moment(simple, xc, a, 10).defl, 10 * xc * (6 * a * L - 3 * a * a - 2 * L * L - xc * xc) / (6 * L),
              1e-9);
}

}  // namespace

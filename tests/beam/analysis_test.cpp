// The analyses against the independent reference of beam_reference.h, station by station, for every
// load kind and support case; and the reference itself against the textbook's closed forms.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "beam/beam_analysis.h"
#include "beam/beam_inputs.h"
#include "beam/cantilever_analysis.h"
#include "beam/overhang_right_analysis.h"
#include "beam_reference.h"
#include "beam_test_tables.h"

using namespace vd;
using beamref::Beam;
using beamref::Response;

namespace {

constexpr double kI = 100.0;     // in^4
constexpr double kE = 29000.0;   // ksi
const double kEI = kE * 144 * (kI / 20736);  // kip-ft^2

enum class Case { Simple, OverhangLeft, OverhangRight, Cantilever };

// One load of a test: what goes into the table and what the reference makes of it.
struct Load {
  int row;
  double c0, c1, c2;
  std::function<Response(const Beam&, double)> response;
};

// The supports and the loads fall between the 201 stations (i * L / 200), so that a station never
// happens to sit on an extreme.
struct Scenario {
  Case kind;
  double L, s;
  Beam beam;
  // A position at the fraction f of the length, a third of a station gap off the stations (the ends
  // stay the ends).
  double at(double f) const { return f <= 0 ? 0.0 : f >= 1 ? L : f * L + 0.37 * L / 200; }
};

Scenario scenario(Case c) {
  switch (c) {
    case Case::Simple: return {c, 19.37, 19.37, Beam::twoSupports(19.37, 0, 19.37)};
    case Case::OverhangLeft: return {c, 23.7, 17.3, Beam::twoSupports(23.7, 6.4, 23.7)};
    case Case::OverhangRight: return {c, 23.7, 17.3, Beam::twoSupports(23.7, 0, 17.3)};
    case Case::Cantilever: break;
  }
  return {c, 9.7, 9.7, Beam::fixedRight(9.7)};
}

Load pointLoad(int row, double P, double p) {
  return {row, P, p, 0, [=](const Beam& b, double x) { return beamref::point(b, x, p, P); }};
}
Load uniformLoad(int row, double w, double p1, double p2) {
  return {row, w, p1, p2, [=](const Beam& b, double x) { return beamref::uniform(b, x, p1, p2, w); }};
}
// Every form takes triangular loads by their apex intensity.
Load ascendingLoad(int row, double apex, double p1, double p2) {
  return {row, apex, p1, p2, [=](const Beam& b, double x) { return beamref::ascending(b, x, p1, p2, apex); }};
}
Load descendingLoad(int row, double apex, double p1, double p2) {
  return {row, apex, p1, p2, [=](const Beam& b, double x) { return beamref::descending(b, x, p1, p2, apex); }};
}
Load momentLoad(int row, double m0, double p) {
  return {row, m0, p, 0, [=](const Beam& b, double x) { return beamref::moment(b, x, p, m0); }};
}

// The true extremes of the reference: a scan at L/20000 through every piece between loads and
// supports, taking both sides of each of those points. Later values replace an extreme only when
// they exceed it by more than rounding, so the first of equal values keeps its position.
struct Extremes {
  double V = 0, xV = 0, Mpos = 0, xMpos = 0, Mneg = 0, xMneg = 0, up = 0, xUp = 0, down = 0, xDown = 0;
};
Extremes referenceExtremes(const Scenario& sc, const std::vector<Load>& loads) {
  std::vector<double> cuts = {0.0, sc.L, sc.beam.xA, sc.beam.xB};
  for (const Load& l : loads) {
    cuts.push_back(l.c1);
    if (l.row >= kUniformRow) cuts.push_back(l.c2);
  }
  std::sort(cuts.begin(), cuts.end());
  std::vector<std::pair<double, Response>> samples;
  auto sample = [&](double x) {
    Response r;
    for (const Load& l : loads) r += l.response(sc.beam, x);
    samples.push_back({x, r});
  };
  const double step = sc.L / 20000;
  for (std::size_t i = 0; i + 1 < cuts.size(); ++i) {
    const double lo = cuts[i], hi = cuts[i + 1];
    if (!(hi > lo) || lo < 0 || hi > sc.L) continue;
    const int n = std::max(1, static_cast<int>(std::ceil((hi - lo) / step)));
    for (int j = 0; j < n; ++j) sample(lo + (hi - lo) * j / n);
    sample(hi - 1e-9 * sc.L);  // just left of the next point
  }
  sample(sc.L);
  double sV = 0, sM = 0, sD = 0;
  for (const auto& [x, r] : samples) {
    sV = std::max(sV, std::fabs(r.V));
    sM = std::max(sM, std::fabs(r.M));
    sD = std::max(sD, std::fabs(r.defl));
  }
  Extremes e;
  for (const auto& [x, r] : samples) {
    if (std::fabs(r.V) > std::fabs(e.V) + 1e-9 * sV) e.V = r.V, e.xV = x;
    if (r.M > e.Mpos + 1e-9 * sM) e.Mpos = r.M, e.xMpos = x;
    if (r.M < e.Mneg - 1e-9 * sM) e.Mneg = r.M, e.xMneg = x;
    if (r.defl > e.up + 1e-9 * sD) e.up = r.defl, e.xUp = x;
    if (r.defl < e.down - 1e-9 * sD) e.down = r.defl, e.xDown = x;
  }
  return e;
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
  BeamLoadTable t = beamtest::table(sc.L, sc.s, kI, kE);
  for (const Load& l : loads) beamtest::load(t, l.row, l.c0, l.c1, l.c2);
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
    // No reaction at the free end; the wall's reaction (upward positive) balances the shear at it,
    // and its moment is the bending moment there.
    const Response wall = expected[kStations - 1];
    EXPECT_EQ(left, 0.0);
    expectNear(right, -wall.V, scale.V, floor, "reaction");
    const LastBeamResult published = a->lastResult();
    EXPECT_TRUE(published.cantilever);
    expectNear(published.fixedEndMoment, wall.M, scale.M, floor, "fixed-end moment");
  } else {
    // The reactions are the reference's shear jumps at the supports; at the beam's end the shear
    // there is the one just left of it, so the reaction is minus that shear.
    auto shear = [&](double x) {
      Response r;
      for (const Load& l : loads) r += l.response(sc.beam, x);
      return r.V;
    };
    const double d = 1e-11, xA = sc.beam.xA, xB = sc.beam.xB;
    const double RL = shear(xA) - shear(xA - d);
    const double RR = xB < sc.L ? shear(xB) - shear(xB - d) : -shear(sc.L);
    expectNear(left, RL, std::fabs(RL) + std::fabs(RR), floor, "left reaction");
    expectNear(right, RR, std::fabs(RL) + std::fabs(RR), floor, "right reaction");
  }
  bool momentLoads = false;
  for (const Load& l : loads) momentLoads = momentLoads || l.row < kPointRow;
  if (momentLoads) return;  // the reference cannot be evaluated right at a moment load
  // The true extremes, wherever they fall between the stations.
  const Extremes e = referenceExtremes(sc, loads);
  const double step = sc.L / 20000;
  EXPECT_NEAR(mpos, e.Mpos, 1e-7 * scale.M) << "Mpos";
  EXPECT_NEAR(a->positiveMomentAt(), e.xMpos, step) << "Mpos at";
  EXPECT_NEAR(mneg, e.Mneg, 1e-7 * scale.M) << "Mneg";
  EXPECT_NEAR(a->negativeMomentAt(), e.xMneg, step) << "Mneg at";
  EXPECT_NEAR(a->maxShear(), e.V, 1e-7 * scale.V) << "Vmax";
  EXPECT_NEAR(a->maxShearAt(), e.xV, step) << "Vmax at";
  double down, xDown, up, xUp;
  a->deflections(down, xDown, up, xUp);
  EXPECT_NEAR(down, e.down * 12 / kEI, 1e-7 * scale.defl * 12 / kEI) << "deflection down";
  EXPECT_NEAR(xDown, e.xDown, step) << "deflection down at";
  EXPECT_NEAR(up, e.up * 12 / kEI, 1e-7 * scale.defl * 12 / kEI) << "deflection up";
  EXPECT_NEAR(xUp, e.xUp, step) << "deflection up at";
}

class EveryCase : public ::testing::TestWithParam<Case> {};

// Each load kind alone: between stations, out on the overhangs, partial and full length. The reference
// differentiates numerically for a moment load; its rounding near zero crossings is about 1e-12 of the
// largest value, hence the looser floor there.
TEST_P(EveryCase, EachLoadKindAlone) {
  const Scenario sc = scenario(GetParam());
  const Load loads[] = {
      pointLoad(kPointRow, 10, sc.at(0.5)),
      pointLoad(kPointRow + 3, -4.5, sc.at(0.37)),
      pointLoad(kPointRow + 5, 7, sc.at(0.1)),
      pointLoad(kPointRow + 1, 3, sc.at(0.93)),
      uniformLoad(kUniformRow, 1.5, 0, sc.at(1)),
      uniformLoad(kUniformRow + 2, 2.0, sc.at(0.23), sc.at(0.66)),
      uniformLoad(kUniformRow + 3, 0.8, 0.0, sc.at(0.14)),
      uniformLoad(kUniformRow + 1, -1.1, sc.at(0.71), sc.at(1)),
      ascendingLoad(kAscendingRow, 3.0, 0, sc.at(1)),
      ascendingLoad(kAscendingRow + 1, 2.2, sc.at(0.11), sc.at(0.87)),
      ascendingLoad(kAscendingRow, 1.0, 0.0, sc.at(0.17)),
      descendingLoad(kDescendingRow, 2.5, 0, sc.at(1)),
      descendingLoad(kDescendingRow + 1, 1.7, sc.at(0.26), sc.at(0.9)),
      descendingLoad(kDescendingRow, 4.0, sc.at(0.85), sc.at(1)),
      momentLoad(kMomentRow, 12, 0.3665 * sc.L),
      momentLoad(kMomentRow + 3, -7, 0.0815 * sc.L),
      momentLoad(kMomentRow + 2, 5, 0.9115 * sc.L),
  };
  for (const Load& l : loads) {
    SCOPED_TRACE(testing::Message() << "row " << l.row << " at " << l.c1);
    checkAgainstReference(sc.kind, {l}, l.row < kPointRow ? 1e-2 : 1e-4);
  }
}

TEST_P(EveryCase, AllEighteenLoadsTogether) {
  const Scenario sc = scenario(GetParam());
  const double L = sc.L;
  std::vector<Load> loads = {
      pointLoad(4, 10, sc.at(0.5)),         pointLoad(5, 3, sc.at(0.05)),
      pointLoad(6, -2, sc.at(0.33)),        pointLoad(7, 6, sc.at(0.77)),
      pointLoad(8, 1.5, sc.at(1)),              pointLoad(9, 4, sc.at(0.615)),
      uniformLoad(10, 0.5, 0, sc.at(1)),        uniformLoad(11, 1.2, sc.at(0.1), sc.at(0.4)),
      uniformLoad(12, -0.3, sc.at(0.55), sc.at(0.95)), uniformLoad(13, 0.75, sc.at(0.2), sc.at(0.2) + 1),
      ascendingLoad(14, 2, sc.at(0.15), sc.at(0.85)), ascendingLoad(15, 1, 0, sc.at(0.3)),
      descendingLoad(16, 1.5, sc.at(0.45), sc.at(1)), descendingLoad(17, 0.6, sc.at(0.05), sc.at(0.65)),
  };
  if (sc.kind != Case::Cantilever) {
    loads.push_back(momentLoad(0, 8, 0.2315 * L));
    loads.push_back(momentLoad(1, -3, 0.6235 * L));
    loads.push_back(momentLoad(2, 4, 0.4535 * L));
    loads.push_back(momentLoad(3, 2, 0.8865 * L));
  }
  checkAgainstReference(sc.kind, loads, 1e-2);
  // The fourteen force loads alone: the reported extremes are the true ones.
  loads.resize(14);
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

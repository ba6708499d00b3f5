// Report texts, published numbers and the input checks of the three analyses, against hand
// calculations worked out in each test.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "beam/beam_analysis.h"
#include "beam/beam_inputs.h"
#include "beam/cantilever_analysis.h"
#include "beam/overhang_right_analysis.h"
#include "beam_test_tables.h"
#include "platform/text_format.h"

using namespace vd;
using beamtest::lines;
using beamtest::table;
using beamtest::unsignedZeros;

namespace {

// EI of I = 100 in^4, E = 29000 ksi in kip-ft^2.
const double kEI = 29000.0 * 144 * 100 / 20736;

void expectSameLines(const std::string& actual, const std::string& expected) {
  const auto a = lines(actual), e = lines(expected);
  for (std::size_t i = 0; i < std::max(a.size(), e.size()); ++i) {
    const std::string al = i < a.size() ? unsignedZeros(a[i]) : "<missing>";
    const std::string el = i < e.size() ? unsignedZeros(e[i]) : "<missing>";
    EXPECT_EQ(al, el) << "line " << i;
  }
}

TEST(SimpleBeamReport, CentralPointLoadLineByLine) {
  // s = 20 ft, P = 10 kip at 10 ft. By hand: R = P/2 = 5; M = 5x up to midspan; upward deflection
  // y = -P x (3L^2 - 4x^2) / 48EI and slope y' = -P (L^2 - 4x^2) / 16EI left of midspan, mirrored
  // right of it; centre deflection PL^3/48EI; Cb = 12.5*50 / (2.5*50 + 3*25 + 4*50 + 3*25).
  BeamLoadTable t = table(20, 20);
  beamtest::load(t, kPointRow, 10, 10);
  BeamAnalysis a(t);
  ASSERT_TRUE(a.lengthsValid());
  ASSERT_EQ(a.run(), BeamRunStatus::Complete);

  const double P = 10, L = 20;
  std::string e = "\n  ===dbm======dbm======dbm======dbm===\n span =20.000 ft,  I =100.00 in^4,  E =29000 ksi";
  e += "\n point load = 10.00 kip. at 10.00'\n";
  for (int k = 0; k <= 10; ++k) {
    const double x = 2.0 * k;
    const double u = x <= 10 ? x : L - x;  // distance from the nearer support
    const double V = x < 10 ? 5 : -5;
    const double M = 5 * u;
    const double slope = (x <= 10 ? -1 : 1) * P * (L * L - 4 * u * u) / (16 * kEI);
    const double delta = -P * u * (3 * L * L - 4 * u * u) / (48 * kEI) * 12;
    appendf(e, "\n@%6.2f, Shear =%9.2f Moment =%9.2f  Slope =%10.2E  delta =%9.4f\"", x, V, M, slope, delta);
  }
  const double centre = P * L * L * L / (48 * kEI);  // ft
  appendf(e,
          "\n\n Positive moment =50.00 k-ft  at =10.000 ft.\n Negative moment =0.00 k-ft  at =0.000 ft.\n Deflection "
          "down =%.4f\"    at =10.000 ft.\t span to deflection ratio =%.1f",
          -centre * 12, L / centre);
  e += "\n maximum shear force =5.000 kips.";
  e += "\n Reaction at left support =5.00 kips.  Reaction at right support =5.00 kips\r\n";
  appendf(e,
          "\n 'Cb' for Section F design, at the ends of unbraced length:\n  Mmax =50.00 k-ft, M_A =25.00 k-ft, M_B "
          "=50.00, M_C =25.00,  Cb =%.2f",
          625.0 / 475.0);
  // The key results: the first of the equal shears (+5 at the left support) and the centre deflection.
  appendf(e,
          "\n\n Key results:\n  maximum moment =50.00 k-ft at 10.000 ft.\n  maximum shear =5.000 kips at 0.000 ft."
          "\n  reactions: left =5.00 kips, right =5.00 kips.\n  maximum deflection =%.4f\" at 10.000 ft.\r\n",
          -centre * 12);
  expectSameLines(a.report(), e);
  EXPECT_NEAR(a.cb(), 625.0 / 475.0, 1e-12);

  double Mpos, Mneg, RL, RR;
  a.results(Mpos, Mneg, RL, RR);
  EXPECT_DOUBLE_EQ(Mpos, 50);
  EXPECT_DOUBLE_EQ(Mneg, 0);
  EXPECT_DOUBLE_EQ(RL, 5);
  EXPECT_DOUBLE_EQ(RR, 5);
  // The station data file: 201 lines of five numbers, the centre one as computed by hand.
  const auto dat = lines(a.stationFileText());
  ASSERT_EQ(dat.size(), 202u);  // the last line ends with "\n"
  EXPECT_EQ(dat.back(), "");
  EXPECT_EQ(dat[100], format("%9.5f %f %f %f %f", 10.0, -5.0, 50.0, 0.0, -centre * 12));
}

TEST(SimpleBeamReport, UniformLoadDeflectionUpAbsentAndUpwardLoadsReportUp) {
  // A full uniform load w = 1.2 klf: 5wL^4/384EI at midspan, Cb of a parabola
  // 12.5*Mmax/(2.5Mmax + 3*0.75Mmax + 4Mmax + 3*0.75Mmax) = 12.5/11 = 1.14.
  BeamLoadTable t = table(20, 20);
  beamtest::load(t, kUniformRow, 1.2, 0, 20);
  BeamAnalysis a(t);
  ASSERT_EQ(a.run(), BeamRunStatus::Complete);
  const std::string& r = a.report();
  EXPECT_NE(r.find("\n uniform load = 1.200 kip/ft start 0.00' end 20.00'\n"), std::string::npos);
  const double mid = 5 * 1.2 * std::pow(20.0, 4) / (384 * kEI);
  EXPECT_NE(r.find(format("Deflection down =%.4f\"    at =10.000 ft.", -mid * 12)), std::string::npos) << r;
  EXPECT_EQ(r.find("Deflection up"), std::string::npos);
  EXPECT_NE(r.find("Positive moment =60.00 k-ft  at =10.000 ft."), std::string::npos);  // wL^2/8
  EXPECT_NE(r.find("M_A =45.00 k-ft, M_B =60.00, M_C =45.00,  Cb =1.14"), std::string::npos);

  // The same load upward: the deflection is up, reported with its ratio; nothing goes down.
  t[kUniformRow][0] = -1.2;
  BeamAnalysis up(t);
  ASSERT_EQ(up.run(), BeamRunStatus::Complete);
  EXPECT_NE(up.report().find(format("\n Deflection up =%.4f\"    at =10.000 ft.\t span to deflection ratio =%.1f",
                                    mid * 12, 20 / mid)),
            std::string::npos)
      << up.report();
  // Nothing goes down: no ratio for a deflection of nothing.
  EXPECT_NE(up.report().find("Deflection down =0.0000\"    at =0.000 ft.\n Deflection up"), std::string::npos);
}

TEST(SimpleBeamReport, TriangularLoadsListTheirApexAndKeepTheTable) {
  BeamLoadTable t = table(20, 20);
  beamtest::load(t, kAscendingRow, 3.3, 2, 9);      // apex 3.3 klf at 9 ft
  beamtest::load(t, kDescendingRow + 1, 1.7, 12, 19);
  beamtest::load(t, kAscendingRow + 1, 5, 6, 6);    // no length: nothing to analyse, left as entered
  const BeamLoadTable before = t;
  {
    BeamAnalysis a(t);
    ASSERT_EQ(a.run(), BeamRunStatus::Complete);
    EXPECT_NE(a.report().find("\n ascending triangular load = 3.300 kip/ft at apex start 2.00' end 9.00'"
                              "\n descending triangular load = 1.700 kip/ft at apex start 12.00'  end 19.00'\n"),
              std::string::npos)
        << a.report();
    EXPECT_EQ(a.report().find("5.000"), std::string::npos);
    // Reactions by statics: W = 3.3*7/2 at 2 + 14/3; W = 1.7*7/2 at 12 + 7/3.
    const double W1 = 3.3 * 7 / 2, W2 = 1.7 * 7 / 2;
    const double RR = (W1 * (2 + 14.0 / 3) + W2 * (12 + 7.0 / 3)) / 20;
    double Mpos, Mneg, RL, rr;
    a.results(Mpos, Mneg, RL, rr);
    EXPECT_NEAR(rr, RR, 1e-12);
    EXPECT_NEAR(RL, W1 + W2 - RR, 1e-12);
  }
  // The entered apex intensities come back exactly, whatever the rounding of the gradient.
  for (int r = kAscendingRow; r < 18; ++r) EXPECT_EQ(t[r], before[r]) << r;
  EXPECT_EQ(t[kValidRow][2], 1.0);
}

TEST(SimpleBeamReport, ZeroLengthTriangleOrUniformContributesNothing) {
  BeamLoadTable t = table(20, 20);
  beamtest::load(t, kPointRow, 10, 10, 0);
  BeamAnalysis plain(t);
  ASSERT_EQ(plain.run(), BeamRunStatus::Complete);
  beamtest::load(t, kUniformRow, 4, 7, 7);
  beamtest::load(t, kAscendingRow, 4, 7, 7);
  beamtest::load(t, kDescendingRow, 4, 3, 3);
  BeamAnalysis withEmpty(t);
  ASSERT_EQ(withEmpty.run(), BeamRunStatus::Complete);
  EXPECT_EQ(withEmpty.stations(), plain.stations());
  EXPECT_EQ(t[kAscendingRow][0], 4);
}

TEST(SimpleBeamReport, MomentLoadAtTheLeftEnd) {
  // 5 k-ft at x = 0: moved to 1e-9, listed at 0.00; the moment drops linearly from 5 to 0, so the
  // largest positive moment is 5 at the end, and the most negative 0 there as well.
  BeamLoadTable t = table(20, 20);
  beamtest::load(t, kMomentRow, 5, 0, 0);
  BeamAnalysis a(t);
  EXPECT_EQ(t[kMomentRow][1], 1e-9);
  ASSERT_EQ(a.run(), BeamRunStatus::Complete);
  const std::string& r = a.report();
  EXPECT_NE(r.find("\n moment load = 5.00 k-ft at 0.00'\n"), std::string::npos);
  EXPECT_NE(r.find("Positive moment =5.00 k-ft  at =0.000 ft.\n Negative moment =0.00 k-ft  at =0.000 ft."),
            std::string::npos)
      << r;
  EXPECT_NE(r.find("Reaction at left support =-0.25 kips.  Reaction at right support =0.25 kips"), std::string::npos);
}

TEST(SimpleBeamReport, MomentLoadAtTheRightEnd) {
  // 6 k-ft at x = L: just left of the support the moment is R_L * L = -6/20 * 20 = -6, which no
  // station sees. The largest positive moment is the 0 at x = 0 (not -6, as an end rule once said).
  BeamLoadTable t = table(20, 20);
  beamtest::load(t, kMomentRow + 2, 6, 20, 0);
  BeamAnalysis a(t);
  EXPECT_EQ(t[kMomentRow + 2][1], 20 - 1e-9);
  ASSERT_EQ(a.run(), BeamRunStatus::Complete);
  double Mpos, Mneg, RL, RR;
  a.results(Mpos, Mneg, RL, RR);
  EXPECT_NEAR(Mneg, -6, 1e-9);
  EXPECT_EQ(Mpos, 0);
  EXPECT_NE(a.report().find("Positive moment =0.00 k-ft  at =0.000 ft.\n Negative moment =-6.00 k-ft  at =20.000 ft."),
            std::string::npos)
      << a.report();
}

TEST(OverhangLeftReport, MomentLoadInsideTheSpanIsNotTakenForAnEndMoment) {
  // L = 25, s = 20, 10 k-ft at 19.9: R_L = -0.5, M = -0.5 (x - 5) left of the load, most negative
  // just left of it: -0.5 * 14.9 = -7.45 at 19.9, between the stations 19.875 and 20. The load is not
  // at the beam's end, so it must not be reported as a -10 end moment.
  BeamLoadTable t = table(25, 20);
  beamtest::load(t, kMomentRow, 10, 19.9, 0);
  BeamAnalysis a(t);
  ASSERT_EQ(a.run(), BeamRunStatus::Complete);
  double Mpos, Mneg, RL, RR;
  a.results(Mpos, Mneg, RL, RR);
  EXPECT_NEAR(Mneg, -7.45, 1e-9);
  EXPECT_NE(a.report().find("Negative moment =-7.45 k-ft  at =19.900 ft."), std::string::npos) << a.report();
}

TEST(OverhangLeftReport, PointLoadAtTheFreeEnd) {
  // L = 25, s = 20 (a = 5), P = 10 at 0: R_L = 10*25/20 = 12.5, R_R = -2.5; V = -10 on the overhang,
  // 2.5 from the support on; M(5) = -50.
  BeamLoadTable t = table(25, 20);
  beamtest::load(t, kPointRow, 10, 0, 0);
  BeamAnalysis a(t);
  ASSERT_EQ(a.run(), BeamRunStatus::Complete);
  const auto r = lines(a.report());
  ASSERT_GE(r.size(), 4u);
  EXPECT_EQ(r[1], "  ===cbm======cbm======cbm======cbm===");
  EXPECT_EQ(r[2], " length =25.000 ft,  span =20.000 ft,  I =100.00 in^4,  E =29000 ksi,   Overhang at the left side");
  EXPECT_EQ(r[3], " point load = 10.00 kip. at 0.00'");
  EXPECT_EQ(a.report().find("Cb"), std::string::npos);
  EXPECT_NE(a.report().find("Reaction at left support =12.50 kips.  Reaction at right support =-2.50 kips\r\n"),
            std::string::npos);
  EXPECT_DOUBLE_EQ(a.stations()[39 * 5 + 1], -10);
  EXPECT_DOUBLE_EQ(a.stations()[40 * 5 + 1], 2.5);
  EXPECT_NE(a.report().find("Negative moment =-50.00 k-ft  at =5.000 ft."), std::string::npos);
}

TEST(PointOfInterest, WrittenOnlyInsideTheBeamAndForValidInput) {
  // At 7.5 ft of the central 10 kip load: V = 5, M = 37.5, y' = -P(L^2 - 4x^2)/16EI,
  // y = -P x (3L^2 - 4x^2)/48EI.
  BeamLoadTable t = table(20, 20, 100, 29000, 7.5);
  beamtest::load(t, kPointRow, 10, 10, 0);
  BeamAnalysis a(t);
  ASSERT_EQ(a.run(), BeamRunStatus::Complete);
  const double slope = -10 * (400 - 4 * 56.25) / (16 * kEI), y = -10 * 7.5 * (1200 - 4 * 56.25) / (48 * kEI) * 12;
  EXPECT_NE(a.report().find(format("\n\n@7.50, Shear =5.00 Mmnt=37.50  Slope=%.2E  delta=%.4f\"\n", slope, y)),
            std::string::npos)
      << a.report();

  for (double xi : {0.0, 20.0, 25.0, -3.0}) {
    BeamLoadTable u = table(20, 20, 100, 29000, xi);
    beamtest::load(u, kPointRow, 10, 10, 0);
    BeamAnalysis b(u);
    ASSERT_EQ(b.run(), BeamRunStatus::Complete);
    EXPECT_EQ(b.report().find("Mmnt="), std::string::npos) << xi;
  }
  // A load off the beam: the lengths are in error, the report is still written, without the line.
  beamtest::load(t, kUniformRow, 1, 5, 22);
  BeamAnalysis c(t);
  EXPECT_FALSE(c.lengthsValid());
  EXPECT_EQ(t[kValidRow][2], 0.0);
  ASSERT_EQ(c.run(), BeamRunStatus::Complete);
  EXPECT_EQ(c.report().find("Mmnt="), std::string::npos);
  EXPECT_NE(c.report().find("maximum shear force"), std::string::npos);
}

TEST(InputChecks, EveryRowIsCheckedWhateverItsMagnitude) {
  BeamLoadTable t = table(20, 20);
  beamtest::load(t, kPointRow + 2, 0, 21, 0);
  EXPECT_FALSE(BeamAnalysis(t).lengthsValid());
  t = table(20, 20);
  beamtest::load(t, kUniformRow + 1, 0, 8, 4);  // end before start
  EXPECT_FALSE(BeamAnalysis(t).lengthsValid());
  t = table(20, 20);
  beamtest::load(t, kMomentRow, 0, -1, 0);
  EXPECT_FALSE(BeamAnalysis(t).lengthsValid());
  t = table(20, 22);  // span longer than the beam
  EXPECT_FALSE(BeamAnalysis(t).lengthsValid());
  t = table(20, 20);
  beamtest::load(t, kDescendingRow, 1, 0, 20);
  EXPECT_TRUE(BeamAnalysis(t).lengthsValid());
}

TEST(InputChecks, AscendingLoadOutOfOrderOrOffTheBeamStopsAfterTheLoadList) {
  for (auto [start, end, bits] : {std::tuple{9.0, 4.0, 1}, std::tuple{4.0, 21.0, 2}, std::tuple{22.0, 21.0, 3}}) {
    BeamLoadTable t = table(20, 20);
    beamtest::load(t, kPointRow, 10, 10, 0);
    beamtest::load(t, kAscendingRow + 1, 2, start, end);
    BeamAnalysis a(t);
    EXPECT_FALSE(a.lengthsValid());
    EXPECT_EQ(a.run(), BeamRunStatus::AscendingLoad);
    EXPECT_EQ(a.ascendingError(), bits);
    const std::string expectTail = "\n point load = 10.00 kip. at 10.00'" +
                                   std::string(end > start ? format("\n ascending triangular load = 2.000 kip/ft at apex start %.2f' end %.2f'", start, end) : "") +
                                   "\n";
    EXPECT_EQ(a.report(), "\n  ===dbm======dbm======dbm======dbm===\n span =20.000 ft,  I =100.00 in^4,  E =29000 ksi" +
                              expectTail);
    for (double v : a.stations()) EXPECT_EQ(v, 0.0);
  }
  // The same load in the cantilever and the overhang-right analyses.
  BeamLoadTable t = table(10, 10);
  beamtest::load(t, kAscendingRow, 1, 6, 3);
  CantileverAnalysis c(t);
  EXPECT_EQ(c.run(), BeamRunStatus::AscendingLoad);
  t = table(25, 20);
  beamtest::load(t, kAscendingRow, 1, 6, 26);
  OverhangRightAnalysis o(t);
  EXPECT_EQ(o.run(), BeamRunStatus::AscendingLoad);
  EXPECT_EQ(o.ascendingError(), kAscendingEndBeyondLength);
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
    for (int kind = 0; kind < 3; ++kind) {
      if (kind == 2 && k.s != k.L) continue;  // the cantilever's span is its length
      BeamLoadTable t = table(k.L, kind == 2 ? k.L : k.s, k.I, k.E);
      beamtest::load(t, kPointRow, k.P, 0, 0);
      std::unique_ptr<BeamAnalysisBase> a;
      if (kind == 0) a = std::make_unique<BeamAnalysis>(t);
      if (kind == 1) a = std::make_unique<OverhangRightAnalysis>(t);
      if (kind == 2) a = std::make_unique<CantileverAnalysis>(t);
      if (k.status == BeamRunStatus::BadLengths) {
        EXPECT_FALSE(a->lengthsValid());
      }
      EXPECT_EQ(a->run(), k.status) << k.L << " " << k.I << " " << k.P << " kind " << kind;
      EXPECT_FALSE(beamtest::hasNonFinite(a->report())) << a->report();
      EXPECT_FALSE(beamtest::hasNonFinite(a->stationFileText()));
      EXPECT_EQ(a->report().find("Shear"), std::string::npos);
      for (double v : a->stations()) EXPECT_EQ(v, 0.0);
    }
  }
  // E entered so large that it overflows in kip/ft^2: the header says so instead of printing "inf".
  BeamLoadTable t = table(20, 20, 100, 1e307);
  BeamAnalysis a(t);
  EXPECT_EQ(a.run(), BeamRunStatus::TooLarge);
  EXPECT_NE(a.report().find("\n span =20.000 ft,  I =100.00 in^4,  E =(too large) ksi\n"), std::string::npos) << a.report();
}

TEST(OverhangRightReport, PointLoadAtTheTip) {
  // L = 25, s = 20, 10 kip at 25: R_a = -2.5, R_b = 12.5, M(20) = -50. Tip: Pa^2(l + a)/3EI down;
  // between the supports y = P a x (l^2 - x^2)/(6 l EI) up, largest on the stations near l/sqrt(3).
  BeamLoadTable t = table(25, 20);
  beamtest::load(t, kPointRow, 10, 25, 0);
  OverhangRightAnalysis a(t);
  ASSERT_TRUE(a.lengthsValid());
  ASSERT_EQ(a.run(), BeamRunStatus::Complete);
  double Mpos, Mneg, RL, RR;
  a.results(Mpos, Mneg, RL, RR);
  EXPECT_DOUBLE_EQ(RL, -2.5);
  EXPECT_DOUBLE_EQ(RR, 12.5);
  EXPECT_DOUBLE_EQ(a.stations()[160 * 5 + 2], -50);
  EXPECT_DOUBLE_EQ(Mneg, -50);

  // The largest uplift, P a l^2 / (9 sqrt(3) EI) at l / sqrt(3) = 11.547 ft, between stations.
  const double upMax = 10 * 5 * 400 / (9 * std::sqrt(3.0) * kEI), upAt = 11.547;
  const double tip = 10 * 25.0 * 25 / (3 * kEI);
  const auto r = lines(a.report());
  EXPECT_EQ(r[1], "  ===ebm======ebm======ebm======ebm===");
  EXPECT_EQ(r[2], " length =25.000 ft,  span =20.000 ft,  I =100.00 in^4,  E =29000 ksi,\tOverhang at right side");
  EXPECT_NE(a.report().find(format("\n Deflection down =%.4f\"    at =25.000 ft.\t span to deflection ratio =%.1f"
                                   "\n Deflection up  = %.4f\"    at =%.3f ft.\t span to deflection ratio =%.1f",
                                   -tip * 12, 20 / tip, upMax * 12, upAt, 20 / upMax)),
            std::string::npos)
      << a.report();
  EXPECT_NE(a.report().find("\n maximum shear force =10.000 kips."
                            "\n Reaction at left support =-2.50 kips.  Reaction at right support =12.50 kips\r\n"),
            std::string::npos);
  EXPECT_EQ(a.report().find("Cb"), std::string::npos);
  EXPECT_NEAR(a.stations()[200 * 5 + 4], -tip * 12, 1e-12);
}

TEST(OverhangRightReport, AscendingLoadShearStartsAtTheLeftReactionAndDescendingListsTwoDecimals) {
  BeamLoadTable t = table(25, 20);
  beamtest::load(t, kAscendingRow, 2, 3, 15);
  beamtest::load(t, kDescendingRow, 1.234, 5, 9);
  OverhangRightAnalysis a(t);
  ASSERT_EQ(a.run(), BeamRunStatus::Complete);
  // By statics about the right support: W = 2*12/2 = 12 at 11; W = 1.234*4/2 at 5 + 4/3.
  const double W1 = 12, W2 = 1.234 * 2;
  const double RL = (W1 * (20 - 11) + W2 * (20 - 5 - 4.0 / 3)) / 20;
  EXPECT_NEAR(a.stations()[1], RL, 1e-12);
  EXPECT_NE(a.report().find("\n descending triangular load = 1.23 kip/ft at apex start 5.00'  end 9.00'"),
            std::string::npos);
  EXPECT_NE(a.report().find("\n ascending triangular load = 2.000 kip/ft at apex start 3.00' end 15.00'"),
            std::string::npos);
}

TEST(OverhangRightReport, PointOfInterestEvenWhenTheLengthsAreInError) {
  BeamLoadTable t = table(25, 20, 100, 29000, 10);
  beamtest::load(t, kPointRow, 10, 10, 0);
  beamtest::load(t, kPointRow + 1, 0, 30, 0);  // off the beam: lengths in error
  OverhangRightAnalysis a(t);
  EXPECT_FALSE(a.lengthsValid());
  ASSERT_EQ(a.run(), BeamRunStatus::Complete);
  // A simple span of 20 under its central load, at the load: V = -5 (the load counts), M = 50.
  const double y = -10 * 8000.0 / (48 * kEI) * 12;
  EXPECT_NE(a.report().find(format("\n\n@ 10.00, Shear =-5.00 Mmnt=    50.00  Slope=  0.00E+00  delta=%9.4f\"\n", y)),
            std::string::npos)
      << a.report();
}

TEST(CantileverReport, PointLoadAtTheFreeEnd) {
  // L = 10, 2 kip at 0: V = -2, M = -2x; the wall pushes up 2 kip and takes M = -20 k-ft; free-end
  // deflection PL^3/3EI down, printed negative like every other deflection of the report.
  BeamLoadTable t = table(10, 10);
  beamtest::load(t, kPointRow, 2, 0, 0);
  CantileverAnalysis a(t);
  ASSERT_EQ(a.run(), BeamRunStatus::Complete);
  for (int i = 0; i <= 200; ++i) {
    EXPECT_DOUBLE_EQ(a.stations()[i * 5 + 1], -2);
    EXPECT_NEAR(a.stations()[i * 5 + 2], -2 * a.stations()[i * 5], 1e-12);
  }
  const double tip = 2 * 1000.0 / (3 * kEI) * 12;
  std::string e = "\n  ===gbm======gbm======gbm======gbm===\n length =10.000 ft,  span =10.000 ft,  I =100.00 in^4,  E =29000 ksi";
  e += "\n point load = 2.00 kip. at 0.00'\n";
  for (int k = 0; k <= 10; ++k) {
    // From the free end: y = P (2L^3 - 3L^2 x + x^3)/6EI down, slope P (L^2 - x^2)/2EI.
    const double x = k, down = 2 * (2000 - 300 * x + x * x * x) / (6 * kEI) * 12;
    appendf(e, "\n@%6.2f, Shear =%9.2f Moment =%.2f  Slope =%10.2E  delta =%9.4f\"", x, -2.0, -2 * x,
            2 * (100 - x * x) / (2 * kEI), -down);
  }
  appendf(e, "\n\n Positive moment =0.00 k-ft  at =0.000 ft.\n Negative moment =-20.00 k-ft  at =10.000 ft.");
  appendf(e, "\n Deflection down = %.4f\"    at = 10.000 ft. from the support", -tip);
  e += "\n maximum shear force =-2.000 kips.\n  Reaction at support =2.00 kips\n  Fixed-end moment =-20.00 k-ft\r\n";
  appendf(e,
          "\n\n Key results:\n  maximum moment =-20.00 k-ft at 10.000 ft.\n  maximum shear =-2.000 kips at 0.000 ft."
          "\n  reaction at the fixed end =2.00 kips, fixed-end moment =-20.00 k-ft."
          "\n  maximum deflection =%.4f\" at 10.000 ft. from the support\r\n",
          -tip);
  expectSameLines(a.report(), e);
  // The station file keeps counting deflection downward.
  EXPECT_NEAR(a.stations()[4], tip, 1e-12);
  const LastBeamResult r = a.lastResult();
  EXPECT_TRUE(r.cantilever);
  EXPECT_EQ(r.leftReaction, 0.0);
  EXPECT_DOUBLE_EQ(r.rightReaction, 2.0);
  EXPECT_DOUBLE_EQ(r.fixedEndMoment, -20.0);
}

TEST(CantileverReport, PartialUniformLoadAndTriangularLoadList) {
  // Uniform w = 1.5 over the outer 5 ft of a 10 ft cantilever (5 to 10 ft from the fixed end):
  // free-end deflection w (3L^4 - 4 L a^3 + a^4) / 24EI with a = 5; none at the fixed end.
  BeamLoadTable t = table(10, 10);
  beamtest::load(t, kUniformRow, 1.5, 0, 5);
  beamtest::load(t, kAscendingRow, 0.25, 6, 9);        // apex 0.25 kip/ft at 9 ft
  beamtest::load(t, kDescendingRow + 1, 0.125, 4, 4);  // no length: not a load
  CantileverAnalysis a(t);
  ASSERT_EQ(a.run(), BeamRunStatus::Complete);
  EXPECT_NE(a.report().find("\n uniform load = 1.500 kip/ft start 0.00' end 5.00'"
                            "\n ascending triangular load = 0.250 kip/ft at apex start 6.00' end 9.00'\n"),
            std::string::npos)
      << a.report();
  EXPECT_EQ(t[kAscendingRow][0], 0.25);  // the table keeps what was entered

  BeamLoadTable u = table(10, 10);
  beamtest::load(u, kUniformRow, 1.5, 0, 5);
  CantileverAnalysis b(u);
  ASSERT_EQ(b.run(), BeamRunStatus::Complete);
  const double free = 1.5 * (3 * 1e4 - 4 * 10 * 125 + 625) / (24 * kEI) * 12;
  EXPECT_NEAR(b.stations()[4], free, 1e-12);
  EXPECT_NEAR(b.stations()[200 * 5 + 4], 0, 1e-12);
  EXPECT_NE(b.report().find(format("\n Deflection down = %.4f\"    at = 10.000 ft. from the support", -free)),
            std::string::npos);
  // The wall carries 1.5 * 5 = 7.5 kip and 7.5 * 7.5 = 56.25 k-ft (the load's centre is 7.5 ft off).
  EXPECT_NE(b.report().find("\n  Reaction at support =7.50 kips\n  Fixed-end moment =-56.25 k-ft\r\n"),
            std::string::npos);
  double Mpos, Mneg, left, right;
  b.results(Mpos, Mneg, left, right);
  EXPECT_EQ(Mpos, 0);
  EXPECT_NEAR(Mneg, -56.25, 1e-12);
  EXPECT_EQ(left, 0.0);
  EXPECT_NEAR(right, 7.5, 1e-12);
}

TEST(CantileverReport, TriangularLoadsAreTypedAsApexIntensity) {
  // A 10 ft cantilever, ascending 0 at the free end to 3 kip/ft at the wall: W = 15 kip, 10/3 ft
  // from the wall, so M = -50 k-ft; free-end deflection W L^3 / 15EI. Read as a gradient, the same
  // 3 made 30 kip/ft at the wall: ten times all of it.
  BeamLoadTable t = table(10, 10);
  beamtest::load(t, kAscendingRow, 3, 0, 10);
  CantileverAnalysis a(t);
  ASSERT_EQ(a.run(), BeamRunStatus::Complete);
  EXPECT_NEAR(a.lastResult().rightReaction, 15, 1e-12);
  EXPECT_NEAR(a.fixedEndMoment(), -50, 1e-12);
  EXPECT_NEAR(a.stations()[4], 15 * 1000.0 / (15 * kEI) * 12, 1e-12);
  EXPECT_NE(a.report().find("\n ascending triangular load = 3.000 kip/ft at apex start 0.00' end 10.00'\n"),
            std::string::npos);
  // Descending from 2 kip/ft at the free end: W = 10 kip, 10 - 10/3 ft from the wall.
  BeamLoadTable u = table(10, 10);
  beamtest::load(u, kDescendingRow, 2, 0, 10);
  CantileverAnalysis b(u);
  ASSERT_EQ(b.run(), BeamRunStatus::Complete);
  EXPECT_NEAR(b.fixedEndMoment(), -10 * 20.0 / 3, 1e-12);
}

TEST(SpanRatio, PrintedOnlyForAMeasurableDeflection) {
  // A 10 ft simple span, I = 100, E = 29000, central load P: deflection P L^3 / 48EI, in inches
  // 12 * P * 1000 / (48 * 20138.89) = 0.012414 P.
  //   P = 0.01: 0.00012" prints as 0.0001; its ratio (about 966,000) would be noise: not printed.
  //   P = 1:    0.0124": ratio 10 * 12 / 0.012414 = 9666.7, printed.
  BeamLoadTable t = table(10, 10);
  beamtest::load(t, kPointRow, 0.01, 5);
  BeamAnalysis small(t);
  ASSERT_EQ(small.run(), BeamRunStatus::Complete);
  EXPECT_NE(small.report().find("Deflection down =-0.0001\"    at =5.000 ft.\n"), std::string::npos) << small.report();
  EXPECT_EQ(small.report().find("ratio"), std::string::npos);
  t[kPointRow][0] = 1;
  BeamAnalysis large(t);
  ASSERT_EQ(large.run(), BeamRunStatus::Complete);
  EXPECT_NE(large.report().find("Deflection down =-0.0124\"    at =5.000 ft.\t span to deflection ratio =9666.7"),
            std::string::npos)
      << large.report();
}

TEST(TrueExtremes, OverhangSupportMomentAndShearBetweenStations) {
  // L = 23.7, s = 17.24: the left support at a = 6.46, midway between stations 54 (6.399) and 55
  // (6.5175). 5 kip at the tip, 1 kip/ft over the whole beam.
  //   Just left of the support: M = -5 * 6.46 - 6.46^2 / 2 = -53.1658 (station 54 saw -52.47).
  //   R_R * 17.24 = 23.7 * (11.85 - 6.46) - 5 * 6.46 = 95.443, R_R = 5.53614, R_L = 28.7 - R_R = 23.16386;
  //   just right of the support V = 23.16386 - 5 - 6.46 = 11.70386 (station 55 saw 11.646).
  //   Zero shear R_R = 5.53614 ft left of the right end: M = R_R^2 / 2 = 15.324 at 18.16386.
  BeamLoadTable t = table(23.7, 17.24);
  beamtest::load(t, kPointRow, 5, 0);
  beamtest::load(t, kUniformRow, 1, 0, 23.7);
  BeamAnalysis a(t);
  ASSERT_EQ(a.run(), BeamRunStatus::Complete);
  EXPECT_NE(a.report().find("Positive moment =15.32 k-ft  at =18.164 ft.\n Negative moment =-53.17 k-ft  at =6.460 ft."),
            std::string::npos)
      << a.report();
  EXPECT_NE(a.report().find("maximum shear force =11.704 kips."), std::string::npos);
  EXPECT_NE(a.report().find("  maximum shear =11.704 kips at 6.460 ft."), std::string::npos);
}

}  // namespace

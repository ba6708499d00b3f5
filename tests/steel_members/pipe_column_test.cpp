// Pipe column: the four member types, the wall checks and the stops, against hand calculations. The
// whole reports are in tests/golden/steel/member_hand_cases.expected and examples/steel_members.
#include "steel/pipe_column.h"

#include "support.h"

using namespace vd;
using namespace smtest;

namespace {

// P 4: A 3.17, D 4.5, t 0.237, r 1.51.
const SectionRecord& p4() { return row(ShapeTable::Pipe, "P 4"); }

// A made-up pipe with round numbers, for exact boundaries: D 4, t 0.25 (D/t 16), r 1.5, A 3.
// Static, because a column keeps a reference to its section as it does to a table row.
const SectionRecord& roundPipe() {
  static SectionRecord r{};
  r.A = 3.0f;
  r.D = 4.0f;
  r.t = 0.25f;
  r.Di = 3.5f;
  r.rxx = r.ryy = 1.5f;
  r.Ixx = r.Iyy = 6.75f;
  r.Sxx = r.Syy = 3.375f;
  r.weight = 10.0f;
  return r;
}

TEST(PipeColumn, HandCalculatedCases) {
  const struct {
    const char* pipe;
    double L, P;
    int type;
    double dead, live, eq;
    double fa, capacity, Beta;
    bool ok;
  } cases[] = {
      // P 4, 10 ft at 36 ksi: kl/r = 120/1.51 = 79.47, x = 0.63022: 36*0.80141/1.87187 = 15.414 ksi, 48.86 kip.
      {"P 4", 10, 40, 0, 0, 0, 0, 15.414, 48.86, 0, true},
      // Seismic-frame column, dead 10, live 5, E 2, Rw 8: P = 10 + 3.5 + 6 = 19.5 kip against
      // (P)sc = 1.7*15.414*3.17 = 83.07 kip.
      {"P 4", 10, 40, 1, 10, 5, 2, 15.414, 48.86, 0, true},
      // CBF brace: Beta = 1/(1 + 79.47/252.20) = 0.760; 15.414*3.17*0.760 = 37.15 kip < 40: NO GOOD.
      {"P 4", 10, 40, 2, 0, 0, 0, 15.414, 37.15, 0.760, false},
      // SCBF brace: no Beta, 48.86 kip.
      {"P 4", 10, 40, 3, 0, 0, 0, 15.414, 48.86, 0, true},
      // P 42 (D 42, t 0.375, A 49.0, r 14.7), 40 ft: D/t 112 > 3300/36 = 91.67, Qa = 1100/(36*112) + 2/3
      // = 0.9395 (A-B5-9); Cc' = 126.10/sqrt(0.9395) = 130.10, kl/r = 32.65, x = 0.25099:
      // 0.9395*36*(1 - x^2/2)/(5/3 + 3x/8 - x^3/8) = 18.62 ksi, 912.58 kip (19.75 ksi on the full wall).
      {"P 42", 40, 900, 0, 0, 0, 0, 18.624, 912.58, 0, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.pipe << " type " << c.type);
    PipeColumn col(row(ShapeTable::Pipe, c.pipe), c.L, 1.0, c.P, 36.0, c.type, c.dead, c.live, c.eq, 8);
    col.design();
    EXPECT_NEAR(col.fa, c.fa, 0.001);
    EXPECT_NEAR(col.capacity, c.capacity, 0.005);
    if (c.Beta > 0) {
      EXPECT_NEAR(col.Beta, c.Beta, 0.0005);
    }
    EXPECT_EQ(col.result().ok, c.ok);
  }
  PipeColumn frame(p4(), 10.0, 1.0, 40.0, 36.0, 1, 10.0, 5.0, 2.0, 8);
  frame.design();
  EXPECT_DOUBLE_EQ(frame.seismicP, 19.5);
  PipeColumn thin(row(ShapeTable::Pipe, "P 42"), 40.0, 1.0, 900.0, 36.0, 0, 0, 0, 0, 4);
  thin.design();
  EXPECT_NEAR(thin.Qs, 0.9395, 0.00005);
}

TEST(PipeColumn, WallLimitsAtTheirBoundaries) {
  // D/t 16 exactly 3300/Fy at Fy 206.25 is fully effective; at 207 A-B5-9 applies.
  PipeColumn at(roundPipe(), 5.0, 1.0, 10.0, 206.25, 0, 0, 0, 0, 4);
  EXPECT_TRUE(contains(at.design(), "(=16.00)  < 3300.0/Fyield (=16.00)\r\n\tASD Table B5.1 D/t -- The pipe is fully effective."));
  PipeColumn over(roundPipe(), 5.0, 1.0, 10.0, 207.0, 0, 0, 0, 0, 4);
  EXPECT_TRUE(contains(over.design(), "(=16.00)  > 3300.0/Fyield (=15.94)\r\n\t ASD Appendix B5 Eq. A-B5-9:  Qa = 1100/(Fy*D/t) + "
                                      "2/3 =0.999"));
  // A CBF brace at Fy 90: OD/t 16 > 1300/90 = 14.44, NO GOOD.
  PipeColumn thin(roundPipe(), 5.0, 1.0, 10.0, 90.0, 2, 0, 0, 0, 4);
  EXPECT_TRUE(contains(thin.design(), "OD/t (=16.00)  > 1300/Fy (=14.44)  NO GOOD!!!"));
  EXPECT_FALSE(thin.result().ok);
}

TEST(PipeColumn, StopsOnSlenderness) {
  const struct {
    double L, Fy;
    int type;
    PipeColumn::Stop stop;
  } cases[] = {
      {25.0, 36, 0, PipeColumn::None},             // kl/r = 300/1.5 = 200 exactly passes
      {25.01, 36, 0, PipeColumn::SlendernessB7},   // 200.1
      {15.0, 36, 2, PipeColumn::None},             // CBF: 720/6 = 120 exactly
      {15.5, 36, 2, PipeColumn::CbfSlenderness},   // 124
      {12.6, 100, 3, PipeColumn::ScbfSlenderness}, // SCBF at Fy 100: 100.8 > 1000/10
  };
  for (const auto& c : cases) {
    PipeColumn col(roundPipe(), c.L, 1.0, 1.0, c.Fy, c.type, 0, 0, 0, 4);
    col.design();
    EXPECT_EQ(col.stop(), c.stop) << c.L;
  }
}

TEST(PipeColumn, MeaninglessInputsAreRefused) {
  EXPECT_NE(PipeColumn(p4(), 10, 1, 10, 0.0, 0, 0, 0, 0, 4).inputError(), "");
  EXPECT_NE(PipeColumn(p4(), -10, 1, 10, 36.0, 0, 0, 0, 0, 4).inputError(), "");
  EXPECT_NE(PipeColumn(p4(), 1e300, 1e300, 10, 36.0, 0, 0, 0, 0, 4).inputError(), "");
}

}  // namespace

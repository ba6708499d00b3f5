// The lightest-section search on a small made-up table: order by weight (table order on ties), the
// depth limit, the count kept, rows heavier than the last kept never run, and the two "none" cases.
#include <gtest/gtest.h>

#include "platform/lightest.h"

namespace vd {
namespace {

// Row i passes when pass[i]; its ratio is i / 10.
DesignResult verdict(bool pass, int i) {
  DesignResult r;
  r.check(i / 10.0, pass, pass ? "bending, Eq. X" : "shear, Eq. Y");
  return r;
}

TEST(Lightest, KeepsTheLightestPassingRowsAndRunsNoHeavierOne) {
  //                           0     1     2      3     4     5     6     7
  const bool pass[] = {true, false, true, true, true, true, true, true};
  const double weight[] = {40, 10, 20, 20, 50, 60, 70, 80};
  const double depth[] = {10, 10, 30, 10, 10, 10, 10, 10};
  std::vector<SearchRow> rows;
  for (int i = 0; i < 8; ++i) rows.push_back({i, "R" + std::to_string(i), weight[i], depth[i]});
  std::vector<int> ran;
  const auto design = [&](int i) {
    ran.push_back(i);
    return verdict(pass[i], i);
  };
  LightestResult r = lightestPassing(rows, design, {0.0, 3});
  std::vector<int> kept;
  for (const Candidate& c : r.passing) kept.push_back(c.row);
  EXPECT_EQ(kept, (std::vector<int>{2, 3, 0}));  // 20, 20 in table order, then 40
  EXPECT_EQ(ran, (std::vector<int>{1, 2, 3, 0}));
  EXPECT_FALSE(r.heaviest);

  ran.clear();
  r = lightestPassing(rows, design, {15.0, 5});  // row 2 is 30 in deep
  kept.clear();
  for (const Candidate& c : r.passing) kept.push_back(c.row);
  EXPECT_EQ(kept, (std::vector<int>{3, 0, 4, 5, 6}));
  EXPECT_EQ(r.text("T", {15.0, 5}).substr(0, 43), " Lightest T sections passing, depth at most");
}

TEST(Lightest, NamesTheHeaviestRowsFailingCheckOrTheLimit) {
  const std::vector<SearchRow> rows = {{0, "A", 30, 8}, {1, "B", 90, 12}, {2, "C", 60, 9}};
  const LightestResult none = lightestPassing(rows, [](int i) { return verdict(false, i + 11); });
  ASSERT_TRUE(none.heaviest);
  EXPECT_EQ(none.heaviest->name, "B");
  EXPECT_EQ(none.text("T", {}), " Lightest T section: no row passes (3 checked).\r\n"
                                " The heaviest, B (90.00 lb/ft), fails shear, Eq. Y, ratio 1.20.\r\n");
  const LightestResult outside = lightestPassing(rows, [](int i) { return verdict(true, i); }, {6.0, 5});
  EXPECT_EQ(outside.considered, 0);
  EXPECT_EQ(outside.text("T", {6.0, 5}), " Lightest T section: no row is within the limits, depth at most 6.00 in.\r\n");
}

}  // namespace
}  // namespace vd

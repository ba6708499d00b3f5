#include "loads/column_loads.h"
#include "support/scratch_dir.h"

using namespace vd;

namespace {

TEST(LiveLoadReduction, AreaRules) {
  // Ordinary floor below 150 ft^2: nothing.
  EXPECT_EQ(liveLoadReduction(50, 50, 100), 0.0);
  // 50/50 psf on 400 ft^2: 0.0008 * 250 = 0.2; Rmax = 0.231 * 2 = 0.462 does not govern.
  EXPECT_NEAR(liveLoadReduction(50, 50, 400), 0.2, 1e-15);
  // 10 dead, 50 live on 600 ft^2: 0.36 against Rmax = 0.231 * 1.2 = 0.2772, which governs.
  EXPECT_NEAR(liveLoadReduction(10, 50, 600), 0.2772, 1e-15);
  // Never above 40 %.
  EXPECT_NEAR(liveLoadReduction(200, 50, 2000), 0.4, 1e-15);
  // Roof of 20 psf: the table.
  EXPECT_EQ(liveLoadReduction(15, 20, 199.99), 0.0);
  EXPECT_EQ(liveLoadReduction(15, 20, 200), 0.2);
  EXPECT_EQ(liveLoadReduction(15, 20, 599.99), 0.2);
  EXPECT_EQ(liveLoadReduction(15, 20, 600), 0.4);
  // 100 psf and more: never reduced.
  EXPECT_EQ(liveLoadReduction(100, 100, 5000), 0.0);
}

TEST(TakeDown, ListsTopRowFirstAndSkipsEmptyRows) {
  TakeDownRows rows{};
  rows[0] = {50, 50, 10, 10, 20, 20, 0};  // A = 40 * 20 / 4 = 200 ft^2; R = 0.04
  rows[2] = {15, 20, 20, 20, 10, 10, 0};  // roof, A = 200: R = 0.2
  TakeDownResult r = takeDown(rows);
  ASSERT_TRUE(r.ok);
  EXPECT_NEAR(rows[0].R, 0.0008 * 50, 1e-15);
  EXPECT_EQ(rows[2].R, 0.2);
  // Dead: 200 * 50 + 200 * 15 = 13000 lb; live: 0.96 * 50 * 200 + 0.8 * 20 * 200 = 9600 + 3200 lb.
  EXPECT_NEAR(r.sumDead, 13.0, 1e-12);
  EXPECT_NEAR(r.sumLive, 12.8, 1e-12);
  const std::size_t three = r.text.find("##3##"), one = r.text.find("##1##");
  ASSERT_NE(three, std::string::npos);
  ASSERT_NE(one, std::string::npos);
  EXPECT_LT(three, one);
  EXPECT_EQ(r.text.find("##4##"), std::string::npos);
  EXPECT_EQ(r.text.find("##2##"), std::string::npos);
  // The row and sum lines as printed: examples/loads/column_loads.txt.
}

TEST(TakeDown, DeadOnlyRowAndHugeNumbers) {
  TakeDownRows rows{};
  rows[1] = {40, 0, 10, 10, 10, 10, 0};  // live taken as 1e-5 psf
  TakeDownResult r = takeDown(rows);
  EXPECT_NEAR(r.sumDead, 4.0, 1e-12);
  EXPECT_NEAR(r.sumLive, 0.0, 1e-6);
  TakeDownRows huge{};
  huge[0] = {1e308, 1e308, 1e308, 1e308, 1e308, 1e308, 0};
  TakeDownResult h = takeDown(huge);
  EXPECT_FALSE(h.ok);
  EXPECT_EQ(h.text.find("inf"), std::string::npos);
  EXPECT_EQ(h.text.find("nan"), std::string::npos);
}

// The form's report and the stored grid: examples/loads/column_loads.txt. Cancel stores nothing.
class ColumnLoadsFormTest : public vdtest::ScratchDir {};

TEST_F(ColumnLoadsFormTest, CancelLeavesTheStoredGridAlone) {
  Settings s(ini());
  ScriptRunner r(s, out_, allForms());
  run(r, "menu Quick column loads\nset dead[0] 50\nset live[0] 50\npress OK\n");
  ASSERT_EQ(s.read("PRECOL", "AB"), "50.00");
  run(r, "menu Quick column loads\nset live[0] 80\npress Calculate\npress CANCEL\n");
  EXPECT_EQ(s.read("PRECOL", "AB"), "50.00");
}

}  // namespace

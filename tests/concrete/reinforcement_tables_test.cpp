// The reinforcement and fastener sheets: every row in order, and that they leave the pad alone.
#include <cstdio>
#include <vector>

#include "concrete/reinforcement_tables.h"
#include "frame/commands.h"
#include "support/scratch_dir.h"

using namespace vd;

namespace {

// Each sheet: its title, its template, the dashed rules around its rows, and a few rows read off the
// published tables (the rows themselves are data; the bar rows are checked against their diameters below).
TEST(ReinforcementTables, TitlesRulesAndPublishedRows) {
  const struct {
    int id;
    const char* title;
    std::size_t headerLines, rows;
    const char *firstRow, *lastRow;
  } sheets[] = {
      {546, "ASTM A615 & A706 Standard Reinforcing Bars", 2, 17, "#3\t0.376\t0.375\t0.11\t1.178",
       "#35M\t-.---\t35.7mm\t1000mm^2\t-.---"},
      {547, "Common Stock Style of Welded Wire Fabric", 2, 14, "in rolls ...", "4x4-W4xW4\t4x4-4x4\t0.12\t0.12\t86"},
      {2429, "U.S. Standard Wire and Sheet Metal Gages, UBC std. p3-538", 1, 13, "4\t0.2242\tnone", "28\t0.0149\t0.013"},
      {25551, "Type AB Self Tapping Screws", 1, 9, "4\t0.1120\t24\t0.110\t0.082", "3/8\t0.3750\t12\t0.371\t0.299"},
      {507, "Carbon Steel Kwik Bolt-II", 2, 5, "3/8\" x 3\"\t1 210 lb\t605 lb\t1,100 lb", "1\" x 8\"\t5,310 lb\t2,655 lb\t8,625 lb"},
  };
  const std::string rule(60, '-');
  for (const auto& c : sheets) {
    const ReinforcementTable* t = reinforcementTable(c.id);
    ASSERT_NE(t, nullptr) << c.id;
    EXPECT_STREQ(t->title, c.title);
    EXPECT_STREQ(t->templateName, findCommand(c.id)->templateName);
    ASSERT_EQ(t->lines.size(), c.headerLines + c.rows + 2) << c.title;
    EXPECT_EQ(t->lines[c.headerLines], rule);
    EXPECT_EQ(t->lines.back(), rule);
    EXPECT_STREQ(t->lines[c.headerLines + 1], c.firstRow);
    EXPECT_STREQ(t->lines[c.headerLines + c.rows], c.lastRow);
  }
  EXPECT_EQ(reinforcementTable(600), nullptr);
}

TEST(ReinforcementTables, BarAreasAgreeWithTheirDiameters) {
  for (const char* line : reinforcementTable(546)->lines) {
    double weight, dia, area;
    if (line[0] == '#' && std::string(line).find('M') == std::string::npos &&
        std::sscanf(line, "#%*d\t%lf\t%lf\t%lf", &weight, &dia, &area) == 3) {
      EXPECT_NEAR(area, 3.14159265 * dia * dia / 4, 0.006) << line;
      EXPECT_NEAR(weight, 3.4 * area, 0.02) << line;  // 490 lb/ft^3 steel: 3.40 plf per in^2
    }
  }
}

class ReinforcementFormTest : public vdtest::ScratchDir {};

TEST_F(ReinforcementFormTest, SheetsCloseWithoutTouchingThePad) {
  Settings s(ini());
  ScriptRunner r(s, out_, allForms());
  r.state().report = "\r\n earlier report";
  r.setPadText("\r\n earlier report");
  run(r, "menu Std. Re-bars\npress OK\nmenu Welded Wire Fabric\npress Cancel\nmenu Wire/Sheet Gages\npress OK\n"
         "menu Self Tapping Screws\npress OK\nmenu Kwick Bolt-II\npress OK\n");
  EXPECT_EQ(r.padText(), "\r\n earlier report");
  EXPECT_EQ(r.state().report, "\r\n earlier report");
  EXPECT_EQ(r.currentHost(), nullptr);
}

}  // namespace

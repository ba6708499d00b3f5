// Property sheets of the six steel tables and the browse forms that show them.
#include <gtest/gtest.h>

#include "tables/property_sheets.h"
#include "support/scratch_dir.h"

using namespace vd;

namespace {

bool contains(const std::string& text, const std::string& piece) { return text.find(piece) != std::string::npos; }

// 2L 6 x 8 x 1 joins the short legs: b is still the 8 in. leg, b/t = 8/1 = 8.00.
TEST(PropertySheet, UnequalAngleBOverTUsesTheLongerLeg) {
  int row = -1;
  for (int i = 0; i < rowCount(ShapeTable::Angle); ++i)
    if (std::string(usDesignation(ShapeTable::Angle, i)) == "2L 6 x 8 x 1") row = i;
  ASSERT_GE(row, 0);
  EXPECT_TRUE(propertySheet(ShapeTable::Angle, row).ends_with("b/t = 8.00/1.000 =8.00")) << propertySheet(ShapeTable::Angle, row);
}

TEST(PropertySheet, EveryRowOfEveryTableHasAFiniteSheet) {
  for (ShapeTable t : {ShapeTable::W, ShapeTable::Tee, ShapeTable::Channel, ShapeTable::Angle, ShapeTable::Tube,
                       ShapeTable::Pipe}) {
    for (int i = 0; i < rowCount(t); ++i) {
      const std::string sheet = propertySheet(t, i);
      ASSERT_TRUE(contains(sheet, usDesignation(t, i))) << i;
      ASSERT_FALSE(contains(sheet, "inf") || contains(sheet, "nan")) << usDesignation(t, i);
    }
    EXPECT_EQ(propertySheet(t, -1), "");
    EXPECT_EQ(propertySheet(t, rowCount(t)), "");
  }
}

// Rows that hold a current shape's values in place of a listed shape no longer published say so in one
// line under the sheet (the notes of W36x848, W14x808 and WT 18 x 424 are in
// tests/golden/tables/property_sheets.txt): every substituted W row, and no row of another table.
TEST(PropertySheet, OnlySubstitutedRowsCarryANote) {
  for (int i = 0; i < rowCount(ShapeTable::W); ++i)
    EXPECT_EQ(contains(propertySheet(ShapeTable::W, i), " is not in the current AISC database"),
              rowSource(ShapeTable::W, i)->origin == RowOrigin::Substituted) << usDesignation(ShapeTable::W, i);
  EXPECT_EQ(substituteNote(ShapeTable::W, -1), "");
  EXPECT_EQ(substituteNote(ShapeTable::W, rowCount(ShapeTable::W)), "");
  for (ShapeTable t : {ShapeTable::Channel, ShapeTable::Angle, ShapeTable::Tube, ShapeTable::Pipe})
    for (int i = 0; i < rowCount(t); ++i) ASSERT_EQ(substituteNote(t, i), "") << usDesignation(t, i);
}

class SheetForms : public vdtest::ScratchDir {};

TEST_F(SheetForms, FreshRunOpensAtRowZeroWithAnEmptySheet) {
  Settings s(ini());
  ScriptRunner r(s, out_, allForms());
  struct {
    const char* menu;
    const char* first;
  } forms[] = {{"W, M, or S", "W44x335 -- W1100x499"},
               {"WT, MT, or ST", "WT 22 x 167.5 -- WT 550 x 249.5"},
               {"C and MC", "C15x50 -- C380x74"},
               {"L, 2L", "L 8 x 8 x 1.125 -- L 203 x 203 x 28.6"},
               {"HSS -- old TS", "HSS 32 x 24 x 0.625 -- HSS 813 x 610 x 15.9"},
               {"P, PX, or PXX", "P 1/2 -- P 13"}};
  for (const auto& f : forms) {
    run(r, std::string("menu ") + f.menu + "\n");
    HeadlessHost& h = *r.currentHost();
    EXPECT_EQ(h.items(property_sheet_form::List).at(0), f.first) << f.menu;
    EXPECT_EQ(h.selection(property_sheet_form::List), 0) << f.menu;
    EXPECT_EQ(h.text(property_sheet_form::Sheet, std::string::npos), "") << f.menu;
    run(r, "press Cancel\n");
  }
  EXPECT_FALSE(std::filesystem::exists(ini()));  // Cancel stores nothing
}

// What OK copies and stores is in tests/golden/tables/sheet_forms.txt.
TEST_F(SheetForms, StoredRowOutsideTheTableSelectsNothing) {
  Settings s(ini());
  s.write("AISC", "angleNum", "259");
  s.write("AISC", "tubeNum", "x12");
  ScriptRunner r(s, out_, allForms());
  run(r, "menu L, 2L\n");
  EXPECT_EQ(r.currentHost()->selection(property_sheet_form::List), -1);
  EXPECT_EQ(r.currentHost()->text(property_sheet_form::Sheet, std::string::npos),
            "The stored row 259 is not in this table: pick a shape from the list.");
  run(r, "press OK\n");
  EXPECT_EQ(r.padText(), "");  // no sheet was ever made
  // Not a number: row 0.
  run(r, "menu HSS -- old TS\n");
  EXPECT_EQ(r.currentHost()->selection(property_sheet_form::List), 0);
  run(r, "press Cancel\n");
}

}  // namespace

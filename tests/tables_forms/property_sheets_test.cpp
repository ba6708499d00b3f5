// Property sheets of the six steel tables and the browse forms that show them.
#include <gtest/gtest.h>

#include "tables/property_sheets.h"
#include "support/scratch_dir.h"

using namespace vd;

namespace {

bool contains(const std::string& text, const std::string& piece) { return text.find(piece) != std::string::npos; }

// W44x335, row 0, from its published values (Iyy 1200): kdet 42/16 = 2.625, k1 17/16 = 1.0625, T 310/8 = 38.75;
// the k of the first lines is the design k the beam forms use (2.5625, printed to three places as 2.562).
const std::string kW44x335Sheet =
    "   FOR: \"    W44x335 \"\t\tmetric size: W1100x499\r\n Area =98.30 in^2,  Weight =335.00 lb/ft\r\n Depth =44.02 "
    "in,  Web thickness =1.020 in,   k= 2.562 in\r\n Flange width =15.950 in, thick =1.770 in\r\n Compact Section "
    "Criteria:\tbf/2tf =4.500\t d/tw =43.200\r\n rT =4.120\r\n d/Af =1.560\r\n\tElastic Properties:\r\n Ixx =31100.00 "
    "in^4,  Sxx =1410.000 in^3,  rxx =17.800 in\r\n Iyy =1200.00 in^4,  Syy =150.000 in^3,  ryy =3.490 in\r\n "
    "Torsional constant, J =74.400 in^4\r\n Warping torsional constant, Cw =536000.000 in^6;  Normalized warping, Wno "
    "=168.000 in^2\r\n\tPlastic Modulus:\r\n Zxx =1620.00 in^3,  Zyy =236.00 in^3\r\n Buckling factors: X1 =2430 ksi,  "
    "X2 =0.0051 (ksi)^-2\r\n\tDetailing:\r\n k =2.6250 in,  k1 =1.0625 in,  T =38.7500 in";

TEST(PropertySheet, WideFlangeRowZero) {
  const std::string sheet = propertySheet(ShapeTable::W, 0);
  EXPECT_EQ(sheet, kW44x335Sheet);
  // Longer than the 699 characters an older copy kept.
  EXPECT_EQ(sheet.size(), 709u);
}

// M and S rows have no detailing k in the database; their sheet shows the design k the beam and column
// forms use (the database kdes: M12x11.8 0.563 in, S24x100 1.75 in), never 0.
TEST(PropertySheet, MAndSSheetsShowTheDesignK) {
  EXPECT_TRUE(contains(propertySheet(ShapeTable::W, 268), "   FOR: \"   M12x11.8 \""));
  EXPECT_TRUE(contains(propertySheet(ShapeTable::W, 268), "Web thickness =0.177 in,   k= 0.563 in"));
  EXPECT_TRUE(contains(propertySheet(ShapeTable::W, 276), "   FOR: \"    S24x100 \""));
  EXPECT_TRUE(contains(propertySheet(ShapeTable::W, 276), "   k= 1.750 in"));
}

TEST(PropertySheet, ChannelTubePipeTellingRows) {
  EXPECT_EQ(propertySheet(ShapeTable::Channel, 0),
            "  FOR: \"     C15x50 \"\t\tmetric size: C380x74\r\nArea=   14.70 in^2,  Weight=   50.00 lb/ft\r\nDepth=   "
            "15.00 in\r\nWeb thickness=   0.716 in\r\nFlange width=   3.716 in, thick=   0.650 in\r\nDist. from outside "
            "face of web to shear center\t\"eo\"=   0.583 in\r\n'y' = 0.798 in\r\nd/Af=   6.210\r\n\tElastic "
            "Properties:\r\n Ixx=   404.00 in^4, Sxx=  53.800 in^3, rxx=  5.240 in\r\n Iyy=    11.00 in^4, Syy=   3.780 "
            "in^3, ryy=  0.867 in\r\n\tPlastic Modulus:\r\nZxx=    68.20 in^3, Zyy=     8.17 in^3");
  EXPECT_EQ(propertySheet(ShapeTable::Tube, 0),
            "\t FOR: \" HSS 32 x 24 x 0.625 \"    \t\tmetric size: HSS 813 x 610 x 15.9\r\n Area =66.40 in^2,  Weight "
            "=225.80 lb/ft\r\n Depth =32.00 in\r\n wall thickness =0.625 in\r\n Width =24.000 in\r\n\t Elastic "
            "Properties:\r\n Ixx =9880.00 in^4,  Sxx =617.000 in^3,  rxx =12.200 in,   b/t =35.40\r\n Iyy =6390.00 in^4,  "
            "Syy =533.000 in^3,  ryy =9.810 in,   d/t =48.20\r\n\t Plastic Modulus:\r\n Zxx =733.00 in^3,  Zyy =604.00 "
            "in^3\r\n Torsion constant \"J\"=12600.00 in^4,   \"C\"=913.00 in^3\r\n Surface area = 9.01 ft^2/ft");
  EXPECT_EQ(propertySheet(ShapeTable::Pipe, 9),
            "\tFOR: \"        P 4 \"\t\tmetric size: P 102\r\n Outside diameter =   4.500 in,  \tInside diameter =4.026 "
            "in\r\n Steel area =3.170 in^2,  wall thickness =0.237 in\r\n Weight =10.790 lbs.\r\n\t Elastic "
            "Properties:\r\n Ixx =7.23 in^4, Sxx =3.210 in^3, rxx =1.510 in\r\n Iyy =7.23 in^4, Syy =3.210 in^3, ryy "
            "=1.510 in\r\n\t Plastic Modulus:\r\n Zxx =4.31 in^3, Zyy =4.31 in^3\r\n Torsion constant \"J\" =14.50 in^4");
}

TEST(PropertySheet, TeeSheetUsesItsOwnFields) {
  const std::string sheet = propertySheet(ShapeTable::Tee, 4);
  EXPECT_EQ(sheet.rfind(std::string("   FOR: \" WT 20 x 296.5 \"\t\tmetric size: ") + metricDesignation(ShapeTable::Tee, 4) +
                            "\r\n Area =87.20 in^2,  Weight =296.50 lb/ft\r\n",
                        0),
            0u)
      << sheet;
  const SectionRecord& r = *sectionRow(ShapeTable::Tee, 4);
  EXPECT_TRUE(contains(sheet, format("rxx =%.3f in,    yxx =%.3f in\r\n", double(r.rxx), double(r.ybar))));
  EXPECT_TRUE(sheet.ends_with(format("yp =%.3f in", double(r.yp))));
  EXPECT_TRUE(contains(sheet, "\r\n\t\t\td/tw ="));
}

TEST(PropertySheet, UnequalAngleBOverTUsesTheLongerLeg) {
  // The first "2L 6 x 8" row joins the short leg: b is still the 8 in. leg.
  for (int i = 0; i < rowCount(ShapeTable::Angle); ++i) {
    const SectionRecord& r = *sectionRow(ShapeTable::Angle, i);
    if (r.leg1 < r.leg2) {
      EXPECT_TRUE(propertySheet(ShapeTable::Angle, i).ends_with(
          format("b/t = %.2f/%.3f =%.2f", double(r.leg2), double(r.t), double(r.leg2) / double(r.t))))
          << i;
      return;
    }
  }
  ADD_FAILURE() << "no angle joined by its short leg";
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
// line under the sheet (W36x848 holds W36x652, W14x808 holds W14x730; their tees likewise).
TEST(PropertySheet, SubstitutedRowsSayWhoseValuesTheyShow) {
  const int w36x848 = 25;  // W44: 4 rows, W40: 21 rows, then W36x848
  ASSERT_STREQ(usDesignation(ShapeTable::W, w36x848), "W36x848");
  const std::string note = " Note: W36x848 is not in the current AISC database; the values shown are those of W36X652.";
  EXPECT_EQ(substituteNote(ShapeTable::W, w36x848), note);
  const std::string sheet = propertySheet(ShapeTable::W, w36x848);
  EXPECT_EQ(sheet.rfind("   FOR: \"    W36x848 \"", 0), 0u);
  // The note comes after the last line of the sheet, on a line of its own.
  EXPECT_TRUE(sheet.ends_with(" in\r\n" + note)) << sheet;
  EXPECT_TRUE(contains(sheet, "\r\n\tDetailing:\r\n k ="));
  EXPECT_TRUE(propertySheet(ShapeTable::Tee, w36x848)
                  .ends_with("\r\n Note: WT 18 x 424 is not in the current AISC database; the values shown are those "
                             "of WT18X326."));

  int w14x808 = -1;
  int substituted = 0;
  for (int i = 0; i < rowCount(ShapeTable::W); ++i) {
    if (std::string(usDesignation(ShapeTable::W, i)) == "W14x808") w14x808 = i;
    if (contains(propertySheet(ShapeTable::W, i), " is not in the current AISC database")) ++substituted;
  }
  EXPECT_EQ(substituted, 21);
  EXPECT_TRUE(propertySheet(ShapeTable::W, w14x808)
                  .ends_with("\r\n Note: W14x808 is not in the current AISC database; the values shown are those of "
                             "W14X730."));
  // A published row carries no note, and the other tables have no substitutes.
  EXPECT_EQ(substituteNote(ShapeTable::W, 0), "");
  EXPECT_EQ(propertySheet(ShapeTable::W, 0), kW44x335Sheet);
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
    EXPECT_EQ(h.items(102).at(0), f.first) << f.menu;
    EXPECT_EQ(h.selection(102), 0) << f.menu;
    EXPECT_EQ(h.text(103, std::string::npos), "") << f.menu;
    run(r, "press Cancel\n");
  }
  EXPECT_FALSE(std::filesystem::exists(ini()));  // Cancel stores nothing
}

TEST_F(SheetForms, OkCopiesTheWholeSheetAndStoresTheRow) {
  Settings s(ini());
  ScriptRunner r(s, out_, allForms());
  run(r, "menu W, M, or S\npick \"W44x335 -- W1100x499\"\n");
  EXPECT_EQ(r.currentHost()->text(103, std::string::npos), kW44x335Sheet);
  run(r, "press OK\n");
  // Never cut at a fixed length.
  EXPECT_EQ(r.padText(), kW44x335Sheet);
  // Browsing has a key of its own: the W-beam design form's section stays as it was.
  EXPECT_EQ(s.read("AISC", "browseWideFlangeNum"), "0");
  EXPECT_EQ(s.read("AISC", "wideFlangeNum", "none"), "none");
  s.write("AISC", "wideFlangeNum", "17");
  run(r, "menu W, M, or S\npick #3\npress OK\n");
  EXPECT_EQ(s.read("AISC", "wideFlangeNum"), "17");

  // A substituted row's note reaches the pad with its sheet.
  run(r, "menu W, M, or S\npick \"W36x848 -- " + std::string(metricDesignation(ShapeTable::W, 25)) + "\"\npress OK\n");
  EXPECT_TRUE(r.padText().ends_with(
      "\r\n Note: W36x848 is not in the current AISC database; the values shown are those of W36X652."));

  // The tee sheet too.
  run(r, "menu WT, MT, or ST\npick #4\npress OK\n");
  EXPECT_EQ(r.padText(), propertySheet(ShapeTable::Tee, 4));
  EXPECT_EQ(s.read("AISC", "browseWtFlangeNum"), "4");
}

TEST_F(SheetForms, OkWithoutPickingCopiesThePreviousSheetOfThatForm) {
  Settings s(ini());
  ScriptRunner r(s, out_, allForms());
  r.state().report = "\r\n earlier report";
  run(r, "menu C and MC\npress OK\n");
  EXPECT_EQ(r.padText(), "");  // nothing was picked in this run yet
  run(r, "menu C and MC\npick #3\npress OK\n");
  run(r, "menu P, PX, or PXX\npick #9\npress OK\n");
  run(r, "menu C and MC\npress OK\n");
  EXPECT_EQ(r.padText(), propertySheet(ShapeTable::Channel, 3));
  EXPECT_EQ(s.read("AISC", "browseChannelNum"), "3");
  EXPECT_EQ(s.read("AISC", "browsePipeNum"), "9");
  // Cancel leaves the report buffer as it was.
  run(r, "menu P, PX, or PXX\npick #10\npress Cancel\n");
  EXPECT_EQ(r.state().report, propertySheet(ShapeTable::Channel, 3));
  EXPECT_EQ(s.read("AISC", "browsePipeNum"), "9");
}

TEST_F(SheetForms, AngleLayoutFollowsTheRow) {
  Settings s(ini());
  ScriptRunner r(s, out_, allForms());
  run(r, "menu L, 2L\npick #122\n");
  EXPECT_TRUE(contains(r.currentHost()->text(103, std::string::npos), "'x' centroid"));
  run(r, "pick #123\n");
  EXPECT_TRUE(contains(r.currentHost()->text(103, std::string::npos), "Jointed leg"));
  run(r, "press OK\n");
  EXPECT_EQ(s.read("AISC", "browseAngleNum"), "123");
}

TEST_F(SheetForms, StoredRowOutsideTheTableSelectsNothing) {
  Settings s(ini());
  s.write("AISC", "angleNum", "259");
  s.write("AISC", "tubeNum", "x12");
  ScriptRunner r(s, out_, allForms());
  run(r, "menu L, 2L\n");
  EXPECT_EQ(r.currentHost()->selection(102), -1);
  EXPECT_EQ(r.currentHost()->text(103, std::string::npos),
            "The stored row 259 is not in this table: pick a shape from the list.");
  run(r, "press OK\n");
  EXPECT_EQ(r.padText(), "");  // no sheet was ever made
  // Not a number: row 0.
  run(r, "menu HSS -- old TS\n");
  EXPECT_EQ(r.currentHost()->selection(102), 0);
  run(r, "press Cancel\n");
}

}  // namespace

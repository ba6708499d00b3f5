// The four steel beam forms driven as a user would: fields, stored keys, report texts, refusals.
#include <gtest/gtest.h>

#include "beam_test_support.h"
#include "steel/channel_tube_beams.h"
#include "steel/steel_beam_forms.h"
#include "steel/w_beam_asd.h"
#include "steel/w_beam_lrfd.h"
#include "support/scratch_dir.h"

using namespace vd;
using vdtest::contains;

namespace {

class BeamForms : public vdtest::ScratchDir {
 protected:
  HeadlessHost& host(ScriptRunner& r) {
    EXPECT_NE(r.currentHost(), nullptr);
    return *r.currentHost();
  }
};

constexpr int kW18x50 = 147;

TEST_F(BeamForms, WAsdCalculateStoresClampsAndReportsInOrder) {
  Settings s(ini());
  ScriptRunner r(s, out_, allForms());
  r.state().jobNumber = "J-7";
  r.state().lastBeam = {123.456, -7.0, 20.5, 31.25};
  run(r, "menu Stl Wide Flange Bm/ASD\n");
  HeadlessHost& h = host(r);
  EXPECT_EQ(h.status(0), "+mom= 123.46 kip-ft,  -mom= -7.00 kip-ft");
  EXPECT_EQ(h.status(1), "left R= 20.50 kip,  right R= 31.25 kip");
  // No settings file: empty fields, row 0 selected.
  EXPECT_EQ(h.text(w_beam_form::Moment), "");
  EXPECT_EQ(h.selection(w_beam_form::List), 0);
  EXPECT_EQ(h.items(w_beam_form::List).size(), 302u);
  EXPECT_EQ(h.items(w_beam_form::List)[0], "W44x335");

  run(r,
      "pick \"W18x50\"\n"
      "set \"Location of this beam\" 2nd floor, grid B\n"
      "set Moment 150\nset Fy 70\nset Cb 3\nset \"Unbraced length Lb\" 10\n"
      "set \"Axial Load Pa\" 0\nset \"Shear *\" 30\nset \"End Bearing Length *\" 6\n"
      "press Calculate\n");
  // Cb 3 -> 2.3 and Fy 70 -> 50: stored and printed as used, each with a note.
  EXPECT_EQ(s.read("WF_BM", "Cb"), "2.30");
  EXPECT_EQ(s.read("WF_BM", "Fy"), "50.00");
  EXPECT_EQ(s.read("WF_BM", "moment"), "150.00");
  EXPECT_EQ(s.read("WF_BM", "unBL"), "10.00");
  EXPECT_EQ(s.read("WF_BM", "shear"), "30.00");
  EXPECT_EQ(s.read("WF_BM", "Pa"), "0.00");
  EXPECT_EQ(s.read("WF_BM", "bearing"), "6.00");
  EXPECT_EQ(s.read("Project", "Note", "", 250), "2nd floor, grid B");

  const SectionRecord& w = *sectionRow(ShapeTable::W, kW18x50);
  const std::string design = WBeamAsd(w, 150.0, 10.0, 0.0, 2.3, 50.0, 6.0, 30.0).design();
  EXPECT_EQ(h.text(w_beam_form::Result, std::string::npos), design);
  EXPECT_EQ(r.state().report, design);
  run(r, "press OK\n");
  EXPECT_EQ(s.read("AISC", "wideFlangeNum"), "147");
  const std::string header =
      "\r\n Flexural for \"W\" Shapes Based on the 9th Ed. AISC Allowable Stress Design\r\n Job number or ID: J-7 "
      "\r\n 2nd floor, grid B\r\n\r\n Moment =150.000 kip-ft,  \t shear =30.00 kips\r\n unbraced length =10.00 ft,  "
      "\t P-axial =0.00 kips, \tbearing length =6.000 inches\r\n Cb =2.30,  \tFy =50.00 ksi.\r\n"
      " Note: Fy = 70.00 ksi was limited to 50.00 ksi (the W beam checks take Fy from 33 to 50 ksi).\r\n"
      " Note: Cb = 3.00 was limited to 2.30 (AISC ASD F1.3: Cb at most 2.3; below 0.4 taken as 0.4).\r\n\r\n"
      "    Designed for: \"     W18x50 \"\t\tmetric size:      W460x74\r\n area =14.70 in^2,   depth =18.000 in,   web "
      "thickness =0.355 in,   k =0.972 in\r\n flange width =7.500 in,  thick =0.570 in\r\n Compact Section "
      "Criteria:\tbf/2tf =6.570\t d/tw =50.700\r\n\t rT =1.950 \t d/Af =4.210\r\n Elastic Properties: Ixx =800.00 "
      "in^4,  Sxx =88.900 in^3,  rxx =7.380 in\r\n";
  EXPECT_EQ(r.padText(), header + design);

  // Reopening shows the stored inputs and the stored row.
  run(r, "menu Stl Wide Flange Bm/ASD\n");
  EXPECT_EQ(host(r).selection(w_beam_form::List), kW18x50);
  EXPECT_EQ(host(r).text(w_beam_form::Cb), "2.30");
  EXPECT_EQ(host(r).text(w_beam_form::Location, 300), "2nd floor, grid B");
  run(r, "press Cancel\n");
}

TEST_F(BeamForms, WAsdSelectionShowsTheSummaryAndCancelLeavesThePad) {
  Settings s(ini());
  ScriptRunner r(s, out_, allForms());
  const std::string before = r.padText();
  run(r, "menu Stl Wide Flange Bm/ASD\npick \"W18x50\"\n");
  EXPECT_EQ(host(r).text(w_beam_form::Result, std::string::npos),
            "    Designed for: \"     W18x50 \"\t\tmetric size:      W460x74\r\n Depth =18.000 in,   Web thickness =0.355 "
            "in,   k =0.972 in\r\n Flange width =7.500 in, thick =0.570 in\r\n Compact Section Criteria:\tbf/2tf =6.570 "
            "\t d/tw =50.700\r\n\t rT =1.950 \t d/Af =4.210\r\n Elastic Properties: Ixx =800.00 in^4,  Sxx=88.900 in^3,  "
            "rxx=7.380 in\r\n");
  run(r, "set Moment 100\nset Fy 36\nset Cb 1\nset \"Unbraced length Lb\" 0\npress Calculate\n");
  EXPECT_EQ(host(r).text(w_beam_form::Result, std::string::npos),
            WBeamAsd(*sectionRow(ShapeTable::W, kW18x50), 100, 0, 0, 1, 36, 0, 0).design());
  run(r, "press Cancel\n");
  EXPECT_EQ(r.padText(), before);
  // Cancel stores no row.
  EXPECT_EQ(s.read("AISC", "wideFlangeNum"), "");
}

TEST_F(BeamForms, StoredRowOutsideTheTableSelectsNothingAndCalculateUsesRowZero) {
  Settings s(ini());
  s.write("AISC", "wideFlangeNum", "302");
  ScriptRunner r(s, out_, allForms());
  run(r, "menu Stl Wide Flange Bm/ASD\n");
  EXPECT_EQ(host(r).selection(w_beam_form::List), -1);
  run(r, "set Moment 100\nset Fy 36\nset Cb 1\nset \"Unbraced length Lb\" 0\npress Calculate\n");
  EXPECT_EQ(host(r).selection(w_beam_form::List), 0);
  EXPECT_EQ(host(r).status(1), "No section was selected: W44x335 is used.");
  EXPECT_TRUE(contains(host(r).text(w_beam_form::Result, std::string::npos), "Lc ="));
  run(r, "press OK\n");
  EXPECT_TRUE(contains(r.padText(), "Designed for: \"    W44x335 \""));
  EXPECT_EQ(s.read("AISC", "wideFlangeNum"), "0");

  s.write("AISC", "wideFlangeNum", "-3");
  run(r, "menu Stl Wide Flange Bm/ASD\n");
  EXPECT_EQ(host(r).selection(w_beam_form::List), -1);
  run(r, "press Cancel\n");
}

TEST_F(BeamForms, ValuesNoCalculationCanUseAreRefused) {
  Settings s(ini());
  ScriptRunner r(s, out_, allForms());
  const std::string pad = r.padText();
  run(r, "menu Stl Wide Flange Bm/ASD\nset Moment 1e300\nset Fy 36\nset Cb 1\nset \"Unbraced length Lb\" 0\n"
         "press Calculate\nshow messages\n");
  EXPECT_EQ(out_.str(), "Vardelin: Moment= 1e+300 is out of range: enter a value between -1000000 and 1000000.\n");
  EXPECT_TRUE(contains(host(r).text(w_beam_form::Result, std::string::npos), "Nothing was calculated."));
  EXPECT_FALSE(std::filesystem::exists(ini()));  // nothing stored
  run(r, "press Cancel\n");

  // A refused calculation keeps the form open on OK; Cancel leaves the pad as it was.
  struct Case {
    const char* form;
    int pane;
    const char* extra;
  };
  for (const Case& c : {Case{"Stl Wide Flange Bm/ASD", 112, ""}, Case{"Stl Wide Flange Bm/LRFD", 112, "set Fu 65\n"},
                        Case{"Stl C & MC Beam", 110, ""}, Case{"Stl Tube Beam", 109, ""}}) {
    out_.str("");
    run(r, std::string("menu ") + c.form + "\n" + c.extra +
               "set Moment 100\nset Fy 36\nset Cb 1\nset \"Unbraced length Lb\" -1\npress OK\nshow messages\n");
    ASSERT_NE(r.currentHost(), nullptr) << c.form;
    EXPECT_EQ(out_.str(), "Vardelin: The unbraced length Lb cannot be negative.\n") << c.form;
    EXPECT_EQ(host(r).text(c.pane, std::string::npos),
              "\r\n The unbraced length Lb cannot be negative.\r\n Nothing was calculated.\r\n")
        << c.form;
    run(r, "press Cancel\n");
    EXPECT_EQ(r.padText(), pad) << c.form;
  }
}

TEST_F(BeamForms, LrfdShowsStoredAxialAndBearingGrayedAndRaisesCbToOne) {
  Settings s(ini());
  s.write("WF_BM", "Pa", "12.00");
  s.write("WF_BM", "bearing", "4.00");
  ScriptRunner r(s, out_, allForms());
  run(r, "menu Stl Wide Flange Bm/LRFD\n");
  EXPECT_EQ(host(r).text(w_beam_form::Pa), "12.00");
  EXPECT_FALSE(host(r).isEnabled(w_beam_form::Pa));
  EXPECT_FALSE(host(r).isEnabled(w_beam_form::Bearing));
  run(r,
      "set \"Axial Load Pa\" 99\npick \"W18x50\"\nset Moment 300\nset Fy 50\nset Fu 65\nset Cb 0.5\n"
      "set \"Unbraced length Lb\" 10\nset Shear 40\npress Calculate\npress OK\n");
  EXPECT_EQ(out_.str(), "grayed: Axial Load Pa\n");
  EXPECT_EQ(s.read("WF_BM", "Cb"), "1.00");
  EXPECT_EQ(s.read("WF_BM", "Fu"), "65.00");
  EXPECT_EQ(s.read("WF_BM", "Pa"), "12.00");
  const std::string design = WBeamLrfd(*sectionRow(ShapeTable::W, kW18x50), 300, 10, 1.0, 50, 65, 40).design();
  const std::string pad = r.padText();
  ASSERT_TRUE(pad.ends_with(design));
  EXPECT_EQ(pad.substr(0, pad.size() - design.size()),
            "\r\n Flexural for \"W\" Shapes Based on the 3rd Ed. AISC LRFD\r\n Job number or ID:  \r\n \r\n\r\n Moment "
            "=300.000 kip-ft,  \t shear =40.00 kips\r\n unbraced length =10.00 ft \tCb =1.00,\r\n Fy =50.00 ksi. \t Fu "
            "=65.00 ksi.\r\n Note: Cb = 0.50 was limited to 1.00 (Cb is taken from 1.0 to 2.3).\r\n\r\n"
            "    Designed for: \"     W18x50 \"\t\tmetric size:      W460x74\r\n area =14.70 in^2,   "
            "depth =18.000 in,   web thickness =0.355 in,   k =0.972 in\r\n flange width =7.500 in,  thick =0.570 "
            "in\r\n Compact Section Criteria:\tbf/2tf =6.570\t d/tw =50.700\r\n\t rT =1.950 \t d/Af =4.210 \t h/tw "
            "=45.200\r\n Properties: Ixx =800.00 in^4,  Sxx =88.900 in^3,  Zxx =101.000 in^3,  rxx =7.380 in\r\n");
}

// W36x848 is no longer published; its row holds the values of W36x652. Both W beam reports say so
// in one line under the section summary, and so does the summary shown when the row is picked.
TEST_F(BeamForms, SubstitutedRowIsNamedInBothWReports) {
  const std::string note =
      " Note: W36x848 is not in the current AISC database; the values shown are those of W36X652.\r\n";
  Settings s(ini());
  ScriptRunner r(s, out_, allForms());
  run(r, "menu Stl Wide Flange Bm/ASD\npick \"W36x848\"\n");
  EXPECT_TRUE(host(r).text(w_beam_form::Result, std::string::npos).ends_with(" in\r\n" + note));
  run(r, "set Moment 100\nset Fy 36\nset Cb 1\nset \"Unbraced length Lb\" 0\npress Calculate\npress OK\n");
  std::string pad = r.padText();
  EXPECT_TRUE(contains(pad, " in\r\n" + note + "\r\n ASD 9th Ed. EQ. F1-2 ...")) << pad;
  EXPECT_EQ(pad.find(" Note:"), pad.rfind(" Note:"));  // one line only

  run(r, "menu Stl Wide Flange Bm/LRFD\npick \"W36x848\"\n");
  EXPECT_TRUE(host(r).text(w_beam_form::Result, std::string::npos).ends_with(" in^3\r\n" + note));
  run(r, "set Fy 50\nset Fu 65\npress Calculate\npress OK\n");
  pad = r.padText();
  EXPECT_TRUE(contains(pad, " in\r\n" + note + " ryy =")) << pad;
  EXPECT_EQ(pad.find(" Note:"), pad.rfind(" Note:"));

  // A published shape has no note.
  for (const char* form : {"Stl Wide Flange Bm/ASD", "Stl Wide Flange Bm/LRFD"}) {
    run(r, std::string("menu ") + form + "\npick \"W18x50\"\npress Calculate\npress OK\n");
    EXPECT_FALSE(contains(r.padText(), "Note:")) << form;
  }
}

TEST_F(BeamForms, ChannelShowsTheWholeReportInTheFormAndOnOk) {
  Settings s(ini());
  ScriptRunner r(s, out_, allForms());
  run(r,
      "menu Stl C & MC Beam\npick \"C15x50\"\nset Moment 60\nset Fy 36\nset Cb 1\nset \"Unbraced length Lb\" 10\n"
      "set \"End Bearing Length\" 3.5\npress Calculate\n");
  const std::string header =
      "\r\n Flexural for \"C\" Shapes Based on the 9th Ed. AISC Allowable Stress Design Job number or ID:  \r\n "
      "\r\n\r\n Moment =60.000 kip-ft\r\n unbraced length =10.00 ft \t Cb =1.00\r\n Fy =36.00 ksi.\r\n\r\n"
      "    Designed for: \"     C15x50 \"\t\tmetric size:      C380x74\r\n Depth=15.000 in \t Web thickness=   0.716 "
      "in\r\n Flange width=   3.716 in, thick=   0.650 in\r\n Compact Section Criteria:\t  d/Af=   6.210\r\n Elastic "
      "Properties: Ixx=   404.00 in^4, Sxx=  53.800 in^3, rxx=  5.240 in\r\n Shear Center Location:  eo =    0.583 "
      "in\r\n";
  const std::string report = header + ChannelBeamAsd(*sectionRow(ShapeTable::Channel, 0), 60, 10, 0, 1, 36, 0).design();
  EXPECT_EQ(host(r).text(channel_beam_form::Result, std::string::npos), report);
  EXPECT_EQ(s.read("CH_BM", "Fyield"), "36.00");
  EXPECT_EQ(s.read("CH_BM", "bearing"), "3.50");
  run(r, "press OK\n");
  EXPECT_EQ(r.padText(), report);
  EXPECT_EQ(s.read("AISC", "channelNum"), "0");
  // A shear makes the header say so.
  run(r, "menu Stl C & MC Beam\nset Shear 12.5\npress Calculate\n");
  EXPECT_TRUE(contains(host(r).text(channel_beam_form::Result, std::string::npos), " Moment =60.000 kip-ft,   shear force =12.50 kip \r\n"));
  run(r, "press Cancel\n");
}

TEST_F(BeamForms, TubeStoresOnlyOnOkAndSwapsAxesForWeakBending) {
  Settings s(ini());
  ScriptRunner r(s, out_, allForms());
  run(r,
      "menu Stl Tube Beam\npick \"HSS 20 x 4 x 0.500\"\nset Moment 50\nset Fy 46\nset Cb 5\n"
      "set \"Unbraced length Lb\" 1\ncheck \"Weak Axis Bending\" on\npress Calculate\n");
  EXPECT_FALSE(std::filesystem::exists(ini()));
  const std::string shown = host(r).text(tube_beam_form::Result, std::string::npos);
  EXPECT_TRUE(contains(shown, " Moment =50.000 kip-ft\r\n unbraced length =1.00 ft \t Cb =2.30\r\n Fy =46.00 ksi.\r\n"
                              " Note: Cb = 5.00 was limited to 2.30 (AISC ASD F1.3: Cb at most 2.3; below 0.4 taken as "
                              "0.4).\r\n"));
  // Weak axis: width and depth exchanged, the y properties in the x places.
  EXPECT_TRUE(contains(shown, " Depth =4.000 in,   Width =20.000 in,   Adjusted thickness =0.465 in,   Area =20.90 "
                              "in^2\r\n Elastic Properties: Ixx =58.70 in^4,  Sxx =29.300 in^3,  rxx =1.680 in\r\n"));
  const std::string design = TubeBeamAsd(*sectionRow(ShapeTable::Tube, 32), 50, 1, 2.3, 46, 0, 1, true).text();
  EXPECT_TRUE(shown.ends_with(design));
  EXPECT_TRUE(contains(design, "Moment Capacity =62.77 k-ft"));  // slender 20 in. flange, see channel_tube_test
  run(r, "press OK\n");
  EXPECT_EQ(s.read("tubeBm", "tubeNum"), "32");
  EXPECT_EQ(s.read("tubeBm", "moment"), "50.00");
  EXPECT_EQ(s.read("tubeBm", "CB"), "2.30");
  EXPECT_EQ(s.read("tubeBm", "Fy"), "46.00");
  EXPECT_EQ(s.read("tubeBm", "unBL"), "1.00");
  EXPECT_EQ(s.read("AISC", "tubeNum"), "");  // the property sheet's key is separate
  EXPECT_EQ(r.padText(), shown);

  run(r, "menu Stl Tube Beam\nset Fy 0\npress Calculate\nshow messages\npress Cancel\n");
  EXPECT_TRUE(contains(out_.str(), "Fy must be greater than zero."));
}

}  // namespace

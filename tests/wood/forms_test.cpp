// The wood forms driven as a user drives them: settings read and written, commands enabled, reports.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "frame/commands.h"
#include "support/scratch_dir.h"
#include "wood/wood_state.h"

using namespace vd;

namespace {

class WoodForms : public vdtest::ScratchDir {
 protected:
  std::string pad(ScriptRunner& r) { return r.padText(); }
  bool has(const std::string& text, const std::string& piece) { return text.find(piece) != std::string::npos; }
  // The nth control of a kind in the open form's reading order (panes and lists have no label).
  static int nth(HeadlessHost* h, ControlKind kind, int n = 0) {
    for (const Control& c : h->form().layout().controls)
      if (c.kind == kind && n-- == 0) return c.id;
    ADD_FAILURE() << "no such control";
    return -1;
  }
  static int labelled(HeadlessHost* h, const std::string& label) {
    for (const Control& c : h->form().layout().controls)
      if (c.label == label) return c.id;
    ADD_FAILURE() << "no control " << label;
    return -1;
  }
  static int pane(HeadlessHost* h, int n = 0) { return nth(h, ControlKind::Pane, n); }
  static int list(HeadlessHost* h, int n = 0) { return nth(h, ControlKind::ListBox, n); }
  static int radio(HeadlessHost* h, int n) { return nth(h, ControlKind::Radio, n); }
};

TEST_F(WoodForms, SpeciesFormStoresTheChoiceAndLeavesThePad) {
  Settings s(ini());
  s.write("Wood", "sawnSpecieNum", "9");  // outside the table: species 0
  ScriptRunner r(s, out_, allForms());
  const std::string before = pad(r);
  run(r, "menu Sawn Lumber Species\n");
  HeadlessHost* h = r.currentHost();
  ASSERT_NE(h, nullptr);
  EXPECT_EQ(h->items(list(h)).size(), 7u);
  EXPECT_EQ(h->selection(list(h)), 0);
  EXPECT_EQ(h->text(pane(h)), "");
  run(r, "pick REDWOOD           (RIS)\n");
  EXPECT_EQ(r.state().sawnSpecies, 4);
  EXPECT_EQ(h->text(pane(h)), "\tFor Sawn Lumber Design uses : \r\n\"                            REDWOOD           (RIS) \" "
                          "\r\nAccording with the 1991 Ed. NDS Supplement Specifications for\r\nVisually Graded Dimension "
                          "Lumber TABLE 4A or\r\nVisually Graded Timber TABLE 4D.");
  run(r, "press OK\n");
  EXPECT_EQ(s.read("Wood", "sawnSpecieNum"), "4");
  EXPECT_EQ(pad(r), before);
  // Cancel keeps the species picked for this run, but the stored one comes back on the next opening.
  run(r, "menu Sawn Lumber Species\npick SPRUCE-PINE-FIR   (NLGA)\npress CANCEL\n");
  EXPECT_EQ(r.state().sawnSpecies, 5);
  EXPECT_EQ(s.read("Wood", "sawnSpecieNum"), "4");
  run(r, "menu Sawn Lumber Species\n");
  EXPECT_EQ(r.state().sawnSpecies, 4);
  run(r, "press CANCEL\n");
}

TEST_F(WoodForms, DimensionSizeFormBuildsTheMemberAndEnablesTheDesignCommands) {
  Settings s(ini());
  s.write("WD2_BM", "sizeN", "4");  // 2x10
  s.write("WD2_BM", "grdN", "3");   // No. 2
  s.write("WD2_BM", "isDry", "1");
  ScriptRunner r(s, out_, allForms());
  EXPECT_FALSE(r.state().isEnabled(cmd::Sawn2xBeam));
  EXPECT_FALSE(r.state().isEnabled(cmd::Sawn2xPost));
  run(r, "menu 2x, 3x, 4x\n");
  HeadlessHost* h = r.currentHost();
  EXPECT_EQ(h->text(nth(h, ControlKind::Static, 1)), "DOUGLAS FIR-LARCH (WCLIB)");
  EXPECT_EQ(h->items(list(h)).size(), 31u);
  EXPECT_EQ(h->items(list(h, 1)).size(), 9u);  // dimension grades only
  EXPECT_EQ(h->selection(list(h)), 4);
  EXPECT_EQ(h->selection(list(h, 1)), 3);
  EXPECT_TRUE(h->checked(labelled(h, "Dry Usage")));
  EXPECT_FALSE(h->checked(labelled(h, "Is Repetitive")));
  run(r, "check Is Repetitive on\n");
  EXPECT_EQ(h->text(pane(h)).substr(0, 55), " --- dry usage ---  yes on repetitive member multiplier");
  EXPECT_EQ(s.read("WD2_BM", "isREPEAT"), "1");
  EXPECT_EQ(s.read("WD2_BM", "isDry"), "1");  // one key whatever its case
  run(r, "pick 2x12\ncheck Dry Usage off\n");
  EXPECT_EQ(s.read("WD2_BM", "sizeN"), "5");
  EXPECT_EQ(s.read("WD2_BM", "isDRY"), "0");
  run(r, "press OK\n");
  EXPECT_TRUE(r.state().isEnabled(cmd::Sawn2xBeam));
  EXPECT_TRUE(r.state().isEnabled(cmd::Sawn2xPost));
  EXPECT_FALSE(r.state().isEnabled(cmd::Sawn6xBeam));
  EXPECT_TRUE(has(pad(r), "  DOUGLAS FIR-LARCH (WCLIB)  No. 2 << 2x12 >>     size =1.50\" x 11.25\""));
  const SawnMember& m = woodState(r.state()).dimension;
  EXPECT_EQ(m.label(), "2x12");
  EXPECT_FALSE(m.isDry());
  EXPECT_TRUE(m.isRepetitive());
}

TEST_F(WoodForms, SizeFormOkRightAfterOpeningUsesTheSelectionsShown) {
  Settings s(ini());
  s.write("WD2_BM", "sizeN", "1");
  s.write("WD2_BM", "grdN", "2");
  ScriptRunner r(s, out_, allForms());
  run(r, "menu 2x, 3x, 4x\npress OK\n");
  EXPECT_EQ(r.currentHost(), nullptr);
  EXPECT_TRUE(has(pad(r), "No. 1 << 2x4 >>"));
  EXPECT_EQ(woodState(r.state()).dimension.label(), "2x4");
  // Nothing selected: a message, and the form stays open.
  s.write("WD2_BM", "grdN", "30");
  run(r, "menu 2x, 3x, 4x\npress OK\n");
  ASSERT_NE(r.currentHost(), nullptr);
  EXPECT_EQ(r.currentHost()->selection(list(r.currentHost(), 1)), -1);
  run(r, "press CANCEL\nshow messages\n");
  EXPECT_TRUE(has(out_.str(), "Pick a size and a grade first."));
}

TEST_F(WoodForms, TimberSizeFormListsBeamAndPostGrades) {
  Settings s(ini());
  s.write("Wood", "sawnSpecieNum", "4");  // redwood
  s.write("WD6_BM", "grdN", "15");        // Select Structural (beam): list position 2
  s.write("WD6_BM", "sizeN", "6");        // 6x16
  ScriptRunner r(s, out_, allForms());
  run(r, "menu 2x, 3x, 4x\n");
  EXPECT_EQ(r.currentHost()->items(list(r.currentHost(), 1)).size(), 13u);
  run(r, "press CANCEL\nmenu 5x, 6x, ... 24x\n");
  HeadlessHost* h = r.currentHost();
  EXPECT_EQ(h->items(list(h)).size(), 61u);
  ASSERT_EQ(h->items(list(h, 1)).size(), 10u);
  EXPECT_EQ(h->items(list(h, 1))[0], "Clear Heart Structural (beam)");
  EXPECT_EQ(h->items(list(h, 1))[9], "No. 2 (post)");
  EXPECT_EQ(h->selection(list(h, 1)), 2);
  for (const Control& c : h->form().layout().controls) EXPECT_NE(c.label, "Is Repetitive");
  run(r, "pick No. 1 (post)\n");
  EXPECT_EQ(s.read("WD6_BM", "grdN"), "21");
  run(r, "press OK\n");
  EXPECT_TRUE(r.state().isEnabled(cmd::Sawn6xBeam));
  EXPECT_TRUE(r.state().isEnabled(cmd::Sawn5xPost));
  EXPECT_FALSE(r.state().isEnabled(cmd::Sawn2xBeam));
  EXPECT_FALSE(woodState(r.state()).timber.isRepetitive());
  EXPECT_TRUE(has(pad(r), "REDWOOD           (RIS)  No. 1 (post) << 6x16 >>"));
}

TEST_F(WoodForms, DimensionBeamForm) {
  Settings s(ini());
  s.write("WD2_BM", "sizeN", "4");
  s.write("WD2_BM", "grdN", "3");
  s.write("WD2_BM", "isDry", "1");
  s.write("WD2_BM", "moment", "123456789012");
  s.write("Project", "ID", "J-77");
  s.write("Project", "Note", "Level 2");
  ScriptRunner r(s, out_, allForms());
  r.state().jobNumber = "J-77";
  r.state().lastBeam = {12.5, -3.25, 4.0, 5.5};
  run(r, "menu 2x, 3x, 4x\npress OK\nmenu 2x, 3x, 4x Beam\n");
  HeadlessHost* h = r.currentHost();
  ASSERT_NE(h, nullptr);
  EXPECT_EQ(h->status(0), "+mom= 12.50 kip-ft,  -mom= -3.25 kip-ft");
  EXPECT_EQ(h->status(1), "left R =4.00 kip,  right R =5.50 kip");
  EXPECT_EQ(h->text(labelled(h, "Location of this beam:")), "Level 2");
  EXPECT_EQ(h->text(labelled(h, "Job Num:")), "J-77");
  EXPECT_EQ(h->text(labelled(h, "moment=")), "1234567890");  // ten characters
  for (int i = 0; i < 7; ++i) EXPECT_FALSE(h->checked(radio(h, i)));  // stored load condition 10: none
  run(r, "choose roof (x1.25)\n");
  EXPECT_EQ(h->text(pane(h, 1)), "Load condition =3");
  // The fields under "Optional info:" are still read strictly: 0 leaves a check out.
  run(r, "set moment= 2.5\nset shear= 0.75\nset \"span =\" 14\nset \"unbraced len.=\" 8\nset deflection= 0\n"
         "set P-support= 0\npress Calculate\n");
  const std::string shown = h->text(pane(h, 1), std::string::npos);
  EXPECT_EQ(shown.substr(0, 54), " --- dry usage ---  no on repetitive member multiplier");
  EXPECT_EQ(s.read("WD2_BM", "moment"), "2.50");
  EXPECT_EQ(s.read("WD2_BM", "unbLen"), "8.00");
  EXPECT_EQ(s.read("WD2_BM", "defl"), "0.00");
  EXPECT_EQ(s.read("WD2_BM", "loadC"), "3");
  run(r, "set \"Location of this beam:\" Level 3, joist J4\npress OK\n");
  const std::string p = pad(r);
  EXPECT_EQ(p.rfind(" Job number or ID: J-77\r\n Level 3, joist J4\r\n\r\n\t   Design of 2x, 3x or 4x Beams", 0), 0u) << p;
  EXPECT_TRUE(has(p, "\tload duration: roof (x1.25)\r\n"));
  EXPECT_TRUE(has(p, "Stability factor:"));
  // Pane and pad come from one calculation: No. 2 DF 2x10, roof, 8 ft unbraced: Fb* = 875 x 1.25 x 1.1 =
  // 1203.1, C_L = 0.6915, F'b = 1203.1 x 0.6915 = 832.0 psi in both; fb = 2.5 x 12000 / 21.39 = 1402.5 psi.
  EXPECT_TRUE(has(shown, "F'b= Fb*Cd*CL*Cf*Cr*Cm =875 x 1.25 x 0.692 x 1.10 x 1.00 x 1.00 =832.0 psi. vs. Fb= moment/Sxx "
                         "=1402.5 psi"))
      << shown;
  EXPECT_TRUE(has(shown, " Result: NO GOOD, ratio 1.69 (governed by bending, NDS 3.3)"));
  EXPECT_TRUE(has(p, "=875 x 1.25 x 0.69 x 1.10 x 1.00 x 1.00 x 1.00 =832.0 psi"));
  EXPECT_TRUE(p.ends_with(" Result: NO GOOD, ratio 1.69 (governed by bending, NDS 3.3)\r\n"));
  EXPECT_EQ(s.read("Project", "Note", "", 100), "Level 3, joist J4");
  // Reopened: the stored condition is selected; OK without Calculate reports the inputs as shown:
  // fb = 1.2 x 12000 / 21.39 = 673.2 psi, 673.2 / 832.0 = 0.81.
  run(r, "menu 2x, 3x, 4x Beam\n");
  EXPECT_TRUE(r.currentHost()->checked(radio(r.currentHost(), 3)));
  run(r, "set moment= 1.2\npress OK\n");
  EXPECT_EQ(r.currentHost(), nullptr);
  EXPECT_TRUE(pad(r).ends_with(" Result: OK, ratio 0.81 (governed by bending, NDS 3.3)\r\n")) << pad(r);
}

TEST_F(WoodForms, TimberBeamFormShowsItsResultAndCancelKeepsThePad) {
  Settings s(ini());
  s.write("WD6_BM", "sizeN", "6");
  s.write("WD6_BM", "grdN", "12");
  s.write("WD6_BM", "loadC", "6");
  ScriptRunner r(s, out_, allForms());
  r.state().lastBeam = {1, 2, 3, 4};
  run(r, "menu 5x, 6x, ... 24x\npress OK\nmenu 5x, 6x, ... 24x Bm\n");
  HeadlessHost* h = r.currentHost();
  EXPECT_EQ(h->status(0), "+mom =1.00 kip-ft,  -mom =2.00 kip-ft");
  EXPECT_EQ(h->status(1), "left R =3.00 kip,  right R =4.00 kip");
  EXPECT_TRUE(h->checked(radio(h, 6)));
  run(r, "choose wind (x1.33)\n");
  EXPECT_EQ(h->text(pane(h, 1)), "Load condition= 1");
  run(r, "set moment= 20\nset shear= 4\nset \"span =\" 0\nset deflection= 0\nset P-support= 0\n"
         "set \"unbraced len.=\" 0\npress Calculate\n");
  // 6x16 (Sxx = 5.5 x 15.5^2 / 6 = 220.2 in^3), Fb 1350, wind, CF = (12/15.5)^(1/9) = 0.97:
  // F'b = 1350 x 1.33 x 0.97 = 1745.2 psi, fb = 20 x 12000 / 220.2 = 1089.8 psi, ratio 0.62.
  const std::string shown = h->text(pane(h, 1), std::string::npos);
  EXPECT_TRUE(has(shown, "=1350 x 1.33 x 1.000 x 0.97 x 1.00 x 1.00 =1745.2 psi. vs. Fb= moment/Sxx =1089.8 psi")) << shown;
  EXPECT_TRUE(shown.ends_with(" Result: OK, ratio 0.62 (governed by bending, NDS 3.3)\r\n"));
  run(r, "press OK\n");
  EXPECT_TRUE(has(pad(r), "Design of 5x, 6x .... 24x Beams"));
  EXPECT_TRUE(has(pad(r), "\tload duration: wind (x1.33)\r\n"));
  // Cancel leaves the pad as it was, whatever was calculated.
  const std::string before = pad(r);
  run(r, "menu 5x, 6x, ... 24x Bm\nset moment= 5\npress Calculate\npress CANCEL\n");
  EXPECT_EQ(pad(r), before);
}

TEST_F(WoodForms, GlulamSizeFormsChooseTheMember) {
  Settings s(ini());
  ScriptRunner r(s, out_, allForms());
  EXPECT_FALSE(r.state().isEnabled(cmd::GlulamBeam));
  run(r, "menu 2-1/2\n");
  HeadlessHost* h = r.currentHost();
  EXPECT_EQ(h->form().layout().title, "2-1/2 in thick Glulam Sizes:");
  EXPECT_EQ(h->items(list(h)).size(), 15u);
  EXPECT_EQ(h->items(list(h, 1)).size(), 40u);
  EXPECT_EQ(h->items(list(h, 1))[36], "24F-V8  DF/DF");
  EXPECT_TRUE(h->checked(labelled(h, "Dry Usage")));
  EXPECT_EQ(h->selection(list(h)), 0);
  run(r, "check Dry Usage off\n");
  EXPECT_EQ(h->text(pane(h)), " You have requested wet usage.");
  run(r, "press CANCEL\nmenu 8-3/4\ncheck Dry Usage off\n");
  EXPECT_EQ(r.currentHost()->text(pane(r.currentHost())), " You have requested wet usage,");
  run(r, "check Dry Usage on\n");
  EXPECT_EQ(r.currentHost()->text(pane(r.currentHost())), " You have requested dry usage.");
  EXPECT_FALSE(r.state().isEnabled(cmd::GlulamBeam));
  run(r, "press CANCEL\nmenu 5-1/8\npick 24F-V3  DF/DF\npick 5-1/8 x 24\n");
  EXPECT_TRUE(r.state().isEnabled(cmd::GlulamBeam));
  EXPECT_EQ(woodState(r.state()).glulam->title(), "24F-V3  DF/DF");
  // Later choices follow into the member: wet, then another combination.
  run(r, "check Dry Usage off\npick 24F-V8  DF/DF\n");
  const GlulamMember* g = woodState(r.state()).glulam.get();
  EXPECT_EQ(g->title(), "24F-V8  DF/DF");
  EXPECT_FALSE(g->isDry());
  EXPECT_TRUE(has(r.currentHost()->text(pane(r.currentHost()), std::string::npos), "Wet usage:"));
  run(r, "press OK\n");
  // Stored as "%4d".
  EXPECT_TRUE(has(slurp(ini()), "combination=  36"));
  EXPECT_TRUE(has(slurp(ini()), "size=  12"));
  EXPECT_TRUE(has(pad(r), " 24F-V8  DF/DF << 5-1/8 x 24 >>    size =5.125\" x 24.000\""));
  // Stored rows come back; a stored size beyond a narrower list selects nothing.
  run(r, "menu 3-1/8\n");
  EXPECT_EQ(r.currentHost()->selection(list(r.currentHost())), 12);
  EXPECT_EQ(r.currentHost()->selection(list(r.currentHost(), 1)), 36);
  run(r, "press CANCEL\n");
  s.write("GLULAM", "size", "40");
  run(r, "menu 6-3/4\n");
  EXPECT_EQ(r.currentHost()->selection(list(r.currentHost())), -1);
  run(r, "press CANCEL\n");
}

TEST_F(WoodForms, GlulamBeamForm) {
  Settings s(ini());
  s.write("GLULAM", "combination", "36");
  s.write("GLULAM", "size", "12");
  s.write("Project", "ID", "G-1");
  ScriptRunner r(s, out_, allForms());
  r.state().lastBeam = {100, -50, 20, 21};
  run(r, "menu 5-1/8\npress OK\nmenu Glulam Beam\n");
  HeadlessHost* h = r.currentHost();
  ASSERT_NE(h, nullptr);
  EXPECT_EQ(h->text(labelled(h, "Job Num:")), "G-1");
  EXPECT_EQ(h->selection(nth(h, ControlKind::DropDown)), 1);
  EXPECT_TRUE(h->checked(radio(h, 6)));
  EXPECT_EQ(h->status(0), "+mom= 100.00 kip-ft,  -mom= -50.00 kip-ft");
  EXPECT_EQ(h->status(1), "left R= 20.00 kip,  right R= 21.00 kip");
  EXPECT_TRUE(has(h->text(pane(h), std::string::npos), " 24F-V8  DF/DF << 5-1/8 x 24 >>  size=5.125\" x 24.000\"  Area =123.000 in^2"));
  run(r, "choose wind (x1.6)\n");
  EXPECT_EQ(h->text(pane(h, 1)), "Load condition= 1");
  run(r, "pick Single span, 2-equal concentrated loads at 1/3 point KL=0.96\n");
  run(r, "set moment= 100\nset shear= 10\nset \"unbraced length=\" 10\nset \"Negative moment=\" -50\n"
         "set \"len (vol. f.)=\" 20\nset deflection= 0.8125\nset P-support= 12\npress Calculate\n");
  const std::string lower = h->text(pane(h, 1), std::string::npos);
  EXPECT_TRUE(has(lower, "load duration factor = 1.60"));  // what the button says
  EXPECT_TRUE(has(lower, "K_L of NDS Table 5.3.2 factor =0.96"));
  // Nothing is stored before OK.
  EXPECT_EQ(s.read("GLBEAM", "moment"), "");
  run(r, "set \"Location of this beam:\" Line 4\npress OK\n");
  EXPECT_EQ(s.read("GLBEAM", "moment"), "100.000");
  EXPECT_EQ(s.read("GLBEAM", "unbracedLen"), "10.00");
  EXPECT_EQ(s.read("GLBEAM", "negMoment"), "-50.000");
  EXPECT_EQ(s.read("GLBEAM", "deflection"), "0.8125");
  EXPECT_EQ(s.read("GLBEAM", "len_v"), "20.000");
  EXPECT_EQ(s.read("GLBEAM", "reaction"), "12.000");
  EXPECT_EQ(pad(r).rfind(" Job number or ID: G-1\r\n Line 4\r\n\r\n\tDesign of Glued-laminated Beams", 0), 0u);
  // An unbraced length below 0.001 ft is taken as 0.001.
  run(r, "menu Glulam Beam\nset \"unbraced length=\" 0\npress Calculate\npress OK\n");
  EXPECT_TRUE(has(pad(r), "unbracedLen =0.00 ft"));
  EXPECT_EQ(s.read("GLBEAM", "unbracedLen"), "0.00");
  EXPECT_FALSE(has(pad(r), "nan"));
}

TEST_F(WoodForms, PostForms) {
  Settings s(ini());
  s.write("WD2_BM", "sizeN", "15");  // 4x4
  s.write("WD2_BM", "grdN", "2");    // No. 1
  s.write("WD2_BM", "isDry", "1");
  s.write("Project", "ID", "P-9");
  ScriptRunner r(s, out_, allForms());
  r.state().jobNumber = "P-9";
  run(r, "menu 2x, 3x, 4x\npress OK\nmenu 2x, 3x, 4x Post\n");
  HeadlessHost* h = r.currentHost();
  EXPECT_EQ(h->text(pane(h), std::string::npos).rfind("Size Factor, C_F for Fc are:\r\n  Select Structural", 0), 0u);
  run(r, "set \"Location of this col:\" Deck P1\nset \"d  (unbraced side) =\" 3.5\nset by 3.5\n"
         "set \"Unbraced length =\" 8\nset \"w-side unbraced length =\" 0\nset \"Axial Load Pa =\" 5\nset \"duration, Cd\" 1\nset \"moisture, Cm\" 1\n"
         "set temperature 1\nset \"size, Cf for compression\" 1.15\nset \"stability, Cp\" 1\nset \"incising, Ci\" 1\n"
         "press Calculate\n");
  EXPECT_EQ(s.read("WD_COL", "depth"), "3.50");
  EXPECT_EQ(s.read("WD_COL", "CF4"), "1.15");
  EXPECT_EQ(s.read("WD_COL", "le"), "8.00");
  run(r, "press OK\n");
  const std::string p = pad(r);
  EXPECT_EQ(p.rfind(" Job number or ID: P-9\r\n Deck P1 \r\n\r\n  DOUGLAS FIR-LARCH (WCLIB)  No. 1 << 4x4 >>", 0), 0u) << p;
  EXPECT_TRUE(has(p, "Solid Wood Column"));
  // The C_F entered, 1.15, is the one shown and used (see WoodColumn.FourByFourPost).
  EXPECT_TRUE(has(p, "C_size =1.150"));
  EXPECT_TRUE(has(p, "Allowable P = F'c * area =7.45 kip"));
  EXPECT_TRUE(has(p, "Buckling checked across d only"));
  EXPECT_EQ(s.read("Project", "Note"), "Deck P1");
  // A second length checks the other axis too, and is kept: 12 ft across w gives 3.54 kip.
  run(r, "menu 2x, 3x, 4x Post\nset \"w-side unbraced length =\" 12\npress Calculate\npress OK\n");
  EXPECT_EQ(s.read("WD_COL", "leW"), "12.00");
  EXPECT_TRUE(has(pad(r), "the larger, across w, governs"));
  EXPECT_TRUE(has(pad(r), "Allowable P = F'c * area =3.54 kip"));
  s.write("WD_COL", "leW", "0");
  // The timber form has no size-factor field, writes no CF4 and reads the shared section.
  s.write("WD_COL", "CF4", "0.5");
  s.write("WD6_BM", "sizeN", "1");  // 6x6
  s.write("WD6_BM", "grdN", "17");  // No. 1 (post)
  s.write("WD6_BM", "isDRY", "1");
  run(r, "menu 5x, 6x, ... 24x\npress OK\nmenu 5x, 6x, ...  Post\n");
  for (const Control& c : r.currentHost()->form().layout().controls) EXPECT_NE(c.label, "size, Cf for compression");
  EXPECT_EQ(r.currentHost()->text(labelled(r.currentHost(), "(Lc) d =")), "3.50");
  run(r, "set \"(Lc) d =\" 5.5\nset \"w =\" 5.5\nset \"Unbraced length =\" 12\nset \"Axial Load Pa =\" 12\npress OK\n");
  EXPECT_EQ(s.read("WD_COL", "CF4"), "0.5");
  EXPECT_EQ(s.read("WD_COL", "depth"), "5.50");
  EXPECT_TRUE(has(pad(r), "Allowable P = F'c * area =16.90 kip"));
}

TEST_F(WoodForms, ShearWallForm) {
  Settings s(ini());
  s.write("Project", "Note", "Grid 3 between A and B, north shear wall");
  ScriptRunner r(s, out_, allForms());
  run(r, "menu Plywood Shear Wall Defl.\n");
  EXPECT_EQ(r.currentHost()->text(labelled(r.currentHost(), "Location of this shear wall:")), "Grid 3 between A and B, north shear wall");
  run(r, "set \"maximum shear stress, v=\" 1000\nset \"wall width, b=\" 4\nset \"wall height, h=\" 8\n"
         "set \"effective thickness, t=\" 0.535\nset \"chord member area=\" 16.5\nset \"nail deformation, en=\" 0.03\n"
         "set \"deflection due to anchorage details, da=\" 0.1\nset \"E (of chord)=\" 123456789012345\n"
         "set \"G (of plywood)=\" 90000\npress OK/Calc\n");
  const std::string p = pad(r);
  EXPECT_EQ(p.rfind("This shear wall is at: Grid 3 between A and B, north shear wall\r\n\r\n 1997 UBC Standard Sec. 23.223", 0),
            0u)
      << p;
  EXPECT_TRUE(has(p, " E, chord member =123456789012345 psi"));
  EXPECT_EQ(s.read("SW", "maxShear"), "1000.0");
  EXPECT_EQ(s.read("SW", "thickness"), "0.535");
  EXPECT_EQ(s.read("SW", "E", "", 20), "123456789012345");
  EXPECT_EQ(s.read("SW", "G"), "90000");
  // A hold-down without slip is calculated (that term is zero).
  run(r, "menu Plywood Shear Wall Defl.\nset \"E (of chord)=\" 1700000\nset \"deflection due to anchorage details, da=\" 0\n"
         "press OK/Calc\n");
  EXPECT_TRUE(has(pad(r), " deflection from holddown slip =0.000 in."));
  EXPECT_EQ(s.read("SW", "da"), "0.000");
  // The guard still stores the values.
  run(r, "menu Plywood Shear Wall Defl.\nset \"effective thickness, t=\" 0\npress OK/Calc\n");
  EXPECT_TRUE(has(pad(r), "Check entries, divided by Zero!!"));
  EXPECT_EQ(s.read("SW", "thickness"), "0.000");
  // Each table button shows its table in the form, which stays open; nothing is stored, the pad is kept.
  s.write("SW", "da", "0.25");
  const std::string before = pad(r);
  run(r, "menu Plywood Shear Wall Defl.\nset \"deflection due to anchorage details, da=\" 9\n");
  HeadlessHost* h = r.currentHost();
  const int table = labelled(h, "Reference table:");
  run(r, "press \"G\" Table\n");
  EXPECT_EQ(h->text(table, std::string::npos).rfind("97 UBC STD. Table 23-2-J", 0), 0u);
  run(r, "press \"en\" Table 23-2-K\n");
  EXPECT_EQ(h->text(table, std::string::npos).rfind("97 UBC STD. Table 23-2-K", 0), 0u);
  run(r, "press Ply. Thickness Table 23-2-H\n");
  EXPECT_EQ(h->text(table, std::string::npos).rfind("97 UBC STD. Table 23-2-H", 0), 0u);
  EXPECT_EQ(r.currentHost(), h);
  run(r, "press Cancel\n");
  EXPECT_EQ(s.read("SW", "da"), "0.25");
  EXPECT_EQ(pad(r), before);
}

}  // namespace

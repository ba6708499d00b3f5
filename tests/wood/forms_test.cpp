// The wood forms' panes, lists and status lines, which a script cannot show (stored settings and pad
// reports are in the golden wood scripts).
#include <gtest/gtest.h>

#include <string>

#include "frame/commands.h"
#include "support/scratch_dir.h"
#include "wood/wood_state.h"

using namespace vd;

namespace {

class WoodForms : public vdtest::ScratchDir {
 protected:
  // The nth control of a kind in the open form's reading order (panes and lists have no label).
  static int nth(HeadlessHost* h, ControlKind kind, int n = 0) {
    for (const Control& c : h->form().layout().controls)
      if (c.kind == kind && n-- == 0) return c.id;
    ADD_FAILURE() << "no such control";
    return -1;
  }
  static std::string pane(HeadlessHost* h, int n = 0) { return h->text(nth(h, ControlKind::Pane, n), std::string::npos); }
  static const std::vector<std::string>& items(HeadlessHost* h, int n) { return h->items(nth(h, ControlKind::ListBox, n)); }
  static int selection(HeadlessHost* h, int n) { return h->selection(nth(h, ControlKind::ListBox, n)); }
  static int labelled(HeadlessHost* h, const std::string& label) {
    for (const Control& c : h->form().layout().controls)
      if (c.label == label) return c.id;
    ADD_FAILURE() << "no control " << label;
    return -1;
  }
  static bool has(const std::string& text, const std::string& piece) { return text.find(piece) != std::string::npos; }
};

TEST_F(WoodForms, SpeciesAndSizeListsAndPanes) {
  Settings s(ini());
  s.write("Wood", "sawnSpecieNum", "9");  // outside the table: species 0
  s.write("WD6_BM", "grdN", "15");        // redwood Select Structural (beam): list position 2
  ScriptRunner r(s, out_, allForms());
  run(r, "menu Sawn Lumber Species\n");
  HeadlessHost* h = r.currentHost();
  EXPECT_EQ(items(h, 0).size(), 7u);
  EXPECT_EQ(selection(h, 0), 0);
  EXPECT_EQ(pane(h), "");
  run(r, "pick REDWOOD           (RIS)\n");
  EXPECT_EQ(pane(h), "\tFor Sawn Lumber Design uses : \r\n\"                            REDWOOD           (RIS) \" "
                     "\r\nAccording with the 1991 Ed. NDS Supplement Specifications for\r\nVisually Graded Dimension "
                     "Lumber TABLE 4A or\r\nVisually Graded Timber TABLE 4D.");
  run(r, "press OK\n");
  // Each size form lists its sizes and the species' grades of its kind.
  const struct {
    const char* menu;
    std::size_t sizes, grades;
    int gradeSelected;
    const char *firstGrade, *lastGrade;
  } forms[] = {{"2x, 3x, 4x", 31, 13, -1, nullptr, nullptr},
               {"5x, 6x, ... 24x", 61, 10, 2, "Clear Heart Structural (beam)", "No. 2 (post)"},
               {"2-1/2", 15, 40, -1, nullptr, nullptr}};
  for (const auto& f : forms) {
    SCOPED_TRACE(f.menu);
    run(r, std::string("menu ") + f.menu + "\n");
    h = r.currentHost();
    EXPECT_EQ(items(h, 0).size(), f.sizes);
    EXPECT_EQ(items(h, 1).size(), f.grades);
    if (f.gradeSelected >= 0) {
      EXPECT_EQ(selection(h, 1), f.gradeSelected);
      EXPECT_EQ(items(h, 1).front(), f.firstGrade);
      EXPECT_EQ(items(h, 1).back(), f.lastGrade);
    }
    run(r, "press CANCEL\n");
  }
  // The glulam size pane follows the dry box; later choices follow into the member.
  run(r, "menu 8-3/4\ncheck Dry Usage off\n");
  EXPECT_EQ(pane(r.currentHost()), " You have requested wet usage,");
  run(r, "check Dry Usage on\n");
  EXPECT_EQ(pane(r.currentHost()), " You have requested dry usage.");
  run(r, "press CANCEL\nmenu 2-1/2\ncheck Dry Usage off\n");
  EXPECT_EQ(pane(r.currentHost()), " You have requested wet usage.");
  run(r, "pick 24F-V8  DF/DF\npick 2-1/2 x 12\n");
  EXPECT_TRUE(has(pane(r.currentHost()), "Wet usage:"));
  EXPECT_FALSE(woodState(r.state()).glulam->isDry());
  run(r, "press OK\n");
}

TEST_F(WoodForms, BeamFormsShowTheLastBeamAndTheCheckInTheirPanes) {
  Settings s(ini());
  s.write("WD2_BM", "sizeN", "4");  // 2x10
  s.write("WD2_BM", "grdN", "3");   // No. 2
  s.write("WD2_BM", "isDry", "1");
  s.write("WD2_BM", "moment", "123456789012");
  s.write("WD6_BM", "sizeN", "6");  // 6x16
  s.write("WD6_BM", "grdN", "12");  // No. 1 (beam)
  s.write("GLULAM", "combination", "36");
  s.write("GLULAM", "size", "12");
  ScriptRunner r(s, out_, allForms());
  r.state().lastBeam = {12.5, -3.25, 4.0, 5.5};
  run(r, "menu 2x, 3x, 4x\npress OK\nmenu 2x, 3x, 4x Beam\n");
  HeadlessHost* h = r.currentHost();
  EXPECT_EQ(h->status(0), "+mom= 12.50 kip-ft,  -mom= -3.25 kip-ft");
  EXPECT_EQ(h->status(1), "left R =4.00 kip,  right R =5.50 kip");
  EXPECT_EQ(h->text(labelled(h, "moment=")), "1234567890");  // the stored moment, ten characters
  run(r, "choose roof (x1.25)\n");
  EXPECT_EQ(pane(h, 1), "Load condition =3");
  // No. 2 DF 2x10, roof, 8 ft unbraced: Fb* = 875 x 1.25 x 1.1 = 1203.1, C_L = 0.6915, F'b = 832.0 psi (as the
  // pad's report); fb = 2.5 x 12000 / 21.39 = 1402.5 psi.
  run(r, "set moment= 2.5\nset shear= 0.75\nset \"unbraced len.=\" 8\npress Calculate\n");
  EXPECT_TRUE(has(pane(h, 1), "F'b= Fb*Cd*CL*Cf*Cr*Cm =875 x 1.25 x 0.692 x 1.10 x 1.00 x 1.00 =832.0 psi. vs. Fb= moment/Sxx "
                              "=1402.5 psi"))
      << pane(h, 1);
  EXPECT_TRUE(has(pane(h, 1), " Result: NO GOOD, ratio 1.69 (governed by bending, NDS 3.3)"));
  run(r, "press CANCEL\n");
  // 6x16, wind: CF = (12/15.5)^(1/9) = 0.97, F'b = 1350 x 1.33 x 0.97 = 1745.2 psi; fb = 20 x 12000 / 220.2 = 1089.8.
  run(r, "menu 5x, 6x, ... 24x\npress OK\nmenu 5x, 6x, ... 24x Bm\nchoose wind (x1.33)\n");
  h = r.currentHost();
  EXPECT_EQ(pane(h, 1), "Load condition= 1");
  run(r, "set moment= 20\nset shear= 4\nset \"unbraced len.=\" 0\npress Calculate\n");
  EXPECT_TRUE(has(pane(h, 1), "=1350 x 1.33 x 1.000 x 0.97 x 1.00 x 1.00 =1745.2 psi. vs. Fb= moment/Sxx =1089.8 psi"));
  EXPECT_TRUE(pane(h, 1).ends_with(" Result: OK, ratio 0.62 (governed by bending, NDS 3.3)\r\n"));
  run(r, "press CANCEL\nmenu 5-1/8\npress OK\nmenu Glulam Beam\n");
  h = r.currentHost();
  EXPECT_EQ(h->status(0), "+mom= 12.50 kip-ft,  -mom= -3.25 kip-ft");
  EXPECT_EQ(h->status(1), "left R= 4.00 kip,  right R= 5.50 kip");
  EXPECT_TRUE(has(pane(h), " 24F-V8  DF/DF << 5-1/8 x 24 >>  size=5.125\" x 24.000\"  Area =123.000 in^2"));
  run(r, "choose wind (x1.6)\n");
  EXPECT_EQ(pane(h, 1), "Load condition= 1");
  run(r, "pick Single span, 2-equal concentrated loads at 1/3 point KL=0.96\nset moment= 100\nset shear= 10\n"
         "set \"unbraced length=\" 10\nset \"Negative moment=\" -50\nset \"len (vol. f.)=\" 20\nset deflection= 0.8\n"
         "set P-support= 12\npress Calculate\n");
  EXPECT_TRUE(has(pane(h, 1), "load duration factor = 1.60"));
  EXPECT_TRUE(has(pane(h, 1), "K_L of NDS Table 5.3.2 factor =0.96"));
  run(r, "press CANCEL\n");
}

}  // namespace

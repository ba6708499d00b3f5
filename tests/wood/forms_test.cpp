// The wood size forms' lists, which a script cannot count (panes, status lines, stored settings and
// reports are in the golden wood scripts, tests/golden/wood/panes_and_status.txt among them).
#include <gtest/gtest.h>

#include <string>

#include "frame/commands.h"
#include "support/scratch_dir.h"
#include "wood/wood_state.h"

using namespace vd;

namespace {

class WoodForms : public vdtest::ScratchDir {
 protected:
  // The nth control of a kind in the open form's reading order (lists have no label).
  static int nth(HeadlessHost* h, ControlKind kind, int n = 0) {
    for (const Control& c : h->form().layout().controls)
      if (c.kind == kind && n-- == 0) return c.id;
    ADD_FAILURE() << "no such control";
    return -1;
  }
  static const std::vector<std::string>& items(HeadlessHost* h, int n) { return h->items(nth(h, ControlKind::ListBox, n)); }
  static int selection(HeadlessHost* h, int n) { return h->selection(nth(h, ControlKind::ListBox, n)); }
};

TEST_F(WoodForms, SpeciesAndSizeLists) {
  Settings s(ini());
  s.write("Wood", "sawnSpecieNum", "9");  // outside the table: species 0
  s.write("WD6_BM", "grdN", "15");        // redwood Select Structural (beam): list position 2
  ScriptRunner r(s, out_, allForms());
  run(r, "menu Sawn Lumber Species\n");
  HeadlessHost* h = r.currentHost();
  EXPECT_EQ(items(h, 0).size(), 7u);
  EXPECT_EQ(selection(h, 0), 0);
  run(r, "pick REDWOOD           (RIS)\npress OK\n");
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
  run(r, "menu 2-1/2\ncheck Dry Usage off\npick 24F-V8  DF/DF\npick 2-1/2 x 12\n");
  EXPECT_FALSE(woodState(r.state()).glulam->isDry());
  run(r, "press OK\n");
}

}  // namespace

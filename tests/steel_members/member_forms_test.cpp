// The member forms driven as a user would where a script cannot reach: stored rows outside the table,
// the strut's list, hostile input. Their reports, stored keys and messages are golden scripts
// (tests/golden/steel/member_form_reports.txt, member_form_paths.txt).
#include "steel/column_checks.h"
#include "steel/form_factories.h"
#include "support.h"
#include "support/scratch_dir.h"

using namespace vd;
using smtest::contains;

namespace {

class FormTest : public vdtest::ScratchDir {
 protected:
  void SetUp() override {
    ScratchDir::SetUp();
    settings_ = std::make_unique<Settings>(ini());
    runner_ = std::make_unique<ScriptRunner>(*settings_, out_, allForms());
  }
  void run(const std::string& script) { ScratchDir::run(*runner_, script); }
  std::string pad() { return runner_->padText(); }
  std::unique_ptr<Settings> settings_;
  std::unique_ptr<ScriptRunner> runner_;
};

constexpr int kResult = column_form::Result;  // the display pane, the same id on every member form

TEST_F(FormTest, AStoredRowOutsideTheTableCalculatesWithTheFirstRow) {
  settings_->write("AISC", "tubeNum", "9999");
  run("menu Stl Tube Column\n");
  EXPECT_EQ(runner_->currentHost()->selection(column_form::List), -1);
  run("set Fy 46\nset K_xx 1\nset \"Unbraced length l_xx\" 10\nset \"K_yy *\" 1\nset \"Unbraced length l_yy *\" 10\n"
      "set \"Axial Load Pa\" 10\npress Calculate\npress OK\n");
  EXPECT_TRUE(contains(pad(), "Designed for: \" HSS 32 x 24 x 0.625 \""));
  EXPECT_EQ(settings_->read("AISC", "tubeNum"), "0");
}

// The strut lists the pairs only; a stored row that is a single angle selects nothing.
TEST_F(FormTest, DoubleAngleStrutListStartsAtTheFirstPair) {
  run("menu Double-angles Strut\n");
  HeadlessHost* host = runner_->currentHost();
  EXPECT_EQ(host->items(strut_form::List).front(), "2L 8 x 8 x 1.125");
  EXPECT_EQ(host->items(strut_form::List).size(), 136u);
  EXPECT_EQ(host->selection(strut_form::List), -1);
  run("press Cancel\n");
}

TEST_F(FormTest, HostileInputNeverPrintsInfinityOrNan) {
  const char* scripts[] = {
      "menu Stl Wide Flange Col\nset Fy 1e300\nset K_xx 1e300\nset \"Unbraced length l_xx\" 1e300\n"
      "set \"Unbraced length l_yy\" 1\nset \"Axial Load Pa\" 1\n",
      "menu Stl Tube Column\nset Fy 36\nset K_xx 1\nset \"Unbraced length l_xx\" 10\nset \"Axial Load Pa\" 1\n"
      "choose Seismic Zone 3 or 4\nset \"EQ L.\" 1e308\nset \"Dead L.,\" 1e308\nset \"Live L.,\" 0\n",
      "menu Stl Pipe Column\nset Fy 1e-29\nset K 1\nset \"Unbraced length l\" 1\nset \"Axial Load Pa\" 1\n",
      "menu Double-angles Strut\nset Fy 36\nset K_yy 1e300\nset K_xx 1\nset \"Unbraced length l_yy\" 8\n"
      "set \"Unbraced length l_xx\" 8\nset \"Axial Load Pa\" 50\n",
      "menu Stl Combined Stresses\nset Fy 36\nset fa[0,0] 1e300\nset Fa[0,1] 1e-29\n",
      "menu Base Plate for WF\nset Fy 1e-29\nset \"N, side along the web\" 1e-29\nset \"B, side along the flange\" 1e-29\n"
      "set \"P, axial\" 1e300\nset f'c 1e300\nset \"side along N\" 1e300\nset \"side along B\" 1e300\n",
  };
  for (const char* s : scripts) {
    run(std::string(s) + "press Calculate\npress OK\n");
    if (HeadlessHost* host = runner_->currentHost()) {  // refused: the pane says why
      EXPECT_FALSE(hasNonFiniteNumber(host->text(kResult, std::string::npos))) << s;
      run("press Cancel\n");
    }
    EXPECT_FALSE(hasNonFiniteNumber(pad())) << s << pad();
    run("show messages\n");  // read, so that the next script starts without them
  }
}

}  // namespace

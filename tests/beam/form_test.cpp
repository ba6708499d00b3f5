// The four beam forms driven as a user drives them (through the script runner and the headless
// host): the published result, the station file, stored geometry read whole, Clean Slate and a report
// file that cannot be written. What the pad, the messages and the settings show: tests/golden/beam.
#include <gtest/gtest.h>

#include <sstream>

#include "beam/beam_input_forms.h"
#include "beam/beam_inputs.h"
#include "support/scratch_dir.h"
#include "beam_test_tables.h"
#include "frame/commands.h"
#include "platform/headless_host.h"

using namespace vd;
namespace bf = vd::beam_form;

namespace {

class BeamForms : public vdtest::ScratchDir {
 protected:
  std::string run(const std::string& script) { return ScratchDir::run(runner_, script); }
  AppState& state() { return runner_.state(); }
  HeadlessHost& host() { return *runner_.currentHost(); }
  std::string setting(const char* section, const char* key) { return settings_.read(section, key, "<none>", 300); }
  // The message boxes shown since the last call, as "caption: text" lines.
  std::string messages() {
    const std::size_t before = out_.str().size();
    run("show messages\n");
    return out_.str().substr(before);
  }

  Settings settings_{ini()};
  ScriptRunner runner_{settings_, out_, allForms()};
};

const char* kSimpleBeam =
    "menu Simp. Beam Design\n"
    "set \"Location of this beam:\" Grid B, 2nd floor\n"
    "set Span 20\nset I 100\nset E 29000\n"
    "set \"point loads\"[0,0] 10\nset \"point loads\"[0,1] 10\n";

// The station file and the published result of each form (the reports, messages, formats and stored
// settings are in tests/golden/beam/forms.txt).
TEST_F(BeamForms, EachFormPublishesItsOwnResultOnlyOnOk) {
  struct Case {
    const char* script;
    double Mpos, Mneg, left, right, fixedEnd, supportLeft, supportRight;
  };
  const Case cases[] = {
      // R = P/2 = 5, M = PL/4 = 50.
      {kSimpleBeam, 50, 0, 5, 5, 0, 0, 1},
      // 10 kip at the free end of a 5 ft overhang: R = 10*25/20 = 12.5 and -2.5, M = -50; supports at 5/25 and 1.
      {"menu Bm. Overhang Left\nset Overall 25\nset Span 20\nset I 100\nset E 29000\n"
       "set \"point loads\"[0,0] 10\nset \"point loads\"[0,1] 0\n",
       0, -50, 12.5, -2.5, 0, 0.2, 1},
      // The same load at the right tip: supports at 0 and 20/25.
      {"menu Bm. Overhang Right\nset Overall 25\nset Span 20\nset I 100\nset E 29000\n"
       "set \"point loads\"[0,0] 10\nset \"point loads\"[0,1] 25\n",
       0, -50, -2.5, 12.5, 0, 0, 0.8},
      // 2 kip at the free end of a 10 ft cantilever: no reaction there, the wall 2 kip up and -20 k-ft.
      {"menu Bm. Cantilever Left\nset Span 10\nset I 100\nset E 29000\n"
       "set \"point loads\"[0,0] 2\nset \"point loads\"[0,1] 0\n",
       0, -20, 0, 2, -20, 0, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.script);
    state().lastBeam = {};
    run(std::string(c.script) + "press Calculate the results\n");
    EXPECT_NEAR(state().supportLeft, c.supportLeft, 1e-15);
    EXPECT_NEAR(state().supportRight, c.supportRight, 1e-15);
    EXPECT_EQ(state().lastBeam.maxPositiveMoment, 0);  // nothing is published until the form closes
    run("press Cancel\n");
    EXPECT_EQ(state().lastBeam.leftReaction, 0);
    run(std::string(c.script) + "press OK\n");
    EXPECT_EQ(state().lastBeam.maxPositiveMoment, c.Mpos);
    EXPECT_EQ(state().lastBeam.maxNegativeMoment, c.Mneg);
    EXPECT_EQ(state().lastBeam.leftReaction, c.left);
    EXPECT_EQ(state().lastBeam.rightReaction, c.right);
    EXPECT_EQ(state().lastBeam.cantilever, c.fixedEnd != 0);
    EXPECT_EQ(state().lastBeam.fixedEndMoment, c.fixedEnd);
    EXPECT_TRUE(state().isEnabled(cmd::ShearDiagram));
  }
  // The simple beam's station file: 201 lines "%9.5f %f %f %f %f", at midspan x = 10, V = -5 (right of
  // the load), M = 50, deflection PL^3/48EI = 80000/966666.7 ft = 0.993103 in down.
  run(std::string(kSimpleBeam) + "press Calculate\n");
  const auto lines = beamtest::lines(slurp("cbm.dat"));
  ASSERT_EQ(lines.size(), 202u);
  EXPECT_EQ(lines[100], " 10.00000 -5.000000 50.000000 0.000000 -0.993103");
  for (int i = 0; i < 201; ++i)
    EXPECT_EQ(lines[i], format("%9.5f %f %f %f %f", i * 0.1, state().stations[i * 5 + 1], state().stations[i * 5 + 2],
                               state().stations[i * 5 + 3], state().stations[i * 5 + 4]));
  run("press Cancel\n");
}

TEST_F(BeamForms, StoredGeometryIsReadWholeAndCleanSlateEmptiesTheTableAtTheNextCalculation) {
  settings_.write("CBM", "span", "20.123456789");  // more digits than the form writes: read back whole
  settings_.write("Project", "Note", std::string(300, 'n'));
  run("menu Bm. Overhang Left\n");
  EXPECT_EQ(host().text(bf::Span), "20.123456789");
  EXPECT_EQ(host().text(bf::Location, 1000), std::string(249, 'n'));
  run("press Cancel\n");
  settings_.write("DBM", "span", "18.50");
  settings_.write("DBM", "length", "99");
  run("menu Simp. Beam Design\n");
  EXPECT_EQ(host().text(bf::Length), "18.50");  // the simple beam's length is its span, not the stored length
  run("press Cancel\n");

  BeamLoadTable& t = state().module<BeamLoadTables>()[BeamCase::OverhangRight];
  beamtest::load(t, kPointRow + 2, 4, 6);
  beamtest::load(t, kMomentRow + 1, 3, 7);
  run("menu Bm. Overhang Right\nset Overall 25\nset Span 20\nset I 100\nset E 29000\npress Clean Slate\n");
  EXPECT_EQ(t[kPointRow + 2][0], 4);
  run("press Calculate the results\n");
  EXPECT_EQ(t[kPointRow + 2][0], 0);
  EXPECT_EQ(t[kMomentRow + 1][0], 0);
  EXPECT_EQ(t[kSpanRow][2], 20);
  run("press Cancel\n");
}

TEST_F(BeamForms, AReportFileThatCannotBeWrittenIsNamedAndTheResultStands) {
  std::filesystem::create_directory("cbm.wri");
  std::ofstream("cbm.wri/keep") << "x";
  run(kSimpleBeam);
  std::istringstream calculate("press Calculate\n");
  std::ostringstream err;
  EXPECT_EQ(runner_.runScript(calculate, err), 1);  // a file not written makes the run fail
  const std::string shown = messages();
  EXPECT_EQ(shown.substr(0, 33), "cbm app: Could not write the file") << shown;
  EXPECT_NE(shown.find("cbm.wri\n"), std::string::npos) << shown;
  EXPECT_TRUE(std::filesystem::exists("cbm.wri/keep"));
  run("press OK\n");
  EXPECT_EQ(state().lastBeam.maxPositiveMoment, 50);
  EXPECT_EQ(state().stations[100 * 5 + 2], 50);
  EXPECT_TRUE(std::filesystem::exists("cbm.dat"));
}

}  // namespace

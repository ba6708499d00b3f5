// The four beam forms driven as a user drives them (through the script runner and the headless
// host): fields on opening, Clean Slate, Calculate, the files, the settings, the published result,
// the menu enabling and the report the frame puts into the pad.
#include <gtest/gtest.h>

#include <sstream>

#include <cmath>
#include <regex>

#include "beam/beam_input_forms.h"
#include "beam/beam_inputs.h"
#include "support/scratch_dir.h"
#include "beam_test_tables.h"
#include "frame/commands.h"
#include "platform/headless_host.h"

using namespace vd;
namespace bf = vd::beam_form;

namespace {

const double kEI = 29000.0 * 144 * 100 / 20736;

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

TEST_F(BeamForms, SimpleBeamCalculatesWritesFilesAndSettingsAndPublishesOnOk) {
  settings_.write("Project", "ID", "J-77");
  state().jobNumber = "J-77";
  run(kSimpleBeam);
  EXPECT_EQ(host().text(bf::JobNum), "J-77");
  EXPECT_EQ(host().text(bf::Length), "20");  // the simple beam's length follows its span
  EXPECT_FALSE(state().isEnabled(cmd::MomentDiagram));
  run("press Calculate the results\n");
  EXPECT_EQ(messages(), "");

  // Settings: the geometry with its formats, the location.
  EXPECT_EQ(setting("DBM", "length"), "20.00");
  EXPECT_EQ(setting("DBM", "span"), "20.00");
  EXPECT_EQ(setting("DBM", "I"), "100.00");
  EXPECT_EQ(setting("DBM", "E"), "29000");
  EXPECT_EQ(setting("Project", "Note"), "Grid B, 2nd floor");

  // The load table keeps the entered I and E between runs, the loads and the beam.
  const BeamLoadTable& t = state().module<BeamLoadTables>()[BeamCase::Simple];
  EXPECT_EQ(t[kLengthRow][2], 20);
  EXPECT_EQ(t[kSpanRow][2], 20);
  EXPECT_EQ(t[kInertiaRow][2], 100);
  EXPECT_EQ(t[kModulusRow][2], 29000);
  EXPECT_EQ(t[kPointRow][0], 10);
  EXPECT_EQ(t[kPointRow][1], 10);

  // The station file: 201 lines "%9.5f %f %f %f %f", the stations of the frame's table.
  const std::string dat = slurp("cbm.dat");
  const auto lines = beamtest::lines(dat);
  ASSERT_EQ(lines.size(), 202u);
  const std::regex line(R"( *-?\d+\.\d{5} -?\d+\.\d{6} -?\d+\.\d{6} -?\d+\.\d{6} -?\d+\.\d{6})");
  for (int i = 0; i < 201; ++i) {
    EXPECT_TRUE(std::regex_match(lines[i], line)) << lines[i];
    EXPECT_EQ(lines[i], format("%9.5f %f %f %f %f", i * 0.1, state().stations[i * 5 + 1], state().stations[i * 5 + 2],
                               state().stations[i * 5 + 3], state().stations[i * 5 + 4]));
  }
  EXPECT_EQ(lines[100].substr(0, 39), " 10.00000 -5.000000 50.000000 0.000000 ");
  EXPECT_EQ(state().supportLeft, 0.0);
  EXPECT_EQ(state().supportRight, 1.0);
  // Nothing is published until the form closes.
  EXPECT_EQ(state().lastBeam.maxPositiveMoment, 0);

  run("press OK\n");
  EXPECT_EQ(state().lastBeam.maxPositiveMoment, 50);
  EXPECT_EQ(state().lastBeam.maxNegativeMoment, 0);
  EXPECT_EQ(state().lastBeam.leftReaction, 5);
  EXPECT_EQ(state().lastBeam.rightReaction, 5);
  EXPECT_TRUE(state().isEnabled(cmd::MomentDiagram));
  EXPECT_TRUE(state().isEnabled(cmd::ShearDiagram));

  // The pad: the frame's two header lines and the report file with "\r\n" line ends.
  const std::string pad = runner_.padText();
  const std::string head = " Job No: J-77\r\n This beam is at: Grid B, 2nd floor\r\n\r\n  ===dbm======dbm======dbm======dbm===\r\n span =20.000 ft,";
  EXPECT_EQ(pad.substr(0, head.size()), head);
  EXPECT_EQ(pad, " Job No: J-77\r\n This beam is at: Grid B, 2nd floor\r\n" + toCrLf(slurp("cbm.wri")));
  EXPECT_NE(pad.find("\r\n Positive moment =50.00 k-ft  at =10.000 ft.\r\n"), std::string::npos);
  EXPECT_NE(pad.find(format("Deflection down =%.4f\"", -10 * 8000.0 / (48 * kEI) * 12)), std::string::npos);
  EXPECT_EQ(pad.find("\n\n"), std::string::npos);
}

TEST_F(BeamForms, OpeningShowsTheTableWithEachFormsFormatsAndTheStoredGeometry) {
  BeamLoadTable& left = state().module<BeamLoadTables>()[BeamCase::OverhangLeft];
  beamtest::load(left, kPointRow + 1, 10, 2.5);
  beamtest::load(left, kUniformRow + 3, -1.25, 3, 12.125);
  settings_.write("CBM", "length", "25.00");
  settings_.write("CBM", "span", "20.123456789");  // read back as 9 characters
  settings_.write("cbm", "i", "375.5");
  settings_.write("CBM", "E", "29000");
  settings_.write("Project", "Note", std::string(300, 'n'));
  run("menu Bm. Overhang Left\n");
  EXPECT_EQ(host().text(bf::cell(kPointRow + 1, 0)), "  10.000");
  EXPECT_EQ(host().text(bf::cell(kPointRow + 1, 1)), "    2.500");
  EXPECT_EQ(host().text(bf::cell(kUniformRow + 3, 0)), "  -1.250");
  EXPECT_EQ(host().text(bf::cell(kUniformRow + 3, 2)), "  12.125");
  EXPECT_EQ(host().text(bf::cell(kMomentRow, 0)), "   0.000");
  EXPECT_EQ(host().text(bf::Length), "25.00");
  EXPECT_EQ(host().text(bf::Span), "20.123456789");  // reopened whole: the calculation reads it whole
  EXPECT_EQ(host().text(bf::Inertia), "375.5");
  EXPECT_EQ(host().text(bf::Modulus), "29000");
  EXPECT_EQ(host().text(bf::Location, 1000), std::string(249, 'n'));
  EXPECT_EQ(host().text(bf::Interest), "");
  EXPECT_TRUE(host().isEnabled(bf::Interest));
  EXPECT_EQ(runner_.currentHost()->form().layout().title, "Input Dialog, beam overhang at the left hand side");
  run("press Cancel\n");

  BeamLoadTable& simple = state().module<BeamLoadTables>()[BeamCase::Simple];
  beamtest::load(simple, kAscendingRow, 2, 1, 9);
  settings_.write("DBM", "span", "18.50");
  settings_.write("DBM", "length", "99");
  run("menu Simp. Beam Design\n");
  EXPECT_EQ(host().text(bf::cell(kAscendingRow, 0)), "2.000");
  EXPECT_EQ(host().text(bf::cell(kAscendingRow, 2)), "9.000");
  EXPECT_EQ(host().text(bf::Length), "18.50");  // the span, not the stored length
  EXPECT_EQ(host().text(bf::Span), "18.50");
  run("press Cancel\n");

  run("menu Bm. Overhang Right\n");
  EXPECT_FALSE(host().isEnabled(bf::Interest));
  EXPECT_TRUE(host().isEnabled(bf::cell(kMomentRow, 0)));
  EXPECT_EQ(host().text(bf::cell(kPointRow, 1)), "0.000");
  run("press Cancel\n");

  run("menu Bm. Cantilever Left\n");
  EXPECT_FALSE(host().isEnabled(bf::cell(kMomentRow + 2, 0)));
  EXPECT_FALSE(host().isEnabled(bf::cell(kMomentRow + 2, 1)));
  EXPECT_TRUE(host().isEnabled(bf::Interest));
  EXPECT_EQ(host().text(bf::Sketch), "  ------------------||");
  EXPECT_EQ(runner_.currentHost()->form().layout().templateName, "GBM_Box");
  run("press Cancel\n");
}

TEST_F(BeamForms, CleanSlateClearsTheFieldsAndTheTableOnlyAtTheNextCalculation) {
  BeamLoadTable& t = state().module<BeamLoadTables>()[BeamCase::OverhangRight];
  beamtest::load(t, kPointRow + 2, 4, 6);
  beamtest::load(t, kDescendingRow, 1, 2, 8);
  beamtest::load(t, kMomentRow + 1, 3, 7);
  run("menu Bm. Overhang Right\nset Overall 25\nset Span 20\nset I 100\nset E 29000\npress Clean Slate\n");
  for (int r = 0; r < 18; ++r)
    for (int c = 0; c < (r >= kUniformRow ? 3 : 2); ++c) EXPECT_EQ(host().text(bf::cell(r, c)), "0.0") << r << c;
  EXPECT_EQ(host().text(bf::Span), "20");
  EXPECT_EQ(t[kPointRow + 2][0], 4);
  run("press Calculate the results\n");
  EXPECT_EQ(t[kPointRow + 2][0], 0);
  EXPECT_EQ(t[kDescendingRow][2], 0);
  EXPECT_EQ(t[kMomentRow + 1][0], 0);
  EXPECT_EQ(t[kSpanRow][2], 20);
  run("press Cancel\n");
}

TEST_F(BeamForms, EachFormPublishesItsOwnResultOnOkAndCancelChangesNothing) {
  // Overhang left, 10 kip at the free end: R = 12.5 and -2.5, M = -50 at the support. Cancel publishes nothing.
  run("menu Bm. Overhang Left\nset Overall 25\nset Span 20\nset I 100\nset E 29000\n"
      "set \"point loads\"[0,0] 10\nset \"point loads\"[0,1] 0\npress Calculate\npress Cancel\n");
  EXPECT_EQ(state().lastBeam.leftReaction, 0);
  EXPECT_FALSE(state().isEnabled(cmd::ShearDiagram));
  EXPECT_EQ(runner_.padText(), kStartText);

  // A form whose fields are empty refuses OK and stays open.
  run("menu Bm. Overhang Right\npress OK\n");
  ASSERT_NE(runner_.currentHost(), nullptr);
  EXPECT_EQ(messages(), "Vardelin: Span: ft: enter a value.\n");
  run("press Cancel\n");

  // Reopened, OK calculates what the form shows (the stored inputs), publishes it and puts its report
  // with the note shown on opening.
  settings_.write("Project", "Note", "roof");
  run("menu Bm. Overhang Left\npress OK\n");
  EXPECT_EQ(state().lastBeam.maxNegativeMoment, -50);
  EXPECT_EQ(state().lastBeam.leftReaction, 12.5);
  EXPECT_EQ(state().lastBeam.rightReaction, -2.5);
  EXPECT_NEAR(state().supportLeft, 1 - 20.0 / 25, 1e-15);
  EXPECT_EQ(state().supportRight, 1.0);
  EXPECT_TRUE(state().isEnabled(cmd::ShearDiagram));
  EXPECT_EQ(runner_.padText(), " Job No: \r\n This beam is at: roof\r\n" + toCrLf(slurp("cbm.wri")));

  // Overhang right: support marks at 0 and s/L.
  run("menu Bm. Overhang Right\nset Overall 25\nset Span 20\nset I 100\nset E 29000\n"
      "set \"point loads\"[0,0] 10\nset \"point loads\"[0,1] 25\npress Calculate\n");
  EXPECT_EQ(state().supportLeft, 0);
  EXPECT_EQ(state().supportRight, 0.8);
  run("press OK\n");
  EXPECT_EQ(state().lastBeam.leftReaction, -2.5);
  EXPECT_EQ(state().lastBeam.rightReaction, 12.5);
  EXPECT_EQ(setting("EBM", "length"), "25.00");
  EXPECT_EQ(setting("EBM", "I"), "100.00");
  EXPECT_NE(runner_.padText().find("===ebm==="), std::string::npos);
  EXPECT_TRUE(std::filesystem::exists("ebm.dat"));
}

TEST_F(BeamForms, CantileverKeysFormatsAndPublishedNumbers) {
  run("menu Bm. Cantilever Left\nset Span 10\nset I 123.4567\nset E 29000\n"
      "set \"point loads\"[0,0] 2\nset \"point loads\"[0,1] 0\nset \"Dist to a point of interest\" 4\n"
      "press Calculate the results\n");
  EXPECT_EQ(setting("GBM", "length"), "10.000");
  EXPECT_EQ(setting("GBM", "span"), "10.000");
  EXPECT_EQ(setting("GBM", "I"), "123.457");
  EXPECT_EQ(setting("GBM", "E"), "29000");
  EXPECT_EQ(state().supportLeft, 0);
  EXPECT_EQ(state().supportRight, 1);
  // Stations count the deflection positive downward: the free end PL^3/3EI.
  const double EI = 29000.0 * 144 * 123.4567 / 20736;
  EXPECT_NEAR(state().stations[4], 2 * 1000.0 / (3 * EI) * 12, 1e-12);
  run("press OK\n");
  // Published: Mpos, Mneg, no reaction at the free end, the wall's 2 kip up and its -20 k-ft.
  EXPECT_EQ(state().lastBeam.maxPositiveMoment, 0);
  EXPECT_EQ(state().lastBeam.maxNegativeMoment, -20);
  EXPECT_EQ(state().lastBeam.leftReaction, 0);
  EXPECT_EQ(state().lastBeam.rightReaction, 2);
  EXPECT_TRUE(state().lastBeam.cantilever);
  EXPECT_EQ(state().lastBeam.fixedEndMoment, -20);
  const std::string pad = runner_.padText();
  EXPECT_NE(pad.find("\r\n\r\n@4.00, Shear =-2.00 Mmnt=-8.00  Slope="), std::string::npos) << pad;
  EXPECT_NE(pad.find("\r\n  Reaction at support =2.00 kips\r\n  Fixed-end moment =-20.00 k-ft\r\n"), std::string::npos);
  EXPECT_NE(pad.find(format("Deflection down = %.4f\"    at = 10.000 ft. from the support", -2 * 1000.0 / (3 * EI) * 12)),
            std::string::npos);

  // Moment loads cannot be typed into the cantilever form: its fields stay 0.
  run("menu Bm. Cantilever Left\n");
  EXPECT_EQ(host().text(bf::Span), "10.000");
  EXPECT_EQ(host().text(bf::Inertia), "123.457");
  run("press Cancel\n");
}

TEST_F(BeamForms, LengthErrorsAreShownAndNoStationIsWritten) {
  // A first good run, then a zero span: the message, no new station values, nothing published.
  run(kSimpleBeam);
  run("press Calculate\npress OK\n");
  const StationTable good = state().stations;
  const std::string goodDat = slurp("cbm.dat");
  messages();
  run("menu Simp. Beam Design\nset Span 0\npress Calculate\n");
  EXPECT_EQ(messages(), "cbm app: At least one of the lengths is in error!\n");
  EXPECT_EQ(state().stations, good);
  EXPECT_EQ(slurp("cbm.dat"), goodDat);
  const std::string goodPad = runner_.padText();
  run("press OK\n");  // refused again: the form stays open
  ASSERT_NE(runner_.currentHost(), nullptr);
  EXPECT_EQ(messages(), "cbm app: At least one of the lengths is in error!\n");
  run("press Cancel\n");
  EXPECT_EQ(state().lastBeam.maxPositiveMoment, 50);  // the last good result
  EXPECT_EQ(runner_.padText(), goodPad);

  // A load beyond the end: the message, the analysis as entered; no point-of-interest line.
  run("menu Bm. Overhang Right\nset Overall 20\nset Span 15\nset I 100\nset E 29000\n"
      "set \"uniform loads\"[1,0] 1\nset \"uniform loads\"[1,1] 2\nset \"uniform loads\"[1,2] 21\npress Calculate\n");
  EXPECT_EQ(messages(), "ebm: At least one of the lengths is in error!\n");
  EXPECT_NE(slurp("ebm.wri").find("maximum shear force"), std::string::npos);
  run("press Cancel\n");

  // No stiffness.
  run("menu Bm. Cantilever Left\nset Span 10\nset I 0\nset E 29000\npress Calculate\n");
  EXPECT_EQ(messages(), "gbm app: I and E must be greater than zero!\n");
  run("press Cancel\n");
}

TEST_F(BeamForms, AscendingLoadErrorShowsItsMessageAndKeepsTheLastGoodResult) {
  run(kSimpleBeam);
  run("press Calculate\n");
  const StationTable good = state().stations;
  run("set \"ascending loads\"[1,0] 2\nset \"ascending loads\"[1,1] 12\nset \"ascending loads\"[1,2] 6\n"
      "press Calculate\n");
  EXPECT_EQ(messages(), "cbm app: At least one of the lengths is in error!\ncbm app: x1 must be less or equal to x2!\n");
  EXPECT_EQ(state().stations, good);
  // The report file holds the header and the load list only.
  EXPECT_EQ(slurp("cbm.wri"),
            "\n  ===dbm======dbm======dbm======dbm===\n span =20.000 ft,  I =100.00 in^4,  E =29000 ksi"
            "\n point load = 10.00 kip. at 10.00'\n");
  // OK calculates again and refuses the same way; mended, it goes through.
  run("press OK\n");
  ASSERT_NE(runner_.currentHost(), nullptr);
  EXPECT_EQ(messages(), "cbm app: At least one of the lengths is in error!\ncbm app: x1 must be less or equal to x2!\n");
  run("set \"ascending loads\"[1,2] 16\npress OK\n");
  EXPECT_NE(runner_.padText().find("ascending triangular load = 2.000 kip/ft at apex start 12.00' end 16.00'"),
            std::string::npos);
  EXPECT_GT(state().lastBeam.maxPositiveMoment, 50);
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

TEST_F(BeamForms, UnreadableFieldsAreRefusedAndLongNumbersReadWhole) {
  run("menu Bm. Overhang Left\nset Overall abc\nset Span 20\nset I 100\nset E 29000\npress Calculate\n");
  EXPECT_EQ(messages(),
            "Vardelin: Overall length: ft: \"abc\" is not a number. Type digits with a decimal point, e.g. 2.5.\n");
  EXPECT_EQ(setting("CBM", "span"), "<none>");  // nothing calculated, nothing stored
  run("set Overall 12345678901\nset Span 12345678901\npress Calculate\n");
  EXPECT_EQ(state().module<BeamLoadTables>()[BeamCase::OverhangLeft][kLengthRow][2], 12345678901.0);
  EXPECT_EQ(setting("CBM", "span"), "12345678901.00");
  run("press Cancel\n");
}

}  // namespace

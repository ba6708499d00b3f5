#include <cmath>
#include <cstring>
#include <set>

#include "frame/app_icon.h"
#include "frame/reference_sheets.h"
#include "support/scratch_dir.h"

using namespace vd;

namespace {

class FrameTest : public vdtest::ScratchDir {};

TEST(CommandTable, IdsAreUniqueAndGrayedItemsAreTheDocumentedOnes) {
  std::set<int> ids;
  std::set<int> grayed;
  for (const Command& c : commandTable()) {
    EXPECT_TRUE(ids.insert(c.id).second) << c.id;
    if (c.initiallyGrayed) grayed.insert(c.id);
    if (c.kind == CommandKind::Form) {
      EXPECT_NE(c.templateName, nullptr) << c.id;
    }
  }
  EXPECT_EQ(grayed, (std::set<int>{550, 5501, 633, 479, 2450, 480, 2550, 578}));
  EXPECT_EQ(plainItemText("Cu&t\tCtrl+X"), "Cut");
  EXPECT_EQ(plainItemText("Stl C && MC Beam"), "Stl C & MC Beam");
  EXPECT_EQ(findCommandByText("1.0 psi  = 6.895 kPa")->id, 2433);
  EXPECT_EQ(findCommandByText("Print...")->id, 522);
}

TEST_F(FrameTest, StartsFromDefaultsWithoutASettingsFile) {
  Settings s(ini());
  AppState st(s);
  EXPECT_EQ(st.jobNumber, "");
  EXPECT_EQ(st.sawnSpecies, 0);
  for (double v : st.concreteBeam.slot) EXPECT_EQ(v, 0.0);
  // The start text and the grayed items: tests/golden/cli/script_language.txt.
  EXPECT_FALSE(std::filesystem::exists(ini()));
}

// The concrete beam record reads its ACI keys without regard to case, and writes them back formatted.
TEST_F(FrameTest, ConcreteRecordRoundTripsThroughTheAciKeys) {
  using S = ConcreteBeamRecord;
  const struct {
    const char* key;
    const char* stored;
    S::Slot slot;
    double read;
  } keys[] = {{"F'c", "4", S::Fc, 4.0},          {"FY", "60.5", S::Fy, 60.5},   {"phi", "0.9", S::Phi, 0.9},
              {"bm_width", "12", S::Width, 12.0}, {"bm_d", "21.5", S::Depth, 21.5}, {"bm_As", "3.16", S::As, 3.16}};
  {
    Settings s(ini());
    for (const auto& k : keys) s.write("aci", k.key, k.stored);
    s.write("Wood", "sawnSpecieNum", "3");
    s.write("Project", "ID", "JOB-123456789");
  }
  Settings s(ini());
  AppState st(s);
  for (const auto& k : keys) EXPECT_EQ(st.concreteBeam[k.slot], k.read) << k.key;
  EXPECT_EQ(st.concreteBeam[S::Moment], 0.0);
  EXPECT_EQ(st.sawnSpecies, 3);
  EXPECT_EQ(st.jobNumber, "JOB-123456789");  // a job number is never cut short
  st.concreteBeam[S::Width] = 14.25;
  st.saveConcreteBeam();
  EXPECT_EQ(s.read("ACI", "bm_width"), "14.250");
  EXPECT_EQ(s.read("ACI", "F'c"), "4.00");
  EXPECT_EQ(s.read("ACI", "phi"), "0.900");
}

// The conversion forms, the job number form, the sheets in the pad and Exit: tests/golden/frame.
TEST_F(FrameTest, ReferenceSheetsReplaceThePadButNotTheReportBuffer) {
  Settings s(ini());
  ScriptRunner r(s, out_, allForms());
  r.state().report = "\r\n my report";
  r.runLine("menu 1.0 slug  = 14.594 kg");
  EXPECT_EQ(r.state().report, "\r\n my report");
  // Every sheet command has its text, and only sheet commands do.
  for (const Command& c : commandTable()) EXPECT_EQ(referenceSheet(c.id) != nullptr, c.kind == CommandKind::Sheet) << c.id;
}

TEST_F(FrameTest, JobNumberEscapeKeepsTheTypedValueForThisSessionOnly) {
  Settings s(ini());
  s.write("Project", "ID", "B-22");
  ScriptRunner r(s, out_, allForms());
  run(r, "menu Project I.D. or J.O.\nset \"Job  number:\" C-333333333333\npress Cancel\n");
  EXPECT_EQ(r.state().jobNumber, "C-333333333333");
  EXPECT_EQ(s.read("Project", "ID"), "B-22");
}

TEST(LengthConversion, MillimetresRoundToTheNearestSixteenthAndCarry) {
  const struct {
    double mm;
    const char* text;
  } cases[] = {
      // 330.2, 304.038 (carried into the foot), -330.2 and 1000 mm: tests/golden/frame/conversions.txt.
      {304.8, "1'- 0 0/16\""},     // exactly 1 ft
      {25.4 / 32 * 0.99, "0'- 0 0/16\""},  // just under half a sixteenth
      {25.4 / 32 * 1.01, "0'- 0 1/16\""},  // just over
      {0, "0'- 0 0/16\""},
  };
  for (const auto& c : cases) EXPECT_EQ(feetInchesSixteenths(c.mm), c.text) << c.mm;
  // Every whole inch up to 100 ft prints as that inch with 0/16.
  for (int in = 0; in <= 1200; ++in) {
    const std::string expected = format("%d'- %d 0/16\"", in / 12, in % 12);
    EXPECT_EQ(feetInchesSixteenths(in * 25.4), expected);
  }
}

TEST(ReferenceSheets, EveryUnitFactorAgreesWithItsExactDefinition) {
  // Exact definitions: in = 25.4 mm, ft = 12 in, lb = 0.45359237 kg, lbf = lb * 9.80665 m/s^2,
  // US gallon = 231 in^3, slug = lbf s^2 / ft, litre = 1e-3 m^3. Each printed factor must be its
  // exact value rounded to the digits printed.
  const double in = 0.0254, ft = 0.3048, lb = 0.45359237, lbf = lb * 9.80665, gal = 231 * in * in * in;
  const struct {
    int sheet;
    const char* before;  // the text right before the factor
    double exact;
  } factors[] = {
      {2437, "1.0 square foot  = ", ft * ft},                 // m^2
      {2437, "1.0 square inch = ", in * in * 1e6},            // mm^2
      {2431, "1.0 pound force  = ", lbf},                     // N
      {2431, "1.0 pound mass = ", lb},                        // kg
      {2431, "1.0 ounce mass = ", lb / 16 * 1000},            // g
      {2431, "1.0 pound wt. = ", lb * 1000},                  // g
      {2432, "1.0 ft-kip  = ", lbf * ft},                     // kN-m (kip-ft / 1000 / 1000)
      {2432, "1.0 ft-lb  = ", lbf * ft},                      // N-m
      {2432, "1.0 in-lb  = ", lbf * in},                      // N-m
      {2433, "1.0 psi  = ", lbf / (in * in) / 1000},          // kPa
      {2433, "1.0 psf  = ", lbf / (ft * ft) / 1000},          // kN/m^2
      {2433, "1.0 ksi   = ", lbf / (in * in) / 1000},         // MPa
      {2434, "1.0 cu.ft. = ", ft * ft * ft},                  // m^3
      {2434, "\r\n  = ", ft * ft * ft / gal},                 // US gallons
      {2434, "1.00 pcf  = ", lbf / (ft * ft * ft) / 1000},    // kN/m^3
      {2435, "1.0 U.S. gallon  = ", gal * 1000},              // litres
      {2435, "liter\r\n          = ", gal / (ft * ft * ft)},  // ft^3: 231/1728 = 0.13368
      {2435, "feet\r\n          = ", gal},                    // m^3
      {2436, "1.0 slug  = ", lbf / ft},                       // kg
  };
  for (const auto& f : factors) {
    const std::string sheet = referenceSheet(f.sheet);
    const std::size_t at = sheet.find(f.before);
    ASSERT_NE(at, std::string::npos) << f.sheet << " " << f.before;
    const std::size_t from = at + std::strlen(f.before);
    const std::string number = sheet.substr(from, sheet.find_first_not_of("0123456789.", from) - from);
    const std::size_t point = number.find('.');
    const int decimals = point == std::string::npos ? 0 : static_cast<int>(number.size() - point - 1);
    EXPECT_LE(std::fabs(std::stod(number) - f.exact), 0.5 * std::pow(10.0, -decimals) * (1 + 1e-9))
        << f.sheet << " " << f.before << number << " (exactly " << f.exact << ")";
  }
}

TEST_F(FrameTest, BeamReportAssembly) {
  Settings s(ini());
  ScriptRunner r(s, out_, allForms());
  Frame frame(r.state(), r, allForms());
  r.state().jobNumber = "J9";
  r.state().beamLocation = "grid B";
  frame.assembleBeamReport("cbm.wri");  // no file yet: header only
  EXPECT_EQ(r.padText(), " Job No: J9\r\n This beam is at: grid B\r\n");
  std::ofstream("cbm.wri", std::ios::binary) << "line 1\nline 2\r\n";
  frame.assembleBeamReport("cbm.wri");
  EXPECT_EQ(r.padText(), " Job No: J9\r\n This beam is at: grid B\r\nline 1\r\nline 2\r\n");
  // Long files are never cut.
  std::string big(30000, 'a');
  std::ofstream("ebm.wri", std::ios::binary) << big;
  frame.assembleBeamReport("ebm.wri");
  EXPECT_EQ(r.padText().size(), std::string(" Job No: J9\r\n This beam is at: grid B\r\n").size() + 30000);
}

// The desktop entry's icon is the drawing the window and the About box draw.
TEST_F(FrameTest, DesktopIconIsTheProgramsOwnDrawing) {
  EXPECT_EQ(slurp(std::filesystem::path(VD_SOURCE_DIR) / "packaging" / "vardelin.svg"), appIconSvg());
}

TEST_F(FrameTest, AboutAndUpdateFormsShowTheirTexts) {
  Settings s(ini());
  ScriptRunner r(s, out_, allForms());
  r.runLine("menu About");
  ASSERT_NE(r.currentHost(), nullptr);
  const std::string about = r.currentHost()->text(info_form::Text, std::string::npos);
  // The version, the code editions and the licence; no trademark line of another program.
  EXPECT_EQ(about.rfind("Vardelin " VARDELIN_VERSION "\r\n", 0), 0u) << about;
  for (const char* part : {"AISC ASD 9th edition", "ACI 318", "NDS 1991", "94 UBC 1628", "Licence:",
                           "Vardelin should be used by competent and licensed engineers only."})
    EXPECT_NE(about.find(part), std::string::npos) << part;
  EXPECT_EQ(about.find("Windows"), std::string::npos);
  // One button, OK; Escape closes the form as well.
  std::vector<std::string> buttons;
  for (const Control& c : r.currentHost()->form().layout().controls)
    if (c.kind == ControlKind::Button) buttons.push_back(c.label);
  EXPECT_EQ(buttons, std::vector<std::string>{"OK"});
  EXPECT_EQ(r.currentHost()->form().layout().title, "About Vardelin " VARDELIN_VERSION);
  // The icon is a real picture file: a metafile header record first.
  const std::string icon = r.currentHost()->picture(info_form::Icon);
  ASSERT_FALSE(icon.empty());
  EXPECT_EQ(slurp(icon).substr(0, 4), std::string("\x01\0\0\0", 4));
  r.runLine("press Cancel");
  EXPECT_EQ(r.currentHost(), nullptr);
  r.runLine("menu How to Update?");
  EXPECT_EQ(r.currentHost()->form().layout().title, "How to update Vardelin");
  r.runLine("press OK");
  EXPECT_EQ(r.padText(), kStartText);
}

}  // namespace

// Opens every form, types hostile text into its fields, picks, ticks and presses everything, and checks
// that nothing crashes and no report or output file ever shows a non-finite number.
#include <random>
#include <regex>

#include "platform/text_format.h"
#include "support/scratch_dir.h"

using namespace vd;
namespace fs = std::filesystem;

namespace {

const std::vector<std::string>& texts() {
  static const std::vector<std::string> pool = {
      "", "abc", "0", "-0", "-5", "-1e3", "1e308", "-1e308", "1e-308", "nan", "inf", "-inf", "NaN", "1234567890",
      std::string(300, '9'), std::string(300, 'x'), "12.5", "3", "0.5", "1", "2", "10", "20", "36", "50", "60", "100",
      "4", "0.9", "29000", "1.5", "6", "24", "0.75", "9999999", " 7 ", "5/8", "3 4 5",
  };
  return pool;
}

// A printed infinity or NaN: "inf", "-nan", "INF"... not part of a word such as "Reinf.".
bool showsNonFinite(const std::string& text) {
  static const std::regex bad("(^|[^A-Za-z])[-+]?(inf|nan)([^A-Za-z]|$)", std::regex::icase);
  return std::regex_search(text, bad);
}

std::string withoutEchoes(std::string text, const std::vector<std::string>& echoed) {
  for (const std::string& e : echoed)
    for (std::size_t at; (at = text.find(e)) != std::string::npos;) text.replace(at, e.size(), "#");
  return text;
}

class EveryForm : public vdtest::ScratchDir {};

// A menu item whose command has no factory does nothing when chosen; one registered under another
// form's id opens the wrong form. The command table's template names catch both.
TEST_F(EveryForm, EveryFormCommandOpensItsOwnForm) {
  Settings settings(dir_ / "Vardelin.ini");
  AppState state(settings);
  for (const Command& c : commandTable()) {
    if (c.kind != CommandKind::Form) continue;
    SCOPED_TRACE(c.text);
    const FormFactory* factory = allForms().find(c.id);
    ASSERT_NE(factory, nullptr);
    ASSERT_NE(c.templateName, nullptr);
    std::unique_ptr<Form> form = (*factory)(state);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->layout().templateName, c.templateName);
  }
}

TEST_F(EveryForm, HostileInputNeverCrashesOrPrintsNonFiniteNumbers) {
  std::mt19937 rng(20261206);
  Settings settings(dir_ / "Vardelin.ini");
  std::ostringstream out;
  ScriptRunner runner(settings, out, allForms());
  // Every command reachable, as if each enabling form had run.
  for (const Command& c : commandTable()) runner.state().enable(c.id);

  std::vector<const Command*> forms;
  for (const Command& c : commandTable())
    if (c.kind == CommandKind::Form && allForms().find(c.id)) forms.push_back(&c);
  ASSERT_FALSE(forms.empty());

  // Free text the user typed (names, locations, the job number) may show in reports as typed.
  std::vector<std::string> echoed;
  const int cases = 3000;
  for (int n = 0; n < cases; ++n) {
    const Command& command = *forms[n % forms.size()];
    SCOPED_TRACE(std::string("case ") + std::to_string(n) + ": " + command.text);
    runner.runLine(std::string("menu ") + plainItemText(command.text));
    const int actions = static_cast<int>(rng() % 25);
    for (int a = 0; a < actions && runner.currentHost(); ++a) {
      runner.act([&](HeadlessHost& host) {
        const auto& controls = host.form().layout().controls;
        const Control& c = controls[rng() % controls.size()];
        switch (c.kind) {
          case ControlKind::Edit:
          case ControlKind::MultiEdit: {
            const std::string& t = texts()[rng() % texts().size()];
            if (c.isText && !t.empty()) echoed.push_back(t);
            host.type(c.id, t);
            break;
          }
          case ControlKind::ListBox:
          case ControlKind::DropDown: {
            int count = static_cast<int>(host.items(c.id).size());
            host.pick(c.id, static_cast<int>(rng() % static_cast<unsigned>(count + 2)) - 1);
            break;
          }
          case ControlKind::CheckBox: host.tick(c.id, rng() % 2); break;
          case ControlKind::Radio: host.tick(c.id, true); break;
          case ControlKind::Button:
            if (c.id != kOk && c.id != kCancel) host.press(c.id);
            break;
          default: break;
        }
        if (rng() % 4 == 0) host.queueAnswer(rng() % 2);
      });
      for (const Control& c : runner.currentHost() ? runner.currentHost()->form().layout().controls
                                                   : std::vector<Control>{}) {
        if (c.kind == ControlKind::Pane || c.kind == ControlKind::ReadOnlyEdit || c.kind == ControlKind::Static) {
          const std::string shown = runner.currentHost()->text(c.id, std::string::npos);
          ASSERT_FALSE(showsNonFinite(withoutEchoes(shown, echoed))) << c.label << ": " << shown;
        }
      }
    }
    // An enabled numeric field that does not hold a number (or is empty without being optional) means
    // OK must not produce a report: the form stays open with a message.
    bool invalid = false;
    std::string invalidField;
    if (HeadlessHost* host = runner.currentHost()) {
      for (const Control& c : host->form().layout().controls) {
        if (c.kind != ControlKind::Edit || c.isText || !host->isEnabled(c.id)) continue;
        const std::string t = host->text(c.id, std::string::npos);
        const bool blank = t.find_first_not_of(" \t") == std::string::npos;
        const bool optional = c.optional || c.row >= 0 || c.label.find('*') != std::string::npos;
        if (blank ? !optional : !parseField(t)) {
          invalid = true;
          invalidField = c.label + " \"" + t + "\"";
        }
      }
    }
    const std::string padBefore = runner.padText();
    const bool ok = rng() % 3;
    runner.act([&](HeadlessHost& host) { host.press(ok ? kOk : kCancel); });
    if (ok && invalid) {
      EXPECT_TRUE(runner.currentHost() != nullptr || runner.padText() == padBefore)
          << "OK produced a report with " << invalidField;
    }
    // A form that refuses OK (a failed check) is closed with Cancel, as the user would.
    runner.act([&](HeadlessHost& host) { host.press(kCancel); });
    ASSERT_EQ(runner.currentHost(), nullptr) << "the form does not close";
    ASSERT_FALSE(showsNonFinite(withoutEchoes(runner.state().report, echoed))) << runner.state().report;
    ASSERT_FALSE(showsNonFinite(withoutEchoes(runner.padText(), echoed))) << runner.padText();
    if (n % 50 == 0) {
      for (const auto& e : fs::directory_iterator(dir_)) {
        const std::string ext = e.path().extension().string();
        if (ext == ".wri" || ext == ".dat") {
          ASSERT_FALSE(showsNonFinite(slurp(e.path()))) << e.path();
        }
      }
    }
  }
}

// Every integer the forms read from the settings (list rows, flags, choices), at the ends of the int
// range and beyond it: each form opens with a valid selection or none, calculates and closes, and no
// row arithmetic overflows (the sanitizer build stops on that).
TEST_F(EveryForm, ExtremeStoredIntegersOpenEveryFormSafely) {
  const std::pair<const char*, const char*> keys[] = {
      {"AISC", "wideFlangeNum"}, {"AISC", "wtFlangeNum"}, {"AISC", "channelNum"}, {"AISC", "angleNum"},
      {"AISC", "tubeNum"},       {"AISC", "pipeNum"},     {"AISC", "wfNum"},      {"AISC", "DBLLNUM"},
      {"tubeBm", "tubeNum"},     {"DBLL_COL", "CBF"},     {"DBLL_COL", "GAP"},    {"WF_COL", "CBF"},
      {"WF_COL", "Rw"},          {"TUBE_COL", "CBF"},     {"TUBE_COL", "Rw"},     {"PIPE_COL", "CBF"},
      {"PIPE_COL", "Rw"},        {"BASEPL", "wfNum"},     {"94UBC", "ZONE"},      {"94UBC", "I"},
      {"94UBC", "Site"},         {"94UBC", "Ct"},         {"94UBC", "RW"},        {"GLULAM", "combination"},
      {"GLULAM", "size"},        {"WD2_BM", "sizeN"},     {"WD2_BM", "grdN"},     {"WD2_BM", "isDry"},
      {"WD2_BM", "isRepeat"},    {"WD2_BM", "loadC"},     {"WD6_BM", "sizeN"},    {"WD6_BM", "grdN"},
      {"WD6_BM", "isDry"},       {"WD6_BM", "loadC"},     {"Wood", "sawnSpecieNum"}};
  for (const char* value : {"-2147483648", "2147483647", "123456789012345678901234567890",
                            "-123456789012345678901234567890"}) {
    Settings settings(dir_ / "Vardelin.ini");
    for (const auto& [section, key] : keys) ASSERT_TRUE(settings.write(section, key, value));
    std::ostringstream out;
    ScriptRunner runner(settings, out, allForms());
    for (const Command& c : commandTable()) runner.state().enable(c.id);
    for (const Command& c : commandTable()) {
      if (c.kind != CommandKind::Form || !allForms().find(c.id)) continue;
      SCOPED_TRACE(std::string(value) + ": " + c.text);
      runner.runLine(std::string("menu ") + plainItemText(c.text));
      runner.act([&](HeadlessHost& host) {
        for (const Control& ctl : host.form().layout().controls) {
          if (ctl.kind != ControlKind::ListBox && ctl.kind != ControlKind::DropDown) continue;
          const int sel = host.selection(ctl.id);
          EXPECT_TRUE(sel >= -1 && sel < static_cast<int>(host.items(ctl.id).size())) << ctl.label << " " << sel;
        }
        host.press(kOk);
      });
      runner.act([&](HeadlessHost& host) { host.press(kCancel); });
      ASSERT_EQ(runner.currentHost(), nullptr);
      ASSERT_FALSE(showsNonFinite(runner.padText())) << runner.padText();
    }
  }
}

TEST(NonFiniteDetector, FindsPrintedInfinitiesButNotWords) {
  for (const char* shown : {"M = inf k-ft", "x=-nan", "INF", "(nan%)"}) EXPECT_TRUE(showsNonFinite(shown)) << shown;
  for (const char* word : {"Reinf. Bar Tens/Comp Dev.", "information; infinite", "maintenance"})
    EXPECT_FALSE(showsNonFinite(word)) << word;
}

}  // namespace

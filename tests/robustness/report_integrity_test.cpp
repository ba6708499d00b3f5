// Every report in the pad is the calculation of the inputs its form shows: OK recalculates changed
// inputs, Cancel and look-ups leave the pad and the beam result alone, a replaced pad can be undone,
// and a value the calculation limited is printed as used. Driven by the example scripts, so every form
// with an example is covered.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "platform/text_format.h"
#include "support/scratch_dir.h"

using namespace vd;
namespace fs = std::filesystem;

namespace {

std::vector<std::string> scriptLines(const fs::path& file) {
  std::ifstream in(file);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

std::vector<fs::path> exampleScripts() {
  std::vector<fs::path> files;
  for (const auto& e : fs::recursive_directory_iterator(fs::path(VD_SOURCE_DIR) / "examples"))
    if (e.path().extension() == ".txt") files.push_back(e.path());
  std::sort(files.begin(), files.end());
  return files;
}

bool startsWith(const std::string& s, const char* head) { return s.rfind(head, 0) == 0; }
bool isCalculate(const std::string& s) { return startsWith(s, "press Calculate"); }

// `set NAME NUMBER` with a plain number: the name and the number's text, or nothing.
std::optional<std::pair<std::string, std::string>> numericSet(const std::string& line) {
  static const std::regex set(R"(^set ("[^"]+"|\S+) (\S+)$)");
  std::smatch m;
  if (!std::regex_match(line, m, set) || m[1].str().find('[') != std::string::npos) return std::nullopt;
  if (!parseField(m[2].str())) return std::nullopt;
  return std::make_pair(m[1].str(), m[2].str());
}

class ReportIntegrity : public vdtest::ScratchDir {
 protected:
  // Runs a script line by line in a fresh program; the pad after every `press OK`.
  std::vector<std::string> padsAfterOk(const std::vector<std::string>& lines) {
    fs::remove(ini());
    Settings settings(ini());
    std::ostringstream out;
    ScriptRunner r(settings, out, allForms());
    std::vector<std::string> pads;
    for (const std::string& line : lines) {
      if (startsWith(line, "show") || line.empty() || line[0] == '#') continue;
      try {
        r.runLine(line);
      } catch (const std::exception& e) {
        pads.push_back(line + ": " + e.what());
        break;
      }
      if (line == "press OK") pads.push_back(r.padText());
    }
    return pads;
  }
};

// OK without Calculate gives the report Calculate-then-OK gives; a value typed after Calculate is in
// the report OK puts into the pad.
TEST_F(ReportIntegrity, OkCalculatesTheInputsAsTheyStand) {
  int changedBlocks = 0;
  for (const fs::path& file : exampleScripts()) {
    SCOPED_TRACE(file.filename().string());
    const std::vector<std::string> lines = scriptLines(file);
    // A conversion form keeps a log of every Calculate, and an answered question is asked once per
    // calculation: neither script can be replayed with its Calculate lines moved.
    bool replayable = true;
    for (const std::string& l : lines)
      replayable = replayable && !startsWith(l, "answer") && !startsWith(l, "menu ft in") && !startsWith(l, "menu mm");
    if (!replayable) continue;
    const std::vector<std::string> reference = padsAfterOk(lines);

    std::vector<std::string> noCalculate;
    for (const std::string& l : lines)
      if (!isCalculate(l)) noCalculate.push_back(l);
    EXPECT_EQ(padsAfterOk(noCalculate), reference);

    // The first numeric field set before a Calculate that an OK follows: change it after Calculate.
    for (std::size_t calc = 0; calc < lines.size(); ++calc) {
      if (!isCalculate(lines[calc])) continue;
      std::size_t ok = calc + 1;
      while (ok < lines.size() && lines[ok] != "press OK" && !startsWith(lines[ok], "menu")) ++ok;
      if (ok == lines.size() || lines[ok] != "press OK") continue;
      std::size_t menu = calc;
      while (menu > 0 && !startsWith(lines[menu], "menu")) --menu;
      for (std::size_t s = menu; s < calc; ++s) {
        const auto field = numericSet(lines[s]);
        if (!field) continue;
        const std::string changed = format("%g", *parseField(field->second) * 1.25 + 1.0);
        const std::string newLine = "set " + field->first + " " + changed;
        std::vector<std::string> typedLate = lines, typedEarly = lines;
        typedLate.insert(typedLate.begin() + static_cast<long>(ok), newLine);
        typedEarly[s] = newLine;
        const std::vector<std::string> late = padsAfterOk(typedLate), early = padsAfterOk(typedEarly);
        EXPECT_EQ(late, early) << lines[s] << " -> " << changed;
        if (late != reference) ++changedBlocks;
        break;
      }
    }
  }
  // The changed values reached the reports (the comparison above has teeth).
  EXPECT_GT(changedBlocks, 15);
}

// Cancel after a Calculate and a refused input leave the pad, the beam result and the diagram items
// exactly as they were, in every form; a refused field takes the focus. (The messages, settings forms
// and Undo: tests/golden/cli/pad_and_input_errors.txt.)
TEST_F(ReportIntegrity, CancelAndErrorsLeaveThePadAndBeamResultAlone) {
  Settings settings(ini());
  ScriptRunner r(settings, out_, allForms());
  run(r,
      "menu Simp. Beam Design\nset Span 20\nset I 100\nset E 29000\nset \"point loads\"[0,0] 10\n"
      "set \"point loads\"[0,1] 10\npress Calculate the results\npress OK\n");
  const std::string pad = r.padText();
  const LastBeamResult beam = r.state().lastBeam;
  ASSERT_NE(pad.find("Job No"), std::string::npos);
  ASSERT_TRUE(r.state().isEnabled(cmd::MomentDiagram));

  for (const Command& c : commandTable()) {
    if (c.kind != CommandKind::Form || !allForms().find(c.id)) continue;
    SCOPED_TRACE(c.text);
    r.state().enable(c.id);
    r.runLine(std::string("menu ") + plainItemText(c.text));
    if (!r.currentHost()) continue;  // a form that closes by itself
    r.act([](HeadlessHost& host) {
      for (const Control& ctl : host.form().layout().controls)
        if (ctl.kind == ControlKind::Edit && !ctl.isText && ctl.row <= 0) host.type(ctl.id, "7");
      if (const int calc = host.form().calculateButton()) host.press(calc);
    });
    r.act([](HeadlessHost& host) { host.press(kCancel); });
    ASSERT_EQ(r.currentHost(), nullptr);
    EXPECT_EQ(r.padText(), pad);
    EXPECT_EQ(r.state().lastBeam.maxPositiveMoment, beam.maxPositiveMoment);
    EXPECT_EQ(r.state().lastBeam.leftReaction, beam.leftReaction);
  }

  run(r, "menu Stl Wide Flange Bm/ASD\npick W18x50\nset Moment 1,5\npress OK\n");
  ASSERT_NE(r.currentHost(), nullptr);
  int momentField = 0;
  for (const Control& c : r.currentHost()->form().layout().controls)
    if (momentField == 0 && c.kind == ControlKind::Edit && c.label.rfind("Moment", 0) == 0) momentField = c.id;
  EXPECT_EQ(r.currentHost()->focus(), momentField);
  run(r, "press Cancel\n");
  EXPECT_EQ(r.padText(), pad);
}

// A value the calculation limits is printed as used, with the rule that limited it; the header never
// shows a value that was not used. The W beam (ASD) and channel limits are in tests/golden/steel
// (beam_forms, beam_form_paths); here the LRFD lower limits and the tube.
TEST_F(ReportIntegrity, LimitedValuesArePrintedAsUsed) {
  const std::pair<const char*, std::vector<const char*>> cases[] = {
      {"menu Stl Wide Flange Bm/LRFD\npick W18x50\nset Moment 150\nset Fy 30\nset Fu 65\nset Cb 0.5\n",
       {"Cb =1.00,", "Fy =33.00 ksi.", "Note: Fy = 30.00 ksi was limited to 33.00 ksi", "Note: Cb = 0.50 was limited to 1.00"}},
      {"menu Stl Tube Beam\nset Moment 20\nset Fy 60\nset Cb 2.5\n",
       {"Cb =2.30", "Fy =50.00 ksi.", "Note: Fy = 60.00 ksi was limited to 50.00 ksi"}},
  };
  for (const auto& [script, lines] : cases) {
    SCOPED_TRACE(script);
    Settings settings(ini());
    ScriptRunner r(settings, out_, allForms());
    run(r, std::string(script) + "set \"Unbraced length Lb\" 10\npress OK\n");
    for (const char* line : lines) EXPECT_NE(r.padText().find(line), std::string::npos) << line << "\n" << r.padText();
  }
}

}  // namespace

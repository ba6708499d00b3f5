// "Lightest" on the steel member and beam forms, against a brute force that runs the plain calculation
// class on every row of the table and keeps the lightest passing one (equal weights: the first in the
// table). The form must select that row, list it first, and calculate it as Calculate does.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "app/all_forms.h"
#include "platform/headless_host.h"
#include "steel/channel_tube_beams.h"
#include "steel/column_checks.h"
#include "steel/double_angle_strut.h"
#include "steel/pipe_column.h"
#include "steel/tube_column.h"
#include "steel/w_beam_asd.h"
#include "steel/w_beam_lrfd.h"
#include "steel/w_column.h"
#include "platform/deflection_check.h"
#include "support/scratch_dir.h"
#include "tables/steel_tables.h"

using namespace vd;

namespace {

using Design = std::function<DesignResult(const SectionRecord&)>;

// A calculation as its form runs it: refused inputs or a report with no finite number give no result.
template <class Calc>
DesignResult formResult(Calc c) {
  if constexpr (requires { c.inputError(); })
    if (!c.inputError().empty()) return {};
  if constexpr (requires { c.design(); }) {
    const std::string report = c.design();
    return hasNonFiniteNumber(report) ? DesignResult{} : c.result();
  } else {
    return c.result();
  }
}

double depthD(const SectionRecord& r) { return r.d; }
double widthB(const SectionRecord& r) { return r.b; }
double diameter(const SectionRecord& r) { return r.D; }
double joinedLegs(const SectionRecord& r) { return r.leg1; }

// The deflection check a beam analysis hands over: a 20 ft simple span, 1 k/ft, analysed with
// E I = 29000 x 100; 5 w L^4 / 384 E I = 1.2414 in, scaled by 100 / I for each row, at L/360.
DeflectionCheck analysedSpan() {
  DeflectionCheck d;
  d.analysedE = 29000;
  d.analysedI = 100;
  d.limitRatio = 360;
  d.stretches.push_back({"between the supports", "span", -5.0 / 12.0 * 240 * 240 * 240 * 240 / (384 * 2900000.0), 20});
  return d;
}

WBeamAsd asdBeam(const SectionRecord& r, double M, double lb, double cb, double fy, double V, bool analysed = false) {
  WBeamAsd b(r, M, lb, 0, cb, fy, 0, V);
  if (analysed) b.setDeflectionCheck(analysedSpan());
  return b;
}

struct Case {
  const char* name;
  std::string script;  // opens the form and types the inputs
  ShapeTable table;
  int first;  // the form's list starts at this row
  double (*depth)(const SectionRecord&);
  double maxDepth;  // 0: none typed
  Design design;
};

const std::string kAsd150 = "menu Stl Wide Flange Bm/ASD\nset Moment 150\nset Fy 36\nset Cb 1\nset \"Unbraced length Lb\" 10\nset Shear 20\n";
const std::string kWCol = "menu Stl Wide Flange Col\nset Fy 50\nset K_xx 1\nset \"Unbraced length l_xx\" 14\nset K_yy 1\n"
                          "set \"Unbraced length l_yy\" 14\n";

const Case kCases[] = {
    {"W beam ASD", kAsd150, ShapeTable::W, 0, depthD, 0.0,
     [](const SectionRecord& r) { return formResult(asdBeam(r, 150, 10, 1, 36, 20)); }},
    // W21x50 (d = 20.83 in) is the lightest that passes; the limit leaves W18x50, as heavy, next in line.
    {"W beam ASD, depth at most 18 in", kAsd150 + "set \"Max depth\" 18\n", ShapeTable::W, 0, depthD, 18.0,
     [](const SectionRecord& r) { return formResult(asdBeam(r, 150, 10, 1, 36, 20)); }},
    // The analysis's deflection takes part in every row's verdict: at L/360 it rules out W10x33, which
    // bending alone would let through.
    {"W beam ASD from an analysis, L/360",
     "menu Simp. Beam Design\nset Span 20\nset I 100\nset E 29000\nset \"uniform loads\"[0,0] 1\n"
     "set \"uniform loads\"[0,1] 0\nset \"uniform loads\"[0,2] 20\npress \"Calculate the results\"\n"
     "pick W beam ASD\npress \"Design this beam...\"\nset Fy 50\npick \"L/360\"\n",
     ShapeTable::W, 0, depthD, 0.0, [](const SectionRecord& r) { return formResult(asdBeam(r, 50, 20, 1.13, 50, 10, true)); }},
    {"W beam LRFD, long unbraced length",
     "menu Stl Wide Flange Bm/LRFD\nset Moment 320\nset Fy 50\nset Fu 65\nset Cb 1.14\nset \"Unbraced length Lb\" 24\n"
     "set Shear 45\n",
     ShapeTable::W, 0, depthD, 0.0, [](const SectionRecord& r) { return formResult(WBeamLrfd(r, 320, 24, 1.14, 50, 65, 45)); }},
    {"channel beam",
     "menu Stl C && MC Beam\nset Moment 20\nset Fy 36\nset Cb 1\nset \"Unbraced length Lb\" 5\nset Shear 6\n",
     ShapeTable::Channel, 0, depthD, 0.0,
     [](const SectionRecord& r) { return formResult(ChannelBeamAsd(r, 20, 5, 6, 1, 36, 0.0)); }},
    // Bent about its weak axis a tube's depth is its width b.
    {"tube beam, weak axis, width at most 6 in",
     "menu Stl Tube Beam\nset Moment 12\nset Fy 46\nset Cb 1\nset \"Unbraced length Lb\" 8\ncheck \"Weak Axis\" on\n"
     "set \"Max depth\" 6\n",
     ShapeTable::Tube, 0, widthB, 6.0,
     [](const SectionRecord& r) { return formResult(TubeBeamAsd(r, 12, 8, 1, 46, 0.0, 1.0, true)); }},
    {"W column, depth at most 12.5 in", kWCol + "set \"Axial Load Pa\" 300\nset \"Max depth\" 12.5\n", ShapeTable::W, 0,
     depthD, 12.5, [](const SectionRecord& r) { return formResult(WColumnAsd(r, 1, 14, 1, 14, 300, 50, 0, 0, 0, 0, 4)); }},
    {"tube brace (CBF)",
     "menu Stl Tube Column\nset Fy 46\nset K_xx 1\nset \"Unbraced length l_xx\" 16\nset K_yy 1\n"
     "set \"Unbraced length l_yy\" 16\nset \"Axial Load Pa\" 90\nchoose \"A CBF brace\"\n",
     ShapeTable::Tube, 0, depthD, 0.0,
     [](const SectionRecord& r) { return formResult(TubeColumnAsd(r, 1, 16, 1, 16, 90, 46, 0, 0, 0, 2, 4)); }},
    {"pipe column", "menu Stl Pipe Column\nset Fy 36\nset K 1\nset \"Unbraced length l\" 12\nset \"Axial Load Pa\" 60\n",
     ShapeTable::Pipe, 0, diameter, 0.0,
     [](const SectionRecord& r) { return formResult(PipeColumn(r, 12, 1, 60, 36, 0, 0, 0, 0, 4)); }},
    {"double-angle strut, 3/8 in gap",
     "menu Double-angles Strut\nset Fy 36\nset K_yy 1\nset \"Unbraced length l_yy\" 8\nset K_xx 1\n"
     "set \"Unbraced length l_xx\" 8\nset \"Axial Load Pa\" 40\nchoose \"3/8 in\"\n",
     ShapeTable::Angle, kFirstDoubleAngleRow, joinedLegs, 0.0,
     [](const SectionRecord& r) { return formResult(DoubleAngleStrut(r, 8, 1, 40, 8, 1, 1, 36, 0, 0, 0, 0, 4)); }},
    // Nothing carries 20,000 kips: the heaviest row's failing check is named.
    {"W column, no row passes", kWCol + "set \"Axial Load Pa\" 20000\n", ShapeTable::W, 0, depthD, 0.0,
     [](const SectionRecord& r) { return formResult(WColumnAsd(r, 1, 14, 1, 14, 20000, 50, 0, 0, 0, 0, 4)); }},
};

class SteelLightest : public vdtest::ScratchDir {};

TEST_F(SteelLightest, FindsWhatABruteForceOverThePlainCalculationFinds) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    // The brute force: every row within the limit, the lightest passing one and the heaviest.
    int best = -1, heaviest = -1;
    DesignResult bestResult, heaviestResult;
    for (int i = c.first; i < rowCount(c.table); ++i) {
      const SectionRecord& r = *sectionRow(c.table, i);
      if (c.maxDepth > 0.0 && c.depth(r) > c.maxDepth) continue;
      const DesignResult d = c.design(r);
      if (d.checked && d.ok && (best < 0 || r.weight < sectionRow(c.table, best)->weight)) {
        best = i;
        bestResult = d;
      }
      if (heaviest < 0 || r.weight >= sectionRow(c.table, heaviest)->weight) {
        heaviest = i;
        heaviestResult = d;
      }
    }

    std::filesystem::remove(ini());  // no depth limit kept from the case before
    out_.str("");
    Settings s(ini());
    ScriptRunner runner(s, out_, allForms());
    run(runner, c.script + "press Lightest\n");
    HeadlessHost* h = runner.currentHost();
    ASSERT_NE(h, nullptr);
    const std::string found = h->form().candidates();
    int list = 0;
    for (const Control& ctl : h->form().layout().controls)
      if (ctl.kind == ControlKind::ListBox && !list) list = ctl.id;
    if (best < 0) {
      EXPECT_NE(found.find("no row passes"), std::string::npos) << found;
      EXPECT_NE(found.find(std::string("The heaviest, ") + usDesignation(c.table, heaviest)), std::string::npos) << found;
      EXPECT_NE(found.find("fails " + heaviestResult.governing), std::string::npos) << found;
      // The message box says the same.
      EXPECT_NE(run(runner, "show messages\n").find(std::string("The heaviest, ") + usDesignation(c.table, heaviest)),
                std::string::npos);
      continue;
    }
    EXPECT_EQ(h->selection(list), best - c.first) << found;
    EXPECT_EQ(found.find(std::string("  1. ") + usDesignation(c.table, best) + " "), found.find("  1. ")) << found;
    // The chosen row is calculated by the form: OK puts its report, with the brute force's verdict, in the pad.
    run(runner, "press OK\n");
    EXPECT_NE(runner.padText().find(bestResult.summaryLine()), std::string::npos) << bestResult.summaryLine();
  }
}

}  // namespace

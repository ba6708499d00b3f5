// The three AISC 360-22 forms through scripts: the "Lightest" search against a brute-force search with
// the plain calculation over the whole family.
#include <algorithm>
#include <cstdio>
#include <functional>
#include <sstream>

#include "aisc360/combined.h"
#include "aisc360/member_forms.h"
#include "support/scratch_dir.h"

namespace vd::aisc360 {
namespace {

class Aisc360Forms : public vdtest::ScratchDir {};

// The rows a brute-force search keeps: every row of the family within the depth, run through the plain
// calculation, sorted by weight (table order on ties); the five lightest that pass.
struct Brute {
  std::vector<std::string> passing;
  std::string heaviest, heaviestCheck;
};
Brute bruteForce(Family f, double maxDepth, const std::function<DesignResult(const Shape*)>& design) {
  std::vector<FamilyEntry> rows = shapesOfFamily(f);
  std::stable_sort(rows.begin(), rows.end(), [](const FamilyEntry& a, const FamilyEntry& b) { return a.weight < b.weight; });
  Brute b;
  for (const FamilyEntry& e : rows) {
    const double depth = f == Family::HssRect ? e.shape->Ht : e.shape->d;
    if (maxDepth > 0 && depth > maxDepth) continue;
    const DesignResult r = design(e.shape);
    if (r.ok && b.passing.size() < 5) b.passing.emplace_back(e.shape->label);
    b.heaviest = e.shape->label;
    b.heaviestCheck = r.governing;
  }
  return b;
}

// The names of the "  1. NAME ..." lines of a candidate list.
std::vector<std::string> names(const std::string& candidates) {
  std::vector<std::string> out;
  std::istringstream in(candidates);
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream words(line);
    std::string number, name;
    if (words >> number >> name && number.size() > 1 && number.back() == '.') out.push_back(name);
  }
  return out;
}

struct SearchCase {
  const char* menu;
  const char* script;  // the inputs, typed after choosing the family
  Family family;
  double maxDepth;
  std::function<DesignResult(const Shape*)> design;  // the same inputs, plain calculation
};

TEST_F(Aisc360Forms, LightestEqualsBruteForceSearch) {
  const auto flexure = [](double M, double V, double Lb, double span, double w, double n) {
    return [=](const Shape* s) {
      return Flexure({.section = s, .Mr = M, .Vr = V, .Lb = Lb, .span = span, .liveLoad = w, .deflLimit = n}).result();
    };
  };
  const SearchCase cases[] = {
      // Lateral-torsional buckling governs the light rows.
      {"Steel Flexure AISC 360-22", "set Moment 300\nset Shear 40\nset \"Unbraced length Lb\" 10\n", Family::W, 0,
       flexure(300, 40, 10, 0, 0, 0)},
      // Braced: the L/480 deflection limit governs every candidate.
      {"Steel Flexure AISC 360-22",
       "set Moment 120\nset Shear 20\nset \"Unbraced length Lb\" 0\nset Span 30\nset \"Live load\" 1.2\n"
       "choose L/N\nset \"Limit N\" 480\n",
       Family::W, 0, flexure(120, 20, 0, 30, 1.2, 480)},
      // Within 14 in.: fewer than five pass.
      {"Steel Flexure AISC 360-22",
       "set Moment 120\nset Shear 20\nset \"Unbraced length Lb\" 0\nset Span 30\nset \"Live load\" 1.2\n"
       "choose L/N\nset \"Limit N\" 480\nset \"Maximum depth\" 14\n",
       Family::W, 14, flexure(120, 20, 0, 30, 1.2, 480)},
      // No row passes: the heaviest row's failing check is named.
      {"Steel Flexure AISC 360-22", "set Moment 20000\nset Shear 0\nset \"Unbraced length Lb\" 30\n", Family::W, 0,
       flexure(20000, 0, 30, 0, 0, 0)},
      {"Steel Compression AISC 360-22", "pick HSS (rectangular)\nset \"Axial Load\" 250\nset Lcx 14\nset Lcy 14\nset \"Maximum depth\" 10\n",
       Family::HssRect, 10,
       [](const Shape* s) { return Compression({s, 50, kDefaultE, Method::LRFD, 250, 14, 14}).result(); }},
      {"Steel Combined AISC 360-22",
       "choose ASD\nset \"Axial Load\" 200\nset \"Moment Mx\" 150\nset \"Moment My\" 20\nset Lcx 14\nset Lcy 14\n"
       "set \"Unbraced length Lb\" 14\nset Cb 1.1\n",
       Family::W, 0,
       [](const Shape* s) {
         return Combined({.section = s, .method = Method::ASD, .Pr = 200, .Mrx = 150, .Mry = 20, .Lcx = 14, .Lcy = 14,
                          .Lb = 14, .Cb = 1.1})
             .result();
       }},
  };
  for (const SearchCase& c : cases) {
    std::filesystem::remove(ini());
    Settings s(ini());
    ScriptRunner r(s, out_, allForms());
    run(r, std::string("menu ") + c.menu + "\n" + c.script + "press Lightest\n");
    HeadlessHost& h = *r.currentHost();
    const std::string found = h.form().candidates();
    const Brute b = bruteForce(c.family, c.maxDepth, c.design);
    EXPECT_EQ(names(found), b.passing) << c.script << found;
    if (b.passing.empty()) {
      EXPECT_NE(found.find("The heaviest, " + b.heaviest + " ("), std::string::npos) << found;
      EXPECT_NE(found.find("fails " + b.heaviestCheck), std::string::npos) << found;
    } else {
      // The lightest is selected and calculated.
      EXPECT_EQ(h.items(member_form::List)[static_cast<std::size_t>(h.selection(member_form::List))], b.passing.front());
      EXPECT_NE(h.text(member_form::Result, std::string::npos).find("Section " + b.passing.front() + " ("), std::string::npos);
    }
  }
}

// OK after a search publishes the lightest row: tests/golden/aisc360/lightest_ok.txt.

}  // namespace
}  // namespace vd::aisc360

// The steel beam forms driven as a user would: stored rows outside the table and a refusal that stores
// nothing. Their reports, stored keys and messages are in tests/golden/steel/beam_form*.expected.
#include <gtest/gtest.h>

#include "beam_test_support.h"
#include "steel/form_factories.h"
#include "support/scratch_dir.h"

using namespace vd;
using vdtest::contains;

namespace {

class BeamForms : public vdtest::ScratchDir {
 protected:
  HeadlessHost& host(ScriptRunner& r) {
    EXPECT_NE(r.currentHost(), nullptr);
    return *r.currentHost();
  }
};

TEST_F(BeamForms, StoredRowOutsideTheTableSelectsNothingAndCalculateUsesRowZero) {
  Settings s(ini());
  s.write("AISC", "wideFlangeNum", "302");
  ScriptRunner r(s, out_, allForms());
  run(r, "menu Stl Wide Flange Bm/ASD\n");
  EXPECT_EQ(host(r).selection(w_beam_form::List), -1);
  run(r, "set Moment 100\nset Fy 36\nset Cb 1\nset \"Unbraced length Lb\" 0\npress Calculate\n");
  EXPECT_EQ(host(r).selection(w_beam_form::List), 0);
  EXPECT_EQ(host(r).status(1), "No section was selected: W44x335 is used.");
  EXPECT_TRUE(contains(host(r).text(w_beam_form::Result, std::string::npos), "Lc ="));
  run(r, "press OK\n");
  EXPECT_TRUE(contains(r.padText(), "Designed for: \"    W44x335 \""));
  EXPECT_EQ(s.read("AISC", "wideFlangeNum"), "0");

  s.write("AISC", "wideFlangeNum", "-3");
  run(r, "menu Stl Wide Flange Bm/ASD\n");
  EXPECT_EQ(host(r).selection(w_beam_form::List), -1);
  run(r, "press Cancel\n");
}

TEST_F(BeamForms, ValuesNoCalculationCanUseAreRefused) {
  Settings s(ini());
  ScriptRunner r(s, out_, allForms());
  const std::string pad = r.padText();
  run(r, "menu Stl Wide Flange Bm/ASD\nset Moment 1e300\nset Fy 36\nset Cb 1\nset \"Unbraced length Lb\" 0\n"
         "press Calculate\nshow messages\n");
  EXPECT_EQ(out_.str(), "Vardelin: Moment= 1e+300 is out of range: enter a value between -1000000 and 1000000.\n");
  EXPECT_TRUE(contains(host(r).text(w_beam_form::Result, std::string::npos), "Nothing was calculated."));
  EXPECT_FALSE(std::filesystem::exists(ini()));  // nothing stored
  run(r, "press Cancel\n");
  EXPECT_EQ(r.padText(), pad);
}

}  // namespace

// Hostile input in every field of the four beam forms: nothing crashes, and no report, data file or
// station value is ever infinite or NaN.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "beam/beam_input_forms.h"
#include "support/scratch_dir.h"
#include "beam_test_tables.h"

using namespace vd;

namespace {

class HostileInput : public vdtest::ScratchDir {};

TEST_F(HostileInput, NoInputMakesANonFiniteNumber) {
  const std::vector<std::string> pool = {"",     "abc",  "0",     "-0",     "-5",    "1e308", "-1e308", "1e-308",
                                         "nan",  "inf",  "9e307", "1e-320", "20",    "10",    "5",      "25",
                                         "0.5",  "100",  "29000", "-20",    "1e200", "1e-200", "12.5",  "3",
                                         "30",   "0.001", "1234567890123", std::string(40, '9')};
  const char* menus[] = {"Simp. Beam Design", "Bm. Overhang Left", "Bm. Overhang Right", "Bm. Cantilever Left"};
  std::mt19937 rng(4242);
  Settings settings(ini());
  ScriptRunner runner(settings, out_, allForms());
  for (int n = 0; n < 400; ++n) {
    SCOPED_TRACE("case " + std::to_string(n));
    runner.runLine(std::string("menu ") + menus[n % 4]);
    runner.act([&](HeadlessHost& host) {
      for (const Control& c : host.form().layout().controls) {
        if (c.kind != ControlKind::Edit) continue;
        // Mostly sensible beams, so that the runs get past the input checks.
        const bool wild = rng() % 3 == 0;
        std::string value = wild ? pool[rng() % pool.size()] : std::to_string(rng() % 30);
        if (c.id == beam_form::Inertia && !wild) value = "100";
        if (c.id == beam_form::Modulus && !wild) value = "29000";
        host.type(c.id, value);
      }
      host.press(beam_form::Calculate);
    });
    runner.act([&](HeadlessHost& host) { host.press(n % 2 ? kOk : kCancel); });
    // OK keeps the form open on inputs the calculation refused; Cancel always closes it.
    if (runner.currentHost()) runner.act([&](HeadlessHost& host) { host.press(kCancel); });
    ASSERT_EQ(runner.currentHost(), nullptr);
    runner.runLine("show pad");
    for (double v : runner.state().stations) ASSERT_TRUE(std::isfinite(v));
    for (double v : {runner.state().lastBeam.maxPositiveMoment, runner.state().lastBeam.maxNegativeMoment,
                     runner.state().lastBeam.leftReaction, runner.state().lastBeam.rightReaction,
                     runner.state().supportLeft, runner.state().supportRight})
      ASSERT_TRUE(std::isfinite(v));
    ASSERT_FALSE(beamtest::hasNonFinite(runner.padText())) << runner.padText();
    for (const char* f : {"cbm.wri", "cbm.dat", "ebm.wri", "ebm.dat", "gbm.wri", "gbm.dat"})
      ASSERT_FALSE(beamtest::hasNonFinite(slurp(f))) << f;
  }
}

}  // namespace

// "Design this beam...": the design form checks the analysed deflection scaled to its section, judged on
// its own line. Expected values are hand calculations.
#include <gtest/gtest.h>

#include <string>

#include "support/scratch_dir.h"

using namespace vd;

namespace {

class Handoff : public vdtest::ScratchDir {
 protected:
  // Runs script lines and returns what they printed.
  std::string run(const std::string& script) {
    const std::size_t before = out_.str().size();
    ScratchDir::run(runner_, script);
    return out_.str().substr(before);
  }

  Settings settings_{ini()};
  ScriptRunner runner_{settings_, out_, allForms()};
};

// Simple span 20 ft, 1 k/ft, EI = 29000 ksi x 100 in^4: delta = 5wL^4/384EI = 1.2414 in as analysed.
const char* kSimpleSpan =
    "menu Simp. Beam Design\nset Span 20\nset I 100\nset E 29000\n"
    "set \"uniform loads\"[0,0] 1\nset \"uniform loads\"[0,1] 0\nset \"uniform loads\"[0,2] 20\n";

// What each analysis hands to each design form, the header and the refusals: tests/golden/beam/handoff_*.txt.
// The simple span above: 1.2414 in as analysed with I = 100 in^4, limit 20 ft x 12/n.
struct DeflectionCase {
  const char* section;
  const char* limit;  // the choice, and the typed ratio for "L/n typed"
  const char* typed;
  const char* line;   // the verdict line
  bool ok;
  const char* governing;
};
const DeflectionCase kDeflection[] = {
    // W18x50, I = 800: 0.1552 in < 0.6667 in.
    {"W18x50", "L/360", nullptr, "Deflection (=0.16 in) < span/360 (=0.67 in)  ... OK", true, nullptr},
    // W18x50 at L/2000: 0.12 in < 0.1552 in.
    {"W18x50", "L/n typed", "2000", "NO GOOD!  Deflection (=0.16 in) > span/2000 (=0.12 in)  ... NO GOOD!", false,
     "deflection, span/2000"},
    // W12x14, I = 88.6: 1.2414 x 100/88.6 = 1.4011 in > 20 x 12/240 = 1.00 in.
    {"W12x14", "L/240", nullptr, "NO GOOD!  Deflection (=1.40 in) > span/240 (=1.00 in)  ... NO GOOD!", false,
     nullptr},
    // W12x14 at L/480 of a 20 ft span: 0.50 in, still short (bending fails further and governs).
    {"W12x14", "L/480", nullptr, "NO GOOD!  Deflection (=1.40 in) > span/480 (=0.50 in)  ... NO GOOD!", false,
     nullptr},
};

TEST_F(Handoff, DeflectionIsScaledByStiffnessAndJudgedOnItsLine) {
  for (const DeflectionCase& d : kDeflection) {
    SCOPED_TRACE(std::string(d.section) + " " + d.limit);
    run(std::string(kSimpleSpan) + "pick W beam ASD\npress \"Design this beam...\"\nset Fy 50\n");
    run(std::string("pick ") + d.section + "\npick \"" + d.limit + "\"\n");
    if (d.typed) run(std::string("set \"typed limit L/\" ") + d.typed + "\n");
    run("press OK\n");
    const std::string pad = run("show pad\n");
    EXPECT_NE(pad.find(d.line), std::string::npos) << pad;
    const DesignResult& r = runner_.state().result;
    EXPECT_EQ(r.ok, d.ok);
    if (d.governing) {
      EXPECT_EQ(r.governing, d.governing);
    }
  }
}

}  // namespace

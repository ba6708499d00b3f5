// Sawn members: size factors of every kind, cut-down depths, the wet-service rules and the reports.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "wood/sawn_member.h"

using namespace vd;

namespace {

const LumberSize& dim(const char* label) {
  for (const LumberSize& s : kDimensionSizes)
    if (std::string(s.label) == label) return s;
  throw std::runtime_error(label);
}
const LumberSize& timber(const char* label) {
  for (const LumberSize& s : kTimberSizes)
    if (std::string(s.label) == label) return s;
  throw std::runtime_error(label);
}
const GradeRecord* grade(int species, const char* name) {
  const SpeciesRecord& sp = kSpecies[species];
  for (int r = 0; r < sp.endPost; ++r)
    if (std::string(sp.grades[r].name) == name) return &sp.grades[r];
  throw std::runtime_error(name);
}

SawnMember make(const LumberSize& s, int species, const char* gradeName, bool repetitive, bool dry) {
  return SawnMember(s.label, s.b, s.d, grade(species, gradeName), species, repetitive, dry);
}

struct Factors {
  double b, t, c;
};
Factors factors(const SawnMember& m) {
  Factors f{};
  m.getSizeFactors(f.b, f.t, f.c);
  return f;
}

TEST(SawnMember, SectionPropertiesAndNominalSizes) {
  SawnMember m = make(dim("2x10"), 0, "No. 2", false, true);
  EXPECT_EQ(m.label(), "2x10");
  EXPECT_DOUBLE_EQ(m.area(), 13.875);                        // 1.5 x 9.25
  EXPECT_DOUBLE_EQ(m.Sxx(), 1.5 * 9.25 * 9.25 / 6.0);        // 21.39 in^3
  EXPECT_NEAR(m.Ixx(), 98.93, 0.005);                        // 1.5 x 9.25^3 / 12
  EXPECT_DOUBLE_EQ(m.boardFeetPerFoot(), 2.0 * 10.0 / 12.0);  // nominal 2 x 10
  EXPECT_EQ(m.nominalThickness(), 2);
  EXPECT_EQ(m.nominalDepth(), 10);
  EXPECT_DOUBLE_EQ(m.depthToThicknessRatio(), 5.0);
  EXPECT_EQ(m.C_r(), 1.0);
  EXPECT_EQ(make(dim("2x10"), 0, "No. 2", true, true).C_r(), 1.15);
  // (2)2x8 is 3 in. thick, (3)2x8 4.5 in.
  EXPECT_EQ(make(dim("(2)2x8"), 0, "No. 2", false, true).nominalThickness(), 3);
  EXPECT_EQ(make(dim("(3)2x8"), 0, "No. 2", false, true).nominalThickness(), 5);
}

TEST(SawnMember, StructuralSizeFactorsByNominalDepthAndThickness) {
  struct Case {
    const char* size;
    double CFb, CFt, CFc;
  } cases[] = {
      {"2x3", 1.5, 1.5, 1.15},  {"2x4", 1.5, 1.5, 1.15}, {"2x6", 1.3, 1.3, 1.1},   {"2x8", 1.2, 1.2, 1.05},
      {"2x10", 1.1, 1.1, 1.0},  {"2x12", 1.0, 1.0, 1.0}, {"2x14", 0.9, 0.9, 0.9},  {"3x16", 0.9, 0.9, 0.9},
      // 4 in. thick members take the 4x bending column.
      {"4x10", 1.2, 1.1, 1.0},  {"4x12", 1.1, 1.0, 1.0}, {"4x14", 1.0, 0.9, 0.9},  {"4x4", 1.5, 1.5, 1.15},
      // (3)2x members are 4.5 in. thick, nominal 5: the 2x, 3x column.
      {"(3)2x10", 1.1, 1.1, 1.0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.size);
    for (bool dry : {true, false}) {
      const Factors f = factors(make(dim(c.size), 0, "No. 1", false, dry));
      EXPECT_EQ(f.b, c.CFb);
      EXPECT_EQ(f.t, c.CFt);
      EXPECT_EQ(f.c, c.CFc);
    }
  }
  // A 5x5 of a timber grade is a timber (NDS Supplement Table 4D), not 4.5 in. dimension lumber: no size
  // factor for tension or compression, and for bending none below 12 in. depth; its wet row is the timbers'.
  for (bool dry : {true, false}) {
    const SawnMember m5 = make(timber("5x5"), 0, "No. 1 (post)", false, dry);
    const Factors f5 = factors(m5);
    EXPECT_TRUE(m5.isTimber());
    EXPECT_EQ(f5.b, 1.0);
    EXPECT_EQ(f5.t, 1.0);
    EXPECT_EQ(f5.c, 1.0);
    EXPECT_EQ(m5.wetClass(), dry ? Dry : WetTimber);
  }
  EXPECT_FALSE(make(dim("(3)2x10"), 0, "No. 1", false, true).isTimber());
}

TEST(SawnMember, StudsDeeperThanSixInchesAreCutDown) {
  SawnMember stud = make(dim("2x10"), 0, "Stud", false, true);
  EXPECT_EQ(stud.label(), "2x10");  // the size picked stays on the label
  EXPECT_EQ(stud.d(), 5.5);
  EXPECT_DOUBLE_EQ(stud.boardFeetPerFoot(), 1.0);  // 2 x 6 / 12
  EXPECT_EQ(factors(stud).b, 1.0);                  // the 5 and 6 in. row
  EXPECT_EQ(factors(stud).c, 1.0);
  SawnMember stud4 = make(dim("2x4"), 0, "Stud", false, true);
  EXPECT_EQ(stud4.d(), 3.5);
  EXPECT_EQ(factors(stud4).b, 1.1);
  EXPECT_EQ(factors(stud4).c, 1.05);
  EXPECT_EQ(make(dim("2x6"), 0, "Stud", false, true).d(), 5.5);
  SawnMember stud48 = make(dim("4x8"), 0, "Stud", false, true);
  EXPECT_EQ(stud48.d(), 5.5);
  EXPECT_DOUBLE_EQ(stud48.boardFeetPerFoot(), 2.0);  // 4 x 6 / 12
}

TEST(SawnMember, ConstructionStandardAndUtilityAreCutToFourInches) {
  for (const char* g : {"Construction", "Standard", "Utility"}) {
    SCOPED_TRACE(g);
    SawnMember m = make(dim("2x8"), 0, g, false, true);
    EXPECT_EQ(m.label(), "2x8");
    EXPECT_EQ(m.d(), 3.5);
    EXPECT_DOUBLE_EQ(m.boardFeetPerFoot(), 2.0 * 4.0 / 12.0);
    EXPECT_EQ(factors(m).b, 1.0);
    EXPECT_EQ(factors(m).t, 1.0);
    EXPECT_EQ(factors(m).c, 1.0);
  }
  // Utility 3 in. deep and less: 0.4 in bending and tension, 0.6 in compression.
  const Factors u = factors(make(dim("2x3"), 0, "Utility", false, true));
  EXPECT_EQ(u.b, 0.4);
  EXPECT_EQ(u.t, 0.4);
  EXPECT_EQ(u.c, 0.6);
  EXPECT_EQ(make(dim("3x3"), 0, "Utility", false, true).d(), 2.5);
  EXPECT_EQ(make(dim("2x3"), 0, "Construction", false, true).d(), 2.5);
}

TEST(SawnMember, WetTimberTakesTheDepthFactor) {
  SawnMember m = make(timber("6x16"), 0, "No. 1 (beam)", false, false);
  EXPECT_EQ(m.wetClass(), WetTimber);
  const Factors f = factors(m);
  EXPECT_NEAR(f.b, std::pow(12.0 / 15.5, 0.111), 1e-15);
  EXPECT_NEAR(f.b, 0.972, 0.0005);
  EXPECT_EQ(f.t, 1.0);
  EXPECT_EQ(f.c, 1.0);
  // 11.25 in. deep and less: 1.0.
  EXPECT_EQ(factors(make(timber("6x10"), 0, "No. 1 (beam)", false, false)).b, 1.0);
}

TEST(SawnMember, WetServiceRules) {
  // No. 2 DF 2x10 wet: Fb CF_b = 875 x 1.1 = 962.5 <= 1150 -> 1.0; Fc CF_c = 1300 > 750 -> 0.8.
  SawnMember m = make(dim("2x10"), 0, "No. 2", false, false);
  EXPECT_EQ(m.wetClass(), WetDimension);
  const std::string text = m.describe();
  double cmFb, cmFc;
  m.getWetFactors(cmFb, cmFc);
  EXPECT_EQ(cmFb, 1.0);
  EXPECT_EQ(cmFc, 0.8);
  EXPECT_NE(text.find("\tFb =1.00,  Ft =1.00,  Fv =0.97,  FcX =0.67,  Fc =0.80,  E =0.90"), std::string::npos);

  // Select structural 2x10: 1450 x 1.1 = 1595 > 1150 -> 0.85.
  SawnMember ss = make(dim("2x10"), 0, "Select structural", false, false);
  ss.describe();
  ss.getWetFactors(cmFb, cmFc);
  EXPECT_EQ(cmFb, 0.85);
  // Utility 2x4: Fc x CF_c = 875 x 1.0 > 750 -> 0.8; Utility 2x3: 875 x 0.6 = 525 <= 750 -> 1.0.
  SawnMember u = make(dim("2x3"), 0, "Utility", false, false);
  u.describe();
  u.getWetFactors(cmFb, cmFc);
  EXPECT_EQ(cmFc, 1.0);
  EXPECT_EQ(cmFb, 1.0);  // 275 x 0.4 = 110
  // Exactly 1150: 1150 x 1.0 for No. 1 and Better DF 2x12.
  SawnMember edge = make(dim("2x12"), 0, "No. 1 and Better", false, false);
  edge.describe();
  edge.getWetFactors(cmFb, cmFc);
  EXPECT_EQ(cmFb, 1.0);

  // Dry: every factor 1.0.
  SawnMember d = make(dim("2x10"), 0, "Select structural", false, true);
  d.describe();
  d.getWetFactors(cmFb, cmFc);
  EXPECT_EQ(cmFb, 1.0);
  EXPECT_EQ(cmFc, 1.0);
}

TEST(SawnMember, WetTimberFcRuleAndNoRepetitiveLine) {
  // 6x16 No. 1 (beam) DF: Fc 925 x 1.0 > 750 -> 0.91; HF No. 2 (beam) Fc 500 -> 1.0.
  SawnMember m = make(timber("6x16"), 0, "No. 1 (beam)", false, false);
  const std::string text = m.describe();
  double cmFb, cmFc;
  m.getWetFactors(cmFb, cmFc);
  EXPECT_EQ(cmFb, 1.0);
  EXPECT_EQ(cmFc, 0.91);
  EXPECT_EQ(text.find("repetitive factor"), std::string::npos);
  EXPECT_NE(text.find("CF_bending =0.97   CF_tension =1.00   CF_compression =1.00"), std::string::npos);
  SawnMember hf = make(timber("6x16"), 2, "No. 2 (beam)", false, false);
  hf.describe();
  hf.getWetFactors(cmFb, cmFc);
  EXPECT_EQ(cmFc, 1.0);
}

TEST(SawnMember, UsageLineAndShortDescription) {
  SawnMember m = make(dim("2x8"), 4, "No. 1", false, false);
  EXPECT_EQ(m.usageLine(),
            " --- wet usage ---  no on repetitive member multiplier REDWOOD           (RIS)\r\n  No. 1 << 2x8 >>     "
            "size =1.50\" x 7.25\"\tmetric units: 38 mm x 184 mm \r\n Area =10.875 in^2\t Ixx =47.63 in^4,\t Sxx "
            "=13.141 in^3\r\n Bending Fb =975 psi   Shear parallel to grain Fv =80 psi");
  EXPECT_EQ(make(dim("2x8"), 4, "No. 1", true, true).usageLine().substr(0, 55),
            " --- dry usage ---  yes on repetitive member multiplier");
}

TEST(SawnMember, DefaultMemberHasNoGrade) {
  SawnMember m;
  EXPECT_FALSE(m.valid());
  EXPECT_EQ(m.label(), "");
  EXPECT_EQ(m.Fb(), 0.0);
  SawnMember copy = make(dim("2x4"), 1, "No. 1", false, true);
  m = copy;
  EXPECT_TRUE(m.valid());
  EXPECT_EQ(m.label(), "2x4");
  EXPECT_EQ(m.grade(), copy.grade());
}

}  // namespace

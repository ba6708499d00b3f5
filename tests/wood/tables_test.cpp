// The lumber and glulam tables against rows read off the published 1991 NDS Supplement (Tables 4A,
// 4D and 5A), typed here by hand, and the rules the tables follow throughout (dressed sizes,
// group ends).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <iterator>
#include <string>
#include <tuple>

#include "wood/wood_tables.h"

namespace vd {
namespace {

const GradeRecord* grade(int species, const char* name) {
  const SpeciesRecord& s = kSpecies[species];
  for (int i = 0; i < s.endPost; ++i)
    if (std::strcmp(s.grades[i].name, name) == 0) return &s.grades[i];
  return nullptr;
}

TEST(WoodTables, PublishedGradeRows) {
  struct Row {
    int species;
    const char* grade;
    double Fb, Ft, Fv, FcX, Fc, E;
  } rows[] = {
      // Douglas fir-larch, Table 4A (dimension lumber).
      {0, "Select structural", 1450, 1000, 95, 625, 1700, 1900000},
      {0, "No. 2", 875, 575, 95, 625, 1300, 1600000},
      {0, "Stud", 675, 450, 95, 625, 825, 1400000},
      {0, "Construction", 1000, 650, 95, 625, 1600, 1500000},
      {0, "Utility", 275, 175, 95, 625, 875, 1300000},
      // Douglas fir-larch, Table 4D (beams and stringers, posts and timbers).
      {1, "Select structural (beam)", 1600, 950, 85, 625, 1100, 1600000},
      {1, "No. 1 (beam)", 1350, 675, 85, 625, 925, 1600000},
      {1, "Select structural (post)", 1500, 1000, 85, 625, 1150, 1600000},
      {1, "No. 1 (post)", 1200, 825, 85, 625, 1000, 1600000},
      // Hem-fir, Table 4A.
      {3, "Select structural", 1400, 900, 75, 405, 1500, 1600000},
  };
  for (const Row& r : rows) {
    const GradeRecord* g = grade(r.species, r.grade);
    ASSERT_NE(g, nullptr) << r.species << " " << r.grade;
    EXPECT_EQ(std::tuple(g->Fb, g->Ft, g->Fv, g->FcX, g->Fc, g->E), std::tuple(r.Fb, r.Ft, r.Fv, r.FcX, r.Fc, r.E))
        << r.grade;
  }
}

TEST(WoodTables, PublishedGlulamRows) {
  // Table 5A: 24F-V4 and 24F-V8 (DF/DF); Fbx+, Fbx-, Fc-perp (both faces), Fvx, Ex.
  const double v4[] = {2400, 1200, 650, 650, 165, 1800000}, v8[] = {2400, 2400, 650, 650, 165, 1800000};
  for (const GlulamCombination& c : kGlulamCombinations) {
    const double* published = std::strcmp(c.name, "24F-V4") == 0 ? v4 : std::strcmp(c.name, "24F-V8") == 0 ? v8 : nullptr;
    if (!published) continue;
    EXPECT_STREQ(c.species, "DF/DF");
    for (int i = FbxPos; i <= Ex; ++i) EXPECT_EQ(c.values[i], published[i]) << c.name << " value " << i;
  }
}

TEST(WoodTables, SizeFactorsAndWetServiceFactors) {
  // Table 4A size factors: kind, nominal depth, Fb (2-3 in. thick, 4 in. thick), Ft, Fc.
  const SizeFactorRow published[] = {
      {GradeKind::Structural, 4, 1.5, 1.5, 1.5, 1.15}, {GradeKind::Structural, 8, 1.2, 1.2, 1.2, 1.05},
      {GradeKind::Structural, 10, 1.1, 1.2, 1.1, 1.0}, {GradeKind::Structural, 14, 0.9, 1.0, 0.9, 0.9},
      {GradeKind::Stud, 4, 1.1, 1.1, 1.1, 1.05},       {GradeKind::Utility, 4, 1.0, 1.0, 1.0, 1.0},
  };
  for (const SizeFactorRow& p : published) {
    const SizeFactorRow* row = nullptr;
    for (const SizeFactorRow& r : kSizeFactors)
      if (r.kind == p.kind && r.nominalDepth == p.nominalDepth) row = &r;
    ASSERT_NE(row, nullptr) << p.nominalDepth;
    EXPECT_EQ(std::tuple(row->CFb23, row->CFb4, row->CFt, row->CFc), std::tuple(p.CFb23, p.CFb4, p.CFt, p.CFc));
  }
  // C_M of Tables 4A, 4D and 5A in the order Fb, Ft, Fv, Fc-perp, Fc, E.
  const double wet[4][6] = {{1, 1, 1, 1, 1, 1},
                            {0.85, 1.0, 0.97, 0.67, 0.8, 0.9},
                            {1.0, 1.0, 1.0, 0.67, 0.91, 1.0},
                            {0.8, 0.8, 0.875, 0.53, 0.73, 0.833}};
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 6; ++c) EXPECT_EQ(WetServiceTable[r][c], wet[r][c]) << r << "," << c;
}

// Dressed sizes: nominal less 1/2 in. (3/4 in. from 8 in. on for dimension lumber); timbers less
// 1/2 in., 4.5 in. for 5 in. nominal; built-up members add their pieces. Grade groups end in "(beam)" and "(post)".
TEST(WoodTables, DressedSizesAndGradeGroups) {
  for (const LumberSize& s : kDimensionSizes) {
    int n = 1, b = 0, d = 0;  // "(3)2x8": three 2x8 side by side
    ASSERT_TRUE(std::sscanf(s.label, "%dx%d", &b, &d) == 2 || std::sscanf(s.label, "(%d)%dx%d", &n, &b, &d) == 3)
        << s.label;
    EXPECT_EQ(s.b, n * (b - 0.5)) << s.label;
    EXPECT_EQ(s.d, d < 8 ? d - 0.5 : d - 0.75) << s.label;
  }
  for (const LumberSize& s : kTimberSizes) {
    int b = 0, d = 0;
    ASSERT_EQ(std::sscanf(s.label, "%dx%d", &b, &d), 2) << s.label;
    EXPECT_EQ(s.b, b == 5 ? 4.5 : b - 0.5) << s.label;
    EXPECT_EQ(s.d, d == 5 ? 4.5 : d - 0.5) << s.label;
  }
  for (const SpeciesRecord& sp : kSpecies)
    for (int r = sp.endDimension; r < sp.endPost; ++r) {
      const std::string name = sp.grades[r].name;
      EXPECT_EQ(name.substr(name.size() - 6), r < sp.endBeam ? "(beam)" : "(post)") << name;
    }
  EXPECT_EQ(&speciesAt(7), &kSpecies[0]);
  EXPECT_EQ(&speciesAt(-1), &kSpecies[0]);
  EXPECT_EQ(&speciesAt(6), &kSpecies[6]);
}

}  // namespace
}  // namespace vd

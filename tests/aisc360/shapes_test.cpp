// The AISC 360-22 table: every database row, with the database's own values, and the lookups on it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "aisc360/shapes.h"
#include "tables/aisc_csv.h"

#ifndef VD_AISC_CSV
#define VD_AISC_CSV ""
#endif

namespace vd::aisc360 {
namespace {

TEST(Aisc360Shapes, LookupsFamiliesAndDefaults) {
  EXPECT_EQ(kShapeCount, 1995u);
  const Shape* w = findShape(" w18x50 ");
  ASSERT_NE(w, nullptr);
  EXPECT_STREQ(w->label, "W18X50");
  EXPECT_EQ(findShape("W18X51"), nullptr);
  EXPECT_EQ(shapesOfFamily(Family::W).size(), 273u);
  EXPECT_EQ(shapesOfFamily(Family::HssRound).size(), 128u);
  EXPECT_EQ(shapesOfFamily(Family::Pipe).size(), 37u);
  EXPECT_DOUBLE_EQ(shapesOfFamily(Family::W).front().weight, 335.0);  // W44X335 leads the database

  const Shape* pair = findShape("2L8X6X1X3/4LLBB");
  ASSERT_NE(pair, nullptr);
  EXPECT_FLOAT_EQ(pair->spacing, 0.75f);
  EXPECT_EQ(pair->legs, Legs::LongBackToBack);
  ASSERT_NE(componentAngle(*pair), nullptr);
  EXPECT_STREQ(componentAngle(*pair)->label, "L8X6X1");
  EXPECT_EQ(findShape("2L3X3X1/4")->legs, Legs::Equal);
  EXPECT_EQ(findShape("HSS8X8X1/4")->family, Family::HssRect);
  EXPECT_EQ(findShape("HSS6.625X0.280")->family, Family::HssRound);

  const struct {
    Family f;
    double Fy;
  } fy[] = {{Family::W, 50}, {Family::HP, 50}, {Family::WT, 50}, {Family::C, 36}, {Family::MC, 36},
            {Family::L, 36}, {Family::DoubleL, 36}, {Family::HssRect, 50}, {Family::HssRound, 46}, {Family::Pipe, 35}};
  for (const auto& c : fy) EXPECT_DOUBLE_EQ(defaultFy(c.f), c.Fy) << familyName(c.f);
}

// Every row against its database row, when the database is at hand.
TEST(Aisc360Shapes, EveryRowIsItsDatabaseRow) {
  const vdtest::AiscCsv db(VD_AISC_CSV);
  if (db.rows.empty()) GTEST_SKIP() << "no AISC database at " << VD_AISC_CSV;
  ASSERT_EQ(db.rows.size(), kShapeCount);
  const std::vector<std::pair<float Shape::*, const char*>> fields = {
      {&Shape::W, "W"},         {&Shape::A, "A"},         {&Shape::d, "d"},           {&Shape::bf, "bf"},
      {&Shape::tw, "tw"},       {&Shape::tf, "tf"},       {&Shape::kdes, "kdes"},     {&Shape::x, "x"},
      {&Shape::y, "y"},         {&Shape::eo, "eo"},       {&Shape::bf2tf, "bf/2tf"},  {&Shape::bt, "b/t"},
      {&Shape::btdes, "b/tdes"}, {&Shape::htw, "h/tw"},   {&Shape::htdes, "h/tdes"},  {&Shape::Dt, "D/t"},
      {&Shape::Ix, "Ix"},       {&Shape::Zx, "Zx"},       {&Shape::Sx, "Sx"},         {&Shape::rx, "rx"},
      {&Shape::Iy, "Iy"},       {&Shape::Zy, "Zy"},       {&Shape::Sy, "Sy"},         {&Shape::ry, "ry"},
      {&Shape::Iz, "Iz"},       {&Shape::rz, "rz"},       {&Shape::Iw, "Iw"},         {&Shape::tanAlpha, "tan(\xCE\xB1)"},
      {&Shape::J, "J"},         {&Shape::Cw, "Cw"},       {&Shape::C, "C"},           {&Shape::ro, "ro"},
      {&Shape::H, "H"},         {&Shape::rts, "rts"},     {&Shape::ho, "ho"},         {&Shape::Ht, "Ht"},
      {&Shape::h, "h"},         {&Shape::B, "B"},         {&Shape::b, "b"},           {&Shape::OD, "OD"},
      {&Shape::t, "t"},         {&Shape::tnom, "tnom"},   {&Shape::tdes, "tdes"}};
  const std::map<std::string, Family> types = {
      {"W", Family::W},   {"M", Family::M},   {"S", Family::S},   {"HP", Family::HP}, {"C", Family::C},
      {"MC", Family::MC}, {"WT", Family::WT}, {"MT", Family::MT}, {"ST", Family::ST}, {"L", Family::L},
      {"2L", Family::DoubleL}, {"PIPE", Family::Pipe}};
  for (std::size_t i = 0; i < kShapeCount; ++i) {
    const Shape& s = kShapes[i];
    ASSERT_EQ(db.cell(i, "AISC_Manual_Label"), s.label) << "row " << i;
    const std::string type = db.cell(i, "Type");
    const std::string od = db.cell(i, "OD");
    char* odEnd = nullptr;
    std::strtod(od.c_str(), &odEnd);
    const Family f = type != "HSS" ? types.at(type) : (odEnd != od.c_str() ? Family::HssRound : Family::HssRect);
    EXPECT_EQ(s.family, f) << s.label;
    for (const auto& [member, column] : fields) {
      const std::string text = db.cell(i, column);
      char* end = nullptr;
      const double v = std::strtod(text.c_str(), &end);
      // "–" or nothing: no such value, stored as 0.
      EXPECT_FLOAT_EQ(s.*member, end == text.c_str() ? 0.0f : static_cast<float>(v)) << s.label << " " << column;
    }
  }
}

}  // namespace
}  // namespace vd::aisc360

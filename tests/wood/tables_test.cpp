// Every compiled lumber and glulam row against the design-value tables they were copied from
// (tests/wood/data/wood_tables.txt), parsed here independently of the generator.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "wood/wood_tables.h"

using namespace vd;

namespace {

std::string trim(std::string s) {
  const auto a = s.find_first_not_of(" \t");
  const auto b = s.find_last_not_of(" \t");
  return a == std::string::npos ? "" : s.substr(a, b - a + 1);
}

std::vector<std::string> cells(const std::string& line) {
  std::vector<std::string> out;
  std::string cur;
  for (std::size_t i = 1; i < line.size(); ++i) {
    if (line[i] == '|') {
      out.push_back(trim(cur));
      cur.clear();
    } else {
      cur += line[i];
    }
  }
  return out;
}

std::string unquote(const std::string& s) {
  return s.size() >= 2 && s.front() == '"' && s.back() == '"' ? s.substr(1, s.size() - 2) : s;
}

// "1,900,000" -> 1900000; trailing punctuation ignored.
double num(std::string s) {
  std::string digits;
  for (char c : s)
    if (c != ',') digits += c;
  while (!digits.empty() && (digits.back() == '.' || digits.back() == ';')) digits.pop_back();
  return std::stod(digits);
}

struct Grade {
  std::string name, kind;
  std::map<std::string, double> v;
  std::string agency;
};

struct Source {
  std::vector<std::vector<std::string>> speciesRows;
  std::map<int, std::vector<Grade>> grades;
  std::map<int, std::string> speciesNames;
  std::string sizeLine;
  std::vector<std::vector<std::string>> sizeFactors, wet, combos, glulamWidths;
};

const char* const kKeys[6] = {"Fb", "Ft", "Fv", "FcX", "Fc", "E"};

Source readSource() {
  std::ifstream in(VD_SOURCE_DIR "/tests/wood/data/wood_tables.txt");
  EXPECT_TRUE(in.good());
  std::vector<std::string> lines;
  for (std::string l; std::getline(in, l);) lines.push_back(l);
  Source src;
  const std::regex header(R"re(^Species (\d), "([^"]+)", agency "([^"]+)")re");
  std::vector<std::vector<std::string>>* table = nullptr;
  int species = -1;
  std::string agency;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string& l = lines[i];
    std::smatch m;
    if (std::regex_search(l, m, header)) {
      species = std::stoi(m[1]);
      agency = m[3];
      src.speciesNames[species] = m[2];
      table = nullptr;
      const auto same = l.find("the same");
      if (same == std::string::npos) continue;
      std::smatch base;
      std::regex_search(l, base, std::regex(R"(as species (\d))"));
      std::vector<Grade> rows = src.grades[std::stoi(base[1])];
      for (Grade& g : rows) g.agency = agency;
      const std::string exceptions = l.substr(l.find("except"));
      std::size_t pos = 0;
      while ((pos = exceptions.find("row ", pos)) != std::string::npos) {
        pos += 4;
        const std::size_t end = exceptions.find("row ", pos);
        const std::string clause = exceptions.substr(pos, end == std::string::npos ? std::string::npos : end - pos);
        const int row = std::stoi(clause);
        const auto q1 = clause.find('"'), q2 = clause.find('"', q1 + 1);
        EXPECT_EQ(rows.at(static_cast<std::size_t>(row)).name, clause.substr(q1 + 1, q2 - q1 - 1));
        std::istringstream words(clause.substr(q2 + 1));
        std::string key;
        for (std::string w; words >> w;) {
          bool isKey = false;
          for (const char* k : kKeys) isKey = isKey || w == k;
          if (isKey) key = w;
          else if (!key.empty() && std::isdigit(static_cast<unsigned char>(w[0]))) {
            rows[static_cast<std::size_t>(row)].v[key] = num(w);
            key.clear();
          }
        }
      }
      src.grades[species] = rows;
      continue;
    }
    if (l.rfind("| Index | Name", 0) == 0) table = &src.speciesRows;
    else if (l.rfind("| Row | Grade", 0) == 0) table = nullptr;
    else if (l.rfind("| Kind | Nominal", 0) == 0) table = &src.sizeFactors;
    else if (l.rfind("| Wet class", 0) == 0) table = &src.wet;
    else if (l.rfind("| Index | Combination", 0) == 0) table = &src.combos;
    else if (l.rfind("| Width b", 0) == 0) table = &src.glulamWidths;
    else if (l.rfind("- 2x-4x sizes", 0) == 0) src.sizeLine = l;
    else if (l.rfind("|---", 0) == 0) continue;
    else if (l.rfind("| ", 0) == 0 && table) table->push_back(cells(l));
    else if (l.rfind("| ", 0) == 0 && species >= 0) {
      const auto c = cells(l);
      Grade g{unquote(c[1]), c[2], {}, agency};
      for (int k = 0; k < 6; ++k) g.v[kKeys[k]] = num(c[3 + static_cast<std::size_t>(k)]);
      src.grades[species].push_back(g);
    }
  }
  return src;
}

const Source& source() {
  static const Source s = readSource();
  return s;
}

GradeKind kindOf(const std::string& s) {
  if (s == "S" || s == "Structural") return GradeKind::Structural;
  if (s == "Stud") return GradeKind::Stud;
  if (s == "CS" || s == "ConstructionStandard") return GradeKind::ConstructionStandard;
  EXPECT_TRUE(s == "Util" || s == "Utility") << s;
  return GradeKind::Utility;
}

TEST(WoodTables, SpeciesRowsAndGroupEnds) {
  const auto& rows = source().speciesRows;
  ASSERT_EQ(rows.size(), 7u);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(std::stoi(rows[i][0]), static_cast<int>(i));
    EXPECT_STREQ(kSpecies[i].name, unquote(rows[i][1]).c_str());
    EXPECT_EQ(kSpecies[i].endDimension, std::stoi(rows[i][2]));
    EXPECT_EQ(kSpecies[i].endBeam, std::stoi(rows[i][3]));
    EXPECT_EQ(kSpecies[i].endPost, std::stoi(rows[i][4]));
    EXPECT_EQ(source().speciesNames.at(static_cast<int>(i)), kSpecies[i].name);
  }
}

TEST(WoodTables, EveryGradeRowOfEverySpecies) {
  int compared = 0;
  for (int s = 0; s < kSpeciesCount; ++s) {
    const auto& rows = source().grades.at(s);
    ASSERT_EQ(static_cast<int>(rows.size()), kSpecies[s].endPost) << s;
    for (std::size_t r = 0; r < rows.size(); ++r) {
      SCOPED_TRACE(std::to_string(s) + "/" + std::to_string(r));
      const GradeRecord& g = kSpecies[s].grades[r];
      EXPECT_EQ(rows[r].name, g.name);
      EXPECT_EQ(kindOf(rows[r].kind), g.kind);
      EXPECT_EQ(rows[r].v.at("Fb"), g.Fb);
      EXPECT_EQ(rows[r].v.at("Ft"), g.Ft);
      EXPECT_EQ(rows[r].v.at("Fv"), g.Fv);
      EXPECT_EQ(rows[r].v.at("FcX"), g.FcX);
      EXPECT_EQ(rows[r].v.at("Fc"), g.Fc);
      EXPECT_EQ(rows[r].v.at("E"), g.E);
      EXPECT_EQ(rows[r].agency, g.agency);
      ++compared;
    }
  }
  EXPECT_EQ(compared, 19 + 19 + 15 + 15 + 23 + 14 + 14);
  // The grade groups: beam names end in "(beam)", post names in "(post)".
  for (const SpeciesRecord& sp : kSpecies) {
    for (int r = sp.endDimension; r < sp.endPost; ++r) {
      const std::string name = sp.grades[r].name;
      EXPECT_EQ(name.substr(name.size() - 6), r < sp.endBeam ? "(beam)" : "(post)") << name;
    }
  }
}

TEST(WoodTables, SpeciesIndexOutsideTheTableReadsAsFirstSpecies) {
  EXPECT_EQ(&speciesAt(7), &kSpecies[0]);
  EXPECT_EQ(&speciesAt(-1), &kSpecies[0]);
  EXPECT_EQ(&speciesAt(6), &kSpecies[6]);
}

TEST(WoodTables, DimensionSizes) {
  const std::regex item(R"re("([^"]+)" (\d+(?:\.\d+)?) x (\d+(?:\.\d+)?))re");
  const std::string& line = source().sizeLine;
  std::size_t n = 0;
  for (auto it = std::sregex_iterator(line.begin(), line.end(), item); it != std::sregex_iterator(); ++it, ++n) {
    ASSERT_LT(n, 31u);
    EXPECT_STREQ(kDimensionSizes[n].label, (*it)[1].str().c_str());
    EXPECT_EQ(kDimensionSizes[n].b, std::stod((*it)[2]));
    EXPECT_EQ(kDimensionSizes[n].d, std::stod((*it)[3]));
  }
  EXPECT_EQ(n, 31u);
}

// Dressed size of a timber dimension: nominal less 0.5 in., and 4.5 in. for a 5 in. nominal.
double dressed(int nominal) { return nominal == 5 ? 4.5 : nominal - 0.5; }

TEST(WoodTables, TimberSizesKeepTheRepeatedSixteenInchRows) {
  ASSERT_EQ(std::size(kTimberSizes), 61u);
  int lastWidth = 0;
  for (const LumberSize& s : kTimberSizes) {
    int w = 0, d = 0;
    ASSERT_EQ(std::sscanf(s.label, "%dx%d", &w, &d), 2) << s.label;
    EXPECT_EQ(s.b, dressed(w)) << s.label;
    EXPECT_EQ(s.d, dressed(d)) << s.label;
    EXPECT_GE(w, lastWidth);
    lastWidth = w;
  }
  EXPECT_STREQ(kTimberSizes[0].label, "5x5");
  EXPECT_STREQ(kTimberSizes[35].label, "14x12");
  const char* sixteens[] = {"16x16", "16x18", "16x20", "16x22", "16x24", "16x18", "16x20", "16x22", "16x24"};
  for (int i = 0; i < 9; ++i) EXPECT_STREQ(kTimberSizes[42 + i].label, sixteens[i]);
  EXPECT_STREQ(kTimberSizes[60].label, "24x24");
}

// The last whole number of a depth cell: "4 and less" -> 4, "5 and 6" -> 6.
int depthKey(const std::string& cell) {
  int key = 0;
  std::istringstream words(cell);
  for (std::string w; words >> w;)
    if (std::isdigit(static_cast<unsigned char>(w[0]))) key = std::stoi(w);
  return key;
}

TEST(WoodTables, SizeFactorAndWetServiceTables) {
  const auto& sf = source().sizeFactors;
  ASSERT_EQ(sf.size(), std::size(kSizeFactors));
  for (std::size_t i = 0; i < sf.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(kSizeFactors[i].kind, kindOf(sf[i][0]));
    EXPECT_EQ(kSizeFactors[i].nominalDepth, depthKey(sf[i][1]));
    EXPECT_EQ(kSizeFactors[i].CFb23, num(sf[i][2]));
    EXPECT_EQ(kSizeFactors[i].CFb4, num(sf[i][3]));
    EXPECT_EQ(kSizeFactors[i].CFt, num(sf[i][4]));
    EXPECT_EQ(kSizeFactors[i].CFc, num(sf[i][5]));
  }
  const auto& wet = source().wet;
  ASSERT_EQ(wet.size(), 4u);
  for (std::size_t r = 0; r < 4; ++r)
    for (std::size_t c = 0; c < 6; ++c) EXPECT_EQ(WetServiceTable[r][c], num(wet[r][c + 1])) << r << "," << c;
}

TEST(WoodTables, EveryGlulamCombination) {
  const auto& rows = source().combos;
  ASSERT_EQ(rows.size(), 40u);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    SCOPED_TRACE(i);
    const GlulamCombination& c = kGlulamCombinations[i];
    EXPECT_EQ(std::stoi(rows[i][0]), static_cast<int>(i));
    EXPECT_EQ(unquote(rows[i][1]), c.name);
    EXPECT_EQ(unquote(rows[i][2]), c.species);
    for (std::size_t v = 0; v < kGlulamValueCount; ++v) EXPECT_EQ(num(rows[i][3 + v]), c.values[v]) << v;
    EXPECT_EQ(std::stoi(rows[i][16]), c.note);
  }
  EXPECT_STREQ(kGlulamCombinations[5].name, "16F-V7");
  EXPECT_STREQ(kGlulamCombinations[6].name, "16F-V6");
}

// Depth written in a glulam label: "6-3/4 x 7-1/2" -> 7.5, "10-3/4x 81" -> 81.
double labelDepth(const std::string& label) {
  std::string tail = label.substr(label.find('x') + 1);
  tail = trim(tail);
  const auto dash = tail.find('-');
  return std::stod(tail.substr(0, dash)) + (dash == std::string::npos ? 0.0 : 0.5);
}

TEST(WoodTables, GlulamSizesStepByOneLamination) {
  const auto& rows = source().glulamWidths;
  ASSERT_EQ(rows.size(), 6u);
  for (std::size_t w = 0; w < 6; ++w) {
    SCOPED_TRACE(w);
    const GlulamSizeTable& t = kGlulamSizeTables[w];
    const auto sizes = t.sizes();
    ASSERT_EQ(static_cast<int>(sizes.size()), std::stoi(rows[w][3]));
    EXPECT_EQ(t.b, num(rows[w][0]));
    EXPECT_EQ(sizes.front().label, unquote(rows[w][1]));
    EXPECT_EQ(sizes.back().label, unquote(rows[w][2]));
    const std::string prefix = unquote(rows[w][1]).substr(0, unquote(rows[w][1]).find('x') + 1);
    for (std::size_t i = 0; i < sizes.size(); ++i) {
      EXPECT_EQ(sizes[i].b, t.b);
      EXPECT_EQ(std::string(sizes[i].label).rfind(prefix, 0), 0u) << sizes[i].label;
      EXPECT_EQ(sizes[i].d, labelDepth(sizes[i].label)) << sizes[i].label;
      if (i > 0) {
        EXPECT_EQ(sizes[i].d - sizes[i - 1].d, 1.5);
      }
    }
  }
}

}  // namespace

// Every row taken from the AISC shapes database is compared with the database
// row it came from. The database is not kept in the repository: these tests
// skip when the CSV named by VD_AISC_CSV is not there.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "tables/steel_tables.h"

#ifndef VD_AISC_CSV
#define VD_AISC_CSV ""
#endif

namespace vd {
namespace {

using Row = std::map<std::string, std::string>;

class Database {
public:
    explicit Database(const std::string& path) {
        std::ifstream in(path);
        if (!in) return;
        std::string line;
        if (!std::getline(in, line)) return;
        const std::vector<std::string> header = split(line);
        while (std::getline(in, line)) {
            const std::vector<std::string> cells = split(line);
            Row row;
            for (size_t i = 0; i < header.size() && i < cells.size(); ++i) row[header[i]] = cells[i];
            rows_[row["AISC_Manual_Label"]] = row;
        }
    }
    bool loaded() const { return !rows_.empty(); }
    const Row* find(const std::string& label) const {
        auto it = rows_.find(label);
        return it == rows_.end() ? nullptr : &it->second;
    }

private:
    static std::vector<std::string> split(std::string line) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::vector<std::string> out;
        std::stringstream ss(line);
        std::string cell;
        while (std::getline(ss, cell, ',')) out.push_back(cell);
        if (!line.empty() && line.back() == ',') out.emplace_back();
        return out;
    }
    std::map<std::string, Row> rows_;
};

const Database& database() {
    static const Database db(VD_AISC_CSV);
    return db;
}

// The database writes "–" where a shape has no such value.
bool value(const Row& row, const std::string& key, double& out) {
    auto it = row.find(key);
    if (it == row.end()) return false;
    char* end = nullptr;
    out = std::strtod(it->second.c_str(), &end);
    return end != it->second.c_str();
}

// "2  5/8 " -> 2.625
double fraction(const std::string& text) {
    std::stringstream ss(text);
    std::string part;
    double total = 0;
    while (ss >> part) {
        const auto slash = part.find('/');
        if (slash == std::string::npos) total += std::atof(part.c_str());
        else total += std::atof(part.substr(0, slash).c_str()) / std::atof(part.substr(slash + 1).c_str());
    }
    return total;
}

bool overridden(const RowSource& s, const std::string& field) {
    std::stringstream ss(s.overridden);
    std::string f;
    while (ss >> f)
        if (f == field) return true;
    return false;
}

struct Check {
    const char* field;
    float SectionRecord::*member;
    const char* column;
};

void compare(ShapeTable t, int i, const SectionRecord& r, const RowSource& s, const Row& db,
             const std::vector<Check>& checks) {
    for (const Check& c : checks) {
        if (overridden(s, c.field)) continue;
        double expected = 0;
        ASSERT_TRUE(value(db, c.column, expected)) << s.label << " " << c.column;
        EXPECT_FLOAT_EQ(r.*(c.member), static_cast<float>(expected))
            << usDesignation(t, i) << " (" << s.label << ") " << c.field;
    }
}

#define SKIP_WITHOUT_DATABASE()                                                   \
    if (!database().loaded()) GTEST_SKIP() << "no AISC database at " << VD_AISC_CSV

const std::vector<Check> kSectionChecks = {
    {"weight", &SectionRecord::weight, "W"}, {"A", &SectionRecord::A, "A"},
    {"Ixx", &SectionRecord::Ixx, "Ix"},      {"Sxx", &SectionRecord::Sxx, "Sx"},
    {"rxx", &SectionRecord::rxx, "rx"},      {"Iyy", &SectionRecord::Iyy, "Iy"},
    {"Syy", &SectionRecord::Syy, "Sy"},      {"ryy", &SectionRecord::ryy, "ry"},
    {"Zxx", &SectionRecord::Zxx, "Zx"},      {"Zyy", &SectionRecord::Zyy, "Zy"},
};

std::vector<Check> withSection(std::vector<Check> extra) {
    extra.insert(extra.end(), kSectionChecks.begin(), kSectionChecks.end());
    return extra;
}

TEST(SteelTablesDatabase, WRowsMatchTheirDatabaseRows) {
    SKIP_WITHOUT_DATABASE();
    const auto checks = withSection({{"d", &SectionRecord::d, "d"},
                                     {"tw", &SectionRecord::tw, "tw"},
                                     {"bf", &SectionRecord::bf, "bf"},
                                     {"tf", &SectionRecord::tf, "tf"},
                                     {"k", &SectionRecord::k, "kdes"},
                                     {"bf2tf", &SectionRecord::bf2tf, "bf/2tf"},
                                     {"htw", &SectionRecord::htw, "h/tw"},
                                     {"J", &SectionRecord::J, "J"},
                                     {"Cw", &SectionRecord::Cw, "Cw"},
                                     {"Wno", &SectionRecord::Wno, "Wno"}});
    for (int i = 0; i < rowCount(ShapeTable::W); ++i) {
        const RowSource& s = *rowSource(ShapeTable::W, i);
        const SectionRecord& r = *sectionRow(ShapeTable::W, i);
        const Row* db = database().find(s.label);
        ASSERT_NE(db, nullptr) << s.label;
        compare(ShapeTable::W, i, r, s, *db, checks);
        if (i < kFirstMRow) {
            double kdes = 0;
            ASSERT_TRUE(value(*db, "kdes", kdes));
            EXPECT_FLOAT_EQ(r.kdes, static_cast<float>(kdes)) << s.label;
            EXPECT_EQ(r.kdet16, std::lround(fraction(db->at("kdet")) * 16)) << s.label;
            if (!overridden(s, "k1_16")) {
                EXPECT_EQ(r.k1_16, std::lround(fraction(db->at("k1")) * 16)) << s.label;
            }
            EXPECT_EQ(r.T8, std::lround((fraction(db->at("ddet")) - 2 * fraction(db->at("kdet"))) * 8)) << s.label;
        }
        if (s.origin == RowOrigin::Database) {
            // Database rows are the listed shape itself.
            std::string us = usDesignation(ShapeTable::W, i);
            for (char& ch : us) ch = (ch == 'x') ? 'X' : ch;
            EXPECT_EQ(us, s.label);
        }
    }
}

TEST(SteelTablesDatabase, TeeAndChannelRowsMatchTheirDatabaseRows) {
    SKIP_WITHOUT_DATABASE();
    const std::vector<Check> flanges = {{"d", &SectionRecord::d, "d"},     {"tw", &SectionRecord::tw, "tw"},
                                        {"bf", &SectionRecord::bf, "bf"},  {"tf", &SectionRecord::tf, "tf"},
                                        {"k", &SectionRecord::k, "kdes"}};
    const std::pair<ShapeTable, std::vector<Check>> tables[] = {
        {ShapeTable::Tee, {{"ybar", &SectionRecord::ybar, "y"}, {"yp", &SectionRecord::yp, "yp"}}},
        {ShapeTable::Channel, {{"xbar", &SectionRecord::xbar, "x"}, {"eo", &SectionRecord::eo, "eo"}}}};
    for (const auto& [t, own] : tables) {
        std::vector<Check> checks = withSection(own);
        checks.insert(checks.end(), flanges.begin(), flanges.end());
        for (int i = 0; i < rowCount(t); ++i) {
            const RowSource& s = *rowSource(t, i);
            const Row* db = database().find(s.label);
            ASSERT_NE(db, nullptr) << s.label;
            compare(t, i, *sectionRow(t, i), s, *db, checks);
        }
    }
}

// "2L8X6X1LLBB" with spacing "X3/8" -> "2L8X6X1X3/8LLBB"; single angle "L8X6X1".
std::string spaced(const std::string& label, const std::string& spacing) {
    for (const char* suffix : {"LLBB", "SLBB"}) {
        const std::string sfx = suffix;
        if (label.size() > sfx.size() && label.compare(label.size() - sfx.size(), sfx.size(), sfx) == 0)
            return label.substr(0, label.size() - sfx.size()) + spacing + sfx;
    }
    return label + spacing;
}

std::string singleOf(const std::string& label) {
    std::string s = spaced(label, "");
    for (const char* suffix : {"LLBB", "SLBB"}) {
        const std::string sfx = suffix;
        if (s.size() > sfx.size() && s.compare(s.size() - sfx.size(), sfx.size(), sfx) == 0)
            s.erase(s.size() - sfx.size());
    }
    return s.substr(1);  // "2L..." -> "L..."
}

TEST(SteelTablesDatabase, AngleRowsMatchTheirDatabaseRows) {
    SKIP_WITHOUT_DATABASE();
    const std::vector<Check> single = withSection({{"xbar", &SectionRecord::xbar, "x"},
                                                   {"ybar", &SectionRecord::ybar, "y"},
                                                   {"rzz", &SectionRecord::rzz, "rz"},
                                                   {"J", &SectionRecord::J, "J"},
                                                   {"Cw", &SectionRecord::Cw, "Cw"}});
    const std::vector<Check> pair = {{"weight", &SectionRecord::weight, "W"}, {"A", &SectionRecord::A, "A"},
                                     {"ybar", &SectionRecord::ybar, "y"},     {"Ixx", &SectionRecord::Ixx, "Ix"},
                                     {"Sxx", &SectionRecord::Sxx, "Sx"},      {"rxx", &SectionRecord::rxx, "rx"},
                                     {"ryy0", &SectionRecord::ryy0, "ry"},    {"ro0", &SectionRecord::ro0, "ro"},
                                     {"H0", &SectionRecord::H0, "H"}};
    const std::vector<Check> at38 = {{"ryy38", &SectionRecord::ryy38, "ry"},
                                     {"ro38", &SectionRecord::ro38, "ro"},
                                     {"H38", &SectionRecord::H38, "H"}};
    const std::vector<Check> at34 = {{"ryy34", &SectionRecord::ryy34, "ry"},
                                     {"ro34", &SectionRecord::ro34, "ro"},
                                     {"H34", &SectionRecord::H34, "H"}};
    const std::vector<Check> ofOne = {{"rzz", &SectionRecord::rzz, "rz"},
                                      {"J", &SectionRecord::J, "J"},
                                      {"Cw", &SectionRecord::Cw, "Cw"}};
    int compared = 0;
    for (int i = 0; i < rowCount(ShapeTable::Angle); ++i) {
        const RowSource& s = *rowSource(ShapeTable::Angle, i);
        const SectionRecord& r = *sectionRow(ShapeTable::Angle, i);
        if (s.origin != RowOrigin::Database) continue;
        const Row* db = database().find(s.label);
        ASSERT_NE(db, nullptr) << s.label;
        double t = 0;
        ASSERT_TRUE(value(*db, "t", t));
        EXPECT_NEAR(r.t, t, 0.006) << s.label;
        if (!isDoubleAngleRow(i)) {
            compare(ShapeTable::Angle, i, r, s, *db, single);
        } else {
            compare(ShapeTable::Angle, i, r, s, *db, pair);
            const Row* db38 = database().find(spaced(s.label, "X3/8"));
            const Row* db34 = database().find(spaced(s.label, "X3/4"));
            const Row* one = database().find(singleOf(s.label));
            ASSERT_NE(db38, nullptr) << s.label;
            ASSERT_NE(db34, nullptr) << s.label;
            ASSERT_NE(one, nullptr) << s.label;
            compare(ShapeTable::Angle, i, r, s, *db38, at38);
            compare(ShapeTable::Angle, i, r, s, *db34, at34);
            compare(ShapeTable::Angle, i, r, s, *one, ofOne);
        }
        ++compared;
    }
    EXPECT_EQ(compared, 257);
}

TEST(SteelTablesDatabase, TubeRowsMatchTheirDatabaseRows) {
    SKIP_WITHOUT_DATABASE();
    const auto checks = withSection({{"d", &SectionRecord::d, "Ht"},
                                     {"t", &SectionRecord::t, "tdes"},
                                     {"b", &SectionRecord::b, "B"},
                                     {"bt", &SectionRecord::bt, "b/tdes"},
                                     {"ht", &SectionRecord::ht, "h/tdes"},
                                     {"J", &SectionRecord::J, "J"},
                                     {"C", &SectionRecord::C, "C"}});
    int compared = 0;
    for (int i = 0; i < rowCount(ShapeTable::Tube); ++i) {
        const RowSource& s = *rowSource(ShapeTable::Tube, i);
        if (s.origin != RowOrigin::Database) {
            // Computed rows are sizes the database does not carry.
            std::string us = usDesignation(ShapeTable::Tube, i);
            EXPECT_EQ(std::string(s.label), "") << us;
            continue;
        }
        const Row* db = database().find(s.label);
        ASSERT_NE(db, nullptr) << s.label;
        compare(ShapeTable::Tube, i, *sectionRow(ShapeTable::Tube, i), s, *db, checks);
        ++compared;
    }
    EXPECT_EQ(compared, 319);
}

TEST(SteelTablesDatabase, PipesUseTheDatabaseDiameterAndNominalWall) {
    SKIP_WITHOUT_DATABASE();
    for (int i = 0; i < rowCount(ShapeTable::Pipe); ++i) {
        const RowSource& s = *rowSource(ShapeTable::Pipe, i);
        const SectionRecord& p = *sectionRow(ShapeTable::Pipe, i);
        if (std::string(s.label).empty()) {
            EXPECT_GT(p.nominal, 12) << usDesignation(ShapeTable::Pipe, i);
            continue;
        }
        const Row* db = database().find(s.label);
        ASSERT_NE(db, nullptr) << s.label;
        double od = 0, tnom = 0, tdes = 0, area = 0;
        ASSERT_TRUE(value(*db, "OD", od));
        ASSERT_TRUE(value(*db, "tnom", tnom));
        ASSERT_TRUE(value(*db, "tdes", tdes));
        ASSERT_TRUE(value(*db, "A", area));
        EXPECT_FLOAT_EQ(p.t, static_cast<float>(tnom)) << s.label;
        EXPECT_NEAR(p.D, od, 0.051) << s.label;  // the database prints three figures
        // The database's own area is for its design wall (0.93 tnom); the ring
        // formula comes within a few per cent of it (its areas are not all exact).
        const double di = p.D - 2 * tdes;
        EXPECT_NEAR(3.14159265358979 / 4 * (p.D * p.D - di * di), area, 0.035 * area) << s.label;
    }
}

}  // namespace
}  // namespace vd

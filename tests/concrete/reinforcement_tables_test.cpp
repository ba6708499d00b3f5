// The reinforcement and fastener sheets: every row, and that they leave the pad alone.
#include <vector>

#include "concrete/reinforcement_tables.h"
#include "frame/commands.h"
#include "test_support.h"

using namespace vd;

namespace {

std::vector<std::string> linesOf(int id) {
  std::vector<std::string> out;
  const ReinforcementTable* t = reinforcementTable(id);
  if (t)
    for (const char* l : t->lines) out.emplace_back(l);
  return out;
}

// Each row as its columns, tab separated; the rows must follow one another in this order.
void expectRows(int id, const std::vector<std::vector<std::string>>& rows) {
  const std::vector<std::string> lines = linesOf(id);
  std::size_t at = 0;
  for (const auto& cols : rows) {
    std::string joined;
    for (std::size_t i = 0; i < cols.size(); ++i) joined += (i ? "\t" : "") + cols[i];
    while (at < lines.size() && lines[at] != joined) ++at;
    EXPECT_LT(at, lines.size()) << id << ": missing or out of order: " << joined;
    at = at < lines.size() ? at + 1 : 0;
  }
}

TEST(ReinforcementTables, BarsInchAndMetric) {
  const ReinforcementTable* t = reinforcementTable(546);
  ASSERT_NE(t, nullptr);
  EXPECT_STREQ(t->title, "ASTM A615 & A706 Standard Reinforcing Bars");
  EXPECT_EQ(linesOf(546)[0], "Bar #\tWeight  Diameter\tArea\tperimeter");
  EXPECT_EQ(linesOf(546)[1], "     \t plf.\t inch\t in^2\t  inch");
  expectRows(546, {{"#3", "0.376", "0.375", "0.11", "1.178"},
                   {"#4", "0.668", "0.500", "0.20", "1.571"},
                   {"#5", "1.043", "0.625", "0.31", "1.963"},
                   {"#6", "1.502", "0.750", "0.44", "2.356"},
                   {"#7", "2.044", "0.875", "0.60", "2.749"},
                   {"#8", "2.670", "1.000", "0.79", "3.142"},
                   {"#9", "3.400", "1.128", "1.00", "3.544"},
                   {"#10", "4.303", "1.270", "1.27", "3.990"},
                   {"#11", "5.313", "1.410", "1.56", "4.430"},
                   {"#14", "7.65", "1.693", "2.25", "5.32"},
                   {"#18", "13.60", "2.257", "4.00", "7.09"},
                   {"#10M", "-.---", "11.3mm", "100mm^2", "-.---"},
                   {"#15M", "-.---", "16.0mm", "200mm^2", "-.---"},
                   {"#20M", "-.---", "19.5mm", "300mm^2", "-.---"},
                   {"#25M", "-.---", "25.2mm", "500mm^2", "-.---"},
                   {"#30M", "-.---", "29.9mm", "700mm^2", "-.---"},
                   {"#35M", "-.---", "35.7mm", "1000mm^1", "-.---"}});
  // Areas agree with the nominal diameters (pi*d^2/4, to the table's two decimals).
  for (const std::string& l : linesOf(546)) {
    double w, d, a;
    if (std::sscanf(l.c_str(), "#%*d\t%lf\t%lf\t%lf", &w, &d, &a) == 3 && l.find('M') == std::string::npos) {
      EXPECT_NEAR(a, 3.14159265 * d * d / 4, 0.006) << l;
    }
  }
}

TEST(ReinforcementTables, WeldedWireFabric) {
  EXPECT_STREQ(reinforcementTable(547)->title, "Common Stock Style of Welded Wire Fabric");
  EXPECT_EQ(linesOf(547)[0], "     ... Style Designation ...\t\t Steel Area (in^2/ft)     Weight Approx.");
  EXPECT_EQ(linesOf(547)[1], "by W-number\t by Wire Gage\tLongit.\t Transv.\t    Lbs./100 Sq. ft");
  expectRows(547, {{"in rolls ..."},
                   {"6x6-W1.4xW1.4", "6x6-10x10", "0.03", "0.03", "21"},
                   {"6x6-W2xW2", "6x6-8x8*", "0.04", "0.04", "29"},
                   {"6x6-W2.9xW2.9", "6x6-6x6", "0.06", "0.06", "42"},
                   {"6x6-W4xW4", "6x6-4x4", "0.08", "0.08", "58"},
                   {"4x4-W1.4xW1.4", "4x4-10x10", "0.04", "0.04", "31"},
                   {"4x4-W2xW2", "4x4-8x8*", "0.06", "0.06", "43"},
                   {"4x4-W2.9xW2.9", "4x4-6x6", "0.09", "0.09", "62"},
                   {"4x4-W4xW4", "4x4-4x4", "0.12", "0.12", "86"},
                   {"in sheets ..."},
                   {"6x6-W2.9xW2.9", "6x6-6x6", "0.06", "0.06", "42"},
                   {"6x6-W2.9xW2.9", "6x6-4x4", "0.08", "0.08", "58"},
                   {"6x6-W5.5xW5.5", "6x6-2x2**", "0.11", "0.11", "80"},
                   {"4x4-W4xW4", "4x4-4x4", "0.12", "0.12", "86"}});
}

TEST(ReinforcementTables, GagesScrewsAndAnchors) {
  EXPECT_STREQ(reinforcementTable(2429)->title, "U.S. Standard Wire and Sheet Metal Gages, UBC std. p3-538");
  EXPECT_EQ(linesOf(2429)[0], " Gage No.   nor. thickness        min. thickness (inch)  ");
  expectRows(2429, {{"4", "0.2242", "none"},
                    {"6", "0.1943", "none"},
                    {"8", "0.1644", "0.156"},
                    {"10", "0.1345", "0.127"},
                    {"12", "0.1046", "0.097"},
                    {"14", "0.0747", "0.068"},
                    {"16", "0.0598", "0.055"},
                    {"18", "0.0478", "0.044"},
                    {"20", "0.0359", "0.033"},
                    {"22", "0.0299", "0.027"},
                    {"24", "0.0239", "0.021"},
                    {"26", "0.0179", "0.016"},
                    {"28", "0.0149", "0.013"}});
  EXPECT_STREQ(reinforcementTable(25551)->title, "Type AB Self Tapping Screws");
  EXPECT_EQ(linesOf(25551)[0], " Size No.  dia.  /in.   dia.     dia (inch)  ");
  expectRows(25551, {{"4", "0.1120", "24", "0.110", "0.082"},
                     {"6", "0.1380", "20", "0.135", "0.099"},
                     {"7", "0.1550", "00", "0.151", "0.0"},
                     {"8", "0.1644", "18", "0.161", "0.116"},
                     {"10", "0.1900", "16", "0.183", "0.135"},
                     {"12", "0.2160", "14", "0.209", "0.157"},
                     {"1/4", "0.2500", "14", "0.240", "0.185"},
                     {"5/16", "0.3125", "12", "0.306", "0.236"},
                     {"3/8", "0.3750", "12", "0.371", "0.299"}});
  EXPECT_STREQ(reinforcementTable(507)->title, "Carbon Steel Kwik Bolt-II");
  EXPECT_EQ(linesOf(507)[0], "f'c=3,000 psi                        Tension                          Shear");
  EXPECT_EQ(linesOf(507)[1], "dia x length      with inspection    w/o inspection     ");
  expectRows(507, {{"3/8\" x 3\"", "1 210 lb", "605 lb", "1,100 lb"},
                   {"1/2\" x 4\"", "2,000 lb", "1,000 lb", "1,840 lb"},
                   {"5/8\" x 5\"", "2,670 lb", "1,355 lb", "3,125 lb"},
                   {"3/4\" x 6\"", "3,625 lb", "1,940 lb", "4,255 lb"},
                   {"1\" x 8\"", "5,310 lb", "2,655 lb", "8,625 lb"}});
}

TEST(ReinforcementTables, EachSheetIsFramedByRules) {
  for (int id : {546, 547, 2429, 25551, 507}) {
    const std::vector<std::string> lines = linesOf(id);
    ASSERT_GE(lines.size(), 4u) << id;
    EXPECT_EQ(lines.back().find_first_not_of('-'), std::string::npos) << id;
    int rules = 0;
    for (const std::string& l : lines) rules += l.find_first_not_of('-') == std::string::npos;
    EXPECT_EQ(rules, 2) << id;
    // The template matches the command's.
    EXPECT_STREQ(reinforcementTable(id)->templateName, findCommand(id)->templateName) << id;
  }
  EXPECT_EQ(reinforcementTable(600), nullptr);
}

class ReinforcementFormTest : public vdtest::ScratchDir {};

TEST_F(ReinforcementFormTest, SheetsOpenAndCloseWithoutTouchingThePad) {
  Settings s(ini());
  ScriptRunner r(s, out_, allForms());
  r.state().report = "\r\n earlier report";
  r.setPadText("\r\n earlier report");
  run(r, "menu Std. Re-bars\npress OK\nmenu Welded Wire Fabric\npress Cancel\nmenu Wire/Sheet Gages\npress OK\n"
         "menu Self Tapping Screws\npress OK\nmenu Kwick Bolt-II\npress OK\n");
  EXPECT_EQ(r.padText(), "\r\n earlier report");
  EXPECT_EQ(r.state().report, "\r\n earlier report");
  EXPECT_EQ(r.currentHost(), nullptr);
}

}  // namespace

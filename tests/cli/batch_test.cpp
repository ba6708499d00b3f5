// Batch runs: the CSV they read and write, and rows that give what the equivalent script gives.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/all_forms.h"
#include "cli/batch_runner.h"
#include "cli/csv.h"
#include "support/cli_run.h"
#include "jobs/job.h"

namespace {

using Records = std::vector<std::vector<std::string>>;

Records fieldsOf(const std::vector<vd::CsvRecord>& records) {
  Records out;
  for (const vd::CsvRecord& r : records) out.push_back(r.fields);
  return out;
}

// A batch run of FORM over TABLE (as t.csv) in a folder of its own; standard error kept apart.
vdtest::CliRun runBatch(const std::string& form, const std::string& table, const std::string& args) {
  return vdtest::runCli("--batch \"" + form + "\" t.csv " + args, "",
                        [&](const std::filesystem::path& dir) { std::ofstream(dir / "t.csv") << table; }, true, true);
}

TEST(BatchCsv, ReadsQuotedFieldsLineEndsAndAByteOrderMark) {
  struct Case {
    const char* text;
    Records records;
    const char* error;  // part of the reason, "" when the text is CSV
  };
  const Case cases[] = {
      {"a,b\n1,2\n", {{"a", "b"}, {"1", "2"}}, ""},
      {"a,b\r\n1,2", {{"a", "b"}, {"1", "2"}}, ""},
      {"\xEF\xBB\xBFmark,x\r\n", {{"mark", "x"}}, ""},
      {"\"B-1, east\",\"say \"\"hi\"\"\",\n", {{"B-1, east", "say \"hi\"", ""}}, ""},
      {"\"two\r\nlines\",x\n\ny\n", {{"two\r\nlines", "x"}, {""}, {"y"}}, ""},
      {",,\n", {{"", "", ""}}, ""},
      {"a\n\"open,\n\nstill", {}, "line 2: a quoted field is not closed"},
      {"a\n\"x\"y,1\n", {}, "line 2: text after the closing quote"},
      {"\"a\r\nb\"\r\n1,2\"3\n", {}, "line 3: a quote inside a field"},
  };
  for (const Case& c : cases) {
    std::vector<vd::CsvRecord> records;
    const std::string why = vd::parseCsv(c.text, records);
    if (*c.error) {
      EXPECT_NE(why.find(c.error), std::string::npos) << c.text << " -> " << why;
    } else {
      EXPECT_EQ(why, "") << c.text;
      EXPECT_EQ(fieldsOf(records), c.records) << c.text;
    }
  }
}

TEST(BatchCsv, WritesFieldsThatReadBackAsThemselves) {
  const std::vector<std::string> fields = {"plain", "", "a,b", "say \"hi\"", "two\nlines", " padded ", "-0.75"};
  const std::string line = vd::csvLine(fields);
  EXPECT_EQ(line, "plain,,\"a,b\",\"say \"\"hi\"\"\",\"two\nlines\",\" padded \",-0.75\n");
  std::vector<vd::CsvRecord> back;
  ASSERT_EQ(vd::parseCsv(line, back), "");
  EXPECT_EQ(fieldsOf(back), Records{fields});
}

TEST(BatchReports, FileNamesStayInTheirFolder) {
  const std::pair<const char*, const char*> cases[] = {
      {"B-101", "007-B-101.txt"},   {"", "007.txt"},
      {"../../etc/passwd", "007-._._etc_passwd.txt"}, {"B 1/2, east", "007-B_1_2_east.txt"},
      {"..", "007-..txt"},
  };
  for (const auto& [mark, name] : cases) EXPECT_EQ(vd::reportFileName(7, mark), name) << mark;
  EXPECT_EQ(vd::reportFileName(1234, "x"), "1234-x.txt");
}

// The flexure form's fields as the tables below name them.
constexpr const char* kHeader = "mark,section,Shape family,LRFD,Moment,Shear,Unbraced length Lb,Cb,Lv,Span,Live load\n";

// Each row as a script types it: the choices, the fields, the mark, then the section or the search.
std::string scriptFor(const std::vector<std::string>& cells) {
  static const char* const labels[] = {"", "", "", "", "Moment", "Shear", "Unbraced length Lb", "Cb", "Lv", "Span",
                                       "Live load"};
  std::string s = "menu Steel Flexure AISC 360-22\npick " + cells[2] + "\nchoose LRFD\n";
  for (std::size_t j = 4; j < cells.size(); ++j)
    if (j != 8 || !cells[j].empty()) s += "set \"" + std::string(labels[j]) + "\" " + cells[j] + "\n";
  s += "set \"Location of this member\" " + cells[0] + "\n";
  s += cells[1].empty() ? "press Lightest\n" : "pick " + cells[1] + "\n";
  return s + "press OK\n";
}

TEST(Batch, RowsGiveWhatTheirScriptsGiveWithReportsAndJob) {
  const std::string table = std::string(kHeader) +
                            "B-1,W18X35,W,on,120,25,8,1.14,,24,0.8\n"
                            "B-2,,W,on,150,30,0,1,,28,1.0\n"
                            "\"B-3, \"\"east\"\"\",W12X14,W,on,300,25,30,1,,24,0.8\n"
                            "B-4,HSS6.625X0.280,HSS (round),on,20,10,6,1,4,,\n"
                            "B-5,,W,on,200,40,10,1.0,,,\n";
  const vdtest::CliRun r =
      runBatch("Steel Flexure AISC 360-22", table, "--job j.vardelin --lightest --reports rep");
  ASSERT_EQ(r.status, 0) << r.out << r.err;
  const std::filesystem::path& dir = r.dir;
  EXPECT_FALSE(std::filesystem::exists(dir / "t.ini")) << "a batch keeps its rows' inputs to itself";

  std::vector<vd::CsvRecord> in, out;
  ASSERT_EQ(vd::parseCsv(table, in), "");
  ASSERT_EQ(vd::parseCsv(r.out, out), "");
  ASSERT_EQ(out.size(), in.size());
  EXPECT_EQ(out[0].fields.back(), "rows found");
  const auto job = vd::Job::open(dir / "j.vardelin");
  ASSERT_EQ(job->count(), 5);
  for (std::size_t i = 1; i < in.size(); ++i) {
    const std::vector<std::string>& cells = in[i].fields;
    SCOPED_TRACE(cells[0]);
    vd::Settings settings(dir / ("script" + std::to_string(i) + ".ini"));
    std::ostringstream printed, err;
    vd::ScriptRunner runner(settings, printed, vd::allForms());
    std::istringstream script(scriptFor(cells));
    ASSERT_EQ(runner.runScript(script, err), 0) << err.str();
    const vd::DesignResult& expected = runner.state().result;
    const std::vector<std::string>& got = out[i].fields;
    // mark, section, the nine inputs, ratio, verdict, check, chosen section, rows found
    ASSERT_EQ(got.size(), 16u);
    EXPECT_EQ(std::vector<std::string>(got.begin(), got.begin() + 11), cells);
    EXPECT_EQ(got[11], vd::format("%.3f", expected.ratio));
    EXPECT_EQ(got[12], expected.ok ? "OK" : "NO GOOD");
    EXPECT_EQ(got[13], expected.governing);
    EXPECT_EQ(got[15].empty(), !cells[1].empty()) << "the rows found, for a searched row only";
    EXPECT_EQ(r.file("rep/" + vd::reportFileName(static_cast<int>(i), cells[0])), runner.padText());
    EXPECT_EQ(job->get(static_cast<int>(i)).mark, cells[0]);
    EXPECT_EQ(job->get(static_cast<int>(i)).report, runner.padText());
  }
  // The hand-checked outcomes behind the comparison: B-3 (300 kip-ft on a W12x14 braced at 30 ft) fails,
  // the others pass; the searched rows chose a section.
  EXPECT_EQ(out[3].fields[12], "NO GOOD");
  EXPECT_EQ(out[1].fields[12], "OK");
  EXPECT_EQ(out[2].fields[14], "W18X40");
}

// Each bad row says why on its own line of the output table and the good row after it still runs; a
// table that cannot be read at all stops the batch with status 2.
TEST(Batch, MalformedRowsSayWhyAndTheOthersStillRun) {
  struct Case {
    const char* name;
    std::string table;     // the rows under kHeader, before the good row; or a whole table of its own
    const char* args;
    int status;
    const char* says;      // on standard output (a row) or standard error
    int calculatedRows;    // rows with OK or NO GOOD (the good row last included)
    const char* form = "Steel Flexure AISC 360-22";
  };
  const std::string good = "B-9,W18x35,W,on,120,25,8,1.14,,24,0.8\n";
  const Case cases[] = {
      {"not a number", "B-1,W18x35,W,on,12O,25,8,1,,24,0.8\n", "", 1,
       "B-1,W18x35,W,on,12O,25,8,1,,24,0.8,,ERROR,\"Moment: \"\"12O\"\" is not a number", 1},
      {"unknown section", "B-1,W18x51,W,on,120,25,8,1,,24,0.8\n", "", 1, "section: no section \"\"W18x51\"\"", 1},
      {"unknown family", "B-1,W18x35,Z,on,120,25,8,1,,24,0.8\n", "", 1, "Shape family: no row \"\"Z\"\" in the list", 1},
      {"grayed field given", "B-1,W18x35,W,on,120,25,8,1,5,24,0.8\n", "", 1, "Lv: the field is grayed", 1},
      {"refused inputs", "B-1,W18x35,W,on,120,25,8,1,,24,\n", "", 1, "Give both the span and the live load", 1},
      {"short row", "B-1,W18x35,W\n", "", 1, "row: line 2 has 3 cells, the header 11", 1},
      {"empty section without search", "B-1,,W,on,120,25,8,1,,24,0.8\n", "", 1, "give a section, or run with --lightest", 1},
      {"no section passes", "B-1,,W,on,90000,25,8,1,,24,0.8\n", "--lightest", 0, ",NO GOOD,no section passes,", 2},
      {"unknown column", "mark,Moment,Bogus\nB-1,1,2\n", "", 2, "\"Bogus\": no such control: Bogus", 0},
      {"not CSV", "B-1,\"W18x35,W\n", "", 2, "the table is not CSV: line 2: a quoted field is not closed", 0},
      {"unknown form", "", "", 2, "no such menu item: Steel Flexure", 0, "Steel Flexure"},
      // A form without a Lightest button: the row that needs the search says so, the other one runs.
      {"form without Lightest",
       "mark,section,Fy,\"N, side along the web\",\"B, side along the flange\",side along N,side along B,f'c,"
       "\"P, axial\"\nC-1,,36,14,14,20,20,3,200\nC-2,W10X49,36,14,14,20,20,3,200\n",
       "--lightest", 1,
       "C-1,,36,14,14,20,20,3,200,,ERROR,\"section: the form has no \"\"Lightest\"\" button", 1, "Base Plate for WF"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const bool own = c.table.starts_with("mark,");
    const vdtest::CliRun r = runBatch(c.form, own ? c.table : kHeader + c.table + good, c.args);
    EXPECT_EQ(r.status, c.status) << r.out << r.err;
    EXPECT_NE((r.out + r.err).find(c.says), std::string::npos) << r.out << r.err;
    int calculated = 0;
    for (const char* v : {",OK,", ",NO GOOD,"})
      for (std::size_t at = r.out.find(v); at != std::string::npos; at = r.out.find(v, at + 1)) ++calculated;
    EXPECT_EQ(calculated, c.calculatedRows) << r.out;
  }
}

}  // namespace

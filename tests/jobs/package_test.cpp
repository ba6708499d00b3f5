// The example job's package, made by the real program from examples/jobs/warehouse.script (left in
// the test folder as warehouse.pdf), read back with pdftotext: cover, index page numbers that match
// the pages, every report line, and the header and "Page n of N" on every page.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "jobs/job.h"
#include "support/cli_run.h"

namespace {

using vdtest::capture;

// Text without blanks or continuation marks: a wrapped line reads as the line it was.
std::string squeeze(const std::string& s) {
  std::string out;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    if (c == 0xC2 && i + 1 < s.size() && static_cast<unsigned char>(s[i + 1]) == 0xBB) {
      ++i;
      continue;
    }
    if (!std::isspace(c)) out += s[i];
  }
  return out;
}

TEST(Package, ExampleJobPackageReadsBack) {
  std::filesystem::remove("warehouse.vardelin");
  std::filesystem::remove("warehouse.pdf");
  std::filesystem::remove("warehouse.ini");
  const std::string script = std::string(VD_SOURCE_DIR) + "/examples/jobs/warehouse.script";
  const std::string out =
      capture(std::string(VD_CLI) + " --settings warehouse.ini --job warehouse.vardelin " + script + " 2>&1");
  EXPECT_NE(out.find("Rerun of 5 calculations: 0 changed."), std::string::npos) << out;
  ASSERT_TRUE(std::filesystem::exists("warehouse.pdf")) << out;

  EXPECT_NE(capture("pdfinfo warehouse.pdf").find("Warehouse addition 24-117"), std::string::npos);
  const std::string text = capture("pdftotext -layout warehouse.pdf -");
  std::vector<std::string> pages;
  std::size_t start = 0;
  for (std::size_t ff; (ff = text.find('\f', start)) != std::string::npos; start = ff + 1)
    pages.push_back(text.substr(start, ff - start));
  const int total = static_cast<int>(pages.size());
  ASSERT_GE(total, 7);
  for (int i = 0; i < total; ++i) {
    const std::string& page = pages[static_cast<std::size_t>(i)];
    EXPECT_NE(page.find("Page " + std::to_string(i + 1) + " of " + std::to_string(total)), std::string::npos) << i + 1;
    EXPECT_NE(page.find("Warehouse addition"), std::string::npos) << i + 1;
    EXPECT_NE(page.find("Job No. 24-117"), std::string::npos) << i + 1;
    EXPECT_NE(page.find("Engineer: A. Engineer, P.E."), std::string::npos) << i + 1;
  }
  for (const char* s : {"CALCULATION PACKAGE", "Harbor Logistics", "100 Dock Street", "AISC ASD, 9th edition",
                        "NDS 1991", "Steel to AISC ASD 9th edition"})
    EXPECT_NE(pages[0].find(s), std::string::npos) << s;

  // The index: each calculation's row names the page its text starts on.
  const auto job = vd::Job::open("warehouse.vardelin", false);
  const std::vector<vd::Calculation> calcs = job->all();
  ASSERT_EQ(calcs.size(), 5u);
  const std::string index = capture("pdftotext -layout -f 2 -l 2 warehouse.pdf -");
  std::string all;
  for (const vd::Calculation& c : calcs) {
    SCOPED_TRACE(c.commandText);
    const std::regex row("\\n" + std::to_string(c.number) + " .*(OK|NO GOOD|-) +([0-9]+)\\n");
    std::smatch m;
    ASSERT_TRUE(std::regex_search(index, m, row)) << index;
    const int page = std::stoi(m[2].str());
    ASSERT_LE(page, total);
    EXPECT_NE(pages[static_cast<std::size_t>(page - 1)].find("Calculation " + std::to_string(c.number) + ": " + c.commandText),
              std::string::npos);
    if (page > 1) {
      EXPECT_EQ(pages[static_cast<std::size_t>(page - 2)].find("Calculation " + std::to_string(c.number) + ":"),
                std::string::npos);
    }
    // Every line of its report, from its first page on.
    std::string rest;
    for (int p = page; p <= total; ++p) rest += pages[static_cast<std::size_t>(p - 1)];
    const std::string squeezed = squeeze(rest);
    std::size_t from = 0, lineStart = 0;
    while (lineStart < c.report.size()) {
      std::size_t end = c.report.find('\n', lineStart);
      if (end == std::string::npos) end = c.report.size();
      const std::string line = squeeze(c.report.substr(lineStart, end - lineStart));
      lineStart = end + 1;
      if (line.empty()) continue;
      const std::size_t at = squeezed.find(line, from);
      EXPECT_NE(at, std::string::npos) << "missing: " << line;
      if (at != std::string::npos) from = at + line.size();
    }
  }
  // No ligature splits a word that text search must find.
  EXPECT_NE(text.find("Deflection"), std::string::npos);
}

}  // namespace

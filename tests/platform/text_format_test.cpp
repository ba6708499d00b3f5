#include <gtest/gtest.h>

#include <optional>

#include <unistd.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/text_format.h"

using namespace vd;

namespace {

std::string cFormat(const char* fmt, double v) {
  char buf[512];
  std::snprintf(buf, sizeof buf, fmt, v);
  return buf;
}

TEST(Format, MatchesCPrintfOnReportFormats) {
  const double values[] = {0.0, -0.0, 1.005, 2.675, 1023.9375, -12.3456, 1e-7, 123456789.125, 0.5, 1.5, 2.5};
  const char* formats[] = {"%.2f", "%.3f", "%.2lf", "%.3lf", "%.0f", "%.4f", "%10.2f", "%-8.1f", "%g", "%.10g", "%e"};
  for (const char* f : formats)
    for (double v : values) EXPECT_EQ(format(f, v), cFormat(f, v)) << f << " " << v;
  EXPECT_EQ(format("%i'-%d", 3, -4), "3'--4");
  EXPECT_EQ(format("%10s|", "abc"), "       abc|");
  EXPECT_EQ(format("%-10s|", "abc"), "abc       |");
  EXPECT_EQ(format("%.2f%%", 87.456), "87.46%");
  EXPECT_EQ(format("%4d", 7), "   7");
}

TEST(Format, LongTextsAreNeverCut) {
  std::string big(20000, 'x');
  EXPECT_EQ(format("[%s]", big.c_str()).size(), 20002u);
  std::string report = "\r\n head";
  appendf(appendf(report, "\r\n Fy = %.2f ksi", 50.0), "\r\n%s", big.c_str());
  EXPECT_EQ(report.substr(0, 24), "\r\n head\r\n Fy = 50.00 ksi");
  EXPECT_EQ(report.size(), 24u + 2 + 20000);
}

// Makes a locale with a decimal comma current for the whole process, as the desktop toolkit does
// with the user's locale at start. Builds one with localedef when the system has none installed.
bool useCommaLocale(const std::filesystem::path& scratch) {
  auto tryLocale = [](const char* name) {
    return std::setlocale(LC_ALL, name) && std::localeconv()->decimal_point[0] == ',';
  };
  for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8"})
    if (tryLocale(name)) return true;
  std::filesystem::create_directories(scratch);
  const std::string build = "localedef -i de_DE -f UTF-8 " + (scratch / "de_DE.UTF-8").string() + " >/dev/null 2>&1";
  if (std::system(build.c_str()) != 0) return false;
  ::setenv("LOCPATH", scratch.c_str(), 1);
  return tryLocale("de_DE.UTF-8");
}

TEST(Format, DecimalPointWhateverTheUsersLocale) {
  const auto scratch = std::filesystem::temp_directory_path() / ("vd_locale_" + std::to_string(::getpid()));
  const bool comma = useCommaLocale(scratch);
  std::string formatted, general, stored;
  double read = 0.0, readComma = 0.0;
  if (comma) {
    formatted = format("%.2f kip", 3.25);
    general = format("%.10g", 1023.9375);
    stored = format("%.3lf", 0.5);
    read = parseNumber("3.5");
    readComma = parseNumber("3,5");
  }
  std::setlocale(LC_ALL, "C");
  ::unsetenv("LOCPATH");
  std::filesystem::remove_all(scratch);
  if (!comma) GTEST_SKIP() << "no locale with a decimal comma on this system";
  EXPECT_EQ(formatted, "3.25 kip");
  EXPECT_EQ(general, "1023.9375");
  EXPECT_EQ(stored, "0.500");
  EXPECT_EQ(read, 3.5);
  EXPECT_EQ(readComma, 3.0);  // a comma ends the number, as in every other locale
}

// The leading number of a text, 0 where there is none; never a non-finite value, nor hexadecimal.
TEST(ParseNumber, LeadingNumberOrZero) {
  const struct {
    const char* text;
    double value;
  } cases[] = {{"12.5", 12.5}, {"  -3.25kip", -3.25}, {"+.5", 0.5},    {"5.", 5.0},        {"1e3", 1000.0},
               {"2e", 2.0},     {"2e+", 2.0},          {"", 0.0},       {"abc", 0.0},       {".", 0.0},
               {"-", 0.0},      {"nan", 0.0},          {"NaN", 0.0},    {"inf", 0.0},       {"-inf", 0.0},
               {"infinity", 0}, {"1e999", 0.0},        {"-1e400", 0.0}, {"0x1p3", 0.0},     {"1e308", 1e308}};
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(parseNumber(c.text), c.value) << '"' << c.text << '"';
  EXPECT_DOUBLE_EQ(parseNumber("123456789012", 9), 123456789.0);  // at most maxChars
  EXPECT_DOUBLE_EQ(parseNumber("1.5e10", 3), 1.5);
  const std::pair<const char*, int> ints[] = {{"42", 42}, {"-17abc", -17}, {"3.9", 3}, {"x5", 0},
                                              {"99999999999999999999", 2147483647},
                                              {"-99999999999999999999", -2147483647 - 1}};
  for (const auto& [text, value] : ints) EXPECT_EQ(parseInt(text), value) << text;
}

// A field is a number and nothing else: a decimal comma, a unit mark, a non-finite value or a slip below
// a millionth is refused, not read as its leading digits.
TEST(ParseField, WholeNumbersOnly) {
  const struct {
    const char* text;
    std::optional<double> value;
  } cases[] = {{" 12.5 ", 12.5}, {"-3", -3.0}, {"0", 0.0},           {"2.5e3", 2500.0},
               {"1,5", std::nullopt}, {"12'", std::nullopt}, {"3 4", std::nullopt}, {"", std::nullopt},
               {"1e400", std::nullopt}, {"1e-7", std::nullopt}};
  for (const auto& c : cases) EXPECT_EQ(parseField(c.text), c.value) << '"' << c.text << '"';
}

TEST(LineEnds, RoundTrip) {
  EXPECT_EQ(toCrLf("a\nb\r\nc"), "a\r\nb\r\nc");
  EXPECT_EQ(fromCrLf("a\r\nb\rc\r\n"), "a\nb\rc\n");
  EXPECT_EQ(cutToCapacity("abcdef", 4), "abc");
  EXPECT_EQ(cutToCapacity("ab", 0), "");
}

}  // namespace

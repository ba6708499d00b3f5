#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
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

TEST(ParseNumber, LeadingNumberOrZero) {
  EXPECT_DOUBLE_EQ(parseNumber("12.5"), 12.5);
  EXPECT_DOUBLE_EQ(parseNumber("  -3.25kip"), -3.25);
  EXPECT_DOUBLE_EQ(parseNumber("+.5"), 0.5);
  EXPECT_DOUBLE_EQ(parseNumber("5."), 5.0);
  EXPECT_DOUBLE_EQ(parseNumber("1e3"), 1000.0);
  EXPECT_DOUBLE_EQ(parseNumber("2e"), 2.0);
  EXPECT_DOUBLE_EQ(parseNumber("2e+"), 2.0);
  EXPECT_DOUBLE_EQ(parseNumber(""), 0.0);
  EXPECT_DOUBLE_EQ(parseNumber("abc"), 0.0);
  EXPECT_DOUBLE_EQ(parseNumber("."), 0.0);
  EXPECT_DOUBLE_EQ(parseNumber("-"), 0.0);
}

TEST(ParseNumber, NeverGivesNonFiniteValues) {
  for (const char* t : {"nan", "NaN", "inf", "-inf", "infinity", "1e999", "-1e400", "0x1p3"})
    EXPECT_TRUE(std::isfinite(parseNumber(t))) << t;
  EXPECT_DOUBLE_EQ(parseNumber("1e999"), 0.0);
  EXPECT_DOUBLE_EQ(parseNumber("0x1p3"), 0.0);  // hexadecimal is not a field's number
  EXPECT_DOUBLE_EQ(parseNumber("1e308"), 1e308);
}

TEST(ParseNumber, ReadsAtMostMaxChars) {
  EXPECT_DOUBLE_EQ(parseNumber("123456789012", 9), 123456789.0);
  EXPECT_DOUBLE_EQ(parseNumber("1.5e10", 3), 1.5);
}

TEST(ParseInt, SignAndDigits) {
  EXPECT_EQ(parseInt("42"), 42);
  EXPECT_EQ(parseInt("-17abc"), -17);
  EXPECT_EQ(parseInt("3.9"), 3);
  EXPECT_EQ(parseInt("x5"), 0);
  EXPECT_EQ(parseInt("99999999999999999999"), 2147483647);
  EXPECT_EQ(parseInt("-99999999999999999999"), -2147483647 - 1);
}

TEST(LineEnds, RoundTrip) {
  EXPECT_EQ(toCrLf("a\nb\r\nc"), "a\r\nb\r\nc");
  EXPECT_EQ(fromCrLf("a\r\nb\rc\r\n"), "a\nb\rc\n");
  EXPECT_EQ(cutToCapacity("abcdef", 4), "abc");
  EXPECT_EQ(cutToCapacity("ab", 0), "");
}

}  // namespace

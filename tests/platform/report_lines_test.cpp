// The summary line every design report ends with: the verdict, the governing ratio and check.
#include <gtest/gtest.h>

#include "platform/report_lines.h"

using namespace vd;

TEST(DesignResult, SummaryShowsTheDigitsThatMakeAFailingRatioFail) {
  const struct {
    double ratio;
    bool passed;
    const char* expected;
  } cases[] = {
      {0.874, true, " Result: OK, ratio 0.87 (governed by bending)\r\n"},
      {0.998, true, " Result: OK, ratio 1.00 (governed by bending)\r\n"},
      // le/d 50.08 against 50: "1.00" beside NO GOOD would read as a pass.
      {1.0016, false, " Result: NO GOOD, ratio 1.002 (governed by bending)\r\n"},
      {1.00004, false, " Result: NO GOOD, ratio 1.00004 (governed by bending)\r\n"},
      {1.0, false, " Result: NO GOOD, ratio 1.00 (governed by bending)\r\n"},  // equal to the limit, as ASD rules it
      {1.2345, false, " Result: NO GOOD, ratio 1.23 (governed by bending)\r\n"},
      {2.0e9, false, " Result: NO GOOD, ratio N.A. (governed by bending)\r\n"},
  };
  for (const auto& c : cases) {
    DesignResult r;
    r.check(c.ratio, c.passed, "bending");
    EXPECT_EQ(r.summaryLine(), c.expected) << c.ratio;
  }
  EXPECT_EQ(DesignResult{}.summaryLine(), "");
}

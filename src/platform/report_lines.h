#pragma once
// Report lines every design calculation shares, and its result kept as data beside the text.
#include <cmath>
#include <string>

namespace vd {

// 4 * atan(1), the value every steel and wood routine uses for pi.
inline const double kPi = 4.0 * std::atan(1.0);

// The larger/smaller of two; on a tie the second argument.
inline double largerOf(double a, double b) { return a <= b ? b : a; }
inline double smallerOf(double a, double b) { return a >= b ? b : a; }

// One report line comparing a design value with its limit. Strictly below the limit is OK; equal or
// above is NO GOOD.
std::string ratioLine(double value, double limit, const char* valueName, const char* limitName, const char* unit);
// One report line for a quantity that must reach a minimum (a steel area, a clear spacing): equal to the
// minimum or above is OK, below is NO GOOD.
std::string minimumLine(double provided, double minimum, const char* providedName, const char* minimumName,
                        const char* unit);

// Limits a value to [lo, hi] and returns the value used. When it had to, the note line that says so
// (" Note: Cb = 3.00 was limited to 2.30 (rule).\r\n") is appended to `notes`, for the report to print
// beside the value used.
double limitValue(double value, double lo, double hi, const char* name, const char* unit, const char* rule,
                  std::string& notes);

// The outcome of a design calculation as data: the verdict, the governing demand/capacity ratio and the
// check that governs. Jobs, batch runs and the lightest-section search read this, never report text.
struct DesignResult {
  bool checked = false;   // at least one check was recorded
  bool ok = true;         // every recorded check passed
  double ratio = 0.0;     // the largest ratio recorded
  std::string governing;  // the check with that ratio ("bending, Eq. F1-8")

  // Records one check. The largest ratio governs; a failing check makes the whole verdict NO GOOD, and a
  // failing check without a ratio (a limit that is not a capacity, e.g. a width-thickness ratio) governs
  // over passing ones.
  void check(double demandOverCapacity, bool passed, const std::string& name);
  // Records value / limit with the ratioLine rule (OK strictly below the limit) and returns its line.
  std::string ratioLine(double value, double limit, const char* valueName, const char* limitName, const char* unit,
                        const std::string& name);

  // Records minimum / provided with the minimumLine rule (OK at or above the minimum) and returns its line.
  std::string minimumLine(double provided, double minimum, const char* providedName, const char* minimumName,
                          const char* unit, const std::string& name);

  // " Result: OK, ratio 0.87 (governed by bending, Eq. F1-8)\r\n"; "" when nothing was checked.
  std::string summaryLine() const;
};

}  // namespace vd

#include "wood/wood_report.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "platform/text_format.h"

namespace vd {

std::string percentLine(const char* fmt, double value, double limit) {
  const double percent = value / limit * 100.0;
  if (limit > 0.0 && std::isfinite(percent)) return format(fmt, percent);
  const std::string_view f(fmt);
  const std::size_t eq = f.find("=%");
  return std::string(f.substr(0, eq == std::string_view::npos ? f.size() : eq + 1)) + " ---  (no capacity)\r\n";
}

double smallerRoot(double half, double q) {
  // Within any real member the textbook form is exact to far more places than are printed.
  if (half <= 1e8) return std::max(0.0, half - std::sqrt(half * half - q));
  // A very short unbraced length makes both terms huge: their difference would be lost to
  // rounding (and half^2 may overflow), so the same root is taken as q / (half + sqrt(...)).
  const double root = half * std::sqrt(std::max(0.0, 1.0 - q / half / half));
  return std::max(0.0, q / (half + root));
}

void recordRatio(DesignResult& result, double value, double limit, const std::string& name) {
  result.check(limit != 0.0 ? value / limit : (value > 0.0 ? 1.0e9 : 0.0), value < limit, name);
}

std::string slendernessLimitLine(DesignResult& result, double R_B) {
  const bool ok = R_B <= 50.0;
  result.check(R_B / 50.0, ok, "stability, NDS 3.3.3.7 R_B");
  if (ok) return format("\r\n\t NDS 3.3.3.7  R_B (=%.2f) <= 50  ... OK", R_B);
  return format(
      "\r\n\t NO GOOD!  NDS 3.3.3.7  R_B (=%.2f) > 50, the slenderness limit of a bending member  ... NO GOOD!", R_B);
}

bool allFinite(std::initializer_list<double> values) {
  for (double v : values)
    if (!std::isfinite(v)) return false;
  return true;
}

}  // namespace vd

#include "wood/wood_report.h"

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

}  // namespace vd

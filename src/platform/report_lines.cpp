#include "platform/report_lines.h"

#include "platform/text_format.h"

namespace vd {

std::string ratioLine(double value, double limit, const char* valueName, const char* limitName, const char* unit) {
  if (value < limit)
    return format("\r\n\t %s (=%.2f %s) < %s (=%.2f %s)  ... OK", valueName, value, unit, limitName, limit, unit);
  return format("\r\n\t NO GOOD!  %s (=%.2f %s) > %s (=%.2f %s)  ... NO GOOD!", valueName, value, unit, limitName,
                limit, unit);
}

double limitValue(double value, double lo, double hi, const char* name, const char* unit, const char* rule,
                  std::string& notes) {
  const double used = value < lo ? lo : (value > hi ? hi : value);
  if (used != value) {
    const std::string u = *unit ? std::string(" ") + unit : std::string();
    appendf(notes, " Note: %s = %.2f%s was limited to %.2f%s (%s).\r\n", name, value, u.c_str(), used, u.c_str(), rule);
  }
  return used;
}

std::string minimumLine(double provided, double minimum, const char* providedName, const char* minimumName,
                        const char* unit) {
  if (provided >= minimum)
    return format("\r\n\t %s (=%.2f %s) >= %s (=%.2f %s)  ... OK", providedName, provided, unit, minimumName, minimum,
                  unit);
  return format("\r\n\t NO GOOD!  %s (=%.2f %s) < %s (=%.2f %s)  ... NO GOOD!", providedName, provided, unit,
                minimumName, minimum, unit);
}

void DesignResult::check(double demandOverCapacity, bool passed, const std::string& name) {
  const double r = std::isfinite(demandOverCapacity) ? demandOverCapacity : 1.0e9;
  // A failing check outranks every passing one, whatever the ratios say.
  const bool takes = !checked || (!passed && ok) || (passed == ok && r > ratio);
  if (takes) {
    ratio = r;
    governing = name;
  }
  if (!passed) ok = false;
  checked = true;
}

std::string DesignResult::ratioLine(double value, double limit, const char* valueName, const char* limitName,
                                    const char* unit, const std::string& name) {
  check(limit != 0.0 ? value / limit : (value > 0.0 ? 1.0e9 : 0.0), value < limit, name);
  return vd::ratioLine(value, limit, valueName, limitName, unit);
}

std::string DesignResult::minimumLine(double provided, double minimum, const char* providedName,
                                      const char* minimumName, const char* unit, const std::string& name) {
  check(provided != 0.0 ? minimum / provided : (minimum > 0.0 ? 1.0e9 : 0.0), provided >= minimum, name);
  return vd::minimumLine(provided, minimum, providedName, minimumName, unit);
}

std::string DesignResult::summaryLine() const {
  if (!checked) return {};
  std::string r = ratio >= 1.0e9 ? std::string("N.A.") : format("%.2f", ratio);
  // A failing ratio just above 1 shows the digits that make it fail: 1.0016 is "1.002", never "1.00".
  for (int digits = 3; !ok && ratio > 1.0 && r == format("%.*f", digits - 1, 1.0) && digits <= 6; ++digits)
    r = format("%.*f", digits, ratio);
  return format(" Result: %s, ratio %s (governed by %s)\r\n", ok ? "OK" : "NO GOOD", r.c_str(), governing.c_str());
}

}  // namespace vd

#include "aisc360/common.h"

#include <cmath>

#include "platform/text_format.h"

namespace vd::aisc360 {

double available(Method m, const Factor& f, double nominal) {
  return m == Method::LRFD ? f.phi * nominal : nominal / f.omega;
}

std::string demandName(Method m, const char* symbol) {
  return format("%s%s", symbol, m == Method::LRFD ? "u" : "a");
}

std::string availableName(Method m, const Factor& f, const char* symbol) {
  return m == Method::LRFD ? format("phi_%s %sn", f.sub, symbol) : format("%sn/Omega_%s", symbol, f.sub);
}

std::string availableLine(Method m, const Factor& f, const char* symbol, double nominal, const char* unit) {
  if (m == Method::LRFD)
    return format("\r\n\t %s = %.2f x %.2f = %.2f %s", availableName(m, f, symbol).c_str(), f.phi, nominal,
                  f.phi * nominal, unit);
  return format("\r\n\t %s = %.2f / %.2f = %.2f %s", availableName(m, f, symbol).c_str(), nominal, f.omega,
                nominal / f.omega, unit);
}

std::string atMostLine(DesignResult& result, double value, double limit, const char* valueName,
                       const char* limitName, const char* unit, const std::string& name) {
  const bool ok = value <= limit;
  result.check(limit != 0.0 ? value / limit : (value > 0.0 ? 1.0e9 : 0.0), ok, name);
  if (ok)
    return format("\r\n\t %s (=%.2f %s) <= %s (=%.2f %s)  ... OK", valueName, value, unit, limitName, limit, unit);
  return format("\r\n\t NO GOOD!  %s (=%.2f %s) > %s (=%.2f %s)  ... NO GOOD!", valueName, value, unit, limitName,
                limit, unit);
}

std::string limitState(DesignResult& result, Method m, const Factor& f, const char* symbol, double demand,
                       double nominal, const char* unit, const std::string& name) {
  std::string out = availableLine(m, f, symbol, nominal, unit);
  const std::string d = demandName(m, symbol);
  const std::string c = availableName(m, f, symbol);
  out += atMostLine(result, demand, available(m, f, nominal), d.c_str(), c.c_str(), unit, name);
  if (available(m, f, nominal) > 0.0) appendf(out, "   ratio %.2f", demand / available(m, f, nominal));
  return out;
}

bool finite(double v) { return std::isfinite(v); }

std::string materialError(double Fy, double E) {
  if (!finite(Fy) || Fy <= 0.0) return "Fy must be a positive number of ksi.";
  if (!finite(E) || E <= 0.0) return "E must be a positive number of ksi.";
  if (Fy >= E) return "Fy must be less than E.";
  return {};
}

}  // namespace vd::aisc360

#include "platform/deflection_check.h"

#include <cmath>

#include "platform/text_format.h"

namespace vd {

std::string DeflectionCheck::lines(double E, double I, DesignResult& result) const {
  if (!active()) return {};
  const double analysedEI = analysedE * analysedI, EI = E * I;
  std::string out = format(
      "\r\n\r\n Deflection from analysis (loads as analysed), scaled by E x I: %.0f ksi x %.2f in^4 as analysed,"
      "\r\n\t %.0f ksi x %.2f in^4 this section",
      analysedE, analysedI, E, I);
  const std::string ratio = format("%g", limitRatio);
  for (const AnalysedDeflection& s : stretches) {
    // A section without stiffness deflects without bound: the check fails rather than divides by zero.
    const double scaled = EI > 0.0 ? std::fabs(s.inches) * analysedEI / EI : HUGE_VAL;
    const double limit = s.limitLength * 12.0 / limitRatio;
    appendf(out, "\r\n Deflection %s =%.4f in x %.0f/%.0f =%.4f in,  limit %s/%s =%.2f ft x 12/%s =%.4f in",
            s.where.c_str(), std::fabs(s.inches), analysedEI, EI, scaled, s.lengthName.c_str(), ratio.c_str(),
            s.limitLength, ratio.c_str(), limit);
    const std::string limitName = s.lengthName + "/" + ratio;
    out += result.ratioLine(scaled, limit, "Deflection", limitName.c_str(), "in", "deflection, " + limitName);
  }
  return out + "\r\n";
}

}  // namespace vd

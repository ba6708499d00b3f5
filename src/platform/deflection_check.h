#pragma once
// The deflection check a design form gets from a beam analysis. Deflection is inversely proportional to
// the bending stiffness EI, so the deflection of a candidate section is the analysed deflection times
// (E I as analysed) / (E I of the section) — E included, since a wood beam analysed with steel's E
// would otherwise look 18 times stiffer than it is.
#include <string>
#include <vector>

#include "platform/report_lines.h"

namespace vd {

// The largest deflection of one stretch of the analysed beam and the length its limit is a fraction of.
struct AnalysedDeflection {
  std::string where;         // "between the supports", "on the overhang", "of the cantilever"
  std::string lengthName;    // "span", "2 x overhang", "2 x length"
  double inches = 0.0;       // as analysed, upward positive
  double limitLength = 0.0;  // ft
};

struct DeflectionCheck {
  double analysedE = 0.0;   // ksi
  double analysedI = 0.0;   // in^4
  double limitRatio = 0.0;  // the limit is limitLength / limitRatio; 0: no check
  std::vector<AnalysedDeflection> stretches;

  bool active() const { return limitRatio > 0.0 && analysedE > 0.0 && analysedI > 0.0 && !stretches.empty(); }
  // The scaled deflection of each stretch of a section with modulus E (ksi) and moment of inertia I
  // (in^4), each checked on its own line against its limit and recorded in result. "" when inactive.
  std::string lines(double E, double I, DesignResult& result) const;
};

}  // namespace vd

#pragma once
// What the AISC 360-22 checks share: the design method, resistance and safety factors, and the report
// lines that print an available strength with its factor.
#include <string>

#include "platform/report_lines.h"

namespace vd::aisc360 {

enum class Method { LRFD, ASD };

// A resistance factor phi (LRFD) with its safety factor Omega (ASD), e.g. {0.90, 1.67} for flexure.
struct Factor {
  double phi;
  double omega;
  const char* sub;  // "b", "v", "c"
};
inline constexpr Factor kFlexure{0.90, 1.67, "b"};
inline constexpr Factor kShear{0.90, 1.67, "v"};
inline constexpr Factor kShearRolledI{1.00, 1.50, "v"};  // G2.1(a)
inline constexpr Factor kCompression{0.90, 1.67, "c"};

// phi Rn or Rn / Omega.
double available(Method m, const Factor& f, double nominal);

// "Mu" / "Ma" for symbol "M".
std::string demandName(Method m, const char* symbol);
// "phi_b Mn" / "Mn/Omega_b" for symbol "M".
std::string availableName(Method m, const Factor& f, const char* symbol);

// "\r\n\t phi_b Mn = 0.90 x 420.83 = 378.75 kip-ft" or "\r\n\t Mn/Omega_b = 420.83 / 1.67 = 252.00 kip-ft".
std::string availableLine(Method m, const Factor& f, const char* symbol, double nominal, const char* unit);

// AISC 360 is satisfied when the required strength does not exceed the available strength (B3.1,
// Eq. B3-1 and B3-2: Ru <= phi Rn, Ra <= Rn/Omega), so a demand equal to its limit is acceptable here:
// " Mu (=378.75 kip-ft) <= phi_b Mn (=378.75 kip-ft)  ... OK". The shared ratioLine keeps the strict rule
// of the older specifications' forms. Records value/limit in the result under `name`.
std::string atMostLine(DesignResult& result, double value, double limit, const char* valueName,
                       const char* limitName, const char* unit, const std::string& name);

// One limit state: its available-strength line and its ratio line, recorded in the result under
// "<name>, <equation>".
std::string limitState(DesignResult& result, Method m, const Factor& f, const char* symbol, double demand,
                       double nominal, const char* unit, const std::string& name);

// Input checks shared by the calculations.
bool finite(double v);

// E and Fy as the checks accept them: 0 < Fy < E, both finite. Empty when fine, else the message.
std::string materialError(double Fy, double E);

}  // namespace vd::aisc360

#pragma once
// Small routines every steel design form shares: the OK / NO GOOD ratio line, the allowable axial
// compressive stress of ASD equations E2-1 and E2-2, the brace stress factor, larger/smaller of two.
#include <cmath>
#include <string>

namespace vd {

// 4 * atan(1), the value every steel and wood routine uses for pi.
inline const double PI = 4.0 * std::atan(1.0);
// Modulus of elasticity of steel, ksi; fixed, never an input.
inline constexpr double E_STEEL = 29000.0;

// One report line comparing a design value with its limit. Strictly below the limit is OK; equal or
// above is NO GOOD.
std::string ratioLine(double value, double limit, const char* valueName, const char* limitName, const char* unit);

// Allowable axial compressive stress f_a (ksi) for slenderness klr; its explanation replaces `out`.
// `out` starts with " < Cc" or " > Cc": callers append it right behind a line ending in the kl/r value.
// Qs below 1.0 is the slender-element reduction factor and is printed as a prefix.
double allowableAxialStress(std::string& out, const double& klr, double Cc, const double& Fy, const double& Qs);

// ASD E2-1 (inelastic buckling, klr <= Cc) and E2-2 (elastic buckling, klr > Cc).
double eqE2_1(double klr, double Cc, double Fy, double Q);
double eqE2_2(double klr, double Q);

// Stress reduction of a brace in a concentrically braced frame: 1 / (1 + klr / (2 Cc)).
double braceStressFactor(double klr, double Cc);

// The larger/smaller of two; on a tie the second argument.
inline double largerOf(double a, double b) { return a <= b ? b : a; }
inline double smallerOf(double a, double b) { return a >= b ? b : a; }

}  // namespace vd

#pragma once
// Small routines every steel design form shares: the allowable axial compressive stress of ASD
// equations E2-1 and E2-2 and the brace stress factor. The ratio line and larger/smaller of two live in
// platform/report_lines.h.
#include <cmath>
#include <string>

#include "platform/report_lines.h"

namespace vd {

// 4 * atan(1), the value every steel and wood routine uses for pi.
inline const double PI = kPi;
// Modulus of elasticity of steel, ksi; fixed, never an input.
inline constexpr double kSteelModulus = 29000.0;

// Column slenderness ratio dividing inelastic from elastic buckling, Cc = sqrt(2 pi^2 E / Fy) (ASD E2).
inline double slendernessCc(double Fy) { return std::sqrt(2.0 * PI * PI * kSteelModulus / Fy); }

// Allowable axial compressive stress f_a (ksi) for slenderness klr; its explanation replaces `out`.
// `out` starts with " < Cc" or " > Cc": callers append it right behind a line ending in the kl/r value.
// Q below 1.0 is the slender-element reduction factor (qName: "Qs" or "Qa"), printed as a prefix; it
// lowers the column curve by Appendix B5: Cc' = Cc/sqrt(Q) in A-B5-11, and the elastic A-B5-12 (E2-2)
// carries no Q, because elastic buckling does not depend on the yield stress.
double allowableAxialStress(std::string& out, const double& klr, double Cc, const double& Fy, const double& Qs,
                            const char* qName = "Qs");
// The equation allowableAxialStress uses: "Eq. E2-1", "Eq. E2-2", "Eq. A-B5-11" or "Eq. A-B5-12".
const char* axialStressEquation(double klr, double Cc, double Q);

// ASD E2-1 (inelastic buckling, klr <= Cc) and E2-2 (elastic buckling, klr > Cc).
double eqE2_1(double klr, double Cc, double Fy, double Q);
double eqE2_2(double klr, double Q);

// Ends a design report with the result's summary line, after a blank line.
void appendSummary(std::string& out, const DesignResult& result);

// Stress reduction of a brace in a concentrically braced frame: 1 / (1 + klr / (2 Cc)).
double braceStressFactor(double klr, double Cc);


}  // namespace vd

#pragma once
// Strength design of a singly reinforced rectangular concrete beam (ACI 318 rectangular stress block).
#include <string>

#include "platform/report_lines.h"

namespace vd {

// Whitney block factor, ACI 10.2.7.3: 0.85 up to 4 ksi, 0.05 less per ksi above, never below 0.65.
double beta1ForFc(double fc);

// A calculation that cannot go on; `code` picks the message the form shows.
struct ConcreteFailure {
  int code;
};

namespace concrete_code {
inline constexpr int NoWidth = -31;
inline constexpr int NoDepth = -32;
inline constexpr int BrittleSteel = -33;
inline constexpr int TooMuchMoment = -34;
// Inputs that would otherwise divide by zero or overflow.
inline constexpr int NoConcreteStrength = -35;
inline constexpr int NoSteelStrength = -36;
inline constexpr int NoPhi = -37;
inline constexpr int OutOfRange = -38;
}  // namespace concrete_code

// The text the form shows for a failure code.
const char* concreteFailureMessage(int code);

class RectConcreteBeam {
 public:
  // Ma: service moment of the single Eq. (9-7) line (0 = none); h: overall depth (0 = not given).
  RectConcreteBeam(double fc, double fy, double b, double d, double h, double Ma, double As, double phi);

  double rhoMax() const { return 0.75 * rhoBal; }
  double blockDepth(double area) const;
  // Raises the working steel to the ACI minimum; true when it had to.
  bool applyMinimumSteel(double area);
  // Nominal moment (kip-ft) of the steel area given, even below the minimum; throws ConcreteFailure.
  double momentCapacity(double area);
  // Steel area (in^2) for a nominal moment (kip-ft), at least the minimum; throws ConcreteFailure.
  double requiredSteel(double Mn);
  // The whole calculation report, ending with the result line; throws ConcreteFailure. Calls
  // momentCapacity, so run it last.
  std::string writeReport();
  // The checks of the last report.
  const DesignResult& result() const { return result_; }

  // The larger of the two ACI minimum steel ratios for this object's f'c and Fy.
  double minimumRatio() const;

  // Report the M->As direction (header shows the design moment instead of As).
  bool designForMoment = false;

  double b, d, h;
  double AsGiven;
  double As = 0.0;
  double M = 0.0;
  double fc, fy;
  double rho = 0.0;
  int n = 0;
  double Ig = 0.0;
  double Ma;
  double rhoBal;
  double beta1;
  double phi;

  // Throws the failure of a section or material that cannot be calculated (no width, depth, f'c, Fy).
  void checkSection() const;

 private:
  DesignResult result_;
};

}  // namespace vd

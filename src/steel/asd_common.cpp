#include "steel/asd_common.h"

#include "platform/text_format.h"

namespace vd {

double eqE2_1(double klr, double Cc, double Fy, double Q) {
  return (1.0 - klr * klr / (2.0 * Cc * Cc)) * Q * Fy /
         (3.0 * klr / (8.0 * Cc) + 1.6666666666666667 - klr * klr * klr / (8.0 * Cc * Cc * Cc));
}

double eqE2_2(double klr, double Q) { return Q * 12.0 * PI * PI * 29000.0 / (23.0 * klr * klr); }

double allowableAxialStress(std::string& out, const double& klr, double Cc, const double& Fy, const double& Qs) {
  const bool reduced = Qs < 1.0;
  const std::string prefix = reduced ? format("Qs =%.3f", Qs) : std::string();
  double fa;
  if (klr <= Cc) {
    fa = eqE2_1(klr, Cc, Fy, Qs);
    out = format(reduced ? " < Cc  AISC Eq. E2-1  govern.\r\n %s\t f_a =Q*(1.0-klr^2/(2*Cc^2))*Fy / "
                           "(5/3+3*(kl/r)/(8*Cc)-(kl/r)^3/(8*Cc^3)) =%.2f ksi."
                         : " < Cc  AISC Eq. E2-1  govern.\r\n %s\t f_a =(1.0-klr^2/(2*Cc^2))*Fy / "
                           "(5/3+3*(kl/r)/(8*Cc)-(kl/r)^3/(8*Cc^3)) =%.2f ksi.",
                 prefix.c_str(), fa);
  } else {
    // Without a reduction E2-2 takes Q = 1 exactly, whatever Qs above 1 was passed.
    fa = eqE2_2(klr, reduced ? Qs : 1.0);
    out = format(reduced ? " > Cc  AISC Eq. E2-2  govern.\r\n %s\t f_a =Q*12.0*Pi^2*E_Steel / (23.0*(k/lr)^2) =%.2f ksi."
                         : " > Cc  AISC Eq. E2-2  govern.\r\n %s\t f_a =12.0*Pi^2*E_Steel / (23.0*(k/lr)^2) =%.2f ksi.",
                 prefix.c_str(), fa);
  }
  return fa;
}

double braceStressFactor(double klr, double Cc) { return 1.0 / (klr / 2.0 / Cc + 1.0); }

}  // namespace vd

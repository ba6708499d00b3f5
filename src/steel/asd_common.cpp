#include "steel/asd_common.h"

#include "platform/text_format.h"

namespace vd {

double eqE2_1(double klr, double Cc, double Fy, double Q) {
  return (1.0 - klr * klr / (2.0 * Cc * Cc)) * Q * Fy /
         (3.0 * klr / (8.0 * Cc) + 1.6666666666666667 - klr * klr * klr / (8.0 * Cc * Cc * Cc));
}

double eqE2_2(double klr, double Q) { return Q * 12.0 * PI * PI * kSteelModulus / (23.0 * klr * klr); }

const char* axialStressEquation(double klr, double Cc, double Q) {
  if (Q < 1.0) return klr <= Cc / std::sqrt(Q) ? "Eq. A-B5-11" : "Eq. A-B5-12";
  return klr <= Cc ? "Eq. E2-1" : "Eq. E2-2";
}

double allowableAxialStress(std::string& out, const double& klr, double Cc, const double& Fy, const double& Qs,
                            const char* qName) {
  double fa;
  if (Qs < 1.0) {
    const double CcQ = Cc / std::sqrt(Qs);
    const std::string prefix = format("%s =%.3f,  Cc' = Cc/sqrt(%s) =%.2f", qName, Qs, qName, CcQ);
    if (klr <= CcQ) {
      fa = eqE2_1(klr, CcQ, Fy, Qs);
      out = format(" < Cc'  AISC Eq. A-B5-11  govern.\r\n %s\t f_a =Q*(1.0-klr^2/(2*Cc'^2))*Fy / "
                   "(5/3+3*(kl/r)/(8*Cc')-(kl/r)^3/(8*Cc'^3)) =%.2f ksi.",
                   prefix.c_str(), fa);
    } else {
      fa = eqE2_2(klr, 1.0);
      out = format(" > Cc'  AISC Eq. A-B5-12  govern.\r\n %s\t f_a =12.0*Pi^2*E_Steel / (23.0*(k/lr)^2) =%.2f ksi.",
                   prefix.c_str(), fa);
    }
    return fa;
  }
  // Without a reduction the curve takes Q = 1 exactly, whatever Qs above 1 was passed.
  if (klr <= Cc) {
    fa = eqE2_1(klr, Cc, Fy, 1.0);
    out = format(" < Cc  AISC Eq. E2-1  govern.\r\n \t f_a =(1.0-klr^2/(2*Cc^2))*Fy / "
                 "(5/3+3*(kl/r)/(8*Cc)-(kl/r)^3/(8*Cc^3)) =%.2f ksi.",
                 fa);
  } else {
    fa = eqE2_2(klr, 1.0);
    out = format(" > Cc  AISC Eq. E2-2  govern.\r\n \t f_a =12.0*Pi^2*E_Steel / (23.0*(k/lr)^2) =%.2f ksi.", fa);
  }
  return fa;
}

void appendSummary(std::string& out, const DesignResult& result) {
  if (!result.checked) return;
  if (!out.ends_with("\r\n")) out += "\r\n";
  out += "\r\n" + result.summaryLine();
}

double braceStressFactor(double klr, double Cc) { return 1.0 / (klr / 2.0 / Cc + 1.0); }

}  // namespace vd

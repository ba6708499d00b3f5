#include "steel/w_beam_lrfd.h"

#include <cmath>

#include "platform/text_format.h"
#include "steel/asd_common.h"

namespace vd {

WBeamLrfd::WBeamLrfd(const SectionRecord& r, double M_, double Lb_, double Cb_, double Fy_, double Fu_, double V_)
    : rec(r),
      M(M_),
      Lb(Lb_),
      Cb(Cb_),
      Fy(Fy_),
      Fu(Fu_),
      V(V_),
      bf(r.bf),
      tf(r.tf),
      tw(r.tw),
      A(r.A),
      d(r.d),
      k(r.k),
      bf2tf(r.bf2tf),
      dAf(r.dAf),
      rT(r.rT),
      ryy(r.ryy),
      htw(r.htw),
      dtw(r.dtw),
      Sxx(r.Sxx),
      Zxx(r.Zxx),
      X1(static_cast<double>(r.X1)),
      X2(r.X2) {}

std::string WBeamLrfd::design() {
  if (Fy < 33.0) Fy = 33.0;
  if (Fy > 50.0) Fy = 50.0;
  E = 29000.0;
  std::string out = format(" ryy =%.3f in,   X1 =%.3f ksi,   X2 =%.5f (ksi)^-2,   Cb =%.2f", ryy, X1, X2, Cb);
  out += "\r\n\r\n <<<< 2001 LRFD 3rd Ed. Chapter 8 >>>>";

  const double lpf = 0.38 * std::sqrt(E / Fy);
  appendf(out, "\r\n lambda_p (flange) = 0.38*sqrt(E/Fy) = %.2lf", lpf);
  const double lpw = 3.76 * std::sqrt(E / Fy);
  appendf(out, "\r\n lambda_p (web) = 3.76*sqrt(E/Fy) = %.2lf", lpw);
  const double FL = Fy - 10.0;
  const double lrf = 0.83 * std::sqrt(E / FL);
  appendf(out, "\r\n lambda_r (flange) = 0.83*sqrt(E/F_L) = %.2lf", lrf);

  Lp = ryy * 1.76 * std::sqrt(E / Fy) / 12.0;
  appendf(out, "\r\n Laterally unbraced length for inelestic lateral-torsional buckling, Lp =%.2f ft.", Lp);

  Mp = Fy * Zxx;
  Mr = FL * Sxx;
  Lr = ryy * X1 / FL * std::sqrt(1.0 + std::sqrt(1.0 + X2 * FL * FL)) / 12.0;
  appendf(out,
          "\r\n Laterally unbraced length for first yielding adjusted ffor residual stresses, Lr =%.2f ft.", Lr);

  if (Cb > 1.0) {
    Lm = Lp + (Cb - 1.0) * (Lr - Lp) * 0.9 * Mp / Cb / (0.9 * Mp - 0.9 * Mr);
    if (Lm > Lr)
      Lm = Cb * Sxx * ryy * X1 / Mp * std::sqrt(1.0 + std::sqrt(1.0 + X2 * Mp * Mp / (Cb * Cb * Sxx * Sxx))) / 12.0;
    appendf(out, "\r\n Plastic usage of this section possible, while Lm =%.2f ft. per Fig. 5-1 of pg 5-7; Cb > 1.0.",
            Lm);
  }
  appendf(out, "\r\n phi*Mr =%.2f kip-ft,   phi*Mp =%.2f kip-ft\r\n", 0.9 * Mr / 12.0, 0.9 * Mp / 12.0);

  const bool webCompact = htw < lpw;
  const bool compact = bf2tf < lpf && webCompact;
  const bool flangeNoncompact = bf2tf >= lpf && webCompact;
  // Straight line from 0.9 Mp at Lp to 0.9 Mr at Lr.
  const double inelastic = 0.9 * Mp - (Lb - Lp) * (0.9 * Mp - 0.9 * Mr) / (Lr - Lp);
  const double flangeLocal = 0.9 * Mp - (bf2tf - lpf) * (0.9 * Mp - 0.9 * Mr) / (lrf - lpf);

  if (compact && Lb < Lp) {
    kase = Case::CompactBraced;
    out += "\r\n Moment -- compact section, fully braced ... ";
    phiMn = 0.9 * Mp;
    appendf(out, "\r\n (phi)b*(M)n = (phi)b*(Fy)*(Zx) = %.2f kip-ft", phiMn / 12.0);
  } else if (compact && Lp <= Lb && Lb < Lr) {
    kase = Case::CompactInelastic;
    out += "\r\n Moment -- compact section,  Lp < braced length < Lr ... ";
    appendf(out, "\r\n (phi)b*(M)r = (phi)b*(FL)*(Sx) = %.2lf kip-ft", 0.9 * Mr / 12.0);
    phiMn = smallerOf(Cb * inelastic, 0.9 * Mp);
    appendf(out, "\r\n (phi)b*(M)n =%.2lf kip-ft   <<< ", phiMn / 12.0);
  } else if (compact && Lb > Lr) {
    kase = Case::CompactElastic;
    out += "\r\n Moment -- compact section,  Lr < braced length ... ";
    const double s = Lb * 12.0 / ryy;
    const double Mn = Cb * Sxx * X1 * std::sqrt(2.0) / s * std::sqrt(1.0 + X1 * X1 * X2 / 2.0 / (s * s));
    // The elastic buckling moment can pass Mp when Cb is large; the strength never does.
    phiMn = smallerOf(0.9 * Mn, 0.9 * Mp);
    appendf(out,
            "\r\n (phi)b*(M)n = (phi)b*Cb*Sx*X1*sqrt(2.)/(Lb*rY)*sqrt(1+X1*X1*X2/2/(Lb/ry)^2) = %.2lf kip-ft",
            0.9 * Mn / 12.0);
    if (0.9 * Mn > 0.9 * Mp) appendf(out, "\r\n (phi)b*(M)n is limited to (phi)b*(M)p = %.2lf kip-ft", phiMn / 12.0);
  } else if (flangeNoncompact && Lb < Lp) {
    kase = Case::FlangeBraced;
    out += "\r\n Moment -- non-compact section, fully braced ... ";
    phiMn = flangeLocal;
    appendf(out, "\r\n (phi)b*(M)'p  = %.2f kip-ft", phiMn / 12.0);
  } else if (flangeNoncompact && Lp < Lb && Lb < Lr) {
    kase = Case::FlangeInelastic;
    out += "\r\n Moment -- non-compact section, braced > Lp ... ";
    phiMn = smallerOf(flangeLocal, inelastic);
    appendf(out, "\r\n (phi)b*(M)n-BF(Lb-Lp) =%.2f kip-ft", phiMn / 12.0);
  } else {
    kase = Case::Unusual;
    out += "\r\n\r\n This is not a usual case, still being worked on...";
    return out;
  }

  out += ratioLine(M, phiMn / 12.0, "Design Moment", "Allowable Moment", "k-ft");
  appendf(out, "\r\n\t (M)design/(M)capacity =%.2f%%", M * 12.0 / phiMn * 100.0);
  if (kase == Case::FlangeBraced || kase == Case::FlangeInelastic) {
    const double Lpr = Lp + (Lr - Lp) * (0.9 * Mp - phiMn) / (0.9 * Mp - 0.9 * Mr);
    appendf(out, "\r\n revised length, L'p =%.2f ft. for non-compact section.", Lpr);
  }

  const double phi = 0.9;
  if (htw < 2.45 * std::sqrt(E / Fy)) {
    phiVn = phi * 0.6 * Fy * d * tw;
    appendf(out, "\r\n\r\n Shear --  (phi)b*(V)n = (phi)b*0.6*(Fy)*(d)*(tw) = %.2lf kip", phiVn);
  } else {
    phiVn = phi * 0.6 * Fy * d * tw * (2.45 * std::sqrt(E / Fy) / htw);
    appendf(out, "\r\n\r\n Shear --  (phi)b*(V)n = (phi)b*0.6*(Fy)*(d)*(tw)*(2.45*sqrt(E/Fy))/hTw) = %.2lf kip",
            phiVn);
  }
  return out;
}

}  // namespace vd

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
  result_ = DesignResult{};
  phiMn = phiVn = 0.0;
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
  appendf(out, "\r\n Laterally unbraced length for inelastic lateral-torsional buckling, Lp =%.2f ft.", Lp);

  Mp = Fy * Zxx;
  Mr = FL * Sxx;
  Lr = ryy * X1 / FL * std::sqrt(1.0 + std::sqrt(1.0 + X2 * FL * FL)) / 12.0;
  appendf(out,
          "\r\n Laterally unbraced length for first yielding adjusted for residual stresses, Lr =%.2f ft.", Lr);

  if (Cb > 1.0) {
    Lm = Lp + (Cb - 1.0) * (Lr - Lp) * 0.9 * Mp / Cb / (0.9 * Mp - 0.9 * Mr);
    if (Lm > Lr)
      Lm = Cb * Sxx * ryy * X1 / Mp * std::sqrt(1.0 + std::sqrt(1.0 + X2 * Mp * Mp / (Cb * Cb * Sxx * Sxx))) / 12.0;
    appendf(out, "\r\n Plastic usage of this section possible, while Lm =%.2f ft. per Fig. 5-1 of pg 5-7; Cb > 1.0.",
            Lm);
  }
  appendf(out, "\r\n phi*Mr =%.2f kip-ft,   phi*Mp =%.2f kip-ft\r\n", 0.9 * Mr / 12.0, 0.9 * Mp / 12.0);

  const bool webCompact = htw < lpw;
  const bool flangeCompact = bf2tf < lpf;
  const bool compact = flangeCompact && webCompact;
  const double sqrt2 = std::sqrt(2.0);

  // Lateral-torsional buckling (F1): 0.9 Mp up to Lp, the straight line F1-2 times Cb up to Lr, the
  // elastic Mcr of F1-13 (with Cb) beyond; never above 0.9 Mp.
  const double inelastic = 0.9 * Mp - (Lb - Lp) * (0.9 * Mp - 0.9 * Mr) / (Lr - Lp);
  const double slender = Lb * 12.0 / ryy;
  const double Mcr = slender > 0.0
                         ? Cb * Sxx * X1 * sqrt2 / slender * std::sqrt(1.0 + X1 * X1 * X2 / 2.0 / (slender * slender))
                         : HUGE_VAL;
  double ltb;
  const char* ltbName;
  if (Lb <= Lp) {
    ltb = 0.9 * Mp;
    ltbName = "bending, Eq. F1-1";
  } else if (Lb < Lr) {
    ltb = smallerOf(Cb * inelastic, 0.9 * Mp);
    ltbName = "bending, Eq. F1-2";
  } else {
    ltb = smallerOf(0.9 * Mcr, 0.9 * Mp);
    ltbName = "bending, Eq. F1-13";
  }
  // Flange local buckling (A-F1-3 between lambda_p and lambda_r; A-F1-4 with Fcr = 0.69E/lambda^2 of a
  // rolled shape beyond).
  double flb = 0.9 * Mp;
  const char* flbName = "bending, Eq. F1-1";
  if (!flangeCompact && bf2tf <= lrf) {
    flb = 0.9 * Mp - (bf2tf - lpf) * (0.9 * Mp - 0.9 * Mr) / (lrf - lpf);
    flbName = "flange local buckling, Eq. A-F1-3";
  } else if (!flangeCompact) {
    flb = smallerOf(0.9 * 0.69 * E / (bf2tf * bf2tf) * Sxx, 0.9 * Mp);
    flbName = "flange local buckling, Eq. A-F1-4";
  }
  const double flangeLocal = flb;

  const char* governing = ltbName;
  auto take = [&](double value, const char* name) {
    if (value < phiMn) {
      phiMn = value;
      governing = name;
    }
  };
  phiMn = ltb;
  bool slenderWeb = false;

  if (compact && Lb < Lp) {
    kase = Case::CompactBraced;
    out += "\r\n Moment -- compact section, fully braced ... ";
    phiMn = 0.9 * Mp;
    governing = "bending, Eq. F1-1";
    appendf(out, "\r\n (phi)b*(M)n = (phi)b*(Fy)*(Zx) = %.2f kip-ft", phiMn / 12.0);
  } else if (compact && Lb < Lr) {
    kase = Case::CompactInelastic;
    out += "\r\n Moment -- compact section,  Lp < braced length < Lr ... ";
    appendf(out, "\r\n (phi)b*(M)r = (phi)b*(FL)*(Sx) = %.2lf kip-ft", 0.9 * Mr / 12.0);
    appendf(out, "\r\n (phi)b*(M)n =%.2lf kip-ft   <<< ", phiMn / 12.0);
  } else if (compact) {
    kase = Case::CompactElastic;
    out += "\r\n Moment -- compact section,  Lr < braced length ... ";
    appendf(out,
            "\r\n (phi)b*(M)n = (phi)b*Cb*Sx*X1*sqrt(2.)/(Lb*rY)*sqrt(1+X1*X1*X2/2/(Lb/ry)^2) = %.2lf kip-ft",
            0.9 * Mcr / 12.0);
    // The elastic buckling moment can pass Mp when Cb is large; the strength never does.
    if (0.9 * Mcr > 0.9 * Mp) {
      appendf(out, "\r\n (phi)b*(M)n is limited to (phi)b*(M)p = %.2lf kip-ft", phiMn / 12.0);
      governing = "bending, Eq. F1-1";
    }
  } else if (webCompact && Lb <= Lp) {
    kase = Case::FlangeBraced;
    out += "\r\n Moment -- non-compact section, fully braced ... ";
    phiMn = flangeLocal;
    governing = flbName;
    appendf(out, "\r\n (phi)b*(M)'p  = %.2f kip-ft", phiMn / 12.0);
  } else if (webCompact) {
    kase = Lb < Lr ? Case::FlangeInelastic : Case::FlangeElastic;
    if (Lb < Lr) {
      out += "\r\n Moment -- non-compact section, braced > Lp ... ";
      appendf(out, "\r\n (phi)b*Cb*[(M)p-BF(Lb-Lp)] =%.2f kip-ft  (lateral-torsional buckling, F1-2)", ltb / 12.0);
    } else {
      out += "\r\n Moment -- non-compact section,  Lr < braced length ... ";
      appendf(out,
              "\r\n (phi)b*(M)cr = (phi)b*Cb*Sx*X1*sqrt(2.)/(Lb/ry)*sqrt(1+X1*X1*X2/2/(Lb/ry)^2) = %.2lf kip-ft  "
              "(F1-13)",
              0.9 * Mcr / 12.0);
    }
    appendf(out, "\r\n (phi)b*(M)'p  = %.2f kip-ft  (flange local buckling)", flangeLocal / 12.0);
    take(flangeLocal, flbName);
    appendf(out, "\r\n (phi)b*(M)n = the smaller, at most (phi)b*(M)p =%.2f kip-ft", phiMn / 12.0);
  } else {
    // A web beyond lambda_p: web local buckling by A-F1-3 with Mr = Fy Sx between lambda_p and
    // lambda_r = 5.70 sqrt(E/Fy); beyond lambda_r the section is a plate girder (Appendix G).
    kase = Case::WebNoncompact;
    const double lrw = 5.70 * std::sqrt(E / Fy);
    appendf(out, "\r\n Moment -- web not compact: h/tw (=%.2f) >= lambda_p (web), lambda_r (web) = 5.70*sqrt(E/Fy) = %.2lf",
            htw, lrw);
    appendf(out, "\r\n (phi)b*(M)n, lateral-torsional buckling = %.2f kip-ft", ltb / 12.0);
    appendf(out, "\r\n (phi)b*(M)n, flange local buckling = %.2f kip-ft", flangeLocal / 12.0);
    take(flangeLocal, flbName);
    if (htw <= lrw) {
      const double wlb = 0.9 * (Mp - (Mp - Fy * Sxx) * (htw - lpw) / (lrw - lpw));
      appendf(out,
              "\r\n (phi)b*(M)n, web local buckling = (phi)b*[Mp-(Mp-Fy*Sx)*(h/tw-lambda_p)/(lambda_r-lambda_p)] = "
              "%.2f kip-ft",
              wlb / 12.0);
      take(wlb, "web local buckling, Eq. A-F1-3");
      appendf(out, "\r\n (phi)b*(M)n = the smallest =%.2f kip-ft", phiMn / 12.0);
    } else {
      slenderWeb = true;
      appendf(out,
              "\r\n NO GOOD!  h/tw (=%.2f) > 5.70*sqrt(E/Fy) (=%.2f): a slender web, design it as a plate girder "
              "(Appendix G)  ... NO GOOD!",
              htw, lrw);
      result_.check(htw / lrw, false, "slender web, App. G");
    }
  }

  if (!slenderWeb) {
    out += result_.ratioLine(M, phiMn / 12.0, "Design Moment", "Allowable Moment", "k-ft", governing);
    appendf(out, "\r\n\t (M)design/(M)capacity =%.2f%%", M * 12.0 / phiMn * 100.0);
  }
  if (kase == Case::FlangeBraced || kase == Case::FlangeInelastic || kase == Case::FlangeElastic) {
    // The unbraced length up to which flange local buckling, not lateral buckling, limits the moment.
    const double Lpr = Lp + (Lr - Lp) * (0.9 * Mp - flangeLocal) / (0.9 * Mp - 0.9 * Mr);
    appendf(out, "\r\n revised length, L'p =%.2f ft. for non-compact section.", Lpr);
  }

  // F2 (3rd edition): yielding F2-1, inelastic buckling F2-2, elastic buckling F2-3 of the web.
  const double phi = 0.9;
  const char* shear;
  if (htw < 2.45 * std::sqrt(E / Fy)) {
    phiVn = phi * 0.6 * Fy * d * tw;
    appendf(out, "\r\n\r\n Shear --  (phi)b*(V)n = (phi)b*0.6*(Fy)*(d)*(tw) = %.2lf kip", phiVn);
    shear = "shear, Eq. F2-1";
  } else if (htw <= 3.07 * std::sqrt(E / Fy)) {
    phiVn = phi * 0.6 * Fy * d * tw * (2.45 * std::sqrt(E / Fy) / htw);
    appendf(out, "\r\n\r\n Shear --  (phi)b*(V)n = (phi)b*0.6*(Fy)*(d)*(tw)*(2.45*sqrt(E/Fy))/hTw) = %.2lf kip",
            phiVn);
    shear = "shear, Eq. F2-2";
  } else {
    phiVn = phi * d * tw * 4.52 * E / (htw * htw);
    appendf(out, "\r\n\r\n Shear --  (phi)v*(V)n = (phi)v*(d)*(tw)*4.52*E/(h/tw)^2 = %.2lf kip", phiVn);
    shear = "shear, Eq. F2-3";
  }
  if (V != 0.0) out += result_.ratioLine(V, phiVn, "Design Shear", "(phi)v*(V)n", "kip", shear);
  out += deflection_.lines(E, rec.Ixx, result_);
  appendSummary(out, result_);
  return out;
}

}  // namespace vd

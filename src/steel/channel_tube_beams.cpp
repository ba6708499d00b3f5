#include "steel/channel_tube_beams.h"

#include <cmath>

#include "platform/text_format.h"
#include "steel/asd_common.h"
#include "steel/w_beam_asd.h"

namespace vd {

ChannelBeamAsd::ChannelBeamAsd(const SectionRecord& r, double M_, double Lb_, double V_, double Cb_, double Fy_,
                               double Vlist_)
    : rec(r),
      M(M_),
      Lb(Lb_),
      V(V_),
      Cb(Cb_),
      Fy(Fy_),
      Vlist(Vlist_),
      bf(r.bf),
      d(r.d),
      tw(r.tw),
      k(r.k),
      dAf(r.dAf),
      Sxx(r.Sxx) {}

std::string ChannelBeamAsd::design() {
  result_ = DesignResult{};
  if (Fy < 33.0) Fy = 33.0;
  if (Fy > 65.0) Fy = 65.0;
  std::string out = "\r\n AISC ASD 9th Ed.";
  Lu = Cb * 20000.0 / Fy / dAf / 12.0;
  out += "\r\n ASD 9th Ed. EQ. F1-8 ... 12000*Cb/(0.6*Fy)/(d/Af)";
  appendf(out, "\tLu= %.2f ft.", Lu);

  // A braced flange (no unbraced length) cannot buckle: F1-8 places no limit.
  const double F8 = Lb > 0.0 ? Cb * 12000.0 / (Lb * 12.0 * dAf) : HUGE_VAL;
  if (0.6 * Fy <= F8)
    appendf(out, "\r\n Fb =0.60*Fy = %.2f ksi", 0.6 * Fy);
  else
    appendf(out, "\r\n Fb =12000*Cb/(l*d/Af) = 12000*%.2f/(%.2f*12.0*%.3f) =%.2f ksi  Eq.  F1-8", Cb, Lb, dAf, F8);
  Fb = smallerOf(0.6 * Fy, F8);
  Mcap = Fb * Sxx / 12.0;
  appendf(out, "\r\n Fb =%.2f ksi   Moment Capacity =%.2f k-ft", Fb, Mcap);
  out += result_.ratioLine(M, Mcap, "Design moment", "Capacity", "k-ft",
                           0.6 * Fy <= F8 ? "bending, Eq. F1-5" : "bending, Eq. F1-8");
  appendf(out, "\r\n (M)design/(M)capacity =%.2f%%\r\n", M / Mcap * 100.0);

  const double Fv = 0.4 * Fy;
  appendf(out, "\r\n Eq (F4-1)allowable shear stress = 0.4(Fy) = %7.3f ksi;  Max. web shear = %8.2f kip", Fv,
          Fv * d * tw);
  if (V > 0.0) out += result_.ratioLine(V, Fv * d * tw, "Design shear", "Allowable shear", "kip", "shear, Eq. F4-1");
  if (d - 2.0 * tw > 6.0) appendSinglePlateConnections(out, Vlist, k, d);
  appendSummary(out, result_);
  return out;
}

TubeBeamAsd::TubeBeamAsd(const SectionRecord& r, double M_, double Lb_, double Cb_, double Fy_, double M1_,
                         double M2_, bool weak)
    : rec(r),
      M(M_),
      Lb(Lb_),
      Cb(Cb_),
      Fy(Fy_),
      M1(M1_),
      M2(M2_),
      weakAxis(weak),
      b(weak ? r.d : r.b),
      h(weak ? r.b : r.d),
      S(weak ? r.Syy : r.Sxx),
      t(r.t) {
  compact = true;
  text_ = "\r\n AISC ASD 9th Ed.";
  // The compactness limit divides by sqrt(Fy): without a yield stress there is nothing to check.
  if (!(Fy > 0.0)) {
    compact = false;
    text_ += "\r\n Fy must be greater than zero: the tube was not checked.\r\n";
    return;
  }
  const double lim = 190.0 / std::sqrt(Fy);
  char c = '<';
  if (lim < b / t) {
    c = '>';
    compact = false;
  }
  appendf(text_, "\r\n Compact Section Criteria:\t  b/t(=%.2lf')  %c  190/sqrt(Fy) (=%.2lf')", b / t, c, lim);

  const double slenderLimit = 238.0 / std::sqrt(Fy);
  const double flat = weakAxis ? r.ht : r.bt;  // flat width over wall of the compression flange

  if (Fy < 33.0) Fy = 33.0;
  if (Fy > 50.0) Fy = 50.0;
  Lc = largerOf((1950.0 + 1200.0 * M1 / M2) * b / Fy, 1200.0 * b / Fy);
  appendf(text_,
          "\r\n Assumed M1=0.0; & M2=1.0 \r\n ASD 9th Ed. EQ. F3-2 Lc= (1950+1200*M1/M2)*b/Fy  Lc= %.2lf ft",
          Lc / 12.0);
  const char* bending;
  if (Lc / 12.0 <= Lb || !compact) {
    Fb = 0.6 * Fy;
    bending = "bending, Eq. F3-3";
  } else {
    Fb = 0.66 * Fy;
    bending = "bending, Eq. F3-1";
  }
  Seff = S;
  if (flat > slenderLimit) {
    // Appendix B5 (A-B5-7): the slender compression flange works on b_e at the stress it carries at the
    // allowable moment, f = Fb; the neutral axis moves away from the lost strip.
    slenderFlange = true;
    const double f = Fb;
    const double bFlat = flat * t;
    be = smallerOf(253.0 * t / std::sqrt(f) * (1.0 - 50.3 / (flat * std::sqrt(f))), bFlat);
    const double H = weakAxis ? r.b : r.d;
    const double I = weakAxis ? r.Iyy : r.Ixx;
    const double lost = (bFlat - be) * t;
    const double c0 = H / 2.0 - t / 2.0;
    const double shift = lost * c0 / (r.A - lost);
    const double Ieff = I - lost * c0 * c0 - (bFlat - be) * t * t * t / 12.0 - (r.A - lost) * shift * shift;
    Seff = Ieff / (H / 2.0 + shift);
    appendf(text_,
            "\r\n Compression flange b/t (=%.2lf) > 238/sqrt(Fy) (=%.2lf): slender, ASD Appendix B5 Eq. A-B5-7"
            "\r\n\t f = Fb =%.2lf ksi,  b_e = 253*t/sqrt(f)*[1-50.3/((b/t)*sqrt(f))] =%.3lf in of b =%.3lf in"
            "\r\n\t effective section modulus S_eff =%.3lf in^3  (S =%.3lf in^3)",
            flat, slenderLimit, f, be, bFlat, Seff, S);
    bending = "bending, App. B5 (S_eff)";
  }
  const double Mcap = Seff * Fb / 12.0;
  appendf(text_,
          Fb == 0.6 * Fy ? "\r\n Fb' = 0.60*Fy =%.2lf ksi   Moment Capacity =%.2lf k-ft"
                         : "\r\n Fb' = 0.66*Fy =%.2lf ksi   Moment Capacity =%.2lf k-ft",
          Fb, Mcap);
  text_ += result_.ratioLine(M, Mcap, "Design Moment", "Beam Capacity", "k-ft", bending);
  appendf(text_, "\r\n (M)design/(M)capacity =%.2f%%\r\n", M / Mcap * 100.0);
  appendSummary(text_, result_);
}

}  // namespace vd

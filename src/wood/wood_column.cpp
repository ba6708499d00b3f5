#include "wood/wood_column.h"

#include <algorithm>
#include <cmath>

#include "platform/text_format.h"
#include "platform/report_lines.h"
#include "wood/wood_report.h"

namespace vd {

WoodColumn::WoodColumn(const SawnMember& member, double unbracedLength, double d, double w, double P,
                       const ColumnFactors& f, double unbracedLengthW)
    : member_(member),
      C_D_(f.C_D),
      C_M_(f.C_M),
      C_t_(f.C_t),
      C_F_(f.C_F),
      C_stability_(f.C_stability),
      C_i_(f.C_i),
      E_(member.E()),
      d_(d),
      w_(w),
      Fc_(member.Fc()),
      P_(P) {
  le_ = unbracedLength * 12.0;
  if (!(le_ > 0.0)) le_ = 0.001;
  if (unbracedLengthW > 0.0) leW_ = unbracedLengthW * 12.0;
  // A length so long that it overflows in inches is still printed as the feet typed.
  heightFt_ = std::isfinite(le_) ? le_ / 12.0 : unbracedLength;
  compute();
}

bool WoodColumn::inputsUsable() const { return usable_; }

void WoodColumn::compute() {
  side_ = d_;
  // Sizes and factors far outside any real column are refused rather than carried into results
  // that overflow.
  usable_ = E_ > 0.0 && Fc_ > 0.0;
  for (double v : {d_, w_}) usable_ = usable_ && v > 0.0 && v <= 1000.0;
  for (double v : {C_D_, C_M_, C_t_, C_F_, C_i_}) usable_ = usable_ && v > 0.0 && v <= 10.0;
  if (!usable_) return;
  // NDS 3.7.1.3: with both sides free to buckle the larger slenderness ratio governs.
  if (leW_ > 0.0 && leW_ / w_ > le_ / d_) {
    wGoverns_ = true;
    side_ = w_;
  }
  leD_ = le_;
  if (wGoverns_) le_ = leW_;
  Eprime_ = E_ * C_M_ * C_t_ * C_buckling_ * C_i_;
  FcE_ = KcE_ * Eprime_ / (le_ * le_) * (side_ * side_);
  FcStar_ = Fc_ * C_D_ * C_M_ * C_t_ * C_F_ * C_i_;
  const double ratio = FcE_ / FcStar_;
  const double r = (1.0 + ratio) / (2.0 * c_);
  C_P_ = smallerRoot(r, ratio / c_);
  FcPrime_ = Fc_ * C_D_ * C_M_ * C_t_ * C_F_ * C_P_ * C_i_;
  allowableLoad_ = slendernessOk() ? FcPrime_ * d_ * w_ / 1000.0 : 0.0;
  // A length or a factor at the edge of the number range (a near-zero length, a factor of
  // 1e-310) overflows one of the printed values: that is a bad entry too.
  usable_ = allFinite({le_, leD_ / d_, leW_ / w_, Eprime_, FcE_, FcStar_, r, C_P_, FcPrime_, allowableLoad_});
  tooLarge_ = !usable_;
  if (!usable_) return;
  if (slendernessOk())
    recordRatio(result_, std::fabs(P_), allowableLoad_, "axial, NDS 3.7.1");
  else
    result_.check(slenderness() / 50.0, false, "slenderness, NDS 3.7.1.4 le/d");
}

std::string WoodColumn::report() {
  std::string out =
      "\r\n     /********************************/ \r\n     /*     Solid Wood Column        */\r\n     "
      "/********************************/";
  appendf(out,
          "\r\n designed for:\theight =%.3f ft, \tdepth =%.3f in, \twidth =%.3f in,\r\n KcE =%.3f, \t E =%.0f psi, \t Fc "
          "=%.2f psi.\r\n c =%.2f, for sawn lumber.",
          heightFt_, d_, w_, KcE_, E_, Fc_, c_);
  appendf(out,
          "\r\n\r\n C_duration =%.3f,   C_moisture =%.3f,   C_temperature =%.3f,\r\n C_size =%.3f,   C_stability =%.3f, "
          "  C_incising =%.3f,   C_buckling =%.3f",
          C_D_, C_M_, C_t_, C_F_, C_stability_, C_i_, C_buckling_);
  if (member_.isTimber() && C_F_ == 1.0)
    out += "\r\n NDS Supplement Table 4D: timbers take no size factor for Fc (C_size =1.0).";
  double CFb = 1.0, CFt = 1.0, CFc = 1.0;
  member_.getSizeFactors(CFb, CFt, CFc);
  if (!member_.isTimber() && member_.valid() && std::fabs(CFc - C_F_) > 1e-9)
    appendf(out, "\r\n NDS Supplement Table 4A gives C_F =%.2f for Fc of a %s; the C_size entered is used.", CFc,
            member_.label().c_str());
  if (tooLarge_) {
    out += "\r\n\r\n Check entries: the length, the sizes or the factors are too large or too small to compute.";
    return out;
  }
  if (!inputsUsable()) {
    out += "\r\n\r\n Check entries: the depth and the width must be greater than zero and at most 1000 in., and "
           "every adjustment factor greater than zero and at most 10.";
    return out;
  }
  appendf(out,
          "\r\n E' = E * c_moisture * c_temperat * c_buckling * c_incising =%.2f psi\r\n FcE = KcE*E'/(le*le/d*d) = %.2f "
          "psi.\r\n (1+FcE/FcStar)/2c = %.3f \r\n FcStar = %.2f psi\r\n NDS Equation 3.7.1 \r\n   Cp= (1 + "
          "(FcE/FcStar))/2c - sqrt( ((1+Fce/FcStar)/2c )^2 -FcE/(FcStar*c)) \r\n\t =  %.3f\r\n F'c = Fc * C_D * C_M * "
          "C_F * Cp * C_i =%.2f psi",
          Eprime_, FcE_, (1.0 + FcE_ / FcStar_) / (2.0 * c_), FcStar_, C_P_, FcPrime_);
  // Which axis the capacity stands on: the engineer must see that the other one was considered.
  if (leW_ > 0.0)
    appendf(out,
            "\r\n Buckling across d: le/d =%.1f/%.3f =%.2f;  across w: le/w =%.1f/%.3f =%.2f;  the larger, across %s, "
            "governs (NDS 3.7.1.3)",
            leD_, d_, leD_ / d_, leW_, w_, leW_ / w_, wGoverns_ ? "w" : "d");
  else
    appendf(out, "\r\n Buckling checked across d only (le/d =%.2f): the w side is taken as braced.", le_ / d_);
  if (slendernessOk()) {
    // Compression checked by size: a load typed with a minus sign is still a load.
    const double P = std::fabs(P_);
    appendf(out, "\r\n  Allowable P = F'c * area =%.2f kip\r\n", allowableLoad_);
    out += ratioLine(P, allowableLoad_, "Design load", "Post capacity", "kip");
    out += percentLine("\r\n\t (P)design/(P)capacity =%.1f%%\r\n", P, allowableLoad_);
  } else {
    appendf(out, "\r\n NDS 3.7.1.4 the slenderness ratio for solid column le/d shall not exceed 50 <%.2f N.G.\r\n",
            slenderness());
  }
  return out + result_.summaryLine();
}

}  // namespace vd

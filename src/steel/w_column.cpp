#include "steel/w_column.h"

#include <cmath>

#include "platform/text_format.h"
#include "steel/asd_common.h"

namespace vd {

WColumnAsd::WColumnAsd(const SectionRecord& r, double kx, double lx, double ky, double ly, double p, double fy,
                       double dead, double live, double quake, int type, int rw)
    : rec(r),
      Kx(kx),
      Lx(lx),
      rx(r.rxx),
      Ky(ky),
      Ly(ly),
      ry(r.ryy),
      bf2tf(r.bf2tf),
      htw(r.htw),
      A(r.A),
      P(p),
      Fy(fy),
      D(dead),
      L(live),
      E(quake),
      columnType(static_cast<int>(columnRoleFrom(type))),
      Rw(rw) {
  klrMax = largerOf(Kx * Lx * 12.0 / rx, Ky * Ly * 12.0 / ry);
}

std::string WColumnAsd::inputError() const { return columnInputError(Fy, Kx, Lx, Ky, Ly, rx, ry, A, klrMax); }

std::string WColumnAsd::design() {
  result_ = DesignResult{};
  static_cast<RoleDesign&>(*this) = RoleDesign{};
  const ColumnRole role = columnRoleFrom(columnType);
  const double dL = rec.d, bf = rec.bf, tf = rec.tf, dAf = rec.dAf, rT = rec.rT;
  const double klrX = Kx * Lx * 12.0 / rx;
  const double klrY = Ky * Ly * 12.0 / ry;
  const double sqrtFy = std::sqrt(Fy);

  std::string r;
  appendf(r,
          "\r\n Compression Member for \"W\" Shapes Based on the 9th Ed. AISC Allowable Stress Design\r\n Input: %s\t "
          "unbraced length(xx) axis= %.2f ft,\t k(xx) =%.2f\r\n \t\t unbraced length(yy) axis = %.2f ft,\t k(yy) "
          "=%.2f\r\n\t Axial load =%.2f kips,\t F_yield =%.2f ksi,\t E =%.1f ksi.\r\n",
          role == ColumnRole::Column || role == ColumnRole::SeismicColumn ? "Column" : "Brace", Lx, Kx, Ly, Ky, P, Fy,
          kSteelModulus);
  if (role == ColumnRole::SeismicColumn)
    appendf(r, "\r\n Dead load =%.2f kip,   Live Load =%.2f kip,  Earthquake Load =%.2f kip\r\n  Rw =%d", D, L, E, Rw);
  appendf(r,
          "\r\n Depth =%.3f in,\t Flange width =%.3f in,\t thickness =%.3f\r\n area =%.3f in^2,\t Bf/2tf =%.3lf,\t "
          "d/tw =%.2lf\r\n Weight =%.2f lbs/ft,\t  Web thickness =%.4f in\r\n\t Elastic Properties:\r\n Ixx =%.2f "
          "in^4,  Sxx =%.3f in^3,  rxx =%.3f in,  kl/r =%.2lf\r\n Iyy =%.2f in^4,  Syy =%.3f in^3,  ryy =%.3f in,  "
          "kl/r =%.2lf\r\n\r\n ASD 9th Ed. EQ. F1-2 ...",
          dL, bf, tf, A, bf2tf, static_cast<double>(rec.dtw), static_cast<double>(rec.weight),
          static_cast<double>(rec.tw), static_cast<double>(rec.Ixx), static_cast<double>(rec.Sxx), rx, klrX,
          static_cast<double>(rec.Iyy), static_cast<double>(rec.Syy), ry, klrY);

  // Beam limits of the section for Cb = 1.
  const double Cb = 1.0;
  {
    const double a = 76.0 * bf / sqrtFy;
    const double b = 20000.0 / dAf / Fy;
    r += b <= a ? " 20,000/(d/Af)Fy" : " 76*bf/ sqrt(Fy)";
    Lc = smallerOf(a, b);
    appendf(r, "\t Lc =%.2f ft.", Lc / 12.0);
  }
  {
    const double a = Cb * 20000.0 / Fy / dAf;
    const double b = std::sqrt(Cb * 102000.0 / Fy) * rT;
    r += a <= b ? "\r\n ASD 9th Ed. EQ. F1-6 ... sqrt(102,000.0*Cb/Fy)*rT)"
                : "\r\n ASD 9th Ed. EQ. F1-8 ... 12,000*Cb/(0.6*Fy)/(d/Af)";
    Lu = largerOf(a, b);
    appendf(r, "\tLu =%.2f ft.", Lu / 12.0);
  }

  // Flange: a flange at exactly 95/sqrt(Fy) lies beyond the compact limit 65/sqrt(Fy) and is not compact.
  if (bf2tf > 95.0 / sqrtFy) {
    flangeCompact = false;
    r += "\r\n Applied ASD Appendix B5 to complete the rest of the design.";
  } else if (bf2tf <= 65.0 / sqrtFy) {
    flangeCompact = true;
    appendf(r, "\r\n Table B5.1,  bf/2tf(=%.2lf) < 65/sqrt(Fy)(=%.2lf)  ...flanges are compact.", bf2tf, 65.0 / sqrtFy);
  } else {
    flangeCompact = false;
    appendf(r,
            "\r\n\tTable B5.1,  bf/2tf(=%.2lf) > 65/sqrt(Fy)(=%.2lf)\r\n flange exceeds the limit on compact section",
            bf2tf, 65.0 / sqrtFy);
  }

  Qs = 1.0;
  Qa = 1.0;
  fWeb = hEff = 0.0;
  Cc = slendernessCc(Fy);
  if (htw <= 253.0 / sqrtFy) {
    webCompact = true;
    appendf(r, "\r\n Table B5.1,  h/tw(=%.2lf) < 253/sqrt(Fy)(=%.2lf)  ...web is compact.", htw, 253.0 / sqrtFy);
    appendf(r, "\r\n\r\n\t Cc = sqrt(2*pi^2*E/Fy) =%.2f", Cc);
  } else {
    webCompact = false;
    appendf(r,
            "\r\n\tTable B5.1,  h/tw(=%.2lf) > 253/sqrt(Fy)(=%.2lf)\r\n web exceeds the limit on compact "
            "section\r\n Applied ASD Appendix B5 to complete the rest of the design where allowed.",
            htw, 253.0 / sqrtFy);
    const double tw = rec.tw, h = htw * tw;
    auto lost = [](double f, const void* ctx) {
      const WColumnAsd& c = *static_cast<const WColumnAsd*>(ctx);
      return (c.htw * c.rec.tw - effectiveWidth(c.rec.tw, c.htw, f, 44.3)) * c.rec.tw;
    };
    Qa = effectiveAreaFactor(smallerOf(klrX, klrY), Cc, Fy, A, lost, this, fWeb);
    hEff = effectiveWidth(tw, htw, fWeb, 44.3);
    appendf(r,
            "\r\n\t f = f_a/Qa =%.2f ksi (web stress at the allowable load, shorter kl/r)"
            "\r\n\t h_e = 253*tw/sqrt(f)*[1-44.3/((h/tw)*sqrt(f))]  (A-B5-8) =%.3f in of h =%.3f in"
            "\r\n\t A_eff =%.3f in^2,   Qa = A_eff/A =%.3f",
            fWeb, hEff, h, Qa * A, Qa);
    appendf(r, "\r\n\r\n\t Cc = sqrt(2*pi^2*E/Fy) =%.2f", Cc);
  }

  RoleInputs in{role, klrX, klrY, klrMax, largerOf(Lx * 12.0 / rx, Ly * 12.0 / ry), Cc, Fy, Qs * Qa, A, P};
  in.dead = D, in.live = L, in.seismic = E, in.Rw = Rw;
  // An SCBF brace needs compact flanges and web.
  in.scbfChecks = [&](std::string& out, DesignResult& result) {
    if (!flangeCompact) {
      out += "\r\n Flanges are not compact!!!!  ... NO GOOD";
      result.check(bf2tf / (65.0 / sqrtFy), false, "compact flange of an SCBF brace, bf/2tf");
    }
    if (!webCompact) {
      out += "\r\n Web is not compact!!!!  ... NO GOOD";
      result.check(htw / (253.0 / sqrtFy), false, "compact web of an SCBF brace, h/tw");
    }
  };
  static_cast<RoleDesign&>(*this) = designInRole(r, result_, in);
  appendSummary(r, result_);
  return r;
}

}  // namespace vd

#include "steel/tube_column.h"

#include <cmath>

#include "platform/text_format.h"
#include "steel/asd_common.h"

namespace vd {

TubeColumnAsd::TubeColumnAsd(const SectionRecord& r, double kx, double lx, double ky, double ly, double p, double fy,
                             double dead, double live, double quake, int type, int rw)
    : rec(r),
      Kx(kx),
      Lx(lx),
      Ky(ky),
      Ly(ly),
      P(p),
      Fy(fy),
      D(dead),
      L(live),
      E(quake),
      columnType(static_cast<int>(columnRoleFrom(type))),
      Rw(rw),
      A(r.A),
      rxx(r.rxx),
      ryy(r.ryy),
      t(r.t),
      width(r.b),
      depth(r.d),
      bt(r.bt),
      ht(r.ht) {
  klrMax = largerOf(Kx * Lx * 12.0 / rxx, Ky * Ly * 12.0 / ryy);
}

std::string TubeColumnAsd::inputError() const { return columnInputError(Fy, Kx, Lx, Ky, Ly, rxx, ryy, A, klrMax); }

// Appendix B5 (A-B5-7): b_e = 253 t/sqrt(f) [1 - 50.3/((b/t) sqrt(f))] <= b for each wall beyond
// 238/sqrt(Fy). f is the stress on the effective area at the allowable load, f_a/Qa, and f_a depends on
// Qa through Cc' = Cc/sqrt(Qa): iterate to agreement. The shorter kl/r gives the larger f (the smaller
// effective area), which is used for both axes.
void TubeColumnAsd::effectiveArea(double klr) {
  auto lost = [](double f, const void* ctx) {
    const TubeColumnAsd& c = *static_cast<const TubeColumnAsd*>(ctx);
    const double limit = 238.0 / std::sqrt(c.Fy);
    double area = 0.0;
    for (double ratio : {c.bt, c.ht})
      if (ratio > limit) area += 2.0 * c.t * (ratio * c.t - effectiveWidth(c.t, ratio, f, 50.3));
    return area;
  };
  Qa = effectiveAreaFactor(klr, Cc, Fy, A, lost, this, fWall);
  const double limit = 238.0 / std::sqrt(Fy);
  beWidth = bt > limit ? effectiveWidth(t, bt, fWall, 50.3) : bt * t;
  beDepth = ht > limit ? effectiveWidth(t, ht, fWall, 50.3) : ht * t;
  Aeff = Qa * A;
}

std::string TubeColumnAsd::design() {
  result_ = DesignResult{};
  static_cast<RoleDesign&>(*this) = RoleDesign{};
  Qa = 1.0;
  Aeff = A;
  const ColumnRole role = columnRoleFrom(columnType);
  const bool brace = role == ColumnRole::CbfBrace || role == ColumnRole::ScbfBrace;
  const double klrX = Kx * Lx * 12.0 / rxx;
  const double klrY = Ky * Ly * 12.0 / ryy;
  const double sqrtFy = std::sqrt(Fy);
  // The wider wall decides every width-thickness limit.
  const double wall = largerOf(bt, ht);

  std::string r;
  appendf(r,
          "\r\n Input: %s\t length(yy) =%.2lf ft,\t k(yy) =%.2lf,\r\n \t\t length(xx) =%.2f ft,\t k(xx) =%.2lf,\r\n\t "
          "Axial load =%.2f kips,\t Fy =%.2f ksi,\t E =%.1f ksi.\r\n",
          brace ? "Brace" : "Column", Ly, Ky, Lx, Kx, P, Fy, kSteelModulus);
  if (role == ColumnRole::SeismicColumn)
    appendf(r, "\r\n Dead load =%.2f kip,   Live Load =%.2f kip,  Earthquake Load =%.2f kip\r\n  Rw =%d", D, L, E, Rw);
  appendf(r,
          "\r\n steel area =%.3lf in^2,  weight =%.3lf lbs/ft,  design wall thickness (0.93 t nominal) =%.4f in"
          "\r\n\t Elastic Properties:\r\n I_yy =%.2f in^4,   S_yy =%.3f in^3,   r_yy =%.3f in,   "
          "kl/r =%.2lf\r\n I_xx =%.2f in^4,   S_xx =%.3f in^3,   r_xx =%.3f in,   kl/r =%.2lf",
          A, static_cast<double>(rec.weight), t, static_cast<double>(rec.Iyy), static_cast<double>(rec.Syy), ryy, klrY,
          static_cast<double>(rec.Ixx), static_cast<double>(rec.Sxx), rxx, klrX);

  Cc = slendernessCc(Fy);
  const double slenderLimit = 238.0 / sqrtFy;
  if (!brace) {
    const double limit = 190.0 / sqrtFy;
    appendf(r,
            "\r\n\r\n Design: %s \r\n Check width-thickness ratio:\r\n\t width/thickness (=%.2f)  %c 190.0/sqrt(Fy) "
            "(=%.2f)",
            role == ColumnRole::Column ? "for a normal strut--neither a brace nor a part of a CBF or SCBF frame"
                                       : "this column is a part of the frame",
            wall, limit < wall ? '>' : '<', limit);
  } else {
    const double limit = 110.0 / sqrtFy;
    const char c = wall <= limit ? '<' : '>';
    appendf(
        r, "\r\n\r\n Design:\r\n Check width-thickness ratio:\r\n\t width/thickness (=%.2f)  %c 110.0/sqrt(Fy) (=%.2f)",
        wall, c, limit);
    const char* verdict = limitVerdict(result_, wall, limit, "wall b/t of a brace, UBC 2213.8.2.5");
    if (c == '<')
      r += "\r\n\t Meeting UBC 2213.8.2.5 or 2213.9.2.5 requirement. OK";
    else
      r += verdict;
  }
  if (wall <= slenderLimit) {
    if (!brace) r += "\r\n\t ref. to ASD Table B5.1 b/t -- The tube is fully effective.";
  } else {
    effectiveArea(smallerOf(klrX, klrY));
    appendf(r,
            "\r\n\t width/thickness (=%.2f) > 238/sqrt(Fy) (=%.2f): slender walls, ASD Appendix B5 Eq. A-B5-7"
            "\r\n\t f = f_a/Qa =%.2f ksi (wall stress at the allowable load, shorter kl/r)"
            "\r\n\t b_e = 253*t/sqrt(f)*[1-50.3/((b/t)*sqrt(f))]:  width walls %.3f of %.3f in,  depth walls %.3f of "
            "%.3f in"
            "\r\n\t A_eff =%.3f in^2,   Qa = A_eff/A =%.3f",
            wall, slenderLimit, fWall, beWidth, bt * t, beDepth, ht * t, Aeff, Qa);
  }

  // Each slenderness limit on its own line with its own verdict.
  appendf(r, "\r\n\t kl/r =%.2f vs 200%s", klrMax, limitVerdict(result_, klrMax, 200.0, "slenderness kl/r, Sect. B7"));
  if (role == ColumnRole::CbfBrace)
    appendf(r, "\r\n\t kl/r =%.2f vs 720/sqrt(Fy) =%.2f%s", klrMax, 720.0 / sqrtFy,
            limitVerdict(result_, klrMax, 720.0 / sqrtFy, "brace kl/r, UBC 2213.8.2.1"));
  else if (role == ColumnRole::ScbfBrace)
    appendf(r, "\r\n\t kl/r =%.2f vs 1000/sqrt(Fy) =%.2f%s", klrMax, 1000.0 / sqrtFy,
            limitVerdict(result_, klrMax, 1000.0 / sqrtFy, "brace kl/r, UBC 2213.9.2.1"));

  appendf(r, "\r\n\t Cc = sqrt(2*pi^2*E/Fy) = %.2f", Cc);

  const char* thinWall = wall > slenderLimit
                             ? "\r\n This column is classified as a thin-walled when b/t > 238/sqrt(Fy)\r\n Punch "
                               "shear is a problem on this shape.  Avoid shear tab!"
                             : "";
  RoleInputs in{role, klrX, klrY, klrMax, largerOf(Lx * 12.0 / rxx, Ly * 12.0 / ryy), Cc, Fy, Qa, A, P};
  in.dead = D, in.live = L, in.seismic = E, in.Rw = Rw;
  in.minorNote = thinWall;
  static_cast<RoleDesign&>(*this) = designInRole(r, result_, in);
  appendSummary(r, result_);
  return r;
}

}  // namespace vd

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

std::string TubeColumnAsd::design() {
  stopText_.clear();
  major = minor = AxisResult{};
  seismicP = 0.0;
  const ColumnRole role = columnRoleFrom(columnType);
  const bool brace = role == ColumnRole::CbfBrace || role == ColumnRole::ScbfBrace;
  const double klrX = Kx * Lx * 12.0 / rxx;
  const double klrY = Ky * Ly * 12.0 / ryy;
  const double sqrtFy = std::sqrt(Fy);

  std::string r;
  appendf(r,
          "\r\n Input: %s\t length(yy) =%.2lf ft,\t k(yy) =%.2lf,\r\n \t\t length(xx) =%.2f ft,\t k(xx) =%.2lf,\r\n\t "
          "Axial load =%.2f kips,\t Fy =%.2f ksi,\t E =%.1f ksi.\r\n",
          brace ? "Brace" : "Column", Ly, Ky, Lx, Kx, P, Fy, 29000.0);
  if (role == ColumnRole::SeismicColumn)
    appendf(r, "\r\n Dead load =%.2f kip,   Live Load =%.2f kip,  Earthquake Load =%.2f kip\r\n  Rw =%d", D, L, E, Rw);
  appendf(r,
          "\r\n steel area =%.3lf in^2,  weight =%.3lf lbs/ft,  nominal wall thickness =%.4f in\r\n design wall "
          "thickness =%.3f in\r\n\t Elastic Properties:\r\n I_yy =%.2f in^4,   S_yy =%.3f in^3,   r_yy =%.3f in,   "
          "kl/r =%.2lf\r\n I_xx =%.2f in^4,   S_xx =%.3f in^3,   r_xx =%.3f in,   kl/r =%.2lf",
          A, static_cast<double>(rec.weight), t, t, static_cast<double>(rec.Iyy), static_cast<double>(rec.Syy), ryy,
          klrY, static_cast<double>(rec.Ixx), static_cast<double>(rec.Sxx), rxx, klrX);

  if (!brace) {
    const double limit = 190.0 / sqrtFy;
    const char c = limit < bt || limit < ht ? '>' : '<';
    appendf(r,
            "\r\n\r\n Design: %s \r\n Check width-thickness ratio:\r\n\t width/thickness (=%.2f)  %c 190.0/sqrt(Fy) "
            "(=%.2f)",
            role == ColumnRole::Column ? "for a normal strut--neither a brace nor a part of a CBF or SCBF frame"
                                       : "this column is a part of the frame",
            bt, c, limit);
    r += 3300.0 / Fy < bt ? "\r\n\t Appendix C would have governed."
                          : "\r\n\t ref. to ASD Table B5.1 b/t -- The tube is fully effective.";
  } else {
    const double limit = 110.0 / sqrtFy;
    const char c = bt <= limit ? '<' : '>';
    appendf(r,
            "\r\n\r\n Design:\r\n Check width-thickness ratio:\r\n\t width/thickness (=%.2f)  %c 110.0/sqrt(Fy) (=%.2f)",
            bt, c, limit);
    if (c == '<') r += "\r\n\t Meeting UBC 2213.8.2.5 or 2213.9.2.5 requirement. OK";
  }

  if (role == ColumnRole::CbfBrace)
    appendf(r, "\r\n\t kl/r =%.2f vs 720/sqrt(Fy) =%.2f", klrMax, 720.0 / sqrtFy);
  else if (role == ColumnRole::ScbfBrace)
    appendf(r, "\r\n\t kl/r =%.2f vs 1000/sqrt(Fy) =%.2f", klrMax, 1000.0 / sqrtFy);
  else
    appendf(r, "\r\n\t kl/r =%.2f vs 200", klrMax);
  if (klrMax > 200.0) r += "  NO GOOD!!!";
  if (brace && bt > 110.0 / sqrtFy) r += "  NO GOOD!!!";
  if (role == ColumnRole::CbfBrace && klrMax > 720.0 / sqrtFy) r += "  NO GOOD!!!";
  if (role == ColumnRole::ScbfBrace && klrMax > 1000.0 / sqrtFy) r += "  NO GOOD!!!";

  Cc = std::sqrt(2.0 * PI * PI * 29000.0 / Fy);
  appendf(r, "\r\n\t Cc = sqrt(2*pi^2*E/Fy) = %.2f", Cc);

  const double Qs = 1.0;
  switch (role) {
    case ColumnRole::Column:
      major = columnAxisCheck(r, Axis::Major, klrX, Cc, Fy, Qs, A, P);
      minor = columnAxisCheck(r, Axis::Minor, klrY, Cc, Fy, Qs, A, P);
      break;
    case ColumnRole::SeismicColumn: {
      major = columnAxisCheck(r, Axis::Major, klrX, Cc, Fy, Qs, A, P);
      const char* thinWall = bt > 238.0 / sqrtFy
                                 ? "\r\n This column is classified as a thin-walled when b/t > 238/sqrt(Fy)\r\n Punch "
                                   "shear is a problem on this shape.  Avoid shear tab!"
                                 : "";
      minor = columnAxisCheck(r, Axis::Minor, klrY, Cc, Fy, Qs, A, P, 0.0, thinWall);
      seismicP = ubcColumnCheck(r, D, L, E, Rw, smallerOf(major.fa, minor.fa), A);
      break;
    }
    case ColumnRole::CbfBrace: {
      const double lr = largerOf(Lx * 12.0 / rxx, Ly * 12.0 / ryy);
      Beta = braceStressFactor(klrMax, Cc);
      if (cbfSlendernessBlock(r, lr, Fy, Beta)) {
        major = columnAxisCheck(r, Axis::Major, klrX, Cc, Fy, Qs, A, P, Beta);
        minor = columnAxisCheck(r, Axis::Minor, klrY, Cc, Fy, Qs, A, P, Beta);
      } else {
        stopText_ = kCbfStopText;
      }
      break;
    }
    case ColumnRole::ScbfBrace:
      if (scbfSlendernessBlock(r, klrMax, Fy)) {
        major = columnAxisCheck(r, Axis::Major, klrX, Cc, Fy, Qs, A, P);
        minor = columnAxisCheck(r, Axis::Minor, klrY, Cc, Fy, Qs, A, P);
      } else {
        stopText_ = kScbfStopText;
      }
      break;
  }
  return r;
}

}  // namespace vd

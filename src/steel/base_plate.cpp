#include "steel/base_plate.h"

#include <cmath>

#include "platform/text_format.h"
#include "steel/asd_common.h"

namespace vd {

std::string basePlateInputError(const BasePlateInput& in) {
  if (!(in.Fy > 0.0)) return "Fy must be greater than zero.";
  if (!(in.N > 0.0) || !(in.B > 0.0)) return "The plate sides N and B must be greater than zero.";
  if (in.N2 < 0.0 || in.B2 < 0.0) return "The pier sides cannot be negative.";
  if (in.fc < 0.0) return "f'c cannot be negative.";
  if (in.P < 0.0) return "The axial load must be a compression (P >= 0).";
  if (!(in.d > 0.0) || !(in.bf > 0.0)) return "The column has no depth or flange width.";
  // A plate that does not cover the column's footprint has no cantilevers to design.
  if (in.N < in.d || in.B < in.bf) return "The plate must cover the column: N at least d and B at least bf.";
  if (!std::isfinite(in.N * in.B) || !std::isfinite(in.N2 * in.B2) || !std::isfinite(4.0 * in.N * in.B))
    return "The plate or pier sides are too large.";
  return {};
}

BasePlateResult designBasePlate(const BasePlateInput& in) {
  BasePlateResult r;
  const double A1 = in.N * in.B;
  const double A2 = in.N2 * in.B2;
  r.A2A1 = A2 <= 4.0 * A1 ? A2 / A1 : 4.0;
  r.Fp = 0.35 * in.fc * std::sqrt(r.A2A1);
  r.fp = in.P / in.N / in.B;
  // fp equal to Fp passes.
  r.result.check(r.Fp > 0.0 ? r.fp / r.Fp : (r.fp > 0.0 ? 1.0e9 : 0.0), r.fp <= r.Fp, "bearing, Sect. J9");
  if (r.fp > r.Fp) {
    r.message = format(" Bearing pressure(%.2f ksi) exceed ASD Section J9 limits (%.2lf ksi) N.G.", r.fp, r.Fp);
    return r;
  }
  r.bearingOk = true;
  r.m = (in.N - 0.95 * in.d) / 2.0;
  r.n = (in.B - 0.8 * in.bf) / 2.0;
  r.nPrime = std::sqrt(in.d * in.bf) / 4.0;
  r.l = largerOf(largerOf(r.m, r.n), r.nPrime);
  r.t = 2.0 * r.l * std::sqrt(r.fp / in.Fy);
  // Up to the next sixteenth only when above one: a plate of exactly 3/4 in needs no 13/16 in. The small
  // tolerance keeps a t that is a sixteenth up to rounding noise (0.75 computed as 0.7500000001) there.
  r.thickness = std::ceil(16.0 * r.t - 1e-9) / 16.0;
  const double ratio = in.d / in.bf;
  r.alphaSimple = 0.5 * std::sqrt(ratio);
  r.alphaReal = std::sqrt((3.0 * ratio * ratio + 1.0 - std::sqrt(6.0 * ratio * ratio + 1.0)) /
                          (3.0 * (std::sqrt(6.0 * ratio * ratio) + ratio * ratio)));
  appendf(r.report,
          "\r\n axial P =%.2lf kip,  N_side =%.3lf in,  B_side =%.3lf in\r\n Conc. pier depth =%.3lf in,   width "
          "=%.3lf in,  f'c =%.2lf ksi \r\n\r\n Wide flange depth =%.3lf in,   width =%.3lf in \r\n fp = "
          "P_axial/(N_side*B_side) = %.2lf ksi   m =%.2lf\"   n =%.2lf\"   l =%.2lf\" \r\n allowable concrete "
          "compression stress =%.2lf ksi",
          in.P, in.N, in.B, in.N2, in.B2, in.fc, in.d, in.bf, r.fp, r.m, r.n, r.l, r.Fp);
  // Bearing passes up to and including Fp, so this line cannot use the strict ratio line.
  appendf(r.report, "\r\n\t fp (=%.2f ksi) <= Fp (=%.2f ksi)  ... OK", r.fp, r.Fp);
  appendf(r.report,
          "\r\n alpha(real) =%.3lf  alpha(simple) =%.3lf \r\n Plate Fy =%.2lf ksi,   t = 2*l*sqrt(fp/Fy) =%.4lf in"
          "\r\n Base Plate Thickness =%.3lf in\r\n",
          r.alphaReal, r.alphaSimple, in.Fy, r.t, r.thickness);
  appendSummary(r.report, r.result);
  return r;
}

}  // namespace vd

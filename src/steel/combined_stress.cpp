#include "steel/combined_stress.h"

#include <cmath>

#include "platform/text_format.h"
#include "steel/asd_common.h"

namespace vd {

namespace {

// An allowable left at 0 would divide by zero; with no stress on it the term is simply 0.
double nonZero(double allowable) { return allowable == 0.0 ? 0.0001 : allowable; }

double eulerStress(double k, double Lb, double r) {
  const double klr = k * Lb * 12.0 / r;
  return 12.0 * PI * PI * (kSteelModulus * 1000.0) / (23.0 * klr * klr) / 1000.0;
}

}  // namespace

CombinedStress::CombinedStress(double fa_, double Fa_, double Fy_, double fbx_, double kx_, double Lbx_, double rx_,
                               double Cmx_, double Fbx_, double fby_, double ky_, double Lby_, double ry_, double Cmy_,
                               double Fby_)
    : fa(fa_),
      Fa(nonZero(Fa_)),
      Fy(Fy_),
      fbx(fbx_),
      kx(kx_),
      Lbx(Lbx_),
      rx(rx_),
      Cmx(Cmx_),
      Fbx(nonZero(Fbx_)),
      fby(fby_),
      ky(ky_),
      Lby(Lby_),
      ry(ry_),
      Cmy(Cmy_),
      Fby(nonZero(Fby_)),
      zeroFa_(Fa_ == 0.0),
      zeroFbx_(Fbx_ == 0.0),
      zeroFby_(Fby_ == 0.0) {}

std::string CombinedStress::inputError() const {
  if (!(Fy > 0.0)) return "Fy must be greater than zero.";
  if (!(kx > 0.0) || !(Lbx > 0.0) || !(rx > 0.0))
    return "k, Lb and r of the X-X axis must be greater than zero: F'e_x cannot be computed.";
  if (!(ky > 0.0) || !(Lby > 0.0) || !(ry > 0.0))
    return "k, Lb and r of the Y-Y axis must be greater than zero: F'e_y cannot be computed.";
  // An allowable left empty while its stress is not would make the check meaningless.
  if (zeroFa_ && fa != 0.0) return "Fa is zero while fa is not: enter the allowable axial stress.";
  if (zeroFbx_ && fbx != 0.0) return "Fb of the X-X axis is zero while fb is not: enter the allowable.";
  if (zeroFby_ && fby != 0.0) return "Fb of the Y-Y axis is zero while fb is not: enter the allowable.";
  if (Fa < 0.0 || Fbx < 0.0 || Fby < 0.0) return "Allowable stresses cannot be negative.";
  const double fex = eulerStress(kx, Lbx, rx), fey = eulerStress(ky, Lby, ry);
  if (!std::isfinite(fex) || !std::isfinite(fey) || !(fex > 0.0) || !(fey > 0.0))
    return "The slenderness k*Lb/r is out of range: F'e cannot be computed.";
  return {};
}

std::string CombinedStress::report() {
  Fex = eulerStress(kx, Lbx, rx);
  Fey = eulerStress(ky, Lby, ry);
  H11 = H12 = H13 = 1.01;
  result_ = DesignResult{};
  usesH11 = fa / Fa > 0.15;
  H12 = fby / Fby + fbx / Fbx + fa / (0.60 * Fy);
  H13 = fby / Fby + fbx / Fbx + fa / Fa;
  // At fa >= F'e the amplification 1/(1 - fa/F'e) of a bent axis has no finite positive value.
  const bool bucklesX = fbx != 0.0 && fa >= Fex;
  const bool bucklesY = fby != 0.0 && fa >= Fey;
  auto term = [&](double Cm, double fb, double Fe, double Fb) { return fb == 0.0 ? 0.0 : Cm * fb / (1.0 - fa / Fe) / Fb; };
  if (!bucklesX && !bucklesY) H11 = term(Cmy, fby, Fey, Fby) + term(Cmx, fbx, Fex, Fbx) + fa / Fa;

  std::string r;
  appendf(r,
          "\r\n Input:\r\n fa =%.2lf ksi,  Fa =%.2lf ksi,  Fy =%.2lf ksi, E = 29,000 ksi\r\n fb_x =%.2lf ksi,  k_x "
          "=%.2lf,   Lb_x =%.2lf ft,   r_x =%.3lf in\r\n\t Cm_x =%.2lf,  (Fb_x)allowable = %.2lf\r\n fb_y =%.2lf ksi,  "
          "k_y =%.2lf,   Lb_y =%.2lf ft,   r_y =%.3lf in\r\n\t Cm_y =%.2lf,  (Fb_y)allowable = %.2lf\r\n\r\n AISC "
          "Allowable Stress Design, CHAPTER H Combined Stresses:\r\n Fe'_x =12*pi*pi*E/23/(kx*lx/rx)^2 =%.2lf \r\n "
          "Fe'_y =12*pi*pi*E/23/(ky*ly/ry)^2 =%.2lf \r\n",
          fa, Fa, Fy, fbx, kx, Lbx, rx, Cmx, Fbx, fby, ky, Lby, ry, Cmy, Fby, Fex, Fey);
  if (usesH11) {
    if (bucklesX || bucklesY) {
      appendf(r,
              "\r\n Eq. H1-1:   fa (=%.2lf ksi) >= Fe'_%c (=%.2lf ksi): the amplification 1/(1.0-fa/Fe') has no "
              "finite value.\r\n\t NO GOOD!  fa must stay below Fe'  ... NO GOOD!\r\n",
              fa, bucklesX ? 'x' : 'y', bucklesX ? Fex : Fey);
      governing = HUGE_VAL;
      result_.check(HUGE_VAL, false, "interaction, Eq. H1-1 (fa >= F'e)");
      appendSummary(r, result_);
      return r;
    }
    appendf(r,
            "\r\n Eq. H1-1:   fa/Fa + cmx*fbx/(1.0-fa/Fpex)/Fbx + cmy*fby/(1.0-fa/Fpey)/Fby\r\n = %.2lf/%.2lf + "
            "%.2lf*%.2lf/(1.0 - %.2lf/%.2lf)/%.2lf + %.2lf*%.2lf/(1.0 - %.2lf/%.2lf)/%.2lf \r\n =%.3lf",
            fa, Fa, Cmx, fbx, fa, Fex, Fbx, Cmy, fby, fa, Fey, Fby, H11);
    r += result_.ratioLine(H11, 1.0, "Design Need", "Column Capacity", "", "interaction, Eq. H1-1");
    // Both H1-1 and H1-2 must hold; each value stands with its own verdict and the larger governs.
    appendf(r,
            "\r\n Eq. H1-2:   fa/(0.60*Fy) + fbx/Fbx + fby/Fby\r\n = %.2lf/(0.60*%.2lf) + %.2lf/%.2lf + %.2lf/%.2lf "
            "\r\n =%.3lf",
            fa, Fy, fbx, Fbx, fby, Fby, H12);
    r += result_.ratioLine(H12, 1.0, "Design Need", "Column Capacity", "", "interaction, Eq. H1-2");
    governing = largerOf(H11, H12);
    appendf(r, "\r\n Governing: Eq. %s =%.3lf", H12 >= H11 ? "H1-2" : "H1-1", governing);
  } else {
    appendf(r, "\r\n Eq. H1-3:   fa/Fa + fbx/Fbx +  fby/Fby\r\n = %.2lf/%.2lf + %.2lf/%.2lf + %.2lf/%.2lf \r\n =%.3lf", fa,
            Fa, fbx, Fbx, fby, Fby, H13);
    governing = H13;
    r += result_.ratioLine(governing, 1.0, "Design Need", "Column Capacity", "", "interaction, Eq. H1-3");
  }
  appendf(r, "\r\n (P)design/(P)capacity =%.2lf%%\r\n", governing * 100.0);
  appendSummary(r, result_);
  return r;
}

}  // namespace vd

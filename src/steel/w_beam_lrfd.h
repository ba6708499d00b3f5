#pragma once
// W, M and S beams in flexure by LRFD (3rd edition): lambda_p / lambda_r, Lp, Lr, Lm, five cases of
// design moment strength and the design shear strength. phi = 0.9 for both.
#include <string>

#include "tables/section_record.h"

namespace vd {

class WBeamLrfd {
 public:
  // How the routine ended.
  enum class Case { None, CompactBraced, CompactInelastic, CompactElastic, FlangeBraced, FlangeInelastic, Unusual };

  // M kip-ft, Lb ft, Fy and Fu ksi, V kip. Fy is designed within 33 to 50 ksi; Fu and V are kept only.
  WBeamLrfd(const SectionRecord& rec, double M, double Lb, double Cb, double Fy, double Fu, double V);

  std::string design();

  // Results of the last design(): lengths in ft, moments in kip-in.
  Case kase = Case::None;
  double Lp = 0.0, Lr = 0.0, Lm = 0.0, Mp = 0.0, Mr = 0.0, phiMn = 0.0, phiVn = 0.0;

  const SectionRecord& rec;
  double M, Lb, Cb, Fy, Fu, V, E = 29000.0;
  double bf, tf, tw, A, d, k, bf2tf, dAf, rT, ryy, htw, dtw, Sxx, Zxx, X1, X2;
};

}  // namespace vd

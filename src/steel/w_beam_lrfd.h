#pragma once
// W, M and S beams in flexure by LRFD (3rd edition): lambda_p / lambda_r, Lp, Lr, Lm, the design
// moment strength as the least of yielding, lateral-torsional buckling (F1-2, F1-13, with Cb) and
// local buckling of a noncompact flange or web (A-F1-3), and the design shear strength (F2). phi = 0.9.
#include <string>

#include <utility>

#include "platform/deflection_check.h"
#include "platform/report_lines.h"
#include "tables/section_record.h"

namespace vd {

class WBeamLrfd {
 public:
  // How the routine ended.
  enum class Case {
    None,
    CompactBraced,
    CompactInelastic,
    CompactElastic,
    FlangeBraced,
    FlangeInelastic,
    FlangeElastic,
    WebNoncompact
  };

  // M kip-ft, Lb ft, Fy and Fu ksi, V kip. Fy is designed within 33 to 50 ksi; Fu is kept only.
  WBeamLrfd(const SectionRecord& rec, double M, double Lb, double Cb, double Fy, double Fu, double V);

  std::string design();
  const DesignResult& result() const { return result_; }
  // The deflection check a beam analysis supplied (inactive: none), run by design() before the summary.
  void setDeflectionCheck(DeflectionCheck check) { deflection_ = std::move(check); }

  // Results of the last design(): lengths in ft, moments in kip-in.
  Case kase = Case::None;
  double Lp = 0.0, Lr = 0.0, Lm = 0.0, Mp = 0.0, Mr = 0.0, phiMn = 0.0, phiVn = 0.0;

  const SectionRecord& rec;
  double M, Lb, Cb, Fy, Fu, V, E = 29000.0;
  double bf, tf, tw, A, d, k, bf2tf, dAf, rT, ryy, htw, dtw, Sxx, Zxx, X1, X2;

 private:
  DesignResult result_;
  DeflectionCheck deflection_;
};

}  // namespace vd

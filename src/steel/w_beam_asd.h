#pragma once
// W, M and S beams to the 9th edition ASD rules: Lc and Lu, allowable bending stress F1-1 to F1-8,
// the web depth-thickness limit under axial load, shear F4-1 / F4-2, web yielding and crippling K1-2 to
// K1-5, and the single-plate shear connections that carry the shear.
#include <string>

#include <utility>

#include "platform/deflection_check.h"
#include "platform/report_lines.h"
#include "tables/section_record.h"

namespace vd {

class WBeamAsd {
 public:
  // M kip-ft, Lb ft, Pa kip, Fy ksi, N in (bearing length), V kip. Fy is designed within 33 to 50 ksi.
  WBeamAsd(const SectionRecord& rec, double M, double Lb, double Pa, double Cb, double Fy, double N, double V);

  // Runs the checks; returns the design text (it starts a fresh report buffer), ending with the
  // result's summary line.
  std::string design();
  const DesignResult& result() const { return result_; }
  // The deflection check a beam analysis supplied (inactive: none), run by design() before the summary.
  void setDeflectionCheck(DeflectionCheck check) { deflection_ = std::move(check); }

  // Results of the last design(), for the forms and the tests.
  double Fb = 0.0;  // allowable bending stress, ksi
  double Lu = 0.0;  // in
  double Lc = 0.0;  // in
  double Fv = 0.0;  // allowable shear stress, ksi
  double Vcap = 0.0;  // allowable shear, kip: Fv d tw (F4-1) or Fv h tw (F4-2)

  const SectionRecord& rec;
  double M, Lb, bf, Pa, Cb, Fy, k, N, V;
  double A, d, tw, tf, dAf, rT, bf2tf, htw, dtw, Sxx;

 private:
  DesignResult result_;
  DeflectionCheck deflection_;
};

// The single-plate (A36) shear connections of the fixed table whose capacity exceeds V and whose bolt
// group fits in depth d with the k distance; appended to out.
void appendSinglePlateConnections(std::string& out, double V, double k, double d);

// Capacity (kip) of the single-plate connection with the given bolt (0: 3/4 in, 1: 7/8 in, 2: 1 in),
// bolt count n (2..7) and plate thickness index j (plate (j + 4)/16 in, j = 0..5); 0 when there is none.
double singlePlateCapacity(int bolt, int n, int j);
// Fillet weld size in sixteenths for plate thickness index j.
int singlePlateFillet(int j);

}  // namespace vd

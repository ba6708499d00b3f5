#pragma once
// Interaction of axial compression and biaxial bending by the 9th edition ASD equations H1-1, H1-2 and
// H1-3, from computed and allowable stresses the engineer types.
#include <string>

#include "platform/report_lines.h"

namespace vd {

class CombinedStress {
 public:
  // Stresses in ksi, unbraced lengths in ft, radii of gyration in in.
  CombinedStress(double fa, double Fa, double Fy, double fbx, double kx, double Lbx, double rx, double Cmx, double Fbx,
                 double fby, double ky, double Lby, double ry, double Cmy, double Fby);
  virtual ~CombinedStress() = default;

  // Why these inputs give no meaningful interaction, or empty.
  std::string inputError() const;
  std::string report();
  const DesignResult& result() const { return result_; }

  double fa, Fa, Fy;
  double fbx, kx, Lbx, rx, Cmx, Fbx;
  double fby, ky, Lby, ry, Cmy, Fby;
  double Fex = 0.0, Fey = 0.0;
  double H11 = 1.01, H12 = 1.01, H13 = 1.01;
  // The interaction value the verdict is on (H1-1/H1-2 or H1-3), and whether H1-1 applied.
  double governing = 0.0;
  bool usesH11 = false;

 private:
  DesignResult result_;
  // Which allowables were typed as 0 (and are used as 0.0001).
  bool zeroFa_, zeroFbx_, zeroFby_;
};

}  // namespace vd

#pragma once
// Axial compression design of a rectangular or square HSS by the 9th edition ASD rules, in the same
// four roles as the W column, with the wall slenderness checks of a tube and the effective area of
// slender walls (Appendix B5).
#include <string>

#include "steel/column_checks.h"
#include "tables/section_record.h"

namespace vd {

class TubeColumnAsd : public RoleDesign {
 public:
  // Lengths in ft, loads in kip, Fy in ksi; x is the strong axis.
  TubeColumnAsd(const SectionRecord& rec, double Kx, double Lx, double Ky, double Ly, double P, double Fy, double D,
                double L, double E, int columnType, int Rw);
  virtual ~TubeColumnAsd() = default;

  std::string inputError() const;
  // The design report; stopText() as for the W column.
  std::string design();
  const std::string& stopText() const { return stop; }
  const DesignResult& result() const { return result_; }

  const SectionRecord& rec;
  double Kx, Lx, Ky, Ly, P, Fy, D, L, E;
  int columnType;
  int Rw;
  double Cc = 0.0;
  double A, rxx, ryy, t, width, depth, bt, ht;
  double klrMax = 0.0;

  // Walls with flat b/t above 238/sqrt(Fy) work on their effective widths at the stress f they carry at
  // the allowable load; Qa = A_eff / A (1 when fully effective).
  double Qa = 1.0, Aeff = 0.0, fWall = 0.0, beWidth = 0.0, beDepth = 0.0;

 private:
  void effectiveArea(double klr);
  DesignResult result_;
};

}  // namespace vd

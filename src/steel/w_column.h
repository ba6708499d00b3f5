#pragma once
// Axial compression design of a W, M or S section about both axes by the 9th edition ASD rules, as an
// ordinary column, a seismic-frame column, or a CBF / SCBF brace of the 97 UBC.
#include <string>

#include "steel/column_checks.h"
#include "tables/section_record.h"

namespace vd {

class WColumnAsd : public RoleDesign {
 public:
  // Lengths in ft, loads in kip, Fy in ksi. Rw is the UBC structural system coefficient (4..12).
  WColumnAsd(const SectionRecord& rec, double Kx, double Lx, double Ky, double Ly, double P, double Fy, double D,
             double L, double E, int columnType, int Rw);
  virtual ~WColumnAsd() = default;

  // Why these inputs cannot be designed, or empty.
  std::string inputError() const;
  // The design report. A brace that fails its slenderness limit ends early; stopText() then holds the
  // line the form shows in place of its header.
  std::string design();
  const std::string& stopText() const { return stop; }
  const DesignResult& result() const { return result_; }

  const SectionRecord& rec;
  double Kx, Lx, rx, Ky, Ly, ry, bf2tf, htw, A, P, Fy, D, L, E;
  int columnType;
  int Rw;
  double Cc = 0.0;
  double klrMax = 0.0;
  double Qs = 1.0;
  // A web beyond 253/sqrt(Fy) works on its effective depth h_e (A-B5-8) at the stress fWeb it carries at
  // the allowable load; Qa = A_eff/A, 1 for a compact web.
  double Qa = 1.0, fWeb = 0.0, hEff = 0.0;
  bool flangeCompact = false;
  bool webCompact = false;

  // Results of the last design(), for callers that want the numbers.
  double Lc = 0.0, Lu = 0.0;  // in

 private:
  DesignResult result_;
};

}  // namespace vd

#pragma once
// Axial compression check of two angles back to back by the 9th edition ASD rules, about both axes,
// with the flexural-torsional buckling of the pair and the local buckling factor Qs of the legs.
#include <string>

#include "platform/report_lines.h"
#include "tables/section_record.h"

namespace vd {

class DoubleAngleStrut {
 public:
  // A stop ends the calculation; its message replaces the report.
  enum Stop { None = 0, SlendernessB7 = -1, BraceLegSlenderness = -2 };

  // Lengths in ft (exactly 0 is taken as 0.1 ft), loads in kip, Fy in ksi; gap 0, 1, 2 for 0, 3/8 and
  // 3/4 in between the angles; memberType 0 strut, 1 seismic-frame column, 2 CBF brace, 3 SCBF brace.
  DoubleAngleStrut(const SectionRecord& row, double lyy, double kyy, double P, double lxx, double kxx, int gap,
                   double Fy, int memberType, double dead, double live, double seismic, int Rw);
  virtual ~DoubleAngleStrut() = default;

  std::string inputError() const;
  // The report. After a stop it is the stop message alone; when a brace check ends early without a
  // stop, restartText() holds the line the form puts in place of its header.
  std::string design();
  Stop stop() const { return stop_; }
  const std::string& restartText() const { return restart_; }
  const DesignResult& result() const { return result_; }

  int memberType;
  int Rw;
  int gap;
  const SectionRecord& section;
  double lyy, lxx, kyy, kxx, ryy, rxx, Cc = 0.0, P, Fy, dead, live, seismic, A, t, leg2, leg1;
  double klr = 0.0;
  double bt;
  double Qs = 1.0;
  double Cw2, ro, H;
  double Fey = 0.0, Fez = 0.0, Fe = 0.0, rE = 0.0;

  // Results of design().
  double klrX = 0.0, klrY = 0.0, klrYE = 0.0;
  double faX = 0.0, faY = 0.0, capacityX = 0.0, capacityY = 0.0, Beta = 0.0, seismicP = 0.0;

 private:
  void flexuralTorsional();
  Stop stop_ = None;
  std::string restart_;
  DesignResult result_;
};

}  // namespace vd

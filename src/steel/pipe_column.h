#pragma once
// Axial compression check of a standard steel pipe by the 9th edition ASD rules, as an ordinary column,
// a seismic-frame column, or a CBF / SCBF brace of the 97 UBC.
#include <string>

#include "platform/report_lines.h"
#include "tables/section_record.h"

namespace vd {

class PipeColumn {
 public:
  // A stop ends the report after the D/t line.
  enum Stop { None = 0, SlendernessB7 = -1, CbfSlenderness = -2, ScbfSlenderness = -3 };

  // length in ft, loads in kip, Fy in ksi; memberType 0 column, 1 seismic-frame column, 2 CBF brace,
  // 3 SCBF brace.
  PipeColumn(const SectionRecord& section, double length, double k, double P, double Fy, int memberType,
             double dead, double live, double seismic, int Rw);
  virtual ~PipeColumn() = default;

  std::string inputError() const;
  // The report, or the stop message alone when stop() is not None.
  std::string design();
  Stop stop() const { return stop_; }
  const DesignResult& result() const { return result_; }

  int memberType;
  int Rw;
  const SectionRecord& section;
  double length, k, P, Fy, dead, live, seismic;
  double Cc = 0.0;
  double A;
  double klr;
  double Qs = 1.0;  // Qa of a slender wall (A-B5-9), 1 when fully effective

  double fa = 0.0, capacity = 0.0, Beta = 0.0, seismicP = 0.0;

 private:
  Stop stop_ = None;
  DesignResult result_;
};

}  // namespace vd

#pragma once
// A cantilever fixed at its right end (x = L) and free at its left end (x = 0); L = s. The triangular
// loads are given by their gradient k (kip/ft per ft) and are not converted.
#include "beam/beam_analysis_base.h"

namespace vd {

class CantileverAnalysis : public BeamAnalysisBase {
 public:
  explicit CantileverAnalysis(BeamLoadTable& table);

  // The published numbers: Mpos, Mneg, then in place of the reactions the slope constant C1 and the
  // sum of the loads' simple-beam right reactions (uniform loads: their total), which the beam-design
  // forms show as "left R" and "right R".
  void results(double& Mpos, double& Mneg, double& RL, double& RR) const override;

 protected:
  void header(std::string& out) const override;
  LoadListFormats loadListFormats() const override;
  int prepare() override;
  // Its deflection is counted positive downward (Y = -EI deflection).
  Values at(double x) const override;
  bool interestEvaluated() const override;
  void interestLine(std::string& out, const Values& v) const override;
  void stationLine(std::string& out, const double* station) const override;
  bool summary(std::string& out) override;

 private:
  double C1_ = 0.0, C2_ = 0.0, rightSum_ = 0.0;
};

}  // namespace vd

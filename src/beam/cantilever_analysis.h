#pragma once
// A cantilever fixed at its right end (x = L) and free at its left end (x = 0); L = s. Triangular
// loads are entered by their apex intensity, as on the other beams.
#include "beam/beam_analysis_base.h"

namespace vd {

class CantileverAnalysis : public BeamAnalysisBase {
 public:
  explicit CantileverAnalysis(BeamLoadTable& table);

  // The published numbers: Mpos, Mneg, no reaction at the free (left) end, and the support reaction
  // at the fixed (right) end, upward positive.
  void results(double& Mpos, double& Mneg, double& RL, double& RR) const override;
  LastBeamResult lastResult() const override;
  // The bending moment at the fixed end (sagging positive), k-ft.
  double fixedEndMoment() const { return fixedMoment_; }

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
  void supports(double& first, double& second) const override { first = second = L_; }
  double deflectionSlopeSign() const override { return -1.0; }
  double upwardInches(double deflection) const override { return -deflection * 12 / E_ / I_; }
  void keyReactions(std::string& out) const override;
  void keyDeflectionPosition(std::string& out, double x) const override;

 private:
  double C1_ = 0.0, C2_ = 0.0, fixedMoment_ = 0.0;
};

}  // namespace vd

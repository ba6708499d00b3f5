#pragma once
// A beam on two supports, with or without an overhang at its left end: the simple-beam and
// overhang-left forms share it (L = s is the simple beam).
#include "beam/beam_analysis_base.h"

namespace vd {

class BeamAnalysis : public BeamAnalysisBase {
 public:
  // The table carries the beam in column 2 of rows 0 to 4 (I in ft^4, E in kip/ft^2).
  explicit BeamAnalysis(BeamLoadTable& table);

  // Cb from the quarter-point moments, for the simple beam (written into the report then).
  double cb() const { return cb_; }

 protected:
  void header(std::string& out) const override;
  LoadListFormats loadListFormats() const override;
  int prepare() override;
  Values at(double x) const override;
  bool interestEvaluated() const override;
  void interestLine(std::string& out, const Values& v) const override;
  bool summary(std::string& out) override;
  void supports(double& first, double& second) const override {
    first = a_;
    second = L_;
  }

 private:
  double theta0_ = 0.0, y0_ = 0.0;
  double cb_ = 0.0;
};

}  // namespace vd

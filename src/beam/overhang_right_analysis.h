#pragma once
// A beam on two supports with the overhang at its right end: supports at x = 0 and x = s, the
// overhang from s to L.
#include "beam/beam_analysis_base.h"

namespace vd {

class OverhangRightAnalysis : public BeamAnalysisBase {
 public:
  explicit OverhangRightAnalysis(BeamLoadTable& table);

 protected:
  void header(std::string& out) const override;
  LoadListFormats loadListFormats() const override;
  int prepare() override;
  Values at(double x) const override;
  bool interestEvaluated() const override;
  void interestLine(std::string& out, const Values& v) const override;
  bool summary(std::string& out) override;
  void supports(double& first, double& second) const override {
    first = 0.0;
    second = s_;
  }

 private:
  // Each load's reactions at x = 0 (a) and x = s (b), in load order.
  double ra_[18] = {}, rb_[18] = {};
  double theta0_ = 0.0;
};

}  // namespace vd

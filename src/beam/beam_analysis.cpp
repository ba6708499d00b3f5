#include "beam/beam_analysis.h"

#include <algorithm>
#include <cmath>

#include "platform/text_format.h"

namespace vd {

BeamAnalysis::BeamAnalysis(BeamLoadTable& table) : BeamAnalysisBase(table, true) {}

void BeamAnalysis::header(std::string& out) const {
  if (L_ <= s_) {
    out += "===dbm======dbm======dbm======dbm===";
    appendNumbers(out, "\n span =%.3f ft,  I =%.2f in^4,  E =%.0f ksi", {s_, I_ * 20736.0, E_ / 144});
  } else {
    out += "===cbm======cbm======cbm======cbm===";
    appendNumbers(out, "\n length =%.3f ft,  span =%.3f ft,  I =%.2f in^4,  E =%.0f ksi", {L_, s_, I_ * 20736.0, E_ / 144});
    if (s_ < L_) out += ",   Overhang at the left side";
  }
}

BeamAnalysisBase::LoadListFormats BeamAnalysis::loadListFormats() const {
  return {"\n ascending triangular load = %.3f kip/ft at apex start %.2f' end %.2f'",
          "\n descending triangular load = %.3f kip/ft at apex start %.2f'  end %.2f'", true};
}

int BeamAnalysis::prepare() {
  if (int error = setLoads()) return error;

  RL_ = 0.0;
  RR_ = 0.0;
  for (const MomentLoad& l : moments_) RL_ += l.leftReaction();
  for (const PointLoad& l : points_) RL_ += l.leftReaction();
  for (const UniformLoad& l : uniforms_) RL_ += l.leftReaction();
  for (const AscendingLoad& l : ascending_) RL_ += l.leftReaction();
  for (const DescendingLoad& l : descending_) RL_ += l.leftReaction();
  for (const MomentLoad& l : moments_) RR_ += l.rightReaction();
  for (const PointLoad& l : points_) RR_ += l.rightReaction();
  for (const UniformLoad& l : uniforms_) RR_ += l.rightReaction();
  for (const AscendingLoad& l : ascending_) RR_ += l.rightReaction();
  for (const DescendingLoad& l : descending_) RR_ += l.rightReaction();

  // Zero deflection at both supports: theta0 * a + y0 = Ya and theta0 * L + y0 = YL.
  double Ya = 0.0;
  for (const MomentLoad& l : moments_) Ya += l.deflectionAtLeftSupport();
  for (const PointLoad& l : points_) Ya += l.deflectionAtLeftSupport();
  for (const UniformLoad& l : uniforms_) Ya += l.deflectionAtLeftSupport();
  for (const AscendingLoad& l : ascending_) Ya += l.deflectionAtLeftSupport();
  for (const DescendingLoad& l : descending_) Ya += l.deflectionAtLeftSupport();
  double YL = RL_ * s_ * s_ * s_ / 6;
  for (const MomentLoad& l : moments_) YL += l.deflectionAtRightSupport();
  for (const PointLoad& l : points_) YL += l.deflectionAtRightSupport();
  for (const UniformLoad& l : uniforms_) YL += l.deflectionAtRightSupport();
  for (const AscendingLoad& l : ascending_) YL += l.deflectionAtRightSupport();
  for (const DescendingLoad& l : descending_) YL += l.deflectionAtRightSupport();
  y0_ = (Ya - a_ * YL / L_) / (1 - a_ / L_);
  theta0_ = (YL - y0_) / L_;
  return 0;
}

BeamAnalysisBase::Values BeamAnalysis::at(double x) const {
  Values v;
  const double left = macaulay(x, a_, 0);
  v.moment = RL_ * macaulay(x, a_, 1);
  v.slope = RL_ * macaulay(x, a_, 2) - theta0_;
  v.deflection = RL_ * macaulay(x, a_, 3) - theta0_ * x - y0_;
  auto add = [&](const auto& l) {
    const LoadTerms t = l.terms(x);
    v.moment += t.moment;
    v.slope += t.slope;
    v.deflection += t.deflection;
    return t.freeShear;
  };
  // Shear: the point and line loads with their left reactions, then the moment loads' reactions.
  for (const MomentLoad& l : moments_) add(l);
  for (const PointLoad& l : points_) v.shear += add(l) + l.leftReaction() * left;
  for (const UniformLoad& l : uniforms_) v.shear += add(l) + l.leftReaction() * left;
  for (const AscendingLoad& l : ascending_) v.shear += add(l) + l.leftReaction() * left;
  for (const DescendingLoad& l : descending_) v.shear += add(l) + l.leftReaction() * left;
  if (x >= a_)
    for (const MomentLoad& l : moments_) v.shear += l.leftReaction();
  return v;
}

bool BeamAnalysis::interestEvaluated() const { return valid_ && 0 < xInterest_ && xInterest_ < L_; }

void BeamAnalysis::interestLine(std::string& out, const Values& v) const {
  appendf(out, "\n\n@%.2f, Shear =%.2f Mmnt=%.2lf  Slope=%.2E  delta=%.4f\"\n", xInterest_, v.shear, v.moment,
          v.slope / E_ / I_, deflectionInches(v.deflection));
}

bool BeamAnalysis::summary(std::string& out) {
  const double down = upwardInches(yMin_);
  const double up = upwardInches(yMax_);

  cb_ = 0.0;
  double Mmax = 0.0, MA = 0.0, MB = 0.0, MC = 0.0;
  const bool simple = L_ == s_;
  if (simple) {
    Mmax = std::max(std::fabs(Mpos_), std::fabs(Mneg_));
    MA = stationMoment(50);
    MB = stationMoment(100);
    MC = stationMoment(150);
    const double denominator = 2.5 * Mmax + 3 * std::fabs(MA) + 4 * std::fabs(MB) + 3 * std::fabs(MC);
    // Without any moment the factor has no meaning; 1.0 is the uniform-moment value.
    cb_ = denominator > 0 ? 12.5 * Mmax / denominator : 1.0;
  }
  if (!finite({down, up, Vmax_, Mpos_, Mneg_, cb_})) return false;

  appendf(out,
          "\n\n Positive moment =%.2lf k-ft  at =%.3f ft.\n Negative moment =%.2lf k-ft  at =%.3f ft.\n Deflection "
          "down =%.4lf\"    at =%.3f ft.",
          Mpos_, xMpos_, Mneg_, xMneg_, down, xYMin_);
  spanRatio(out, down);
  if (yMax_ > 0.001) {
    appendf(out, "\n Deflection up =%.4lf\"    at =%.3f ft.", up, xYMax_);
    spanRatio(out, up);
  }
  appendf(out, "\n maximum shear force =%.3f kips.", Vmax_);
  appendf(out, "\n Reaction at left support =%.2f kips.  Reaction at right support =%.2f kips\r\n", RL_, RR_);
  if (simple)
    appendf(out,
            "\n 'Cb' for Section F design, at the ends of unbraced length:\n  Mmax =%.2f k-ft, M_A =%.2f k-ft, M_B "
            "=%.2f, M_C =%.2f,  Cb =%.2f",
            Mmax, MA, MB, MC, cb_);
  return true;
}

}  // namespace vd

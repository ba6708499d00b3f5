#include "beam/overhang_right_analysis.h"

#include <cmath>

#include "platform/text_format.h"

namespace vd {

OverhangRightAnalysis::OverhangRightAnalysis(BeamLoadTable& table) : BeamAnalysisBase(table, true) {}

void OverhangRightAnalysis::header(std::string& out) const {
  out += "===ebm======ebm======ebm======ebm===";
  appendNumbers(out, "\n length =%.3f ft,  span =%.3f ft,  I =%.2f in^4,  E =%.0f ksi,\tOverhang at right side",
                {L_, s_, I_ * 20736.0, E_ / 144});
}

BeamAnalysisBase::LoadListFormats OverhangRightAnalysis::loadListFormats() const {
  return {"\n ascending triangular load = %.3f kip/ft at apex start %.2f' end %.2f'",
          "\n descending triangular load = %.2f kip/ft at apex start %.2f'  end %.2f'", true};
}

int OverhangRightAnalysis::prepare() {
  if (int error = setLoads()) return error;
  const double s = s_;
  // Reactions from moments about the interior support at x = s.
  int n = 0;
  for (const MomentLoad& l : moments_) {
    ra_[n] = -l.magnitude() / s;
    rb_[n++] = l.magnitude() / s;
  }
  for (const PointLoad& l : points_) {
    ra_[n] = (s - l.position()) * l.magnitude() / s;
    rb_[n] = l.magnitude() - ra_[n];
    ++n;
  }
  for (const UniformLoad& l : uniforms_) {
    const double p1 = l.start(), p2 = l.end();
    ra_[n] = l.magnitude() *
             (macaulay(s, p1, 2) - macaulay(s, p2, 2) + macaulay(p1, s, 2) - macaulay(p2, s, 2)) / s;
    rb_[n] = l.magnitude() * (p2 - p1) - ra_[n];
    ++n;
  }
  for (const AscendingLoad& l : ascending_) {
    const double d = l.end() - l.start();
    const double W = l.gradient() * d * d / 2;
    ra_[n] = W * (s - l.end() + d / 3) / s;
    rb_[n] = W - ra_[n];
    ++n;
  }
  for (const DescendingLoad& l : descending_) {
    const double d = l.end() - l.start();
    const double W = l.gradient() * d * d / 2;
    ra_[n] = W * (s - l.end() + 2 * d / 3) / s;
    rb_[n] = W - ra_[n];
    ++n;
  }
  RL_ = 0.0;
  RR_ = 0.0;
  for (int i = 0; i < 18; ++i) RL_ += ra_[i];
  for (int i = 0; i < 18; ++i) RR_ += rb_[i];

  // Zero deflection at x = 0 holds by construction; zero deflection at x = s fixes the slope constant.
  theta0_ = 0.0;
  const Values atSupport = at(s);  // theta0 is still 0, so its deflection is R_L s^3 / 6 + the load terms
  theta0_ = atSupport.deflection / s;
  return 0;
}

BeamAnalysisBase::Values OverhangRightAnalysis::at(double x) const {
  Values v;
  const double left = macaulay(x, 0, 0);
  double r[4];
  macaulayRange<0, 3>(x, s_, r);
  v.moment = RL_ * x;
  v.slope = RL_ * x * x / 2 - theta0_;
  v.deflection = RL_ * x * x * x / 6 - theta0_ * x;
  int n = 0;
  // Each load's own terms plus its right reaction placed at x = s; the shear of the point and line
  // loads also takes their left reaction, the moment loads' left reactions are added last.
  auto add = [&](const auto& l) {
    const LoadTerms t = l.terms(x);
    v.moment += t.moment + rb_[n] * r[1];
    v.slope += t.slope + rb_[n] * r[2];
    v.deflection += t.deflection + rb_[n] * r[3];
    const double shear = t.freeShear + ra_[n] * left + rb_[n] * r[0];
    ++n;
    return shear;
  };
  for (const MomentLoad& l : moments_) add(l);
  for (const PointLoad& l : points_) v.shear += add(l);
  for (const UniformLoad& l : uniforms_) v.shear += add(l);
  for (const AscendingLoad& l : ascending_) v.shear += add(l);
  for (const DescendingLoad& l : descending_) v.shear += add(l);
  if (x < s_)
    for (int i = 0; i < kMomentRows; ++i) v.shear += ra_[i];
  return v;
}

bool OverhangRightAnalysis::interestEvaluated() const { return 0 < xInterest_ && xInterest_ < L_; }

void OverhangRightAnalysis::interestLine(std::string& out, const Values& v) const {
  appendf(out, "\n\n@%6.2f, Shear =%.2f Mmnt=%9.2lf  Slope=%10.2E  delta=%9.4f\"\n", xInterest_, v.shear, v.moment,
          v.slope / E_ / I_, deflectionInches(v.deflection));
}

bool OverhangRightAnalysis::summary(std::string& out) {
  const double down = upwardInches(yMin_);
  const double up = upwardInches(yMax_);
  if (!finite({down, up, Vmax_, Mpos_, Mneg_})) return false;
  appendf(out,
          "\n\n Positive moment =%.2lf k-ft  at =%.3f ft.\n Negative moment =%.2lf k-ft  at =%.3f ft.\n Deflection "
          "down =%.4lf\"    at =%.3f ft.",
          Mpos_, xMpos_, Mneg_, xMneg_, down, xYMin_);
  spanRatio(out, down);
  appendf(out, "\n Deflection up  = %.4lf\"    at =%.3f ft.", up, xYMax_);
  spanRatio(out, up);
  appendf(out, "\n maximum shear force =%.3f kips.", Vmax_);
  appendf(out, "\n Reaction at left support =%.2lf kips.  Reaction at right support =%.2lf kips\r\n", RL_, RR_);
  return true;
}

}  // namespace vd

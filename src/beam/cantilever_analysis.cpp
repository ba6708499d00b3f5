#include "beam/cantilever_analysis.h"

#include "platform/text_format.h"

namespace vd {

CantileverAnalysis::CantileverAnalysis(BeamLoadTable& table) : BeamAnalysisBase(table, true) {}

void CantileverAnalysis::header(std::string& out) const {
  out += "===gbm======gbm======gbm======gbm===";
  appendNumbers(out, "\n length =%.3f ft,  span =%.3f ft,  I =%.2f in^4,  E =%.0f ksi", {L_, s_, I_ * 20736.0, E_ / 144});
}

BeamAnalysisBase::LoadListFormats CantileverAnalysis::loadListFormats() const {
  return {"\n ascending triangular load = %.3f kip/ft at apex start %.2f' end %.2f'",
          "\n descending triangular load = %.3f kip/ft at apex start %.2f'  end %.2f'", true};
}

int CantileverAnalysis::prepare() {
  if (int error = setLoads()) return error;
  C1_ = 0.0;
  C2_ = 0.0;
  // The fixed end: slope and deflection vanish at x = L.
  const Values free = at(L_);  // C1 and C2 are still 0
  C1_ = free.slope;
  C2_ = -free.deflection - C1_ * L_;
  // The wall holds what the shear and moment are just at it: its reaction balances the shear.
  RL_ = 0.0;
  RR_ = -free.shear;
  fixedMoment_ = free.moment;
  return 0;
}

BeamAnalysisBase::Values CantileverAnalysis::at(double x) const {
  Values v;
  v.slope = -C1_;
  v.deflection = C1_ * x + C2_;
  auto add = [&](const auto& l) {
    const LoadTerms t = l.terms(x);
    v.moment += t.moment;
    v.slope += t.slope;
    v.deflection += -t.deflection;
    return t.freeShear;
  };
  for (const MomentLoad& l : moments_) add(l);
  for (const PointLoad& l : points_) v.shear += add(l);
  for (const UniformLoad& l : uniforms_) v.shear += add(l);
  for (const AscendingLoad& l : ascending_) v.shear += add(l);
  for (const DescendingLoad& l : descending_) v.shear += add(l);
  return v;
}

bool CantileverAnalysis::interestEvaluated() const { return 0 < xInterest_ && xInterest_ < L_; }

void CantileverAnalysis::interestLine(std::string& out, const Values& v) const {
  if (!valid_) return;
  appendf(out, "\n\n@%.2f, Shear =%.2f Mmnt=%.2lf  Slope=%.2E  delta=%.4f\"\n", xInterest_, v.shear, v.moment,
          v.slope / E_ / I_, upwardInches(v.deflection));
}

// The report counts deflection upward positive, as the other beams do; the station table and file
// keep it downward positive.
void CantileverAnalysis::stationLine(std::string& out, const double* st) const {
  appendf(out, "\n@%6.2f, Shear =%9.2f Moment =%.2f  Slope =%10.2E  delta =%9.4f\"", st[0], st[1], st[2], st[3],
          -st[4]);
}

bool CantileverAnalysis::summary(std::string& out) {
  const double down = upwardInches(yMax_), up = upwardInches(yMin_);
  if (!finite({down, up, Vmax_, Mpos_, Mneg_, RR_, fixedMoment_, C1_, C2_})) return false;
  appendf(out, "\n\n Positive moment =%.2lf k-ft  at =%.3f ft.\n Negative moment =%.2lf k-ft  at =%.3f ft.", Mpos_,
          xMpos_, Mneg_, xMneg_);
  if (yMax_ != 0)
    appendf(out, "\n Deflection down = %.4lf\"    at = %.3f ft. from the support", down, s_ - xYMax_);
  if (yMin_ != 0)
    appendf(out, "\n Deflection up = %.4lf\"    at = %.3f ft. from the support", up, s_ - xYMin_);
  appendf(out, "\n maximum shear force =%.3f kips.", Vmax_);
  appendf(out, "\n  Reaction at support =%.2lf kips\n  Fixed-end moment =%.2lf k-ft\r\n", RR_, fixedMoment_);
  return true;
}

void CantileverAnalysis::keyReactions(std::string& out) const {
  appendf(out, "\n  reaction at the fixed end =%.2f kips, fixed-end moment =%.2f k-ft.", RR_, fixedMoment_);
}

void CantileverAnalysis::keyDeflectionPosition(std::string& out, double x) const {
  appendf(out, " at %.3f ft. from the support", s_ - x);
}

void CantileverAnalysis::results(double& Mpos, double& Mneg, double& RL, double& RR) const {
  Mpos = Mpos_;
  Mneg = Mneg_;
  RL = 0.0;
  RR = RR_;
}

LastBeamResult CantileverAnalysis::lastResult() const {
  LastBeamResult r = BeamAnalysisBase::lastResult();
  r.cantilever = true;
  r.fixedEndMoment = fixedMoment_;
  return r;
}

}  // namespace vd

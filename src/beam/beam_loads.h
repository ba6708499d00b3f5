#pragma once
// The five load kinds of a beam and what each contributes, by superposition, to shear, moment,
// EI-slope and EI-deflection. x runs from the left end of the beam; the supports of these formulas
// are at x = a = L - s and x = L (a simple beam has a = 0). Positive loads act downward, a positive
// moment load makes a positive jump of the bending moment, deflection is positive upward.
//
// Each load also offers its terms without any reaction (the `free` terms), from which the analyses
// with other supports build their own sums.
#include "beam/macaulay.h"

namespace vd {

// A load's own terms at one x: its shear without any reaction, moment, EI-slope, EI-deflection.
struct LoadTerms {
  double freeShear, moment, slope, deflection;
};

// Why an ascending load cannot be analysed (bits, both may be set).
enum AscendingLoadError { kAscendingStartAfterEnd = 1, kAscendingEndBeyondLength = 2 };

inline constexpr const char* kAscendingStartAfterEndText = "\n x1 must be less or equal to x2!";
inline constexpr const char* kAscendingEndBeyondLengthText = "\n x2 must be less or equal to length!";

// Concentrated moment M0 (kip-ft) at x = p.
class MomentLoad {
 public:
  MomentLoad(double L = 0.0, double s = 0.0) : L_(L), s_(s), a_(L - s) {}
  void set(double m0, double position) {
    m0_ = m0;
    p_ = position;
  }
  double magnitude() const { return m0_; }
  double position() const { return p_; }

  double leftReaction() const { return -m0_ / s_; }
  double rightReaction() const { return m0_ / s_; }
  // A moment load has no shear of its own; the analysis adds its reaction.
  double moment(double x) const { return m0_ * macaulay(x, p_, 0); }
  double slope(double x) const { return m0_ * macaulay(x, p_, 1); }
  double deflection(double x) const { return m0_ * macaulay(x, p_, 2); }
  double deflectionAtLeftSupport() const { return deflection(a_); }
  double deflectionAtRightSupport() const { return deflection(L_); }
  // All terms at once (the same numbers as the single calls, computed with fewer powers).
  LoadTerms terms(double x) const {
    double f[3];
    macaulayRange<0, 2>(x, p_, f);
    return {0.0, m0_ * f[0], m0_ * f[1], m0_ * f[2]};
  }

 private:
  double L_, s_, a_;
  double m0_ = 0.0, p_ = 0.0;
};

// Concentrated force P (kip) at x = p.
class PointLoad {
 public:
  PointLoad(double L = 0.0, double s = 0.0) : L_(L), s_(s), a_(L - s) {}
  void set(double P, double position) {
    P_ = P;
    p_ = position;
    ra_ = P_ * (L_ - p_) / s_;
  }
  double magnitude() const { return P_; }
  double position() const { return p_; }
  double total() const { return P_; }

  double leftReaction() const { return ra_; }
  double rightReaction() const { return P_ - leftReaction(); }
  double freeShear(double x) const { return -P_ * macaulay(x, p_, 0); }
  double shear(double x) const { return freeShear(x) + ra_ * macaulay(x, a_, 0); }
  double moment(double x) const { return -P_ * macaulay(x, p_, 1); }
  double slope(double x) const { return -P_ * macaulay(x, p_, 2); }
  double deflection(double x) const { return -P_ * macaulay(x, p_, 3); }
  double deflectionAtLeftSupport() const { return deflection(a_); }
  double deflectionAtRightSupport() const { return deflection(L_); }
  LoadTerms terms(double x) const {
    double f[4];
    macaulayRange<0, 3>(x, p_, f);
    return {-P_ * f[0], -P_ * f[1], -P_ * f[2], -P_ * f[3]};
  }

 private:
  double L_, s_, a_;
  double P_ = 0.0, p_ = 0.0, ra_ = 0.0;
};

// Uniform load w (kip/ft) from x = p1 to x = p2.
class UniformLoad {
 public:
  UniformLoad(double L = 0.0, double s = 0.0) : L_(L), s_(s), a_(L - s) {}
  void set(double w, double start, double end) {
    w_ = w;
    p1_ = start;
    p2_ = end;
    d_ = p2_ - p1_;
    ra_ = w_ * (macaulay(L_, p1_, 2) - macaulay(L_, p2_, 2)) / s_;
  }
  double magnitude() const { return w_; }
  double start() const { return p1_; }
  double end() const { return p2_; }
  double total() const { return w_ * d_; }

  double leftReaction() const { return ra_; }
  double rightReaction() const { return w_ * d_ - leftReaction(); }
  double freeShear(double x) const { return -w_ * (macaulay(x, p1_, 1) - macaulay(x, p2_, 1)); }
  double shear(double x) const { return freeShear(x) + ra_ * macaulay(x, a_, 0); }
  double moment(double x) const { return -w_ * (macaulay(x, p1_, 2) - macaulay(x, p2_, 2)); }
  double slope(double x) const { return -w_ * (macaulay(x, p1_, 3) - macaulay(x, p2_, 3)); }
  double deflection(double x) const { return -w_ * (macaulay(x, p1_, 4) - macaulay(x, p2_, 4)); }
  double deflectionAtLeftSupport() const { return deflection(a_); }
  double deflectionAtRightSupport() const { return deflection(L_); }
  LoadTerms terms(double x) const {
    double f1[5], f2[5];
    macaulayRange<1, 4>(x, p1_, f1);
    macaulayRange<1, 4>(x, p2_, f2);
    return {-w_ * (f1[1] - f2[1]), -w_ * (f1[2] - f2[2]), -w_ * (f1[3] - f2[3]), -w_ * (f1[4] - f2[4])};
  }

 private:
  double L_, s_, a_;
  double w_ = 0.0, p1_ = 0.0, p2_ = 0.0, d_ = 0.0, ra_ = 0.0;
};

// Triangular load rising from 0 at p1 to its apex at p2; k is the gradient (apex intensity / (p2 - p1)).
class AscendingLoad {
 public:
  AscendingLoad(double L = 0.0, double s = 0.0) : L_(L), s_(s), a_(L - s) {}
  // Returns 0, or the AscendingLoadError bits; the load cannot be analysed unless 0.
  int set(double k, double start, double end) {
    k_ = k;
    p1_ = start;
    p2_ = end;
    d_ = p2_ - p1_;
    int error = 0;
    if (p1_ > p2_) error |= kAscendingStartAfterEnd;
    if (p2_ > L_) error |= kAscendingEndBeyondLength;
    if (error) return error;
    ra_ = k_ * (macaulay(L_, p1_, 3) - macaulay(L_, p2_, 3)) / s_ - k_ * d_ * macaulay(L_, p2_, 2) / s_;
    return 0;
  }
  double gradient() const { return k_; }
  double start() const { return p1_; }
  double end() const { return p2_; }
  double total() const { return k_ * d_ * d_ / 2; }

  double leftReaction() const { return ra_; }
  double rightReaction() const { return k_ * d_ * d_ / 2 - leftReaction(); }
  double freeShear(double x) const {
    return -k_ * (macaulay(x, p1_, 2) - macaulay(x, p2_, 2)) + k_ * d_ * macaulay(x, p2_, 1);
  }
  double shear(double x) const { return freeShear(x) + ra_ * macaulay(x, a_, 0); }
  double moment(double x) const {
    return -k_ * (macaulay(x, p1_, 3) - macaulay(x, p2_, 3)) + k_ * d_ * macaulay(x, p2_, 2);
  }
  double slope(double x) const {
    return -k_ * (macaulay(x, p1_, 4) - macaulay(x, p2_, 4)) + k_ * d_ * macaulay(x, p2_, 3);
  }
  double deflection(double x) const {
    return -k_ * (macaulay(x, p1_, 5) - macaulay(x, p2_, 5)) + k_ * d_ * macaulay(x, p2_, 4);
  }
  double deflectionAtLeftSupport() const { return deflection(a_); }
  double deflectionAtRightSupport() const { return deflection(L_); }
  LoadTerms terms(double x) const {
    double f1[6], f2[6];
    macaulayRange<2, 5>(x, p1_, f1);
    macaulayRange<1, 5>(x, p2_, f2);
    const double kd = k_ * d_;
    return {-k_ * (f1[2] - f2[2]) + kd * f2[1], -k_ * (f1[3] - f2[3]) + kd * f2[2],
            -k_ * (f1[4] - f2[4]) + kd * f2[3], -k_ * (f1[5] - f2[5]) + kd * f2[4]};
  }

 private:
  double L_, s_, a_;
  double k_ = 0.0, p1_ = 0.0, p2_ = 0.0, d_ = 0.0, ra_ = 0.0;
};

// Triangular load falling from its apex at p1 to 0 at p2; k as for the ascending load.
class DescendingLoad {
 public:
  DescendingLoad(double L = 0.0, double s = 0.0) : L_(L), s_(s), a_(L - s) {}
  void set(double k, double start, double end) {
    k_ = k;
    p1_ = start;
    p2_ = end;
    d_ = p2_ - p1_;
    ra_ = -k_ * macaulay(L_, p1_, 3) / s_ + k_ * macaulay(L_, p2_, 3) / s_ + k_ * d_ * macaulay(L_, p1_, 2) / s_;
  }
  double gradient() const { return k_; }
  double start() const { return p1_; }
  double end() const { return p2_; }
  double total() const { return k_ * d_ * d_ / 2; }

  double leftReaction() const { return ra_; }
  double rightReaction() const { return k_ * d_ * d_ / 2 - leftReaction(); }
  double freeShear(double x) const {
    return k_ * (macaulay(x, p1_, 2) - macaulay(x, p2_, 2)) - k_ * d_ * macaulay(x, p1_, 1);
  }
  double shear(double x) const { return freeShear(x) + ra_ * macaulay(x, a_, 0); }
  double moment(double x) const {
    return k_ * (macaulay(x, p1_, 3) - macaulay(x, p2_, 3)) - k_ * d_ * macaulay(x, p1_, 2);
  }
  double slope(double x) const {
    return k_ * (macaulay(x, p1_, 4) - macaulay(x, p2_, 4)) - k_ * d_ * macaulay(x, p1_, 3);
  }
  double deflection(double x) const {
    return k_ * (macaulay(x, p1_, 5) - macaulay(x, p2_, 5)) - k_ * d_ * macaulay(x, p1_, 4);
  }
  double deflectionAtLeftSupport() const { return deflection(a_); }
  double deflectionAtRightSupport() const { return deflection(L_); }
  LoadTerms terms(double x) const {
    double f1[6], f2[6];
    macaulayRange<1, 5>(x, p1_, f1);
    macaulayRange<2, 5>(x, p2_, f2);
    const double kd = k_ * d_;
    return {k_ * (f1[2] - f2[2]) - kd * f1[1], k_ * (f1[3] - f2[3]) - kd * f1[2],
            k_ * (f1[4] - f2[4]) - kd * f1[3], k_ * (f1[5] - f2[5]) - kd * f1[4]};
  }

 private:
  double L_, s_, a_;
  double k_ = 0.0, p1_ = 0.0, p2_ = 0.0, d_ = 0.0, ra_ = 0.0;
};

}  // namespace vd

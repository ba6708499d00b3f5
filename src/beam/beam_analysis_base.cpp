#include "beam/beam_analysis_base.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "platform/text_format.h"

namespace vd {

BeamAnalysisBase::BeamAnalysisBase(BeamLoadTable& table, bool convertTriangles) : table_(table) {
  L_ = table[kLengthRow][2];
  s_ = table[kSpanRow][2];
  I_ = table[kInertiaRow][2];
  E_ = table[kModulusRow][2];
  xInterest_ = table[kInterestRow][2];
  a_ = L_ - s_;
  table[kValidRow][2] = 1.0;

  // Every row is checked, whatever its magnitude.
  valid_ = s_ <= L_;
  for (int r = 0; r < 18; ++r)
    if (table[r][1] < 0 || table[r][1] > L_) valid_ = false;
  for (int r = kUniformRow; r < 18; ++r)
    if (table[r][2] > L_ || table[r][2] < table[r][1]) valid_ = false;

  // Zero or negative lengths would divide by zero everywhere; such a beam is not analysed.
  if (!(L_ > 0 && s_ > 0)) {
    valid_ = false;
    inputError_ = BeamRunStatus::BadLengths;
  } else if (!(I_ > 0 && E_ > 0 && E_ * I_ > 0)) {
    inputError_ = BeamRunStatus::BadStiffness;
  }
  if (inputError_ == BeamRunStatus::Complete) {
    bool finiteInput = std::isfinite(L_) && std::isfinite(s_) && std::isfinite(E_ * I_) && std::isfinite(xInterest_);
    for (const auto& row : table)
      for (double v : row) finiteInput = finiteInput && std::isfinite(v);
    if (!finiteInput) inputError_ = BeamRunStatus::TooLarge;
  }

  // A moment load exactly at an end is moved just into the beam, so that the moment it makes at that
  // end shows on the beam side of it.
  for (int r = kMomentRow; r < kMomentRow + kMomentRows; ++r) {
    if (table[r][0] == 0) continue;
    if (table[r][1] == 0) table[r][1] = 1e-9;
    else if (table[r][1] == L_) table[r][1] = L_ - 1e-9;
  }

  rows_ = table;
  if (convertTriangles) {
    for (int r = kAscendingRow; r < 18; ++r)
      if (rows_[r][0] != 0 && rows_[r][1] < rows_[r][2]) rows_[r][0] = rows_[r][0] / (rows_[r][2] - rows_[r][1]);
  }
  if (!valid_) table[kValidRow][2] = 0.0;

  for (MomentLoad& l : moments_) l = MomentLoad(L_, s_);
  for (PointLoad& l : points_) l = PointLoad(L_, s_);
  for (UniformLoad& l : uniforms_) l = UniformLoad(L_, s_);
  for (AscendingLoad& l : ascending_) l = AscendingLoad(L_, s_);
  for (DescendingLoad& l : descending_) l = DescendingLoad(L_, s_);
}

int BeamAnalysisBase::setLoads() {
  for (int i = 0; i < kMomentRows; ++i) moments_[i].set(rows_[kMomentRow + i][0], rows_[kMomentRow + i][1]);
  for (int i = 0; i < kPointRows; ++i) points_[i].set(rows_[kPointRow + i][0], rows_[kPointRow + i][1]);
  for (int i = 0; i < kUniformRows; ++i) {
    const auto& r = rows_[kUniformRow + i];
    uniforms_[i].set(r[0], r[1], r[2]);
  }
  for (int i = 0; i < kAscendingRows; ++i) {
    const auto& r = rows_[kAscendingRow + i];
    if (int error = ascending_[i].set(r[0], r[1], r[2])) return error;
  }
  for (int i = 0; i < kDescendingRows; ++i) {
    const auto& r = rows_[kDescendingRow + i];
    descending_[i].set(r[0], r[1], r[2]);
  }
  return 0;
}

void BeamAnalysisBase::loadList(std::string& out) const {
  const LoadListFormats f = loadListFormats();
  for (int r = kMomentRow; r < kMomentRow + kMomentRows; ++r)
    if (rows_[r][0] != 0) appendNumbers(out, "\n moment load = %.2f k-ft at %.2f'", {rows_[r][0], rows_[r][1]});
  for (int r = kPointRow; r < kPointRow + kPointRows; ++r)
    if (rows_[r][0] != 0) appendNumbers(out, "\n point load = %.2f kip. at %.2f'", {rows_[r][0], rows_[r][1]});
  for (int r = kUniformRow; r < kUniformRow + kUniformRows; ++r)
    if (rows_[r][0] != 0)
      appendNumbers(out, "\n uniform load = %.3f kip/ft start %.2f' end %.2f'", {rows_[r][0], rows_[r][1], rows_[r][2]});
  for (int r = kAscendingRow; r < 18; ++r) {
    const auto& row = rows_[r];
    if (row[0] == 0) continue;
    const char* fmt = r < kDescendingRow ? f.ascending : f.descending;
    if (!f.triangularApex) {
      appendNumbers(out, fmt, {row[0], row[1], row[2]});
    } else if (row[2] - row[1] > 0) {
      // The gradient times the length is the apex intensity the user entered; a gradient too large
      // for a double (a load of almost no length) falls back to the entered value.
      double apex = row[0] * (row[2] - row[1]);
      if (!std::isfinite(apex)) apex = table_[r][0];
      appendNumbers(out, fmt, {apex, row[1], row[2]});
    }
  }
  out += "\n";
}

void BeamAnalysisBase::appendNumbers(std::string& out, const char* fmt, std::initializer_list<double> values) {
  if (finite(values)) {
    // The usual case, in one go. The formats are this file's own literals.
    const double* v = values.begin();
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
    switch (values.size()) {
      case 2: appendf(out, fmt, v[0], v[1]); return;
      case 3: appendf(out, fmt, v[0], v[1], v[2]); return;
      case 4: appendf(out, fmt, v[0], v[1], v[2], v[3]); return;
      default: break;
    }
#pragma GCC diagnostic pop
  }
  auto value = values.begin();
  for (const char* p = fmt; *p;) {
    if (*p != '%' || p[1] == '%') {
      out += *p;
      p += (*p == '%') ? 2 : 1;
      continue;
    }
    const char* end = p + 1;
    while (*end && !std::isalpha(static_cast<unsigned char>(*end))) ++end;
    while (*end == 'l') ++end;
    if (!*end) break;
    const std::string conversion(p, end + 1);
    const double v = value != values.end() ? *value++ : 0.0;
    if (std::isfinite(v)) out += format(conversion.c_str(), v);
    else out += "(too large)";
    p = end + 1;
  }
}

bool BeamAnalysisBase::finite(std::initializer_list<double> values) {
  for (double v : values)
    if (!std::isfinite(v)) return false;
  return true;
}

void BeamAnalysisBase::intensityRightOf(double x, double& w, double& dw) const {
  // From the shear terms of each kind (dV/dx = -w), so that any row, even one entered backwards or
  // reaching past an end, gives the intensity its own formulas use.
  w = dw = 0.0;
  for (int r = kUniformRow; r < 18; ++r) {
    const auto& row = rows_[r];
    const double k = row[0], p1 = row[1], p2 = row[2];
    if (k == 0) continue;
    const double h1 = x >= p1 ? 1.0 : 0.0, h2 = x >= p2 ? 1.0 : 0.0;
    if (r < kAscendingRow) {
      w += k * (h1 - h2);
      continue;
    }
    const double ramp = (x - p1) * h1 - (x - p2) * h2, d = p2 - p1;
    if (r < kDescendingRow) {
      w += k * ramp - k * d * h2;
      dw += k * (h1 - h2);
    } else {
      w += -k * ramp + k * d * h1;
      dw += -k * (h1 - h2);
    }
  }
}

namespace {

// A polynomial in t of degree at most 5, lowest coefficient first.
struct Poly {
  double c[6] = {};
  int degree = 0;
  double operator()(double t) const {
    double v = c[degree];
    for (int i = degree - 1; i >= 0; --i) v = v * t + c[i];
    return v;
  }
};

// The root of f in (lo, hi), where f(lo) and f(hi) have opposite signs and f is monotonic.
double bisect(const Poly& f, double lo, double hi) {
  double flo = f(lo);
  for (int i = 0; i < 200; ++i) {
    const double mid = 0.5 * (lo + hi);
    if (mid <= lo || mid >= hi) break;
    const double fm = f(mid);
    if (fm == 0) return mid;
    if ((fm < 0) == (flo < 0)) {
      lo = mid;
      flo = fm;
    } else {
      hi = mid;
    }
  }
  return 0.5 * (lo + hi);
}

// The roots of f inside (0, h), given the points that cut [0, h] into pieces where f is monotonic
// (sorted, inside (0, h)); appended to `roots` in increasing order.
int monotonicRoots(const Poly& f, double h, const double* cuts, int nCuts, double* roots) {
  int n = 0;
  double lo = 0.0, flo = f(0.0);
  for (int i = 0; i <= nCuts; ++i) {
    const double hi = i < nCuts ? cuts[i] : h;
    const double fhi = f(hi);
    if ((flo < 0 && fhi > 0) || (flo > 0 && fhi < 0)) roots[n++] = bisect(f, lo, hi);
    else if (fhi == 0 && hi < h) roots[n++] = hi;
    lo = hi;
    flo = fhi;
  }
  return n;
}

}  // namespace

bool BeamAnalysisBase::findExtremes() {
  // The shear, moment, slope and deflection are polynomials between the points where a load, a
  // load's end or a support sits. Their extremes lie at those points (on either side) or inside a
  // piece where the derivative vanishes: zero shear for the moment, zero slope for the deflection,
  // zero load intensity for the shear. Each piece is expanded from its left end by the derivative
  // chain dD/dx = S, dS/dx = M, dM/dx = V, dV/dx = -w.
  double xs[2 * 18 + 4];
  int n = 0;
  auto cut = [&](double x) {
    if (x > 0 && x < L_) xs[n++] = x;
  };
  for (int r = 0; r < 18; ++r) {
    if (rows_[r][0] == 0) continue;
    cut(rows_[r][1]);
    if (r >= kUniformRow) cut(rows_[r][2]);
  }
  double first = 0.0, second = 0.0;
  supports(first, second);
  cut(first);
  cut(second);
  xs[n++] = 0.0;
  xs[n++] = L_;
  std::sort(xs, xs + n);
  n = static_cast<int>(std::unique(xs, xs + n) - xs);

  struct Candidate {
    double x;
    Values v;
  };
  // Per piece: its left end, at most 2 + 1 + 4 inner points, its right end; and x = L.
  Candidate c[(2 * 18 + 4) * 9 + 1];
  int nc = 0;
  const double sign = deflectionSlopeSign();
  for (int i = 0; i + 1 < n; ++i) {
    const double x0 = xs[i], h = xs[i + 1] - x0;
    const Values v0 = at(x0);
    double w = 0.0, dw = 0.0;
    intensityRightOf(x0, w, dw);
    Poly V, M, S, D;
    V.degree = 2;
    V.c[0] = v0.shear, V.c[1] = -w, V.c[2] = -dw / 2;
    M.degree = 3;
    M.c[0] = v0.moment, M.c[1] = v0.shear, M.c[2] = -w / 2, M.c[3] = -dw / 6;
    S.degree = 4;
    S.c[0] = v0.slope, S.c[1] = v0.moment, S.c[2] = v0.shear / 2, S.c[3] = -w / 6, S.c[4] = -dw / 24;
    D.degree = 5;
    D.c[0] = v0.deflection;
    for (int k = 1; k <= 5; ++k) D.c[k] = sign * S.c[k - 1] / k;

    double t[8];
    int nt = 0;
    // Zero intensity: where the shear turns.
    if (dw != 0) {
      const double tv = -w / dw;
      if (tv > 0 && tv < h) t[nt++] = tv;
    }
    // Zero shear, in closed form: the moment's turning points.
    double vRoots[2];
    int nv = 0;
    const double qa = V.c[2], qb = V.c[1], qc = V.c[0];
    if (qa != 0) {
      const double disc = qb * qb - 4 * qa * qc;
      if (disc >= 0) {
        const double q = -0.5 * (qb + std::copysign(std::sqrt(disc), qb));
        const double r1 = q / qa, r2 = q != 0 ? qc / q : r1;
        for (double r : {std::min(r1, r2), std::max(r1, r2)})
          if (r > 0 && r < h && (nv == 0 || r > vRoots[nv - 1])) vRoots[nv++] = r;
      }
    } else if (qb != 0) {
      const double r = -qc / qb;
      if (r > 0 && r < h) vRoots[nv++] = r;
    }
    for (int k = 0; k < nv; ++k) t[nt++] = vRoots[k];
    // Zero slope: the slope is monotonic between the zeros of the moment, which is monotonic
    // between the zeros of the shear.
    double mRoots[3], sRoots[4];
    const int nm = monotonicRoots(M, h, vRoots, nv, mRoots);
    const int ns = monotonicRoots(S, h, mRoots, nm, sRoots);
    for (int k = 0; k < ns; ++k) t[nt++] = sRoots[k];
    std::sort(t, t + nt);

    c[nc++] = {x0, v0};
    for (int k = 0; k < nt; ++k) c[nc++] = {x0 + t[k], {V(t[k]), M(t[k]), S(t[k]), D(t[k])}};
    c[nc++] = {x0 + h, {V(h), M(h), S(h), D(h)}};  // just left of the next point
  }
  c[nc++] = {L_, at(L_)};

  // Rounding makes equal values differ in their last digits; a later point replaces an extreme only
  // when it exceeds it by more than that, so the first of equal values keeps its position.
  double Vscale = 0.0, Mscale = 0.0, Dscale = 0.0;
  for (int k = 0; k < nc; ++k) {
    const Values& v = c[k].v;
    if (!finite({c[k].x, v.shear, v.moment, v.slope, v.deflection})) return false;
    Vscale = std::max(Vscale, std::fabs(v.shear));
    Mscale = std::max(Mscale, std::fabs(v.moment));
    Dscale = std::max(Dscale, std::fabs(v.deflection));
  }
  const double tolV = 1e-10 * Vscale, tolM = 1e-10 * Mscale, tolD = 1e-10 * Dscale;
  Vmax_ = Mpos_ = Mneg_ = yMax_ = yMin_ = 0.0;
  xVmax_ = xMpos_ = xMneg_ = xYMax_ = xYMin_ = 0.0;
  yBetween_ = yOutside_ = xBetween_ = xOutside_ = 0.0;
  for (int k = 0; k < nc; ++k) {
    const double x = c[k].x;
    const Values& v = c[k].v;
    if (std::fabs(v.shear) > std::fabs(Vmax_) + tolV) {
      Vmax_ = v.shear;
      xVmax_ = x;
    }
    if (v.moment > Mpos_ + tolM) {
      Mpos_ = v.moment;
      xMpos_ = x;
    }
    if (v.moment < Mneg_ - tolM) {
      Mneg_ = v.moment;
      xMneg_ = x;
    }
    if (v.deflection > yMax_ + tolD) {
      yMax_ = v.deflection;
      xYMax_ = x;
    }
    if (v.deflection < yMin_ - tolD) {
      yMin_ = v.deflection;
      xYMin_ = x;
    }
    // The supports are piece ends, so each stretch's extreme is among its own points.
    const bool between = x >= first && x <= second;
    double& y = between ? yBetween_ : yOutside_;
    if (std::fabs(v.deflection) > std::fabs(y) + tolD) {
      y = v.deflection;
      (between ? xBetween_ : xOutside_) = x;
    }
  }
  return true;
}

void BeamAnalysisBase::stretchDeflections(double& between, double& xBetween, double& outside, double& xOutside) const {
  between = upwardInches(yBetween_);
  xBetween = xBetween_;
  outside = upwardInches(yOutside_);
  xOutside = xOutside_;
}

void BeamAnalysisBase::stationLine(std::string& out, const double* st) const {
  appendf(out, "\n@%6.2f, Shear =%9.2f Moment =%9.2f  Slope =%10.2E  delta =%9.4f\"", st[0], st[1], st[2], st[3],
          st[4]);
}

BeamRunStatus BeamAnalysisBase::run() {
  report_ = "\n  ";
  header(report_);
  loadList(report_);
  if (inputError_ != BeamRunStatus::Complete) return inputError_;

  Vmax_ = Mpos_ = Mneg_ = yMax_ = yMin_ = 0.0;
  xVmax_ = xMpos_ = xMneg_ = xYMax_ = xYMin_ = 0.0;
  ascendingError_ = prepare();
  if (ascendingError_ != 0) return BeamRunStatus::AscendingLoad;

  // Everything is computed before any of it is written, so that a number that overflowed cannot
  // reach the report, the files or the diagrams.
  bool ok = finite({RL_, RR_});
  const bool interest = interestEvaluated();
  if (interest) {
    interest_ = at(xInterest_);
    ok = ok && finite({interest_.shear, interest_.moment, interest_.slope / E_ / I_, deflectionInches(interest_.deflection)});
  }
  StationTable& st = xSMSD_;
  for (int i = 0; i < kStations; ++i) {
    const double x = i * L_ / 200;
    const Values v = at(x);
    double* s = &st[static_cast<std::size_t>(i) * 5];
    s[0] = x;
    s[1] = v.shear;
    s[2] = v.moment;
    s[3] = v.slope / E_ / I_;
    s[4] = deflectionInches(v.deflection);
    for (int k = 0; k < 5; ++k) ok = ok && std::isfinite(s[k]);
  }
  ok = ok && findExtremes();
  std::string tail;
  if (ok) {
    if (interest) interestLine(tail, interest_);
    for (int i = 0; i < kStations; i += 20) stationLine(tail, &st[static_cast<std::size_t>(i) * 5]);
    ok = summary(tail);
    if (ok) keyResults(tail);
  }
  if (!ok) {
    st.fill(0.0);
    return BeamRunStatus::TooLarge;
  }
  report_ += tail;
  return BeamRunStatus::Complete;
}

std::string BeamAnalysisBase::stationFileText() const {
  std::string out;
  out.reserve(kStations * 64);
  for (int i = 0; i < kStations; ++i) {
    const double* s = &xSMSD_[static_cast<std::size_t>(i) * 5];
    appendf(out, "%9.5f %f %f %f %f\n", s[0], s[1], s[2], s[3], s[4]);
  }
  return out;
}

void BeamAnalysisBase::spanRatio(std::string& out, double inches) const {
  if (std::fabs(inches) >= kMeasurableDeflection)
    appendf(out, "\t span to deflection ratio =%.1f", std::fabs(s_ * 12 / inches));
}

void BeamAnalysisBase::keyReactions(std::string& out) const {
  appendf(out, "\n  reactions: left =%.2f kips, right =%.2f kips.", RL_, RR_);
}

void BeamAnalysisBase::keyDeflectionPosition(std::string& out, double x) const { appendf(out, " at %.3f ft.", x); }

void BeamAnalysisBase::keyResults(std::string& out) const {
  // The larger magnitude of each pair; the first found (the positive moment, the downward
  // deflection) when they are equal.
  const bool negative = std::fabs(Mneg_) > std::fabs(Mpos_);
  const double y1 = upwardInches(yMin_), y2 = upwardInches(yMax_);
  const bool first = std::fabs(y1) > std::fabs(y2) || (std::fabs(y1) == std::fabs(y2) && y1 <= y2);
  out += "\n\n Key results:";
  appendf(out, "\n  maximum moment =%.2f k-ft at %.3f ft.", negative ? Mneg_ : Mpos_, negative ? xMneg_ : xMpos_);
  appendf(out, "\n  maximum shear =%.3f kips at %.3f ft.", Vmax_, xVmax_);
  keyReactions(out);
  appendf(out, "\n  maximum deflection =%.4f\"", first ? y1 : y2);
  keyDeflectionPosition(out, first ? xYMin_ : xYMax_);
  out += "\r\n";
}

void BeamAnalysisBase::deflections(double& down, double& xDown, double& up, double& xUp) const {
  const bool downIsMin = deflectionSlopeSign() > 0;  // at() counts upward
  down = upwardInches(downIsMin ? yMin_ : yMax_);
  xDown = downIsMin ? xYMin_ : xYMax_;
  up = upwardInches(downIsMin ? yMax_ : yMin_);
  xUp = downIsMin ? xYMax_ : xYMin_;
}

LastBeamResult BeamAnalysisBase::lastResult() const {
  LastBeamResult r;
  results(r.maxPositiveMoment, r.maxNegativeMoment, r.leftReaction, r.rightReaction);
  return r;
}

void BeamAnalysisBase::results(double& Mpos, double& Mneg, double& RL, double& RR) const {
  Mpos = Mpos_;
  Mneg = Mneg_;
  RL = RL_;
  RR = RR_;
}

}  // namespace vd

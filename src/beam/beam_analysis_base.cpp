#include "beam/beam_analysis_base.h"

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

  // A moment load exactly at an end is moved just into the beam; the simple-beam analysis takes the
  // moment it makes at that end before scanning the stations.
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

void BeamAnalysisBase::updateExtremes(const Values& v, double x) {
  // Strict comparisons: the first occurrence of a tie wins.
  if (std::fabs(v.shear) > std::fabs(Vmax_)) Vmax_ = v.shear;
  if (v.moment > Mpos_) {
    Mpos_ = v.moment;
    xMpos_ = x;
  }
  if (v.moment < Mneg_) {
    Mneg_ = v.moment;
    xMneg_ = x;
  }
  if (v.deflection > yMax_) {
    yMax_ = v.deflection;
    xYMax_ = x;
  }
  if (v.deflection < yMin_) {
    yMin_ = v.deflection;
    xYMin_ = x;
  }
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
  xMpos_ = xMneg_ = xYMax_ = xYMin_ = 0.0;
  ascendingError_ = prepare();
  if (ascendingError_ != 0) return BeamRunStatus::AscendingLoad;

  // Everything is computed before any of it is written, so that a number that overflowed cannot
  // reach the report, the files or the diagrams.
  bool ok = finite({RL_, RR_});
  const bool interest = interestEvaluated();
  if (interest) {
    interest_ = at(xInterest_);
    updateExtremes(interest_, xInterest_);
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
    updateExtremes(v, x);
  }
  std::string tail;
  if (ok) {
    if (interest) interestLine(tail, interest_);
    for (int i = 0; i < kStations; i += 20) stationLine(tail, &st[static_cast<std::size_t>(i) * 5]);
    ok = summary(tail);
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

void BeamAnalysisBase::results(double& Mpos, double& Mneg, double& RL, double& RR) const {
  Mpos = Mpos_;
  Mneg = Mneg_;
  RL = RL_;
  RR = RR_;
}

}  // namespace vd

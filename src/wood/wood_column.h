#pragma once
// Solid sawn-lumber column under axial load: the column stability factor of NDS 3.7.1.
#include <string>

#include "platform/report_lines.h"
#include "wood/sawn_member.h"

namespace vd {

struct ColumnFactors {
  double C_D = 1.0;          // load duration
  double C_M = 1.0;          // wet service
  double C_t = 1.0;          // temperature
  double C_F = 1.0;          // size factor for compression, as entered (or Table 4D's 1.0 for timbers)
  double C_stability = 1.0;  // as typed; printed only, C_P is computed
  double C_i = 1.0;          // incising
};

class WoodColumn {
 public:
  // unbracedLength ft, for buckling across d (the side in the plane of buckling); w the other side,
  // in.; P kip. unbracedLengthW ft, for buckling across w: zero or less when w is braced, and then only
  // the d axis is checked. With both, the larger of le/d and le/w governs (NDS 3.7.1.3).
  WoodColumn(const SawnMember& member, double unbracedLength, double d, double w, double P,
             const ColumnFactors& factors, double unbracedLengthW = 0.0);
  virtual ~WoodColumn() = default;

  // False when a size or an adjustment factor is zero, negative or absurdly large, or when the
  // results overflow: no capacity is reported.
  bool inputsUsable() const;
  std::string report();
  // The axial and slenderness checks as data.
  const DesignResult& result() const { return result_; }

  double C_F() const { return C_F_; }
  double Eprime() const { return Eprime_; }
  double FcE() const { return FcE_; }
  double FcStar() const { return FcStar_; }
  double C_P() const { return C_P_; }
  double FcPrime() const { return FcPrime_; }
  double le() const { return le_; }  // of the governing axis, in.
  // The side buckling is checked across: d, or w when a second length is given and le/w is larger.
  bool wAxisGoverns() const { return wGoverns_; }
  double slenderness() const { return le_ / side_; }
  bool slendernessOk() const { return 50.0 * side_ >= le_; }
  double allowableLoad() const { return allowableLoad_; }

 private:
  void compute();

  const SawnMember& member_;
  double KcE_ = 0.3;  // visually graded lumber
  double FcE_ = 0.0, FcStar_ = 0.0;
  double c_ = 0.8;  // sawn lumber
  double C_D_, C_M_;
  double C_buckling_ = 1.0;
  double C_t_, C_F_, C_stability_, C_i_;
  double E_, Eprime_ = 0.0;
  double le_, d_, w_;
  double leD_ = 0.0;     // in., across d
  double leW_ = 0.0;     // in., across w; 0 when w is braced
  double side_ = 0.0;    // d or w, the side of the governing axis
  bool wGoverns_ = false;
  DesignResult result_;
  double C_P_ = 0.0;
  double Fc_, FcPrime_ = 0.0;
  double P_;
  double allowableLoad_ = 0.0;
  bool usable_ = false;
  bool tooLarge_ = false;  // usable sizes and factors, but the results overflow
  double heightFt_ = 0.0;  // the height printed, ft
};

}  // namespace vd

#pragma once
// Solid sawn-lumber column under axial load: the column stability factor of NDS 3.7.1.
#include <string>

#include "wood/sawn_member.h"

namespace vd {

struct ColumnFactors {
  double C_D = 1.0;          // load duration
  double C_M = 1.0;          // wet service
  double C_t = 1.0;          // temperature
  double C_F = 1.0;          // size factor for compression
  double C_stability = 1.0;  // as typed; printed only, C_P is computed
  double C_i = 1.0;          // incising
};

class WoodColumn {
 public:
  // unbracedLength ft; d the side in the plane of buckling and w the other side, in.; P kip.
  WoodColumn(const SawnMember& member, double unbracedLength, double d, double w, double P,
             const ColumnFactors& factors);
  virtual ~WoodColumn() = default;

  // False when a size or an adjustment factor is zero, negative or absurdly large, or when the
  // results overflow: no capacity is reported.
  bool inputsUsable() const;
  std::string report();

  double C_F() const { return C_F_; }
  double Eprime() const { return Eprime_; }
  double FcE() const { return FcE_; }
  double FcStar() const { return FcStar_; }
  double C_P() const { return C_P_; }
  double FcPrime() const { return FcPrime_; }
  double le() const { return le_; }
  bool slendernessOk() const { return 50.0 * d_ >= le_; }
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
  double C_P_ = 0.0;
  double Fc_, FcPrime_ = 0.0;
  double P_;
  double allowableLoad_ = 0.0;
  bool usable_ = false;
  bool tooLarge_ = false;  // usable sizes and factors, but the results overflow
  double heightFt_ = 0.0;  // the height printed, ft
};

}  // namespace vd

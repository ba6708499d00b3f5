#pragma once
// Members under axial compression and flexure about both axes to AISC 360-22 H1.1 (H1-1a, H1-1b), with
// the available strengths of the compression and flexure checks for the same section and lengths.
#include <string>

#include "aisc360/compression.h"
#include "aisc360/flexure.h"

namespace vd::aisc360 {

struct CombinedInput {
  const Shape* section = nullptr;
  double Fy = 50.0;
  double E = kDefaultE;
  Method method = Method::LRFD;
  double Pr = 0.0;   // required axial strength, kips (compression)
  double Mrx = 0.0;  // required moments, kip-ft
  double Mry = 0.0;
  double Lcx = 0.0, Lcy = 0.0, Lcz = -1.0;  // ft (Lcz negative: Lcy)
  double Lb = 0.0;   // unbraced length for lateral-torsional buckling, ft
  double Cb = 1.0;
};

class Combined {
public:
  explicit Combined(const CombinedInput& in);

  // What is wrong with the inputs whatever the section (empty when nothing).
  static std::string inputError(const CombinedInput& in);

  const std::string& report() const { return text_; }
  const DesignResult& result() const { return result_; }
  const std::string& error() const { return error_; }

  double interaction() const { return ratio_; }  // left side of H1-1a or H1-1b
  const Compression& compression() const { return axial_; }
  const Flexure& flexureX() const { return fx_; }
  const Flexure& flexureY() const { return fy_; }

private:
  CombinedInput in_;
  Compression axial_;
  Flexure fx_, fy_;
  std::string text_, error_;
  DesignResult result_;
  double ratio_ = 0.0;
};

}  // namespace vd::aisc360

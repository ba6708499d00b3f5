#pragma once
// Axial compression to AISC 360-22: flexural buckling (E3) about both axes, torsional and
// flexural-torsional buckling (E4) of I-shapes, channels, tees and double angles, and members with
// slender elements (E7: effective widths with Table E7.1, round HSS by E7-6 and E7-7).
#include <string>
#include <vector>

#include "aisc360/common.h"
#include "aisc360/shapes.h"

namespace vd::aisc360 {

struct CompressionInput {
  const Shape* section = nullptr;
  double Fy = 50.0;  // ksi
  double E = kDefaultE;
  Method method = Method::LRFD;
  double Pr = 0.0;   // required axial strength (Pu or Pa), kips
  double Lcx = 0.0;  // effective lengths, ft
  double Lcy = 0.0;
  double Lcz = -1.0;  // torsional effective length, ft; negative: taken as Lcy
  // Double angles: spacing of the intermediate connectors, in (0: welded or pretensioned at a/ri <= 40).
  double connectorSpacing = 0.0;
  bool snugTight = false;  // connectors snug-tight bolted
};

class Compression {
public:
  explicit Compression(const CompressionInput& in);

  // What is wrong with the inputs whatever the section (empty when nothing).
  static std::string inputError(const CompressionInput& in);

  const std::string& report() const { return text_; }
  const DesignResult& result() const { return result_; }
  const std::string& error() const { return error_; }

  double Pn() const { return Pn_; }                // governing nominal strength, kips
  double availableAxial() const { return Pc_; }    // phi_c Pn or Pn/Omega_c, kips
  double Fcr() const { return Fcr_; }              // of the governing mode, ksi
  double Ae() const { return Ae_; }                // effective area of the governing mode, in^2
  const std::string& governing() const { return governing_; }

private:
  struct Element {
    const char* name;
    int count;
    double b, t, lambda, lambdaR;
    double c1, c2;
    const char* kase;  // of Table B4.1a
  };
  void fail(const std::string& why);
  void elements();
  void mode(const std::string& title, double Fe, const std::string& feText, bool flexural);
  double effectiveArea(double Fcr, std::string& lines) const;
  double modifiedSlenderness(double Lr, std::string& lines);

  CompressionInput in_;
  const Shape* s_ = nullptr;
  std::vector<Element> elems_;
  bool round_ = false;
  std::string text_, error_, governing_;
  DesignResult result_;
  double Pn_ = 0.0, Pc_ = 0.0, Fcr_ = 0.0, Ae_ = 0.0;
};

}  // namespace vd::aisc360

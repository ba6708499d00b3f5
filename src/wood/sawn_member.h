#pragma once
// One chosen piece of sawn lumber: a dressed size of a grade of a species, with its section
// properties and its size, repetitive-member and wet-service factors.
#include <string>
#include <string_view>

#include "wood/wood_tables.h"

namespace vd {

class SawnMember {
 public:
  SawnMember() = default;  // no grade: nothing chosen yet
  SawnMember(std::string_view label, double b, double d, const GradeRecord* grade, int species, bool isRepetitive,
             bool isDry);

  bool valid() const { return grade_ != nullptr; }
  const GradeRecord* grade() const { return grade_; }
  const std::string& label() const { return label_; }
  int species() const { return species_; }
  const char* speciesName() const { return speciesAt(species_).name; }

  double Fb() const { return grade_ ? grade_->Fb : 0.0; }
  double Ft() const { return grade_ ? grade_->Ft : 0.0; }
  double Fv() const { return grade_ ? grade_->Fv : 0.0; }
  double FcX() const { return grade_ ? grade_->FcX : 0.0; }
  double Fc() const { return grade_ ? grade_->Fc : 0.0; }
  double E() const { return grade_ ? grade_->E : 0.0; }

  void getSizeFactors(double& CF_b, double& CF_t, double& CF_c) const {
    CF_b = CF_b_;
    CF_t = CF_t_;
    CF_c = CF_c_;
  }
  void getWetFactors(double& Cm_Fb, double& Cm_Fc) const {
    Cm_Fb = Cm_Fb_;
    Cm_Fc = Cm_Fc_;
  }
  bool isDry() const { return isDry_; }
  bool isRepetitive() const { return isRepetitive_; }
  int wetClass() const { return wetClass_; }
  double C_r() const { return C_r_; }
  double boardFeetPerFoot() const { return boardFeetPerFoot_; }
  double b() const { return b_; }
  double d() const { return d_; }
  double area() const { return b_ * d_; }
  double Ixx() const { return b_ * d_ * d_ * d_ / 12.0; }
  double Sxx() const { return b_ * d_ * d_ / 6.0; }
  double Iyy() const { return d_ * b_ * b_ * b_ / 12.0; }
  double Syy() const { return d_ * b_ * b_ / 6.0; }
  int nominalThickness() const { return static_cast<int>(b_ + 0.76); }
  int nominalDepth() const { return static_cast<int>(d_ + 0.76); }
  // A beam-and-stringer or post-and-timber grade (NDS Supplement Table 4D) rather than a
  // dimension-lumber grade (Table 4A): the size and wet-service factors come from that table.
  bool isTimber() const;
  double depthToThicknessRatio() const;

  // Two-line summary shown in the size forms and at the top of the design forms.
  std::string shortDescription() const;
  // Full property report. Settles Cm_Fb and Cm_Fc (the 1150 psi and 750 psi rules) and, for
  // members thicker than 4 in., the timber size factor CF_b.
  std::string describe();
  // Usage phrases followed by the short description.
  std::string usageLine() const;
  // The factor updates that describe() makes, without the text (the design reports make them too).
  void settleReportFactors();

 private:
  std::string label_;
  bool isDry_ = false;
  bool isRepetitive_ = false;
  double b_ = 0.0;
  double d_ = 0.0;
  int species_ = 0;
  double CF_b_ = 0.0, CF_t_ = 0.0, CF_c_ = 0.0;
  // CF_b as construction found it; the wet-service rule for Fb is judged on it, so a report made
  // a second time gives the same Cm_Fb as the first.
  double CF_bBuilt_ = 0.0;
  double boardFeetPerFoot_ = 0.0;
  double Cm_Fb_ = 0.0, Cm_Fc_ = 0.0;
  double C_r_ = 0.0;
  int wetClass_ = Dry;
  const GradeRecord* grade_ = nullptr;
};

}  // namespace vd

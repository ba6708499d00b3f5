#pragma once
// Glued-laminated members and their beam check (1991 NDS, chapter 5).
#include <string>

#include "platform/deflection_check.h"
#include "platform/report_lines.h"
#include "wood/sawn_beam.h"
#include "wood/wood_tables.h"

namespace vd {

class GlulamMember {
 public:
  // combination: row of kGlulamCombinations; an index outside the table takes row 0.
  GlulamMember(const GlulamSize& size, int combination, bool isDry);
  virtual ~GlulamMember() = default;

  const std::string& title() const { return title_; }  // "24F-V8  DF/DF"
  const std::string& label() const { return label_; }
  int combination() const { return combination_; }
  bool isDry() const { return isDry_; }
  double b() const { return b_; }
  double d() const { return d_; }
  double value(GlulamValue v) const { return values_[v]; }
  double FbxPos() const { return values_[vd::FbxPos]; }
  double FbxNeg() const { return values_[vd::FbxNeg]; }
  double Fvx() const { return values_[vd::Fvx]; }
  double Ex() const { return values_[vd::Ex]; }
  double Ey() const { return values_[vd::Ey]; }
  int note() const { return note_; }
  bool isBalanced() const { return FbxNeg() == FbxPos(); }
  double boardFeetPerFoot() const { return boardFeetPerFoot_; }
  double area() const { return b_ * d_; }
  double Ixx() const { return b_ * d_ * d_ * d_ / 12.0; }
  double Sxx() const { return b_ * d_ * d_ / 6.0; }
  // The wet-service row: all 1.0 dry, NDS Supplement Table 5A wet.
  const double* wetFactors() const;

  // The size-form report and the one-pane summary of the beam form.
  std::string describe() const;
  std::string shortDescription() const;
  // The x-x part of the member that heads the beam report.
  std::string designHeader() const;

 private:
  std::string title_;
  std::string label_;
  double b_, d_;
  int combination_;
  double values_[kGlulamValueCount];
  bool isDry_;
  int note_;
  double boardFeetPerFoot_;
};

// Loading-condition coefficients K_L of NDS Table 5.3.2.
struct LoadingCoefficient {
  const char* entry;
  double K_L;
};
extern const LoadingCoefficient kLoadingCoefficients[4];

// The seven load-duration cases of the glulam form (NDS 1991 2.3.2: wind takes 1.6); any other index is
// the permanent case.
extern const LoadDuration kGlulamLoadDurations[7];
const LoadDuration& glulamLoadDuration(int index);

class GlulamBeamCheck {
 public:
  // moment and negMoment k-ft, shear and reaction kip, unbraced length and volume length ft,
  // deflection in.; loadCondition indexes kGlulamLoadDurations.
  GlulamBeamCheck(const GlulamMember& member, int loadCondition, double moment, double negMoment, double shear,
                  double unbracedLength, double volumeLength, double reaction, double deflection, double K_L);
  virtual ~GlulamBeamCheck() = default;

  std::string report() const;
  // Every check of the report (bending both ways, shear, the R_B limit) as data.
  const DesignResult& result() const { return result_; }
  // Adds the deflection check a beam analysis supplied (once); its lines close the report.
  void setDeflectionCheck(const DeflectionCheck& check);

  double C_D() const { return C_D_; }
  double C_V() const { return C_V_; }  // before K_L and before the 1.0 cap
  double volumeFactor() const { return volumeFactor_; }
  double le() const { return le_; }
  double R_B() const { return R_B_; }
  double F_bE() const { return F_bE_; }
  double C_L() const { return C_L_; }
  double C_Lnegative() const { return C_Lneg_; }  // from the Fb* of the negative moment
  double FbStar() const { return FbStar_; }
  double FbStarNegative() const { return FbStarNeg_; }
  double fb() const { return moment_ * 12.0 * 1000.0 / member_.Sxx(); }
  double positiveCapacity() const { return FbPos_; }
  bool stabilityGoverns() const { return stabilityGoverns_; }
  double negativeCapacity() const { return FbNeg_; }
  bool negativeStabilityGoverns() const { return negStabilityGoverns_; }
  double fv() const { return 1.5 * shear_ * 1000.0 / member_.area(); }
  double shearCapacity() const { return Fv_; }
  double Eprime() const { return member_.Ex() * member_.wetFactors()[CmE]; }
  // False when the loads or lengths are too large or too small for the numbers to be computed.
  bool computable() const { return computable_; }

 private:
  const GlulamMember& member_;
  int loadCondition_;
  double moment_, negMoment_, shear_, unbracedLength_, volumeLength_, reaction_, deflection_;
  double b_, d_;
  double C_D_, K_L_, C_V_, volumeFactor_, le_, R_B_ = 0.0, F_bE_ = 0.0, C_L_ = 1.0;
  double FbStar_ = 0.0, FbStarNeg_ = 0.0, C_Lneg_ = 1.0;
  DesignResult result_;
  std::string deflectionText_;
  double FbPosVolume_ = 0.0, FbPosStability_ = 0.0, FbPos_ = 0.0;
  double FbNegVolume_ = 0.0, FbNegStability_ = 0.0, FbNeg_ = 0.0;
  bool stabilityGoverns_ = false, negStabilityGoverns_ = false, computable_ = true;
  double Fv_ = 0.0;
};

}  // namespace vd

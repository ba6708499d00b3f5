#pragma once
// Bending, shear, bearing and deflection-ratio check of one sawn-lumber beam (1991 NDS).
#include <string>

#include "platform/deflection_check.h"
#include "platform/report_lines.h"
#include "wood/sawn_member.h"

namespace vd {

struct LoadDuration {
  const char* button;  // radio-button text of the forms, also the name in the reports
  double C_D;
};

// The seven load-duration cases; any other index is the permanent (dead load) case.
extern const LoadDuration kLoadDurations[7];
const LoadDuration& loadDuration(int index);
int validLoadCondition(int index);

// 2x-4x members and timbers (5x and larger) differ in report texts, wet-service row and the
// repetitive-member factor.
enum class SawnBeamKind { Dimension, Timber };

class SawnBeamCheck {
 public:
  // Units: span and unbraced length ft, moment k-ft, shear and reaction kip, deflection in.
  // A zero (or, here, negative) unbraced length means the beam is laterally supported.
  SawnBeamCheck(SawnMember& member, SawnBeamKind kind, int loadCondition, double span, double moment, double shear,
                double reaction, double deflection, double unbracedLength);

  // The design report. Settles the member's report factors as its property summary does.
  std::string report();
  // The short result shown in the 2x-4x form: the same numbers as the report.
  std::string quickSummary() const;
  // Every check of the report (bending, shear, the R_B limit) as data.
  const DesignResult& result() const { return result_; }
  // Adds the deflection check a beam analysis supplied (once); its lines close the report.
  void setDeflectionCheck(const DeflectionCheck& check);

  // Results, psi unless noted.
  double C_D() const { return C_D_; }
  double C_L() const { return C_L_; }
  double le() const { return le_; }  // in.
  double R_B() const { return R_B_; }
  double F_bE() const { return F_bE_; }
  double FbStar() const { return FbStar_; }
  // The wet-service factor of Fb used for F'b and Fb*: 1.0 where Fb CF_b <= 1150 psi (Table 4A footnote).
  double Cm_Fb() const { return Cm_Fb_; }
  double fb() const { return fb_; }
  double allowableBending() const { return Fb_; }
  double fv() const { return fv_; }
  double allowableShear() const { return Fv_; }
  double allowableBearing() const { return FcX_; }
  double bearingLength() const { return bearingLength_; }  // in.
  double Eprime() const { return E_; }
  bool stabilityComputed() const { return stability_; }
  // False when the loads or lengths are too large or too small for the numbers to be computed.
  bool computable() const { return computable_; }
  // NDS 4.4.1 rule number (nominal depth / thickness, rounded as the table reads).
  int lateralSupportRule() const;
  // 1 / this is the deflection-to-span ratio; 0 when not given.
  int deflectionRatio() const;

 private:
  void compute();
  std::string memberSummary();
  const double* wetRow() const;
  double repetitiveFactor() const;

  SawnMember& member_;
  SawnBeamKind kind_;
  int loadCondition_;
  double span_, moment_, shear_, reaction_, deflection_, unbracedLength_;
  double C_D_ = 1.0;
  double CF_b_ = 1.0, CF_t_ = 1.0, CF_c_ = 1.0;
  double Cm_Fb_ = 1.0;
  DesignResult result_;
  std::string deflectionText_;

  bool stability_ = false;
  bool computable_ = true;
  double le_ = 0.0, R_B_ = 0.0, F_bE_ = 0.0, FbStar_ = 0.0, C_L_ = 1.0;
  double fb_ = 0.0, Fb_ = 0.0, fv_ = 0.0, Fv_ = 0.0, FcX_ = 0.0, bearingLength_ = 0.0, E_ = 0.0;
};

// The lateral-support text of NDS 4.4.1 for a rule number.
const char* lateralSupportText(int rule);

}  // namespace vd

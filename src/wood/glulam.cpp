#include "wood/glulam.h"

#include <algorithm>
#include <cmath>

#include "platform/text_format.h"
#include "platform/report_lines.h"
#include "wood/sawn_beam.h"
#include "wood/wood_report.h"

namespace vd {

// ---- Member -------------------------------------------------------------------------------------

GlulamMember::GlulamMember(const GlulamSize& size, int combination, bool isDry)
    : label_(size.label), b_(size.b), d_(size.d), isDry_(isDry) {
  combination_ = combination >= 0 && combination < 40 ? combination : 0;
  const GlulamCombination& c = kGlulamCombinations[combination_];
  title_ = std::string(c.name) + "  " + c.species;
  for (int i = 0; i < kGlulamValueCount; ++i) values_[i] = c.values[i];
  note_ = c.note;
  // Nominal width of the lumber the laminations are dressed from: 3, 4, 6, 8, 10 and 12 in.
  const int nb = static_cast<int>(b_ >= 3.126 ? b_ * 1.186 : b_ * 1.285);
  boardFeetPerFoot_ = (4.0 / 3.0) * d_ * nb / 12.0;
}

const double* GlulamMember::wetFactors() const { return WetServiceTable[isDry_ ? Dry : WetGlulam]; }

std::string GlulamMember::describe() const {
  const double* v = values_;
  std::string out = format(
      " %s << %s >>    size =%.3f\" x %.3f\"\tmetric units: %.0f mm x %.0f mm\r\n Based on 1991 Ed. NDS Design Values "
      "for Wood Construction\r\n Area =%.2f in^2\t  (%.2f board feet/foot)\r\n Ixx =%.0f in^4,\t  Sxx =%.0f in^3,\t  "
      "rxx =%.3f in\r\n Iyy =%.0f in^4,\t  Syy =%.0f in^3,\t  ryy =%.3f in\r\n\r\n\t------------------ Bending About "
      "X-X Axis ------------------------\r\n Bending (tension zone stressed in tension) Fbxx =%.0f psi\r\n Bending "
      "(compression zone stressed in tension) Fbxx =%.0f psi\r\n Compression Perpendicular to grain (tension face) "
      "FcXxx =%.0f psi\r\n Compression Perpendicular to grain (compression face) FcXxx =%.0f psi\r\n Shear parallel "
      "to grain Fvxx =%.0f psi\r\n Modulus of Elasticity Exx =%.0f psi\r\n\t------------------ Bending About Y-Y Axis "
      "------------------------\r\n Bending (tension zone stressed in tension) Fbyy =%.0f psi\r\n Compression "
      "Perpendicular to grain (tension face) FcXyy =%.0f psi\r\n Shear parallel to grain Fvyy =%.0f psi\r\n Modulus "
      "of Elasticity Eyy =%.0f psi\r\n\t------------------  Axially Loaded  ------------------------\r\n Tension "
      "parallel to grain Ft =%.0f psi\r\n Compression parallel to grain Fc =%.0f psi\r\n Modulus of Elasticity E "
      "=%.0f psi",
      title_.c_str(), label_.c_str(), b_, d_, b_ * 25.4, d_ * 25.4, area(), boardFeetPerFoot_, Ixx(), Sxx(),
      d_ / std::sqrt(12.0), d_ * b_ * b_ * b_ / 12.0, d_ * b_ * b_ / 6.0, b_ / std::sqrt(12.0), v[vd::FbxPos],
      v[vd::FbxNeg], v[FcXTension], v[FcXCompression], v[vd::Fvx], v[vd::Ex], v[Fby], v[FcXy], v[Fvy], v[vd::Ey],
      v[FtAxial], v[FcAxial], v[EAxial]);
  out += isDry_ ? "\r\n\r\n Dry usage:   " : "\r\n\r\n Wet usage:   ";
  const double* cm = wetFactors();
  appendf(out,
          "NDS supplement Table 5A -- wet service adjustments:\r\n 'Cm' are:\t Fb =%.2f,  Ft =%.2f,  Fv =%.3f,  FcX "
          "=%.2f,  Fc =%.2f,  E =%.3f",
          cm[CmFb], cm[CmFt], cm[CmFv], cm[CmFcX], cm[CmFc], cm[CmE]);
  appendf(out, "\r\n %s\r\n", kGlulamNotes[note_]);
  return out;
}

std::string GlulamMember::shortDescription() const {
  return format(
      " %s << %s >>  size=%.3f\" x %.3f\"  Area =%.3f in^2  Ixx =%.2f in^4,  Sxx =%.3f in^3\r\n Bending Fb =%.0f psi   "
      "Shear parallel to grain Fv=%.0f psi",
      title_.c_str(), label_.c_str(), b_, d_, area(), Ixx(), Sxx(), FbxPos(), Fvx());
}

std::string GlulamMember::designHeader() const {
  const double* v = values_;
  std::string out = format(
      " %s << %s >>    size =%.3f\" x %.3f\"\r\n Based on 1991 Ed. NDS Design Values for Wood Construction\r\n Area "
      "=%.2f in^2,  Ixx =%.0f in^4,\t  Sxx =%.0f in^3\r\n\r\n\t------------------ Bending About X-X Axis "
      "------------------------\r\n Bending (tension zone stressed in tension) Fbxx =%.0f psi\r\n Bending "
      "(compression zone stressed in tension) Fbxx =%.0f psi\r\n Compression Perpendicular to grain (tension face) "
      "FcXxx =%.0f psi\r\n Compression Perpendicular to grain (compression face) FcXxx =%.0f psi\r\n Shear parallel "
      "to grain Fvxx =%.0f psi\r\n Modulus of Elasticity Exx =%.0f psi",
      title_.c_str(), label_.c_str(), b_, d_, area(), Ixx(), Sxx(), v[vd::FbxPos], v[vd::FbxNeg], v[FcXTension],
      v[FcXCompression], v[vd::Fvx], v[vd::Ex]);
  out += isDry_ ? "\r\n\r\n Dry usage:   " : "\r\n\r\n Wet usage:   ";
  const double* cm = wetFactors();
  appendf(out,
          "NDS supplement Table 5A -- wet service adjustments:\r\n 'Cm' are:\t Fb =%.2f,  Fv =%.3f,  FcX =%.2f,  E "
          "=%.3f",
          cm[CmFb], cm[CmFv], cm[CmFcX], cm[CmE]);
  appendf(out, "\r\n %s\r\n", kGlulamNotes[note_]);
  return out;
}

// ---- Beam check ---------------------------------------------------------------------------------

const LoadingCoefficient kLoadingCoefficients[4] = {
    {"Single span, concentrated load at mid-span KL=1.09", 1.09},
    {"Single span, uniformly distributed load KL=1.00", 1.00},
    {"Single span, 2-equal concentrated loads at 1/3 point KL=0.96", 0.96},
    {"Continuous beam or Cantilever, all conditions KL=1.00", 1.00},
};

const LoadDuration kGlulamLoadDurations[7] = {
    {"impact (x2.0)", 2.0}, {"wind (x1.6)", 1.6},   {"earthquake (x1.33)", 1.33}, {"roof (x1.25)", 1.25},
    {"snow (x1.15)", 1.15}, {"floor (x1.0)", 1.0},  {"permanent (x0.9)", 0.9},
};

const LoadDuration& glulamLoadDuration(int index) { return kGlulamLoadDurations[validLoadCondition(index)]; }

namespace {

// Glulam, NDS 5.3.5 (5.3.2 for the volume factor).
constexpr double kK_bE = 0.609;

double stabilityFactor(double alpha) { return smallerRoot((1.0 + alpha) / 1.9, alpha / 0.95); }

constexpr const char* kTooLarge = "\r\n Check entries: the loads or lengths are too large or too small to compute.\r\n";

}  // namespace

GlulamBeamCheck::GlulamBeamCheck(const GlulamMember& member, int loadCondition, double moment, double negMoment,
                                 double shear, double unbracedLength, double volumeLength, double reaction,
                                 double deflection, double K_L)
    : member_(member),
      loadCondition_(loadCondition),
      moment_(moment),
      negMoment_(negMoment),
      shear_(shear),
      unbracedLength_(unbracedLength),
      volumeLength_(volumeLength),
      reaction_(reaction),
      deflection_(deflection),
      b_(member.b()),
      d_(member.d()),
      C_D_(glulamLoadDuration(loadCondition).C_D),
      K_L_(K_L) {
  // Eq. 5.3-1 with x = 10: C_V = K_L (21/L)^(1/x) (12/d)^(1/x) (5.125/b)^(1/x), at most 1.0: the cap
  // applies to the product with K_L. A length not given (zero) or not usable leaves the volume effect out.
  C_V_ = std::pow(1291.5 / (volumeLength_ * d_ * b_), 0.1);
  if (!std::isfinite(C_V_)) C_V_ = 1.0;
  volumeFactor_ = K_L_ * C_V_;
  if (!(volumeFactor_ <= 1.0)) volumeFactor_ = 1.0;

  // The stability factor is always computed: a length below 0.001 ft counts as 0.001 ft.
  if (!(unbracedLength_ >= 0.001)) unbracedLength_ = 0.001;
  const double lu = unbracedLength_ * 12.0;
  le_ = lu / d_ >= 7.0 ? 1.63 * lu + 3.0 * d_ : 2.06 * lu;

  const double* cm = member_.wetFactors();
  R_B_ = std::sqrt(le_ * d_ / (b_ * b_));
  F_bE_ = kK_bE * member_.Ey() * cm[CmE] / (R_B_ * R_B_);
  // NDS 3.3.3.8: Fb* is the bending value of the face in compression with every adjustment but C_fu, C_V
  // and C_L, the wet factor of Fb included.
  FbStar_ = member_.FbxPos() * C_D_ * cm[CmFb];
  C_L_ = stabilityFactor(F_bE_ / FbStar_);

  const double basePos = member_.FbxPos() * C_D_ * cm[CmFb];
  FbPosVolume_ = basePos * volumeFactor_;
  // Ties go to the volume factor.
  FbPosStability_ = volumeFactor_ <= C_L_ ? 1.001 * FbPosVolume_ : basePos * C_L_;
  stabilityGoverns_ = FbPosStability_ < FbPosVolume_;
  FbPos_ = stabilityGoverns_ ? FbPosStability_ : FbPosVolume_;

  if (member_.isBalanced()) {
    FbStarNeg_ = FbStar_;
    C_Lneg_ = C_L_;
    FbNeg_ = FbPos_;
  } else {
    const double baseNeg = member_.FbxNeg() * C_D_ * cm[CmFb];
    FbStarNeg_ = baseNeg;
    C_Lneg_ = stabilityFactor(F_bE_ / FbStarNeg_);
    FbNegVolume_ = baseNeg * volumeFactor_;
    FbNegStability_ = baseNeg * C_Lneg_;
    negStabilityGoverns_ = FbNegStability_ < FbNegVolume_;
    FbNeg_ = negStabilityGoverns_ ? FbNegStability_ : FbNegVolume_;
  }
  Fv_ = member_.Fvx() * C_D_ * cm[CmFv];
  // Loads or lengths beyond any real beam overflow; the report then says so instead of printing
  // numbers that are not numbers.
  computable_ = allFinite({lu / d_, le_, R_B_, F_bE_, C_L_, C_Lneg_, FbPos_, FbPosStability_, FbNeg_, FbNegStability_,
                           fb(), negMoment_ * 12.0 * 1000.0 / member_.Sxx(), fv(), Fv_});
  if (!computable_) return;
  recordRatio(result_, std::fabs(fb()), FbPos_, "bending, NDS 3.3");
  if (negMoment_ != 0.0)
    recordRatio(result_, std::fabs(negMoment_ * 12.0 * 1000.0 / member_.Sxx()), FbNeg_, "negative bending, NDS 3.3");
  if (shear_ != 0.0) recordRatio(result_, std::fabs(fv()), Fv_, "shear, NDS 3.4");
  slendernessLimitLine(result_, R_B_);
}

std::string GlulamBeamCheck::report() const {
  const double* cm = member_.wetFactors();
  const double ratio = unbracedLength_ * 12.0 / d_;
  std::string out = "\r\n\tDesign of Glued-laminated Beams";
  appendf(out,
          "\r\n Input:\t moment =%.2f k-ft,\t negative moment =%.2f k-ft,\t shear =%.3f kip\r\n\t load duration factor = "
          "%.2f,   unbracedLen =%.2f ft\r\n\t K_L of NDS Table 5.3.2 factor =%.2f\r\n\t deflection =%.2f in, \t "
          "reaction =%.2f kip\r\n\t len_volume =%.2f ft - length of bending member between points of zero "
          "moment\r\n\r\n",
          moment_, negMoment_, shear_, C_D_, unbracedLength_, K_L_, deflection_, reaction_, volumeLength_);
  out += member_.designHeader();
  if (!computable_) return out + kTooLarge;

  out += "\r\n Positive moment, bottom laminations in tension: ----";
  out += "\r\n  < Compare the volume factor with beam stability factor. NDS 5.3 >\r\n    C_L, by stability factor:";
  if (ratio >= 7.0)
    appendf(out, "\r\n\t unbracedLen*12/depth (=%.2f) > 7\t le =(1.63)lu+ (3)depth =%0.1f in", ratio, le_);
  else
    appendf(out, "\r\n\t unbracedLen*12/depth (=%.2f) < 7\t le =(2.06)lu =%0.1f in", ratio, le_);
  appendf(out, "    Fb* =Fb x C_D x C_M =%.0f x %.2f x %.2f =%.1f", member_.FbxPos(), C_D_, cm[CmFb], FbStar_);
  appendf(out,
          "\r\n\t Eq. 3.3.5  R_B =(le*d/b^2)^0.5 =%.2f,  K_bE= 0.609,   F_bE =K_bE(E'yy)/(R_B)^2 =%.1f\r\n\t Eq. "
          "3.3.6  C_L =((1+F_bE/Fb*)/1.9) - ( ((1+F_bE/Fb*)/1.9)^2 - F_bE/Fb*/0.95 )^0.5 =%.3f",
          R_B_, F_bE_, C_L_);
  {
    DesignResult limitOnly;
    out += slendernessLimitLine(limitOnly, R_B_);
  }
  appendf(out, "\r\n\t Eq. 5.3-1  Cv =K_L ((21/L)^1/x) ((12/d)^1/x) ((5.125/b)^1/x) =%.3f", volumeFactor_);
  if (stabilityGoverns_) {
    appendf(out,
            "\r\n   stability govern:   \r\n  NDS Table 2.3.1 F'bx = Fb * C_duration * C_moisture * (footnote 1) =%.0f x "
            "%.2f x %.2f x %.3f =%.1f psi",
            member_.FbxPos(), C_D_, cm[CmFb], C_L_, FbPosStability_);
    out += "\r\n\t Unbraced dist. factor govern over volume factor.";
  } else {
    out += "\r\n\t Volume factor govern over unbraced distance factor.";
  }
  const double fbPos = std::fabs(fb());
  out += "\r\n Bending stress:";
  out += ratioLine(fbPos, FbPos_, "Design stress", "Beam capacity", "psi");
  out += percentLine("\r\n\t (M)design/(M)capacity =%.2f%%\r\n", fbPos, FbPos_);

  if (negMoment_ != 0.0) {
    if (!member_.isBalanced()) {
      // The unbraced length is never zero here, so the stability factor is always shown.
      if (ratio >= 7.0)
        appendf(out, "\r\n Stability factor:\r\n\t unbracedLen*12/depth (=%.2f) > 7\t le =(1.63)lu+ (3)depth =%.1f in",
                ratio, le_);
      else
        appendf(out, "\r\n\r\n Stability factor:\r\n\t unbracedLen*12/depth (=%.2f) < 7\t le =(2.06)lu =%.1f in",
                ratio, le_);
      appendf(out, "    Fb* =Fb x C_D x C_M =%.0f x %.2f x %.2f =%.1f", member_.FbxNeg(), C_D_, cm[CmFb], FbStarNeg_);
      appendf(out,
              "\r\n\t Eq. 3.3.5  R_B = (le*d/b^2)^0.5 =%.2f,  K_bE =0.609,   F_bE =K_bE(E'yy)/(R_B)^2 =%.1f\r\n\t "
              "Eq. 3.3.6  C_L =((1+F_bE/Fb*)/1.9) - ( ((1+F_bE/Fb*)/1.9)^2 - F_bE/Fb*/0.95 )^0.5 =%.3f",
              R_B_, F_bE_, C_Lneg_);
      appendf(out,
              "\r\n Negative moment, bottom laminations in compression: ----\r\n    by volume or C_L factor:\r\n\t F'bx= "
              "Fb*Cf*Cm*(footnote 1) =%.0f x %.2f x %.2f x %.3f =%.1f psi\r\n",
              member_.FbxNeg(), C_D_, cm[CmFb], volumeFactor_, FbNegVolume_);
      appendf(out, "\r\n    by unbraced length:  C_L =%.3f \r\n\t F'bx_n =%.0f x %.2f x %.2f x %.3f =%.1f psi", C_Lneg_,
                member_.FbxNeg(), C_D_, cm[CmFb], C_Lneg_, FbNegStability_);
      appendf(out, "\t while E'yy =%.0f psi", member_.Ey());
      out += negStabilityGoverns_ ? "\r\n\t Unbraced distance factor govern over volume factor."
                                  : "\r\n\t Volume factor govern over unbraced distance factor.";
    }
    // A negative moment is checked by its size, whichever sign it was entered with.
    const double fbNeg = std::fabs(negMoment_ * 12.0 * 1000.0 / member_.Sxx());
    out += ratioLine(fbNeg, FbNeg_, "Negative design moment", "Beam capacity", "psi");
    out += percentLine("\r\n\t (M)design/(M)capacity =%.2f%%\r\n", fbNeg, FbNeg_);
  }

  const double fvAbs = std::fabs(fv());
  appendf(out, " Shear Stress:\r\n\t f'v =1.5*V/A =%.2f psi\r\n\t F'v =Fv*Cd*Cm =%0.f x %.2f x %.2f =%.2f psi", fvAbs,
          member_.Fvx(), C_D_, cm[CmFv], Fv_);
  if (shear_ != 0.0) {
    out += ratioLine(fvAbs, Fv_, "Design shear", "Shear capacity", "psi");
    out += percentLine("\r\n\t (V)design/(V)capacity =%.2f%%\r\n", fvAbs, Fv_);
  }
  appendf(out, " Deflection:\t E' =%.0f x %.2f =%.0f psi \r\n", member_.Ex(), cm[CmE], Eprime());
  return out + deflectionText_ + result_.summaryLine();
}

void GlulamBeamCheck::setDeflectionCheck(const DeflectionCheck& check) {
  // E' is in psi; a check that cannot be computed prints nothing but its refusal.
  if (computable_) deflectionText_ = check.lines(Eprime() / 1000.0, member_.Ixx(), result_);
}

}  // namespace vd

#include "wood/sawn_beam.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "platform/text_format.h"
#include "platform/report_lines.h"
#include "wood/wood_report.h"

namespace vd {

const LoadDuration kLoadDurations[7] = {
    {"impact (x2.0)", 2.0},      {"wind (x1.33)", 1.33},  {"earthquake (x1.33)", 1.33}, {"roof (x1.25)", 1.25},
    {"snow (x1.15)", 1.15},      {"floor (x1.0)", 1.0},   {"permanent (x0.9)", 0.9},
};

int validLoadCondition(int index) { return index >= 0 && index < 7 ? index : 6; }

const LoadDuration& loadDuration(int index) { return kLoadDurations[validLoadCondition(index)]; }

namespace {

// The stability constants are single-precision values widened to double; the results printed to
// three places depend on it, so they are kept exactly.
constexpr double kLe163 = static_cast<double>(1.63f);
constexpr double kLe206 = static_cast<double>(2.06f);
constexpr double kCl19 = static_cast<double>(1.9f);
constexpr double kCl095Dimension = static_cast<double>(0.95f);
constexpr double kCl095Timber = 0.95;
constexpr double kRepetitive = static_cast<double>(1.15f);
// Visually graded lumber, NDS 3.3.3.8.
constexpr double kK_bE = 0.438;

constexpr const char* kTooLarge = "\r\n Check entries: the loads or lengths are too large or too small to compute.\r\n ";

}  // namespace

const char* lateralSupportText(int rule) {
  switch (rule) {
    case 1:
    case 2: return "No later support required.";
    case 3:
    case 4:
      return "The ends shall be held in position, as by full depth solid blocking, bridging, hangers, nailing or "
             "bolting to other framing members, or other acceptable means.";
    case 5: return "One edge shall be held in line for its entire length.";
    case 6:
      return "Bridging, full depth solid blocking or cross bracing shall be installed at intervals not exceeding 8 "
             "feet unless both edges are held in line or unless the compression edge of the member is supported "
             "throughout its length to prevent lateral displacement, as by adequate sheathing or subflooring, and "
             "the ends at points of bearing have lateral support to prevent rotation.";
    default: return "Both edges shall be held in line for their entire length.";
  }
}

SawnBeamCheck::SawnBeamCheck(SawnMember& member, SawnBeamKind kind, int loadCondition, double span, double moment,
                             double shear, double reaction, double deflection, double unbracedLength)
    : member_(member),
      kind_(kind),
      loadCondition_(loadCondition),
      span_(span),
      moment_(moment),
      shear_(shear),
      reaction_(reaction),
      deflection_(deflection),
      unbracedLength_(unbracedLength) {
  C_D_ = loadDuration(loadCondition).C_D;
  member_.settleReportFactors();
  member_.getSizeFactors(CF_b_, CF_t_, CF_c_);
  compute();
}

const double* SawnBeamCheck::wetRow() const {
  if (member_.isDry()) return WetServiceTable[Dry];
  return WetServiceTable[kind_ == SawnBeamKind::Dimension ? WetDimension : WetTimber];
}

double SawnBeamCheck::repetitiveFactor() const {
  return kind_ == SawnBeamKind::Dimension && member_.isRepetitive() ? kRepetitive : 1.0;
}

void SawnBeamCheck::compute() {
  const double b = member_.b(), d = member_.d();
  const double* cm = wetRow();
  // One wet-service factor for Fb: a 2x-4x member takes the Table 4A footnote (1.0 where Fb CF_b <=
  // 1150 psi) that its property report prints; a timber the Table 4D row.
  double memberCmFb = 1.0, memberCmFc = 1.0;
  member_.getWetFactors(memberCmFb, memberCmFc);
  Cm_Fb_ = member_.isDry() ? 1.0 : (kind_ == SawnBeamKind::Dimension ? memberCmFb : cm[CmFb]);
  E_ = member_.E() * cm[CmE];
  // Stresses by size: a moment or shear typed with a minus sign is checked, not passed as OK.
  fb_ = std::fabs(moment_) * 12.0 * 1000.0 / member_.Sxx();
  fv_ = 1.5 * std::fabs(shear_) * 1000.0 / member_.area();

  // A negative unbraced length is no length at all: the beam is taken as laterally supported.
  stability_ = unbracedLength_ > 0.0;
  C_L_ = 1.0;
  if (stability_) {
    const double lu = unbracedLength_ * 12.0;
    le_ = lu / d >= 7.0 ? kLe163 * lu + 3.0 * d : kLe206 * lu;
    R_B_ = std::sqrt(le_ * d / (b * b));
    // NDS 3.3.3.8: E' is the adjusted modulus, and Fb* takes every adjustment but C_fu, C_V and C_L
    // (load duration, wet service, size and repetitive member; no temperature factor is entered).
    F_bE_ = kK_bE * E_ / (R_B_ * R_B_);
    FbStar_ = member_.Fb() * C_D_ * Cm_Fb_ * CF_b_ * repetitiveFactor();
    const double alpha = F_bE_ / FbStar_;
    const double k095 = kind_ == SawnBeamKind::Dimension ? kCl095Dimension : kCl095Timber;
    C_L_ = smallerRoot((1.0 + alpha) / kCl19, alpha / k095);
  }
  Fb_ = member_.Fb() * C_D_ * C_L_ * CF_b_ * repetitiveFactor() * 1.0 * Cm_Fb_;
  Fv_ = member_.Fv() * C_D_ * cm[CmFv];
  FcX_ = member_.FcX() * cm[CmFcX];
  bearingLength_ = reaction_ != 0.0 ? reaction_ * 1000.0 / b / FcX_ : 0.0;
  // Loads or lengths beyond any real beam overflow; the report then says so instead of printing
  // numbers that are not numbers.
  computable_ = allFinite({fb_, fv_, Fb_, Fv_, FcX_, bearingLength_, E_});
  if (stability_)
    computable_ = computable_ && allFinite({unbracedLength_ * 12.0 / d, le_, R_B_, F_bE_, FbStar_,
                                            (1.0 + F_bE_ / FbStar_) / kCl19, C_L_});
  result_ = DesignResult();
  if (!computable_) return;
  recordRatio(result_, fb_, Fb_, "bending, NDS 3.3");
  recordRatio(result_, fv_, Fv_, "shear, NDS 3.4");
  if (stability_) slendernessLimitLine(result_, R_B_);
}

int SawnBeamCheck::lateralSupportRule() const { return static_cast<int>(member_.depthToThicknessRatio() + 0.9); }

int SawnBeamCheck::deflectionRatio() const {
  if (span_ == 0.0 || deflection_ == 0.0) return 0;
  const double r = std::fabs(12.0 * span_ / deflection_);
  return r >= static_cast<double>(INT_MAX) ? INT_MAX : static_cast<int>(r);
}

std::string SawnBeamCheck::memberSummary() {
  SawnMember& m = member_;
  std::string out = format(
      "\r\n  %s  %s << %s >>     size =%.2f\" x %.2f\r\n Area =%.3f in^2,\t Ixx =%.2f in^4,\t Sxx =%.2f in^3\r\n\r\n "
      "Bending Fb =%.0f psi,  shear parallel to grain Fv =%.0f psi\r\n Compression perpendicular to grain FcX =%.0f "
      "psi\r\n Modulus of Elasticity E =%.0f psi",
      m.speciesName(), m.grade() ? m.grade()->name : "", m.label().c_str(), m.b(), m.d(), m.area(), m.Ixx(), m.Sxx(),
      m.Fb(), m.Fv(), m.FcX(), m.E());
  if (m.wetClass() == Dry || m.wetClass() == WetDimension)
    appendf(out, "\r\n repetitive factor applied: repetitive f. =%.2f", m.C_r());
  m.settleReportFactors();
  // The factors this check uses, from the table that governs the member.
  const char* table = m.isTimber() ? "4D" : "4A";
  appendf(out,
          "\r\n NDS Supplement Table %s -- size factors: CF_bending =%.2f \r\n NDS supplement Table %s -- wet service "
          "adjustments 'Cm' are: \tFb =%.2f,  E =%.2f",
          table, CF_b_, table, Cm_Fb_, wetRow()[CmE]);
  return out;
}

std::string SawnBeamCheck::report() {
  const bool dim = kind_ == SawnBeamKind::Dimension;
  const double* cm = wetRow();
  const double b = member_.b(), d = member_.d();
  std::string out = dim ? "\r\n\t   Design of 2x, 3x or 4x Beams" : "\r\n\t  Design of 5x, 6x .... 24x Beams";
  out += memberSummary();
  if (dim) {
    appendf(out, "\r\n design for:\tmoment =%.3f k-ft \tshear =%.3f kip.\r\n\t\tspan =%.2f ft,  unbraced len =%.2f ft",
            moment_, shear_, span_, unbracedLength_);
    if (deflection_ != 0.0) appendf(out, "  deflection =%.2f in,", deflection_);
    if (reaction_ != 0.0) appendf(out, "  reaction =%.2f kip,", reaction_);
    out += member_.isDry() ? "  dry usage" : "  wet usage";
    out += member_.isRepetitive() ? ", apply repetitive member multiplier.\r\n" : ", not a repetitive members\r\n";
    out += "\tload duration: ";
  } else {
    appendf(out, "\r\n designed for:\tmoment =%.3f k-ft\tshear =%.3f kip.\r\n\t\tspan =%.2f ft,  unbraced len =%.2f ft",
            moment_, shear_, span_, unbracedLength_);
    if (deflection_ != 0.0) appendf(out, ",  deflection =%.2f in", deflection_);
    if (reaction_ != 0.0) appendf(out, ",  reaction =%.2f kip", reaction_);
    out += member_.isDry() ? ",  dry usage " : ",  wet usage ";
    out += "\r\n\tload duration: ";
  }
  out += loadDuration(loadCondition_).button;
  out += "\r\n";
  if (!computable_) return out + kTooLarge;

  if (stability_) {
    const double ratio = unbracedLength_ * 12.0 / d;
    const double half = (1.0 + F_bE_ / FbStar_) / kCl19;
    if (dim) {
      if (ratio >= 7.0)
        appendf(out,
                "\r\n Stability factor:\r\n\t unbracedLen*12/depth (=%.2f) > 7; Table 3.3.3 le =(1.63)lu+ (3)depth "
                "=%.1f in",
                ratio, le_);
      else
        appendf(out, "\r\n Stability factor:\r\n\t unbracedLen*12/depth (=%.2f) < 7.0\t le= (2.06)lu =%.1f in", ratio,
                le_);
      appendf(out,
              "\r\n\t Fb_star =Fb (load duration f.) (wet f.) (CF_bending) (repetitive f.) =%.0f x %.2f x %.2f x "
              "%.2f x %.2f =%.1f psi",
              member_.Fb(), C_D_, Cm_Fb_, CF_b_, repetitiveFactor(), FbStar_);
      appendf(out,
              "\r\n\t Eq. 3.3.5  R_B =sqrt(le*d/b^2) =%.2f,  visual graded, K_bE =0.438,   F_bE =(K_bE)(E'yy)/(R_B)^2 "
              "=%.2f  (E' =%.0f psi)\r\n\t (1+ F_bE/Fstar_bx)/1.90 =%.1f, Eq. 3.3.6  C_L =(1+F_bE/Fb*)/1.9 - sqrt( "
              "((1+F_bE/Fb*)/1.9)^2 - F_bE/Fb*/0.95 ) =%.3f",
              R_B_, F_bE_, E_, half, C_L_);
    } else {
      if (ratio >= 7.0)
        appendf(out,
                "\r\n Stability factor:\r\n\t unbracedLen*12/depth (=%.2f) > 7;  table 3.3.3 le =(1.63)lu+ (3)depth "
                "=%.1f in",
                ratio, le_);
      else
        appendf(out, "\r\n Stability factor:\r\n\t unbracedLen*12/depth (=%.2f) < 7;  table 3.3.3 le= (2.06)lu =%.1f in",
                ratio, le_);
      appendf(out,
              "\r\n\t Fb_star =Fb (load duration f.) (wet f.) (size f.: CF_bending) =%.0f x %.2f x %.2f x %.2f =%.1f "
              "psi",
              member_.Fb(), C_D_, Cm_Fb_, CF_b_, FbStar_);
      appendf(out,
              "\r\n\t Eq. 3.3.5  R_B =sqrt(le*d/b^2) =%.2f,  K_bE =0.438,   F_bE =(K_bE)(E'yy)/(R_B)^2 =%.2f  (E' "
              "=%.0f psi)\r\n\t (1+ F_bE/Fb*)/1.9 =%.2f,  Eq. 3.3.6  C_L =(1+F_bE/Fb*)/1.9 - sqrt( "
              "((1+F_bE/Fb*)/1.9)^2 - F_bE/Fb*/0.95 ) =%.3f",
              R_B_, F_bE_, E_, half, C_L_);
    }
    DesignResult limitOnly;
    out += slendernessLimitLine(limitOnly, R_B_);
  } else if (dim && unbracedLength_ < 0.0) {
    out += "\r\n Unbraced length below zero is taken as not given: C_L =1.0";
  }

  if (dim)
    appendf(out,
            "\r\n Fb\t =moment/Sxx =%.2f psi\r\n F'b\t =Fb (load duration f.) (stability f.) (CF_bending) (repetitive "
            "f.) (stability f.) (wet f.) =%.0f x %.2f x %.2f x %.2f x %.2f x %.2f x %.2f =%.1f psi",
            fb_, member_.Fb(), C_D_, C_L_, CF_b_, repetitiveFactor(), 1.0, Cm_Fb_, Fb_);
  else
    appendf(out,
            "\r\n Fb\t =moment/Sxx =%.2f psi\r\n F'b\t =Fb (load duration f.) (stability f.) (size f.: CF_bending) "
            "(stability f.) (wet f.)\r\n\t =%.0f x %.2f x %.2f x %.2f x %.2f x %.2f =%.1f psi",
            fb_, member_.Fb(), C_D_, C_L_, CF_b_, 1.0, Cm_Fb_, Fb_);
  out += ratioLine(fb_, Fb_, "Design moment", "Beam capacity", "psi");
  out += percentLine("\r\n\t (M)design/(M)capacity =%.1f%%\r\n", fb_, Fb_);

  if (dim)
    appendf(out,
            "\r\n Fv\t =3/2(shear/area) =%.2f psi.\r\n F'v\t =Fv (load duration f.) (wet f.) =%0.f x %.2f x %.2f =%.1f "
            "psi",
            fv_, member_.Fv(), C_D_, cm[CmFv], Fv_);
  else
    appendf(out,
            "\r\n Fv\t =3/2(shear/area) =%.2f psi.\r\n F'v\t =Fv (load duration f.) (wet f.) =%.2f x %.2f x %.2f =%.1f "
            "psi",
            fv_, member_.Fv(), C_D_, cm[CmFv], Fv_);
  out += ratioLine(fv_, Fv_, "Design shear", "Shear capacity", "psi");
  out += percentLine("\r\n\t (V)design/(V)capacity =%.1f%%\r\n", fv_, Fv_);

  if (dim && fv_ > Fv_) {
    // NDS Supplement Table 4B: the shear factor C_H allowed for limited splits and shakes.
    const double split = b < 2.0 ? d : b;
    appendf(out,
            b < 2.0 ? "\tNDS Supplement Table 4B -- Shear stress factor, C_H, can be adjusted by 2.0x, 1.67x, 1.50x, "
                      "1.33x, 1.00x\r\n\twhen the length of split on wide face are limited within 0.0\", %.2f\", %.2f\", "
                      "%.2f\", %.2f\" or more ,\r\n\trespectively and the size of shake are limited within 0.0\", "
                      "%.2f\", %.2f\", %.2f\", %.2f\" or more\r\n"
                    : "\tNDS Supplement Table 4B -- Shear stress factor, C_H, can be adjusted by 2.0x, 1.67x, 1.50x, "
                      "1.33x, 1.00x\r\n\twhen the length of split on wide face are limited within 0.0\", %.2f\", %.2f\", "
                      "%.2f\", %.2f\" or more,\r\n\trespectively and the size of shake are limited within 0.0\", "
                      "%.2f\", %.2f\", %.2f\", %.2f\" or more\r\n",
            0.5 * split, 0.75 * split, 1.0 * split, 1.5 * split, b / 6.0, b / 4.0, b / 3.0, b / 2.0);
  }

  out += "\r\n F'cX\t =FcX (wet f.)";
  appendf(out, dim ? "  =%.0f x %.2f =%.1f psi." : "\r\n\t =%.0f x %.2f =%.1f psi.", member_.FcX(), cm[CmFcX], FcX_);
  if (reaction_ != 0.0) appendf(out, "\t min. bearing length =%.2f in.", bearingLength_);

  out += dim ? "\r\n E'\t =E' (wet f.)" : "\r\n\r\n E'\t =E' (wet f.)";
  appendf(out, dim ? "  =%.0f x %.2f =%.0f psi.\r\n" : "\r\n\t =%.0f x %.2f =%.0f psi.\r\n", member_.E(), cm[CmE], E_);

  if (span_ != 0.0 && deflection_ != 0.0) appendf(out, "\r\n Deflection to span ratio =1 / %d", deflectionRatio());
  // The 2x-4x form treats a negative length as no length; the timber form prints the rule only for zero.
  if (unbracedLength_ == 0.0 || (dim && unbracedLength_ < 0.0)) {
    const int rule = lateralSupportRule();
    appendf(out, "\r\n Depth to breadth ratio =%d.  To qualify for C_L =1.0, NDS 3.3.3 recommends...\r\n ", rule);
    out += lateralSupportText(rule);
  }
  out += deflectionText_;
  out += "\r\n";
  return out + result_.summaryLine();
}

void SawnBeamCheck::setDeflectionCheck(const DeflectionCheck& check) {
  // E' is in psi; a check that cannot be computed prints nothing but its refusal.
  if (computable_) deflectionText_ = check.lines(E_ / 1000.0, member_.Ixx(), result_);
}

std::string SawnBeamCheck::quickSummary() const {
  const double* cm = wetRow();
  std::string out = member_.isDry() ? " --- dry usage --- " : " --- wet usage --- ";
  out += member_.isRepetitive() ? " yes on repetitive member multiplier" : " no on repetitive member multiplier";
  if (!computable_) return out + kTooLarge;
  // The report's own F'b, stability and wet factors included, so the pane and the pad never differ.
  appendf(out,
          "\r\n F'b= Fb*Cd*CL*Cf*Cr*Cm =%.0f x %.2f x %.3f x %.2f x %.2f x %.2f =%.1f psi. vs. Fb= moment/Sxx "
          "=%.1f psi",
          member_.Fb(), C_D_, C_L_, CF_b_, repetitiveFactor(), Cm_Fb_, Fb_, fb_);
  appendf(out, "\r\n F'v =%0.f x %.2f x %.2f =%.1f psi vs. Fv =3/2(shear/area) =%.1f psi.", member_.Fv(), C_D_,
          cm[CmFv], Fv_, fv_);
  appendf(out, "\r\n F'cX =%.0f x %.2f =%.1f psi. ", member_.FcX(), cm[CmFcX], FcX_);
  appendf(out, "\r\n\r\n E' =%.0f x %.2f =%.0f psi.", member_.E(), cm[CmE], E_);
  out += "\r\n" + result_.summaryLine();
  return out;
}

}  // namespace vd

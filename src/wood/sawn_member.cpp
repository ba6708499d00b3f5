#include "wood/sawn_member.h"

#include <cmath>

#include "platform/text_format.h"

namespace vd {

namespace {

const SizeFactorRow* sizeFactorRow(GradeKind kind, int depthKey) {
  for (const SizeFactorRow& row : kSizeFactors)
    if (row.kind == kind && row.nominalDepth == depthKey) return &row;
  return nullptr;
}

// The depth key of the size-factor row that applies, or 0 when none does.
int structuralDepthKey(int nd) {
  for (int key : {14, 12, 10, 8, 6, 5})
    if (nd >= key) return key;
  return nd >= 2 ? 4 : 0;
}

// NDS 4.3.2 size factor of timbers deeper than 12 in. nominal (dressed 11.25 in.).
double timberSizeFactor(double d) { return std::pow(12.0 / d, 0.111); }

}  // namespace

SawnMember::SawnMember(std::string_view label, double b, double d, const GradeRecord* grade, int species,
                       bool isRepetitive, bool isDry)
    : isDry_(isDry), isRepetitive_(isRepetitive), b_(b), d_(d) {
  C_r_ = isRepetitive ? 1.15 : 1.0;
  label_ = std::string(label);
  species_ = validSpecies(species);
  grade_ = grade;
  // A 5x5 is a timber although it is no thicker than a built-up (3)2x: the grade decides.
  wetClass_ = isDry ? Dry : (b > 4.5 || isTimber() ? WetTimber : WetDimension);

  const int nb = nominalThickness();
  int nd = nominalDepth();
  boardFeetPerFoot_ = nb * nd / 12.0;
  CF_b_ = CF_t_ = CF_c_ = 1.0;

  if (isTimber()) {
    // Table 4D: timbers take no size factor for tension or compression, and for bending only the depth
    // factor of members deeper than 12 in. nominal, dry or wet alike.
    CF_b_ = d_ <= 11.25 ? 1.0 : timberSizeFactor(d_);
  } else if (wetClass_ != WetTimber && grade_) {
    int key = 0;
    switch (grade_->kind) {
      case GradeKind::Structural: key = structuralDepthKey(nd); break;
      case GradeKind::Stud:
        // Studs deeper than 6 in. nominal are graded as 6 in. pieces.
        if (nd >= 7) {
          d_ = 5.5;
          boardFeetPerFoot_ = nb * 6 / 12.0;
          nd = 6;
        }
        key = nd >= 5 ? 6 : (nd >= 2 ? 4 : 0);
        break;
      case GradeKind::ConstructionStandard:
        // Construction and Standard grades exist only up to 4 in. nominal depth.
        if (nd >= 5) {
          d_ = 3.5;
          boardFeetPerFoot_ = nb * 4 / 12.0;
        }
        key = 4;
        break;
      case GradeKind::Utility:
        if (nd >= 5) {
          d_ = 3.5;
          boardFeetPerFoot_ = nb * 4 / 12.0;
          nd = 4;
        }
        key = nd >= 4 ? 4 : 3;
        break;
    }
    if (const SizeFactorRow* row = key ? sizeFactorRow(grade_->kind, key) : nullptr) {
      CF_b_ = nb == 4 ? row->CFb4 : row->CFb23;
      CF_t_ = row->CFt;
      CF_c_ = row->CFc;
    }
  } else if (wetClass_ == WetTimber) {
    CF_b_ = d_ <= 11.25 ? 1.0 : timberSizeFactor(d_);
  }
  CF_bBuilt_ = CF_b_;
}

bool SawnMember::isTimber() const {
  if (!grade_) return false;
  const SpeciesRecord& sp = speciesAt(species_);
  return grade_ >= sp.grades + sp.endDimension && grade_ < sp.grades + sp.endPost;
}

double SawnMember::depthToThicknessRatio() const {
  const int nb = nominalThickness();
  return nb > 0 ? static_cast<double>(nominalDepth()) / nb : 0.0;
}

void SawnMember::settleReportFactors() {
  const double* row = WetServiceTable[wetClass_];
  const bool wet = !isDry_;
  Cm_Fb_ = (wet && Fb() * CF_bBuilt_ <= 1150.0) ? 1.0 : row[CmFb];
  Cm_Fc_ = (wet && Fc() * CF_c_ <= 750.0) ? 1.0 : row[CmFc];
  if (b_ > 4.0) {
    CF_b_ = timberSizeFactor(d_);
    if (CF_b_ > 1.0) CF_b_ = 1.0;
  }
}

std::string SawnMember::describe() {
  const double* row = WetServiceTable[wetClass_];
  const char* gradeName = grade_ ? grade_->name : "";
  const char* agency = grade_ ? grade_->agency : "";
  std::string out = format(
      "\r\n  %s  %s << %s >>     size =%.2f\" x %.2f\"\t\tmetric units: %.0f mm x %.0f mm\r\n Based on 1991 Ed. "
      "NDS Design Values for Wood Construction\r\n Area =%.3f in^2\t %.2f board feet/foot\r\n Ixx =%.2f in^4,\t "
      "Sxx =%.2f in^3,\t rxx =%.3f in\r\n Iyy =%.2f in^4,\t Syy =%.3f in^3,\t ryy =%.3f in\r\n\r\n Bending Fb "
      "=%.0f psi\r\n Tension parallel to grain Ft =%.0f psi\r\n Shear parallel to grain Fv =%.0f psi\r\n "
      "Compression perpendicular to grain FcX =%.0f psi\r\n Compression parallel to grain Fc =%.0f psi\r\n "
      "Modulus of Elasticity E =%.0f psi\r\n Grading Rules Agency: %s",
      speciesName(), gradeName, label_.c_str(), b_, d_, b_ * 25.4, d_ * 25.4, area(), boardFeetPerFoot_, Ixx(), Sxx(),
      d_ / std::sqrt(12.0), Iyy(), Syy(), b_ / std::sqrt(12.0), Fb(), Ft(), Fv(), FcX(), Fc(), E(), agency);
  if (wetClass_ == Dry || wetClass_ == WetDimension)
    appendf(out, "\r\n repetitive factor applied: repetitive f. =%.2f", C_r_);
  settleReportFactors();
  const char* table = isTimber() ? "4D" : "4A";
  appendf(out,
          "\r\n NDS Supplement Table %s -- size factors: CF_bending =%.2f   CF_tension =%.2f   CF_compression =%.2f "
          "\r\n NDS supplement Table %s -- wet service adjustments 'Cm' are:\r\n\tFb =%.2f,  Ft =%.2f,  Fv =%.2f,  "
          "FcX =%.2f,  Fc =%.2f,  E =%.2f",
          table, CF_b_, CF_t_, CF_c_, table, Cm_Fb_, row[CmFt], row[CmFv], row[CmFcX], Cm_Fc_, row[CmE]);
  return out;
}

std::string SawnMember::shortDescription() const {
  return format(
      " %s\r\n  %s << %s >>     size =%.2f\" x %.2f\"\tmetric units: %.0f mm x %.0f mm \r\n Area =%.3f in^2\t Ixx "
      "=%.2f in^4,\t Sxx =%.3f in^3\r\n Bending Fb =%.0f psi   Shear parallel to grain Fv =%.0f psi",
      speciesName(), grade_ ? grade_->name : "", label_.c_str(), b_, d_, b_ * 25.4, d_ * 25.4, area(), Ixx(), Sxx(),
      Fb(), Fv());
}

std::string SawnMember::usageLine() const {
  std::string out = isDry_ ? " --- dry usage --- " : " --- wet usage --- ";
  if (b_ < 4.5) out += isRepetitive_ ? " yes on repetitive member multiplier" : " no on repetitive member multiplier";
  return out + shortDescription();
}

}  // namespace vd

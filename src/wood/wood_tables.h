#pragma once
// Constant lumber and glulam tables: species and grades, dressed sizes, size factors, wet-service
// factors, glulam combinations and sizes. Stresses in psi, dimensions in inches.
#include <span>

namespace vd {

// Size-factor family of a grade.
enum class GradeKind { Structural = 0, Stud = 1, ConstructionStandard = 2, Utility = 3 };

struct GradeRecord {
  const char* name;
  GradeKind kind;
  double Fb;   // bending
  double Ft;   // tension parallel to grain
  double Fv;   // shear parallel to grain
  double FcX;  // compression perpendicular to grain
  double Fc;   // compression parallel to grain
  double E;    // modulus of elasticity
  const char* agency;
};

// One species; its grade table is cut into three consecutive groups by the three ends.
struct SpeciesRecord {
  const char* name;
  int endDimension;  // rows 0 .. endDimension-1: 2x to 4x dimension lumber
  int endBeam;       // .. endBeam-1: beams and stringers
  int endPost;       // .. endPost-1: posts and timbers; also the number of rows
  const GradeRecord* grades;
};

inline constexpr int kSpeciesCount = 7;
extern const SpeciesRecord kSpecies[kSpeciesCount];

// The species row for a stored index; anything outside the table reads as species 0.
const SpeciesRecord& speciesAt(int index);
int validSpecies(int index);

struct LumberSize {
  const char* label;
  double b;  // dressed thickness
  double d;  // dressed depth
};

extern const LumberSize kDimensionSizes[31];
extern const LumberSize kTimberSizes[61];

// Dimension-lumber size factors by kind and nominal depth.
struct SizeFactorRow {
  GradeKind kind;
  int nominalDepth;
  double CFb23;  // bending, members 2 or 3 in. thick
  double CFb4;   // bending, members 4 in. thick
  double CFt;
  double CFc;
};

extern const SizeFactorRow kSizeFactors[12];

enum WetClass { Dry = 0, WetDimension = 1, WetTimber = 2, WetGlulam = 3 };
// Wet-service factors C_M in the order Fb, Ft, Fv, FcX, Fc, E.
enum WetColumn { CmFb = 0, CmFt = 1, CmFv = 2, CmFcX = 3, CmFc = 4, CmE = 5 };
extern const double WetServiceTable[4][6];

// ---- Glulam -------------------------------------------------------------------------------------

// Indices into GlulamCombination::values.
enum GlulamValue {
  FbxPos = 0,  // bending about x-x, tension zone stressed in tension
  FbxNeg,      // compression zone stressed in tension
  FcXTension,  // compression perpendicular to grain, tension face
  FcXCompression,
  Fvx,
  Ex,
  Fby,
  FcXy,
  Fvy,
  Ey,
  FtAxial,
  FcAxial,
  EAxial,
  kGlulamValueCount
};

struct GlulamCombination {
  const char* name;     // combination symbol, "24F-V8"
  const char* species;  // outer/inner laminations, "DF/DF"
  double values[kGlulamValueCount];
  int note;  // index into kGlulamNotes
};

extern const GlulamCombination kGlulamCombinations[40];
extern const char* const kGlulamNotes[3];

struct GlulamSize {
  const char* label;
  double b;
  double d;
};

struct GlulamSizeTable {
  double b;
  const GlulamSize* rows;
  int count;
  std::span<const GlulamSize> sizes() const { return {rows, static_cast<std::size_t>(count)}; }
};

// One table per standard width: 2-1/2, 3-1/8, 5-1/8, 6-3/4, 8-3/4, 10-3/4.
extern const GlulamSizeTable kGlulamSizeTables[6];

}  // namespace vd

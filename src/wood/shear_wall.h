#pragma once
// Deflection of a blocked plywood shear wall uniformly nailed throughout (97 UBC Standard 23,
// section 23.223): chord bending, panel shear, nail slip and anchorage slip.
#include <string>

namespace vd {

struct ShearWallInput {
  double v = 0.0;   // maximum shear, lb/ft
  double h = 0.0;   // wall height, ft
  double b = 0.0;   // wall width, ft
  double A = 0.0;   // chord area, in^2
  double en = 0.0;  // nail deformation, in.
  double da = 0.0;  // anchorage slip, in.
  double t = 0.0;   // effective plywood thickness for shear, in.
  double E = 0.0;   // chord modulus, psi
  double G = 0.0;   // plywood shear modulus, psi
};

struct ShearWallDeflection {
  double bending = 0.0, shear = 0.0, nailSlip = 0.0, anchorage = 0.0;
  double total() const { return bending + shear + nailSlip + anchorage; }
};

// E, A, b, G and t must be above zero; da zero or above.
bool shearWallInputsUsable(const ShearWallInput& in);
ShearWallDeflection shearWallDeflection(const ShearWallInput& in);
// The report body after the location line: inputs, formula and the four terms with their shares.
std::string shearWallReport(const ShearWallInput& in);

// The three reference tables the form prints.
std::string nailSlipTable();
std::string plywoodThicknessTable();
std::string plywoodShearModulusTable();

}  // namespace vd

#include "wood/shear_wall.h"

#include <cmath>

#include "platform/text_format.h"
#include "wood/wood_report.h"

namespace vd {

namespace {

struct PlywoodThickness {
  const char* label;
  double differentSpecies;  // Table 23-2-H
  double structuralI;       // Table 23-2-I
};

const PlywoodThickness kThickness[23] = {
    {"5/16-U", 0.268, 0.356},          {"3/8-U", 0.278, 0.371},           {"15/32 and 1/2-U", 0.298, 0.535},
    {"19/32 and 5/8-U", 0.319, 0.707}, {"23/32 and 3/4-U", 0.445, 0.739}, {"7/8-U", 0.607, 0.776},
    {"1 -U", 0.842, 1.088},            {"1 1/8-U", 0.859, 1.118},         {"1/4-S", 0.267, 0.342},
    {"11/32-S", 0.284, 0.365},         {"3/8-S", 0.288, 0.373},           {"15/32-S", 0.421, 0.537},
    {"1/2-S", 0.425, 0.545},           {"19/32-S", 0.546, 0.709},         {"5/8-S", 0.55, 0.717},
    {"23/32-S", 0.563, 0.741},         {"3/4-S", 0.568, 0.748},           {"7/8-S", 0.586, 0.778},
    {"1 -S", 0.817, 1.091},            {"1 1/8-S", 0.836, 1.121},         {"1/2-T", 0.342, 0.543},
    {"19/32 and 5/8-T", 0.408, 0.707}, {"23/32 and 3/4-T", 0.439, 0.739},
};

struct ShearModulus {
  const char* label;
  double G;
};

const ShearModulus kShearModulus[7] = {
    {"Group 1", 90000.0},
    {"Group 2", 75000.0},
    {"Group 3", 60000.0},
    {"Group 4", 50000.0},
    {"Structural I", 90000.0},
    {"Exterior C-C and C-D with Exterior glue", 90000.0},
    {"All other combinations of C-C and C-D with Exterior glue", 50000.0},
};

}  // namespace

bool shearWallInputsUsable(const ShearWallInput& in) {
  // E, A, b, G and t divide; da only multiplies, and a hold-down with no slip (0) is a real detail.
  return in.E > 0.0 && in.A > 0.0 && in.b > 0.0 && in.G > 0.0 && in.t > 0.0 && in.da >= 0.0;
}

ShearWallDeflection shearWallDeflection(const ShearWallInput& in) {
  ShearWallDeflection r;
  r.bending = 8.0 * in.v * in.h * in.h * in.h / (in.E * in.A * in.b);
  r.shear = in.v * in.h / (in.G * in.t);
  r.nailSlip = 0.75 * in.h * in.en;
  r.anchorage = in.h / in.b * in.da;
  return r;
}

std::string shearWallReport(const ShearWallInput& in) {
  if (!(in.da >= 0.0)) return "Check entries: the anchorage slip da cannot be negative.";
  if (!shearWallInputsUsable(in)) return "Check entries, divided by Zero!!";
  const ShearWallDeflection r = shearWallDeflection(in);
  const double total = r.total();
  if (!std::isfinite(total) || !std::isfinite(r.bending) || !std::isfinite(r.shear) || !std::isfinite(r.nailSlip) ||
      !std::isfinite(r.anchorage))
    return "Check entries, the numbers are too large to compute a deflection.";
  std::string out = format(
      "\r\n 1997 UBC Standard Sec. 23.223 -- Calculation of Shear Wall Deflections.\r\n The deflection of a blocked "
      "shear wall uniformly nailed throughout\r\n UBC Sec. 1630.9.1 requires SW defl. to be calculated using "
      "Strength-level load combinations.\r\n\r\n max shear =%.1f plf\r\n height =%.3f ft\r\n width wall =%.3f ft\r\n "
      "chord member area =%.3f in^2\r\n da =%.4f in\r\n en =%.4f in\r\n effective thickness for shear (Table 23-2-H "
      "or I) =%.4f in\r\n E, chord member =%.0f psi\r\n G, plywood (Table 23-2-J) =%.0f psi\r\n",
      in.v, in.h, in.b, in.A, in.da, in.en, in.t, in.E, in.G);
  out += "\r\n deflection = 8*v*h^3/E*A*b + v*h/G*t + 0.75*h*en + h/b*da";
  // Each share as a fraction of the total first: 100 / total alone overflows for a total near zero.
  const double shares[4] = {r.bending / total * 100.0, r.shear / total * 100.0, r.nailSlip / total * 100.0,
                            r.anchorage / total * 100.0};
  if (total != 0.0 && allFinite({shares[0], shares[1], shares[2], shares[3]})) {
    appendf(out,
            "\r\n deflection from bending =%.3f in. \t\t%.1f %%\r\n deflection from shear =%.3f in. \t\t%.1f %%\r\n "
            "deflection from nail slip =%.3f in. \t\t%.1f %%\r\n deflection from holddown slip =%.3f in. \t%.1f "
            "%%\r\n sum of deflections =  %.3f inches",
            r.bending, shares[0], r.shear, shares[1], r.nailSlip, shares[2], r.anchorage, shares[3], total);
  } else {
    // No deflection (a wall of no height, or one too small to divide by): there is nothing to take
    // shares of.
    appendf(out,
            "\r\n deflection from bending =%.3f in. \r\n deflection from shear =%.3f in. \r\n deflection from nail slip "
            "=%.3f in. \r\n deflection from holddown slip =%.3f in. \r\n sum of deflections =  %.3f inches",
            r.bending, r.shear, r.nailSlip, r.anchorage, total);
  }
  return out;
}

std::string nailSlipTable() {
  return "97 UBC STD. Table 23-2-K nail slip values \"en\"\r\n"
         "                     6d,        8d,      10d\r\n"
         " 60 lb/nail    0.012,  0.008,  0.006\r\n"
         " 80 lb/nail    0.020,  0.012,  0.010\r\n"
         "100 lb/nail    0.030,  0.018,  0.013\r\n"
         "120 lb/nail   0.045,   0.023,  0.018\r\n"
         "140 lb/nail   0.068,   0.031,  0.023\r\n"
         "160 lb/nail   0.102,   0.041,  0.029\r\n"
         "180 lb/nail   -------,    0.056,  0.037\r\n"
         "200 lb/nail   -------,    0.074,  0.047\r\n"
         "220 lb/nail   -------,    0.096,  0.060\r\n"
         "240 lb/nail   -------,    -------,    0.077\r\n";
}

std::string plywoodThicknessTable() {
  std::string out = "97 UBC STD. Table 23-2-H FACE PLYS OF DIFFERENT SPECIES, CDX etc.:\r\n";
  for (const PlywoodThickness& row : kThickness) appendf(out, "%20s\t%7.3f in\r\n", row.label, row.differentSpecies);
  out += "\r\n97 UBC STD. Table 23-2-I STRUCTURAL I and MARINE w/ all plies from sam species group:\r\n";
  for (const PlywoodThickness& row : kThickness) appendf(out, "%20s\t%7.3f in\r\n", row.label, row.structuralI);
  return out;
}

std::string plywoodShearModulusTable() {
  std::string out = "97 UBC STD. Table 23-2-J,  G values for effective thickness:\r\n";
  for (const ShearModulus& row : kShearModulus) appendf(out, "%60s\t\t%7.0f psi\r\n", row.label, row.G);
  return out;
}

}  // namespace vd

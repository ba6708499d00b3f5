#pragma once
#include <cstdint>

namespace vd {

// One row of a built-in steel section table. A single fixed-size record
// serves all six tables; each family fills the fields it uses and leaves the
// others 0. Units: in, in^2, in^3, in^4, in^6, lb/ft, ksi. The values are
// 4-byte floats, as tabulated; calculations widen them to double first.
struct SectionRecord {
  char type[4]{};     // family prefix, zero-padded: "W", "WT", "2L", "HSS", "PXX", ...
  float nominal = 0;  // nominal depth (W, tee, channel) or nominal pipe size, in
  float weight = 0;   // lb/ft (both angles of a 2L)
  float A = 0;        // area, in^2 (both angles of a 2L)

  // W, M, S; tees and channels use the subset their tables show.
  float d = 0;          // depth; outside depth of a tube
  float tw = 0;         // web (stem) thickness
  float bf = 0;         // flange width
  float tf = 0;         // flange thickness
  float k = 0;          // outer face of flange to web toe of fillet (design k)
  float bf2tf = 0;      // bf / 2tf
  float htw = 0;        // h / tw
  float dtw = 0;        // d / tw
  std::int32_t X1 = 0;  // beam buckling factor X1, ksi
  float X2 = 0;         // beam buckling factor X2, 1/ksi^2
  float rT = 0;         // r of compression flange plus 1/3 of compression web
  float dAf = 0;        // d / Af, 1/in
  float Ixx = 0, Sxx = 0, rxx = 0;
  float Iyy = 0, Syy = 0, ryy = 0;
  float Zxx = 0, Zyy = 0;
  float J = 0;              // torsional constant, in^4
  float Cw = 0;             // warping constant, in^6
  float Wno = 0;            // normalized warping function, in^2
  std::int32_t kdet16 = 0;  // detailing k, sixteenths of an inch (W only)
  std::int32_t k1_16 = 0;   // detailing k1, sixteenths of an inch (W only)
  std::int32_t T8 = 0;      // detailing T, eighths of an inch (W only)
  float kdes = 0;           // design k, decimal inches (W only)

  float ybar = 0;  // tee: flange face to centroid; angle: centroid distance
  float yp = 0;    // tee: flange face to plastic neutral axis
  float xbar = 0;  // channel: web face to centroid; angle: centroid distance
  float eo = 0;    // channel: web face to shear centre

  // Angles (L and 2L). For a 2L, leg1 is the joined leg.
  float leg1 = 0;
  float t = 0;  // leg thickness; tube and pipe wall thickness
  float leg2 = 0;
  float rzz = 0;                       // least radius of gyration of one angle
  float ryy0 = 0, ro0 = 0, H0 = 0;     // 2L, angles in contact
  float ryy38 = 0, ro38 = 0, H38 = 0;  // 2L, 3/8 in. apart
  float ryy34 = 0, ro34 = 0, H34 = 0;  // 2L, 3/4 in. apart

  // Tubes (HSS).
  float b = 0;        // outside width
  float bt = 0;       // b/t
  float ht = 0;       // h/t
  float C = 0;        // torsional modulus, in^3
  float surface = 0;  // outside surface, ft^2 per ft

  // Pipes.
  float D = 0;   // outside diameter
  float Di = 0;  // inside diameter
};

}  // namespace vd

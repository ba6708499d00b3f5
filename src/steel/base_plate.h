#pragma once
// Thickness of a base plate under an axially loaded wide-flange column on a concrete pier, by the 9th
// edition ASD bearing rule (J9) and the cantilever dimensions m, n and n'.
#include <string>

#include "platform/report_lines.h"

namespace vd {

struct BasePlateInput {
  double P = 0.0;              // axial load, kip
  double d = 0.0, bf = 0.0;    // column depth and flange width, in
  double N = 0.0, B = 0.0;     // plate sides along the web and along the flange, in
  double N2 = 0.0, B2 = 0.0;   // pier sides along N and along B, in
  double fc = 0.0;             // f'c of the pier, ksi
  double Fy = 0.0;             // plate yield stress, ksi
};

struct BasePlateResult {
  bool bearingOk = false;
  std::string message;  // the bearing failure (a NO GOOD line) when !bearingOk
  std::string report;   // the plate report when bearingOk
  double A2A1 = 0.0, Fp = 0.0, fp = 0.0;
  double m = 0.0, n = 0.0, nPrime = 0.0, l = 0.0;
  double t = 0.0;          // required thickness, in
  double thickness = 0.0;  // reported thickness: t rounded up to a sixteenth
  DesignResult result;     // the bearing check
  double alphaReal = 0.0, alphaSimple = 0.0;
};

// Why these inputs have no meaningful plate, or empty.
std::string basePlateInputError(const BasePlateInput& in);
BasePlateResult designBasePlate(const BasePlateInput& in);

}  // namespace vd

#pragma once
// Small helpers shared by the beam tests.
#include <regex>
#include <string>
#include <vector>

#include "beam/beam_analysis_base.h"
#include "beam/beam_inputs.h"

namespace beamtest {

// A load table holding the beam as the forms leave it for a run: I in ft^4, E in kip/ft^2.
inline vd::BeamLoadTable table(double L, double s, double Iin = 100, double Eksi = 29000, double xi = 0) {
  vd::BeamLoadTable t{};
  t[vd::kLengthRow][2] = L;
  t[vd::kSpanRow][2] = s;
  t[vd::kInertiaRow][2] = Iin / 12 / 12 / 12 / 12;
  t[vd::kModulusRow][2] = Eksi * 144;
  t[vd::kInterestRow][2] = xi;
  return t;
}

// Puts a load into its row. Column 2 of rows 0 to 5 holds the beam, so the moment and point loads
// only take columns 0 and 1.
inline void load(vd::BeamLoadTable& t, int row, double magnitude, double position, double end = 0) {
  t[row][0] = magnitude;
  t[row][1] = position;
  if (row >= vd::kUniformRow) t[row][2] = end;
}

// Lines of a report ("\n" separated; a "\r" before it stays with the line).
inline std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out;
  std::size_t start = 0;
  for (;;) {
    std::size_t nl = text.find('\n', start);
    out.push_back(text.substr(start, nl == std::string::npos ? std::string::npos : nl - start));
    if (nl == std::string::npos) break;
    start = nl + 1;
  }
  return out;
}

// A rounded zero printed with its sign ("-0.0000") reads as the unsigned one, keeping the width:
// the hand calculation's exact zero and the program's rounding residue agree.
inline std::string unsignedZeros(const std::string& line) {
  static const std::regex padded(R"( -(0\.0+(E[-+]00)?)(?![0-9]))");
  static const std::regex bare(R"(-(0\.0+(E[-+]00)?)(?![0-9]))");
  return std::regex_replace(std::regex_replace(line, padded, "  $1"), bare, "$1");
}

inline bool hasNonFinite(const std::string& text) {
  static const std::regex bad(R"((inf|nan|INF|NAN))", std::regex::icase);
  return std::regex_search(text, bad);
}

}  // namespace beamtest

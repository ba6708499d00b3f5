#pragma once
// Static lateral force (94 UBC 1628, Method A period): base shear and its distribution over the levels.
#include <array>
#include <string>

#include "frame/frame.h"

namespace vd {

struct StoreyLevel {
  std::string name;  // at most 9 characters from the form; record 0 is "ground"
  double height = 0.0;
  double weight = 0.0;
  double storeyHeight = 0.0;
  double force = 0.0;
  double shearAbove = 0.0;
  double share = 0.0;
  double overturning = 0.0;
  double hw = 0.0;
};

// The code factors and the level table, alive for the program run; the sheet edits them in place.
struct LateralForceState {
  double Z = 0.0, I = 0.0, S = 0.0, Ct = 0.0;
  int Rw = 0;
  // 0 ground, 1..10 the levels bottom up, 11 a sentinel of height 0.
  std::array<StoreyLevel, 12> levels{};
  double period = 0.0;  // the user's period; 0 takes Method A's
};

struct LateralForceResult {
  bool ok = false;
  std::string problem;  // why nothing was computed, when !ok
  int n = 0;
  double hn = 0.0, periodA = 0.0, period = 0.0, C = 0.0, W = 0.0, sumHw = 0.0, V = 0.0, Ft = 0.0;
  bool ownPeriod = false;  // the user's period differs from Method A's
  std::string report;
};

// Runs the procedure on the state (filling the derived fields of its level table) and writes the report.
LateralForceResult runLateralForce(LateralForceState& s, const std::string& jobNumber);

// The factor list rows and values.
struct FactorRow {
  const char* text;
  double value;
};
extern const std::array<FactorRow, 5> kZoneFactors;
extern const std::array<FactorRow, 5> kOccupancyFactors;
extern const std::array<FactorRow, 4> kSiteFactors;
extern const std::array<FactorRow, 3> kCtFactors;

// "1" when the stored "PERIOD" was typed by the engineer, "0" when the program computed it.
inline constexpr const char* kPeriodTypedKey = "PeriodTyped";
// Whether the stored period was typed; for a store written before that key, whether it differs from
// Method A's period of the stored levels.
bool storedPeriodTyped(Settings& settings);

void registerLateralForceForm(FormRegistry& registry);

}  // namespace vd

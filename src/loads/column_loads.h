#pragma once
// Column load take-down: tributary dead and live load of up to four levels with live-load reduction.
#include <array>
#include <string>

#include "frame/frame.h"

namespace vd {

struct TakeDownRow {
  double dead = 0.0, live = 0.0;  // psf
  double left = 0.0, right = 0.0, top = 0.0, bottom = 0.0;  // spans meeting at the column, ft
  double R = 0.0;  // fraction of the live load removed
};

// Rows 0 (lowest line) to 3; they keep their values for the program run.
using TakeDownRows = std::array<TakeDownRow, 4>;

struct TakeDownResult {
  bool ok = true;  // false when the numbers are too large to give finite loads
  double sumDead = 0.0, sumLive = 0.0;  // kip
  std::string text;
};

// The reduction R for a level: none at 100 psf and more, the roof table at exactly 20 psf,
// otherwise 0.08 % per square foot above 150, at most 40 % and at most Rmax = 0.231 (1 + D/L).
double liveLoadReduction(double dead, double live, double area);

// Computes every row (filling R) and writes the listing, top row first.
TakeDownResult takeDown(TakeDownRows& rows);

void registerColumnLoadsForm(FormRegistry& registry);

}  // namespace vd

#pragma once
// Lookups on the AISC 360-22 section table (every row of the shapes database).
#include <string>
#include <string_view>
#include <vector>

#include "aisc360/shapes_data.h"

namespace vd::aisc360 {

// The row with this AISC manual label ("W18X50", "HSS8X4X1/4", "2L4X4X1/2X3/8"), compared without regard
// to case; nullptr when there is none.
const Shape* findShape(std::string_view label);

// "W", "2L", "HSS (rectangular)", "HSS (round)", "Pipe", ...
const char* familyName(Family f);

// Default yield stress of the usual material of a family, ksi: A992 for W, M, S, HP and the tees cut
// from them (50), A36 for channels and angles (36), A500 Gr. C for HSS (50 rectangular, 46 round),
// A53 Gr. B for pipe (35).
double defaultFy(Family f);
inline constexpr double kDefaultE = 29000.0;  // ksi
inline constexpr double kShearModulus = 11200.0;  // G, ksi

// The rows of one family in database order, with their nominal weight (for a lightest-section search).
struct FamilyEntry {
  const Shape* shape;
  double weight;  // lb/ft
};
std::vector<FamilyEntry> shapesOfFamily(Family f);

// The single angle a double angle is made of ("2L4X3X1/2X3/8LLBB" -> "L4X3X1/2"); nullptr if not a 2L
// or the angle is not in the table.
const Shape* componentAngle(const Shape& doubleAngle);

bool isIShape(Family f);   // W, M, S, HP
bool isChannel(Family f);  // C, MC
bool isTee(Family f);      // WT, MT, ST
bool isRoundHss(Family f); // round HSS and pipe

}  // namespace vd::aisc360

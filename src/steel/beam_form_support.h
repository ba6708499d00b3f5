#pragma once
// Pieces the steel beam forms share: the last-beam status bar, the stored row of a shape list, the
// row a Calculate works on, and the refusal of values no calculation can use.
#include <initializer_list>
#include <string>

#include "frame/app_state.h"
#include "platform/form.h"
#include "tables/steel_tables.h"

namespace vd {

// The text each beam form keeps across openings: OK copies it into the report buffer.
struct SteelBeamReportTexts {
  std::string wAsd, wLrfd, channel, tube;
};

// Writes the last beam result into the two status-bar parts.
void showLastBeam(FormHost& host, const AppState& state);

// A stored row index: at most 10 characters, leading sign and digits; no digits give 0.
int readRowIndex(const Settings& settings, const char* section, const char* key);

// Fills a list with the US designations of a table and selects the row (none when out of range).
void fillShapeList(FormHost& host, int listId, ShapeTable table, int row);

// The row a Calculate works on: the list's selection, or row 0 when nothing is selected, in which case
// row 0 is selected and the status bar says so.
int rowForCalculate(FormHost& host, int listId, ShapeTable table);

struct FieldValue {
  const char* label;
  double value;
};

// Largest magnitude a beam form accepts in any field; far beyond any real beam, small enough that no
// result overflows.
inline constexpr double kLargestInput = 1.0e6;

// The text of the first value beyond kLargestInput, or "" when all are within it.
std::string outOfRange(std::initializer_list<FieldValue> values);

// Shows a refusal in a message box and returns it as report text.
std::string refuse(FormHost& host, const std::string& why);

}  // namespace vd

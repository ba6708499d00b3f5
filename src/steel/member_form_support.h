#pragma once
// Pieces the steel forms that pick a section share: the report header, the section list and the row a
// Calculate works on, refusals, the limits the beam forms put on typed values, the role and seismic
// fields of the column and strut forms.
#include <initializer_list>
#include <string>
#include <vector>

#include "frame/app_state.h"
#include "platform/form.h"
#include "platform/lightest.h"
#include "tables/steel_tables.h"

namespace vd {

// " Job number or ID: ...\r\n <location> \r\n Designed for: ..." with the designation right-aligned
// in ten places (`wideDesignation`) or as it is.
std::string designHeader(const AppState& state, const std::string& location, const char* us, const char* metric,
                         bool wideDesignation = true);

// The designations of rows first..last-1 of a table.
std::vector<std::string> designations(ShapeTable table, int first, int last);

// Fills a list with the designations of rows first..last-1 of a table and selects list row `row` (none
// when out of range).
void fillShapeList(FormHost& host, int listId, ShapeTable table, int row, int first = 0, int last = -1);

// The multi-line location field: free text, which reports echo as typed.
Control& locationField(FormLayout& layout, int id, const char* label);

// The list row a Calculate works on: the selection, or row 0 when nothing is selected. A beam form
// (`statusBar`) then selects row 0 and says in its status bar which section is used.
int rowForCalculate(FormHost& host, int listId, ShapeTable table, bool statusBar = false);

// Shows in a message box why nothing can be calculated and returns the reason as report text, followed
// by `after`.
std::string refuse(FormHost& host, const char* caption, MessageIcon icon, const std::string& why,
                   const char* after = "");

// Why a design that printed an infinite or undefined number is not shown.
inline constexpr const char* kNoFiniteResult = "The inputs are out of range: the design has no finite result.";

// ---- beam forms ------------------------------------------------------------------------------

// The text each beam form keeps across openings: OK copies it into the report buffer.
struct SteelBeamReportTexts {
  std::string wAsd, wLrfd, channel, tube;
};

// Writes the last beam result into the two status-bar parts.
void showLastBeam(FormHost& host, const AppState& state);

struct FieldValue {
  const char* label;
  double value;
};

// Largest magnitude a beam form accepts in any field; far beyond any real beam, small enough that no
// result overflows.
inline constexpr double kLargestInput = 1.0e6;

// The text of the first value beyond kLargestInput, or "" when all are within it.
std::string outOfRange(std::initializer_list<FieldValue> values);

// A range the beam checks are written for: a typed value outside it is taken at the nearer end, with a
// note in the report.
struct InputLimit {
  double lo, hi;
  const char* name;
  const char* unit;
  const char* rule;
  double apply(double value, std::string& notes) const;
};
// The W beam checks are written for mild and high-strength steels from 33 to 50 ksi.
inline constexpr InputLimit kWBeamFy{33.0, 50.0, "Fy", "ksi", "the W beam checks take Fy from 33 to 50 ksi"};
inline constexpr InputLimit kChannelFy{33.0, 65.0, "Fy", "ksi", "the channel checks take Fy from 33 to 65 ksi"};
inline constexpr InputLimit kTubeFy{33.0, 50.0, "Fy", "ksi", "the tube checks take Fy from 33 to 50 ksi"};
// AISC ASD F1.3 caps Cb at 2.3; the ASD forms take a typed Cb below 0.4 as 0.4.
inline constexpr InputLimit kAsdCb{0.4, 2.3, "Cb", "", "AISC ASD F1.3: Cb at most 2.3; below 0.4 taken as 0.4"};
inline constexpr InputLimit kLrfdCb{1.0, 2.3, "Cb", "", "Cb is taken from 1.0 to 2.3"};

// ---- column and strut forms ------------------------------------------------------------------

// Items of the Rw drop-down: "4" to "12".
const std::vector<std::string>& rwItems();
// Rw from the drop-down: position + 4, and 4 when nothing is selected.
int rwFrom(const FormHost& host, int dropDownId);

// Ids of the role radio buttons (four from `roleFirst`) and the seismic fields.
struct RoleIds {
  int roleFirst, dead, live, quake, rwList;
};
// "Column or brace type:" with its four radio buttons, then the seismic loads and the Rw drop-down.
void addRoleAndSeismicGroups(FormLayout& layout, RoleIds ids);
// Checks the role's button (a stored value outside 0..3 is a column) and grays the seismic loads
// unless the role is the seismic-zone column; `rwToo` grays the Rw list with them. Returns the role.
int showRole(FormHost& host, RoleIds ids, int role, bool rwToo);

// Rows first..last-1 of a table as a lightest-section search sees them, numbered as the form's list
// (from 0 at `first`), with their weight and the depth `depth` gives.
std::vector<SearchRow> searchRows(ShapeTable table, int first, int last, double (*depth)(const SectionRecord&));

}  // namespace vd

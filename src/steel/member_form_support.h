#pragma once
// Pieces the steel member forms share: the report header, the section list, the role and seismic
// fields of the column forms.
#include <string>
#include <vector>

#include "frame/app_state.h"
#include "platform/form.h"
#include "platform/lightest.h"
#include "tables/steel_tables.h"

namespace vd::member_forms {

// " Job number or ID: ...\r\n <location> \r\n Designed for: ..." with the designation right-aligned
// in ten places (`wideDesignation`) or as it is.
std::string designHeader(const AppState& state, const std::string& location, const char* us, const char* metric,
                         bool wideDesignation = true);

// The designations of rows first..last-1 of a table.
std::vector<std::string> designations(ShapeTable table, int first, int last);

// The multi-line location field: free text, which reports echo as typed.
Control& locationField(FormLayout& layout, int id, const char* label);

// The list row to calculate with: the selection, or the first line when nothing is selected.
int selectedOrFirst(const FormHost& host, int listId);

// Items of the Rw drop-down: "4" to "12".
const std::vector<std::string>& rwItems();
// Rw from the drop-down: position + 4, and 4 when nothing is selected.
int rwFrom(const FormHost& host, int dropDownId);

// The text of a failed calculation as it goes into a report.
std::string errorLine(const std::string& message);

// Rows first..last-1 of a table as a lightest-section search sees them, numbered as the form's list
// (from 0 at `first`), with their weight and the depth `depth` gives.
std::vector<SearchRow> searchRows(ShapeTable table, int first, int last, double (*depth)(const SectionRecord&));

// The "Lightest" search of a steel form that lists rows first..last-1 of a table in `listId`:
// `calculate` presses the form's own Calculate in the window it is given. Returns the pane text.
std::string pressLightestShape(FormHost& host, AppState& state, FormSearch search, ShapeTable table, int first,
                               int last, double (*depth)(const SectionRecord&), int listId,
                               const std::function<DesignResult(FormHost&)>& calculate);

}  // namespace vd::member_forms

#pragma once
// The property sheets of the six steel tables and the browse forms that show them.
#include <memory>
#include <string>

#include "frame/app_state.h"
#include "platform/form.h"
#include "tables/steel_tables.h"

namespace vd {

// The property sheet of one row; "" for a row outside the table.
std::string propertySheet(ShapeTable table, int row);

// For a row that holds the values of another, current shape (the listed shape is no longer in the
// AISC database): " Note: W36x848 is not in the current AISC database; the values shown are those of
// W36X652." without line ends. "" for every other row.
std::string substituteNote(ShapeTable table, int row);

// The browse form of a table ("WMS_Box", "WT_Box", "CMC_Box", "ANGLE_Box", "TUBE_Box", "PIPE_Box").
std::unique_ptr<Form> makePropertySheetForm(AppState& state, ShapeTable table);

// Control ids of the property sheet forms.
namespace property_sheet_form {
enum Id : int { Prompt = 101, List = 102, Sheet = 103 };
}  // namespace property_sheet_form

}  // namespace vd

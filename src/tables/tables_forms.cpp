#include "tables/tables_forms.h"

#include "tables/property_sheets.h"

namespace vd {

void registerTablesForms(FormRegistry& registry) {
  registry.add(505, [](AppState& s) { return makePropertySheetForm(s, ShapeTable::W); });
  registry.add(572, [](AppState& s) { return makePropertySheetForm(s, ShapeTable::Tee); });
  registry.add(506, [](AppState& s) { return makePropertySheetForm(s, ShapeTable::Channel); });
  registry.add(573, [](AppState& s) { return makePropertySheetForm(s, ShapeTable::Angle); });
  registry.add(574, [](AppState& s) { return makePropertySheetForm(s, ShapeTable::Tube); });
  registry.add(575, [](AppState& s) { return makePropertySheetForm(s, ShapeTable::Pipe); });
}

}  // namespace vd

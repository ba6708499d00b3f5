#include "tables/tables_forms.h"

#include "tables/property_sheets.h"

namespace vd {

void registerTablesForms(FormRegistry& registry) {
  registry.add(cmd::WmsTable, [](AppState& s) { return makePropertySheetForm(s, ShapeTable::W); });
  registry.add(cmd::TeeTable, [](AppState& s) { return makePropertySheetForm(s, ShapeTable::Tee); });
  registry.add(cmd::ChannelTable, [](AppState& s) { return makePropertySheetForm(s, ShapeTable::Channel); });
  registry.add(cmd::AngleTable, [](AppState& s) { return makePropertySheetForm(s, ShapeTable::Angle); });
  registry.add(cmd::TubeTable, [](AppState& s) { return makePropertySheetForm(s, ShapeTable::Tube); });
  registry.add(cmd::PipeTable, [](AppState& s) { return makePropertySheetForm(s, ShapeTable::Pipe); });
}

}  // namespace vd

#include "wood/wood_forms.h"

#include "wood/form_factories.h"

namespace vd {

void registerWoodForms(FormRegistry& registry) {
  registry.add(cmd::Species, [](AppState& s) { return makeSpeciesForm(s); });
  registry.add(cmd::Sawn2xSizes, [](AppState& s) { return makeLumberSizeForm(s, false); });
  registry.add(cmd::Sawn5xSizes, [](AppState& s) { return makeLumberSizeForm(s, true); });
  for (int i = 0; i < 6; ++i)
    registry.add(cmd::Glulam2HalfSizes + i, [i](AppState& s) { return makeGlulamSizeForm(s, i); });
  registry.add(cmd::Sawn2xBeam, [](AppState& s) { return makeSawnBeamForm(s, false); });
  registry.add(cmd::Sawn6xBeam, [](AppState& s) { return makeSawnBeamForm(s, true); });
  registry.add(cmd::GlulamBeam, [](AppState& s) { return makeGlulamBeamForm(s); });
  registry.add(cmd::Sawn2xPost, [](AppState& s) { return makeSawnPostForm(s, false); });
  registry.add(cmd::Sawn5xPost, [](AppState& s) { return makeSawnPostForm(s, true); });
  registry.add(cmd::ShearWall, [](AppState& s) { return makeShearWallForm(s); });
}

}  // namespace vd

#pragma once
// Factories of the wood forms, one per form file; wood_forms.cpp registers them with their commands.
#include <memory>

#include "frame/app_state.h"
#include "platform/form.h"

namespace vd {

std::unique_ptr<Form> makeSpeciesForm(AppState& state);
// timber: the 5x-and-larger form; otherwise the 2x-4x form.
std::unique_ptr<Form> makeLumberSizeForm(AppState& state, bool timber);
std::unique_ptr<Form> makeSawnBeamForm(AppState& state, bool timber);
// widthIndex 0 to 5: 2-1/2, 3-1/8, 5-1/8, 6-3/4, 8-3/4, 10-3/4.
std::unique_ptr<Form> makeGlulamSizeForm(AppState& state, int widthIndex);
std::unique_ptr<Form> makeGlulamBeamForm(AppState& state);
std::unique_ptr<Form> makeSawnPostForm(AppState& state, bool timber);
std::unique_ptr<Form> makeShearWallForm(AppState& state);

}  // namespace vd

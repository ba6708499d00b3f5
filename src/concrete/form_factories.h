#pragma once
// Factories of the concrete forms, one per form file; concrete_forms.cpp registers them with their commands.
#include <memory>

#include "frame/app_state.h"
#include "platform/form.h"

namespace vd {

// Rectangular beam; momentFromSteel: As->M, otherwise M->As.
std::unique_ptr<Form> makeConcreteBeamForm(AppState& state, bool momentFromSteel);
std::unique_ptr<Form> makeTiedColumnForm(AppState& state);
std::unique_ptr<Form> makeInteractionDiagramForm(AppState& state);
std::unique_ptr<Form> makeDevelopmentLengthForm(AppState& state);
// One of the reinforcement reference sheets, by command id; nullptr for another id.
std::unique_ptr<Form> makeReinforcementTableForm(int commandId);

}  // namespace vd

#pragma once
// The steel column, strut, combined-stress and base-plate forms.
#include <memory>

#include "frame/frame.h"

namespace vd {

void registerSteelMemberForms(FormRegistry& registry);

std::unique_ptr<Form> makeWColumnForm(AppState& state);
std::unique_ptr<Form> makeTubeColumnForm(AppState& state);
std::unique_ptr<Form> makePipeColumnForm(AppState& state);
std::unique_ptr<Form> makeDoubleAngleStrutForm(AppState& state);
std::unique_ptr<Form> makeCombinedStressForm(AppState& state);
std::unique_ptr<Form> makeBasePlateForm(AppState& state);

}  // namespace vd

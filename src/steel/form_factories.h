#pragma once
// Factories of the steel forms, one per form file; steel_forms.cpp registers them with their commands.
#include <memory>

#include "frame/app_state.h"
#include "platform/form.h"

namespace vd {
// "WBM_Box" (ASD) or "WBM_LRFD".
std::unique_ptr<Form> makeWBeamForm(AppState& state, bool lrfd);
// "CHBM_Box".
std::unique_ptr<Form> makeChannelBeamForm(AppState& state);
// "TUBEBM_Box".
std::unique_ptr<Form> makeTubeBeamForm(AppState& state);
std::unique_ptr<Form> makeWColumnForm(AppState& state);
std::unique_ptr<Form> makeTubeColumnForm(AppState& state);
std::unique_ptr<Form> makePipeColumnForm(AppState& state);
std::unique_ptr<Form> makeDoubleAngleStrutForm(AppState& state);
std::unique_ptr<Form> makeCombinedStressForm(AppState& state);
std::unique_ptr<Form> makeBasePlateForm(AppState& state);
}  // namespace vd

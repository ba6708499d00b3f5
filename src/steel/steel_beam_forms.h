#pragma once
// The steel beam forms; registered by registerSteelForms.
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
}  // namespace vd

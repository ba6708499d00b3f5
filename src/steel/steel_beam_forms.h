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
// Control ids of the W beam forms (ASD and LRFD).
namespace w_beam_form {
enum Id : int {
  Location = 101,
  List = 102,
  Moment = 103,
  Fy = 104,
  Cb = 105,
  Lb = 106,
  Pa = 107,
  Shear = 108,
  Bearing = 109,
  Fu = 110,
  ETxt = 111,
  Result = 112,
  Calculate = 113,
  Status = 114,
};
}  // namespace w_beam_form

// Control ids of the channel beam form.
namespace channel_beam_form {
enum Id : int { Location = 101, List, Moment, Fy, Cb, Lb, Shear, Bearing, ETxt, Result, Calculate, Status };
}  // namespace channel_beam_form

// Control ids of the tube beam form.
namespace tube_beam_form {
enum Id : int { Location = 101, List, Moment, Fy, Cb, Lb, Weak, ETxt, Result, Calculate, Status };
}  // namespace tube_beam_form

}  // namespace vd

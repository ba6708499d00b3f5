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
  Lightest = 115,
  MaxDepth = 116,
  // What a beam analysis handed over: where the values come from, the deflection limit.
  FromAnalysis = 140,
  DeflectionLimit = 141,
  TypedLimit = 142,
};
}  // namespace w_beam_form

// Control ids of the channel beam form.
namespace channel_beam_form {
enum Id : int { Location = 101, List, Moment, Fy, Cb, Lb, Shear, Bearing, ETxt, Result, Calculate, Status, Lightest, MaxDepth };
}  // namespace channel_beam_form

// Control ids of the tube beam form.
namespace tube_beam_form {
enum Id : int { Location = 101, List, Moment, Fy, Cb, Lb, Weak, ETxt, Result, Calculate, Status, Lightest, MaxDepth };
}  // namespace tube_beam_form


// Control ids of the W, tube and pipe column forms.
namespace column_form {
enum Id {
  Location = 101,
  List,
  Fy,
  Kx,
  Lx,
  Ky,
  Ly,
  Pa,
  RoleFirst = 110,  // four radio buttons, 110..113, in role order
  Dead = 120,
  Live,
  Quake,
  RwList,
  Result = 130,
  Calculate,
  Lightest,
  MaxDepth,
};
}  // namespace column_form

// Control ids of the double-angle strut form.
namespace strut_form {
enum Id {
  Location = 101,
  List,
  Fy,
  Kyy,
  Lyy,
  Kxx,
  Lxx,
  Pa,
  RoleFirst = 110,  // 110..113
  Dead = 120,
  Live,
  Quake,
  RwList,
  GapFirst = 125,  // 125..127: 0, 3/8, 3/4 in
  Result = 130,
  Calculate,
  Lightest,
  MaxDepth,
};
}  // namespace strut_form

// Control ids of the combined-stress form.
namespace combined_stress_form {
enum Id {
  Location = 101,
  JobNum,
  FaComputed,
  FaAllowable,
  Fy,
  XFirst = 110,  // fb, k, Lb, r, Cm, Fb of X-X: 110..115
  YFirst = 120,  // the same of Y-Y: 120..125
  Result = 130,
  Calculate,
};
}  // namespace combined_stress_form

}  // namespace vd

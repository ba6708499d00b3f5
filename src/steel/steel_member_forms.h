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

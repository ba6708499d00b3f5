#include "steel/steel_forms.h"

#include "steel/steel_beam_forms.h"
#include "steel/steel_member_forms.h"

namespace vd {

void registerSteelForms(FormRegistry& registry) {
  registry.add(603, [](AppState& s) { return makeWBeamForm(s, false); });
  registry.add(3001, [](AppState& s) { return makeWBeamForm(s, true); });
  registry.add(604, [](AppState& s) { return makeChannelBeamForm(s); });
  registry.add(553, [](AppState& s) { return makeTubeBeamForm(s); });
  registerSteelMemberForms(registry);
}

}  // namespace vd

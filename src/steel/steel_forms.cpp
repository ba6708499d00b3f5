#include "steel/steel_forms.h"

#include "steel/form_factories.h"

namespace vd {

void registerSteelForms(FormRegistry& registry) {
  registry.add(cmd::WBeamAsd, [](AppState& s) { return makeWBeamForm(s, false); });
  registry.add(cmd::WBeamLrfd, [](AppState& s) { return makeWBeamForm(s, true); });
  registry.add(cmd::ChannelBeam, [](AppState& s) { return makeChannelBeamForm(s); });
  registry.add(cmd::TubeBeam, [](AppState& s) { return makeTubeBeamForm(s); });
  registry.add(cmd::WColumn, makeWColumnForm);
  registry.add(cmd::TubeColumn, makeTubeColumnForm);
  registry.add(cmd::PipeColumn, makePipeColumnForm);
  registry.add(cmd::DoubleAngleStrut, makeDoubleAngleStrutForm);
  registry.add(cmd::CombinedStress, makeCombinedStressForm);
  registry.add(cmd::BasePlate, makeBasePlateForm);
}

}  // namespace vd

#include "beam/beam_forms.h"
#include "beam/beam_inputs.h"

#include "beam/beam_input_forms.h"

namespace vd {

void registerBeamForms(FormRegistry& registry) {
  registry.add(cmd::SimpleBeam, [](AppState& s) { return makeBeamForm(s, BeamCase::Simple); });
  registry.add(cmd::OverhangLeft, [](AppState& s) { return makeBeamForm(s, BeamCase::OverhangLeft); });
  registry.add(cmd::OverhangRight, [](AppState& s) { return makeBeamForm(s, BeamCase::OverhangRight); });
  registry.add(cmd::Cantilever, [](AppState& s) { return makeBeamForm(s, BeamCase::Cantilever); });
}

}  // namespace vd

#include "concrete/concrete_forms.h"

#include "concrete/forms.h"

namespace vd {

void registerConcreteForms(FormRegistry& registry) {
  registry.add(617, [](AppState& s) { return makeConcreteBeamForm(s, true); });
  registry.add(618, [](AppState& s) { return makeConcreteBeamForm(s, false); });
  registry.add(608, [](AppState& s) { return makeTiedColumnForm(s); });
  registry.add(cmd::ConcInteraction, [](AppState& s) { return makeInteractionDiagramForm(s); });
  registry.add(2460, [](AppState& s) { return makeDevelopmentLengthForm(s); });
  for (int id : {546, 547, 2429, 25551, 507})
    registry.add(id, [id](AppState&) { return makeReinforcementTableForm(id); });
}

}  // namespace vd

#include "concrete/concrete_forms.h"

#include "concrete/form_factories.h"

namespace vd {

void registerConcreteForms(FormRegistry& registry) {
  registry.add(cmd::ConcreteBeamAsToM, [](AppState& s) { return makeConcreteBeamForm(s, true); });
  registry.add(cmd::ConcreteBeamMToAs, [](AppState& s) { return makeConcreteBeamForm(s, false); });
  registry.add(cmd::TiedColumn, [](AppState& s) { return makeTiedColumnForm(s); });
  registry.add(cmd::ConcInteraction, [](AppState& s) { return makeInteractionDiagramForm(s); });
  registry.add(cmd::DevelopmentLength, [](AppState& s) { return makeDevelopmentLengthForm(s); });
  for (int id : {cmd::Rebars, cmd::WeldedWireFabric, cmd::WireGages, cmd::TekScrews, cmd::KwikBolt})
    registry.add(id, [id](AppState&) { return makeReinforcementTableForm(id); });
}

}  // namespace vd

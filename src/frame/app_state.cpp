#include "frame/app_state.h"

#include "frame/commands.h"

namespace vd {

AppState::AppState(Settings& s) : settings(s) {
  sawnSpecies = parseInt(settings.read("Wood", "sawnSpecieNum", "0", 20));
  jobNumber = settings.read("Project", "ID", "", 10);
  using S = ConcreteBeamRecord;
  concreteBeam[S::Fc] = parseNumber(settings.read("ACI", "F'c", "", 20));
  concreteBeam[S::Fy] = parseNumber(settings.read("ACI", "Fy", "", 20));
  concreteBeam[S::Phi] = parseNumber(settings.read("ACI", "phi", "", 20));
  concreteBeam[S::Width] = parseNumber(settings.read("ACI", "bm_width", "", 20));
  concreteBeam[S::Depth] = parseNumber(settings.read("ACI", "bm_d", "", 20));
  concreteBeam[S::As] = parseNumber(settings.read("ACI", "bm_As", "", 20));
}

bool AppState::isEnabled(int commandId) const {
  const Command* c = findCommand(commandId);
  return c && (!c->initiallyGrayed || enabled_.count(commandId) > 0);
}

void AppState::saveConcreteBeam() {
  using S = ConcreteBeamRecord;
  settings.formatAndWrite("ACI", "F'c", "%.2lf", concreteBeam[S::Fc]);
  settings.formatAndWrite("ACI", "Fy", "%.2lf", concreteBeam[S::Fy]);
  settings.formatAndWrite("ACI", "bm_width", "%.3lf", concreteBeam[S::Width]);
  settings.formatAndWrite("ACI", "bm_d", "%.3lf", concreteBeam[S::Depth]);
  settings.formatAndWrite("ACI", "bm_As", "%.3lf", concreteBeam[S::As]);
  settings.formatAndWrite("ACI", "phi", "%.3lf", concreteBeam[S::Phi]);
}

}  // namespace vd

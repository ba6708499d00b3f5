#include "frame/app_state.h"

#include "frame/commands.h"

namespace vd {

namespace {
// The concrete beam inputs kept in the settings store: key, record slot, write format.
struct AciKey {
  const char* key;
  ConcreteBeamRecord::Slot slot;
  const char* format;
};
constexpr AciKey kAciKeys[] = {
    {"F'c", ConcreteBeamRecord::Fc, "%.2lf"},        {"Fy", ConcreteBeamRecord::Fy, "%.2lf"},
    {"bm_width", ConcreteBeamRecord::Width, "%.3lf"}, {"bm_d", ConcreteBeamRecord::Depth, "%.3lf"},
    {"bm_As", ConcreteBeamRecord::As, "%.3lf"},       {"phi", ConcreteBeamRecord::Phi, "%.3lf"},
};
}  // namespace

AppState::AppState(Settings& s) : settings(s) {
  sawnSpecies = settings.readInt("Wood", "sawnSpecieNum");
  jobNumber = settings.read("Project", "ID", "", kJobNumberLength + 1);
  for (const AciKey& k : kAciKeys) concreteBeam[k.slot] = parseNumber(settings.read("ACI", k.key, "", 20));
}

bool AppState::isEnabled(int commandId) const {
  const Command* c = findCommand(commandId);
  return c && (!c->initiallyGrayed || enabled_.count(commandId) > 0);
}

void AppState::saveConcreteBeam() {
  for (const AciKey& k : kAciKeys) settings.formatAndWrite("ACI", k.key, k.format, concreteBeam[k.slot]);
}

}  // namespace vd

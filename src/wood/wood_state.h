#pragma once
// What the wood subsystem keeps for the whole run: the current lumber members and glulam member.
// The current species is the frame's (AppState::sawnSpecies).
#include <memory>

#include "frame/app_state.h"
#include "platform/form.h"
#include "wood/glulam.h"
#include "wood/sawn_member.h"

namespace vd {

struct WoodState {
  SawnMember dimension;  // set by the 2x-4x size form
  SawnMember timber;     // set by the 5x-and-larger size form
  std::unique_ptr<GlulamMember> glulam;
};

inline WoodState& woodState(AppState& state) { return state.module<WoodState>(); }

// The current member of the 2x-4x (timber false) or the 5x-and-larger size form.
inline SawnMember& sawnMember(AppState& state, bool timber) {
  WoodState& w = woodState(state);
  return timber ? w.timber : w.dimension;
}

// The member a sawn design form calculates, or nullptr after telling the user to pick one first.
inline SawnMember* chosenSawnMember(FormHost& host, AppState& state, bool timber, const char* caption) {
  SawnMember& m = sawnMember(state, timber);
  if (m.valid()) return &m;
  host.message(caption, "No member has been chosen: pick a size and a grade in Base Materials first.",
               MessageIcon::Exclamation);
  return nullptr;
}

}  // namespace vd

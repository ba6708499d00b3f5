#pragma once
// What the wood subsystem keeps for the whole run: the current lumber members and glulam member.
// The current species is the frame's (AppState::sawnSpecies).
#include <memory>

#include "frame/app_state.h"
#include "wood/glulam.h"
#include "wood/sawn_member.h"

namespace vd {

struct WoodState {
  SawnMember dimension;  // set by the 2x-4x size form
  SawnMember timber;     // set by the 5x-and-larger size form
  std::unique_ptr<GlulamMember> glulam;
};

inline WoodState& woodState(AppState& state) { return state.module<WoodState>(); }

}  // namespace vd

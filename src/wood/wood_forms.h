#pragma once
#include "frame/frame.h"

namespace vd {
// Registers this subsystem's forms with the frame.
void registerWoodForms(FormRegistry& registry);
}  // namespace vd

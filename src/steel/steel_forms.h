#pragma once
#include "frame/frame.h"

namespace vd {
// Registers this subsystem's forms with the frame.
void registerSteelForms(FormRegistry& registry);
}  // namespace vd

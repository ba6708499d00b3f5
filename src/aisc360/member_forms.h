#pragma once
// The AISC 360-22 forms of the Design menu: flexure and shear, compression, combined forces.
#include "frame/frame.h"

namespace vd::aisc360 {
void registerAisc360Forms(FormRegistry& registry);
}  // namespace vd::aisc360

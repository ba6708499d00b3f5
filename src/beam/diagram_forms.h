#pragma once
#include "frame/frame.h"

namespace vd {
// Registers the moment and shear diagram forms ("PLOT_Box", "SHEAR_Box").
void registerDiagramForms(FormRegistry& registry);
}  // namespace vd

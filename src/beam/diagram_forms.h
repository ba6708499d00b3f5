#pragma once
#include "frame/frame.h"

namespace vd {
// Registers the moment and shear diagram forms ("PLOT_Box", "SHEAR_Box").
void registerDiagramForms(FormRegistry& registry);
// Control ids of the moment and shear diagram forms.
namespace diagram_form {
enum Id : int { PictureId = 101, Status = 102, Print = 103, Save = 104 };
}  // namespace diagram_form

}  // namespace vd

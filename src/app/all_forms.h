#pragma once
#include "frame/frame.h"

namespace vd {
// Every form of the program, from every subsystem.
const FormRegistry& allForms();
}  // namespace vd

#include "beam/beam_forms.h"

namespace vd {

void registerBeamForms(FormRegistry& /*registry*/) {}

}  // namespace vd

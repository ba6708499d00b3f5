#include "steel/steel_forms.h"

namespace vd {

void registerSteelForms(FormRegistry& /*registry*/) {}

}  // namespace vd

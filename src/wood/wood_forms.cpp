#include "wood/wood_forms.h"

namespace vd {

void registerWoodForms(FormRegistry& /*registry*/) {}

}  // namespace vd

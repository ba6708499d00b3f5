#include "concrete/concrete_forms.h"

namespace vd {

void registerConcreteForms(FormRegistry& /*registry*/) {}

}  // namespace vd

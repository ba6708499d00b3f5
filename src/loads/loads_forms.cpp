#include "loads/loads_forms.h"

#include "loads/column_loads.h"
#include "loads/lateral_force.h"

namespace vd {

void registerLoadsForms(FormRegistry& registry) {
  registerLateralForceForm(registry);
  registerColumnLoadsForm(registry);
}

}  // namespace vd

#include "loads/loads_forms.h"

namespace vd {

void registerLoadsForms(FormRegistry& /*registry*/) {}

}  // namespace vd

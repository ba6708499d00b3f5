#include "tables/tables_forms.h"

namespace vd {

void registerTablesForms(FormRegistry& /*registry*/) {}

}  // namespace vd

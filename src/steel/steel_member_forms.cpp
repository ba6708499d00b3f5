#include "steel/steel_member_forms.h"

namespace vd {

void registerSteelMemberForms(FormRegistry& registry) {
  registry.add(605, makeWColumnForm);
  registry.add(559, makeTubeColumnForm);
  registry.add(606, makePipeColumnForm);
  registry.add(544, makeDoubleAngleStrutForm);
  registry.add(561, makeCombinedStressForm);
  registry.add(552, makeBasePlateForm);
}

}  // namespace vd

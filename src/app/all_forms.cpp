#include "app/all_forms.h"

#include "aisc360/member_forms.h"
#include "beam/beam_forms.h"
#include "beam/diagram_forms.h"
#include "concrete/concrete_forms.h"
#include "loads/loads_forms.h"
#include "steel/steel_forms.h"
#include "tables/tables_forms.h"
#include "wood/wood_forms.h"

namespace vd {

const FormRegistry& allForms() {
  static const FormRegistry registry = [] {
    FormRegistry r;
    registerFrameForms(r);
    registerTablesForms(r);
    registerSteelForms(r);
    aisc360::registerAisc360Forms(r);
    registerBeamForms(r);
    registerDiagramForms(r);
    registerConcreteForms(r);
    registerWoodForms(r);
    registerLoadsForms(r);
    return r;
  }();
  return registry;
}

}  // namespace vd

#pragma once
// The four beam input forms: simple beam, overhang left, overhang right, cantilever.
#include <memory>

#include "frame/app_state.h"
#include "beam/beam_inputs.h"
#include "platform/form.h"

namespace vd {

// Control ids of the beam forms; load cells are kLoadCell + 3 * table row + column.
namespace beam_form {
inline constexpr int Location = 101, JobNum = 102, Length = 103, Span = 104, Inertia = 105, Modulus = 106,
                     Interest = 107, CleanSlate = 108, Calculate = 109, Sketch = 110, Results = 111,
                     DesignAs = 112, DesignThis = 113;
inline constexpr int kLoadCell = 200;
inline constexpr int cell(int tableRow, int column) { return kLoadCell + 3 * tableRow + column; }
}  // namespace beam_form

std::unique_ptr<Form> makeBeamForm(AppState& state, BeamCase beamCase);

}  // namespace vd

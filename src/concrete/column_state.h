#pragma once
// What the tied-column form keeps for the rest of the run: its bar rows and the last completed diagram.
#include "concrete/tied_column.h"

namespace vd {

inline constexpr const char* kColumnFile = "tieCol.wri";
inline constexpr const char* kDiagramFile = "Concol.emf";

struct ColumnState {
  BarRows barRows{};
  InteractionDiagram diagram;  // the last calculation that produced points
};

}  // namespace vd

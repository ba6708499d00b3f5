#pragma once
// The moment and shear diagrams of the last beam analysis, drawn into "Moment.emf" / "Shear.emf".
#include <filesystem>

#include "frame/app_state.h"
#include "platform/picture.h"

namespace vd {

enum class DiagramKind { Shear = 1, Moment = 2 };

// The drawing box in hundredths of an inch, y upward.
namespace diagram {
inline constexpr int W = 696, H = 322, Margin = 18;
inline constexpr int Axis = H / 2;
// How far the largest value reaches from the axis; the room beyond it holds the max and min labels.
inline constexpr int Reach = 115;
}  // namespace diagram

const char* diagramFile(DiagramKind kind);         // "Shear.emf", "Moment.emf"
const char* diagramDescription(DiagramKind kind);  // "SHEAR", "MOMENT"

// The diagram of the kind's station column (shear 1, moment 2), with the supports at the given
// fractions of the length (a cantilever's wall at its fixed right end), the largest and smallest
// values labelled where they occur, and the last beam result in its text.
Picture drawDiagram(DiagramKind kind, const StationTable& stations, double supportLeft, double supportRight,
                    const LastBeamResult& last);

// Draws the diagram from the application state into the kind's file in the current directory.
// False when the file could not be written.
bool writeDiagram(DiagramKind kind, const AppState& state);

}  // namespace vd

#pragma once
// The concrete pictures: the beam section sketch ("Rectconcbm.emf") and the tied-column interaction
// diagram ("Concol.emf"). Plain numbers in, a picture out.
#include <filesystem>
#include <vector>

#include "platform/picture.h"

namespace vd {

// The sketch of a rectangular beam section with three bars and its b and d dimensions.
Picture drawSectionSketch();
// Writes it to the file (by default "Rectconcbm.emf" in the current directory); false on failure.
bool writeSectionSketch(const std::filesystem::path& file = "Rectconcbm.emf");

// One point of the design interaction curve: moment in kip-in, axial force in kip (design values).
struct CurvePoint {
  double m = 0.0;
  double p = 0.0;
};

// The four labelled points, design values: moments in kip-in, forces in kip.
struct InteractionSummary {
  double highM = 0.0, highP = 0.0;        // high limit
  double balanceM = 0.0, balanceP = 0.0;  // balance point
  double zeroM = 0.0;                     // zero axial force
  double tensionP = 0.0;                  // pure tension
};

// The interaction diagram page (696 x 536 hundredths of an inch): the curve through the points, the
// axes, the factored load (vertLoad kip, momLoad kip-ft) as a circle, and the labels.
Picture drawInteractionDiagram(const std::vector<CurvePoint>& points, const InteractionSummary& summary,
                               double vertLoad, double momLoad);
// Writes it to the file (by default "Concol.emf" in the current directory); false on failure.
bool writeInteractionDiagram(const std::vector<CurvePoint>& points, const InteractionSummary& summary,
                             double vertLoad, double momLoad, const std::filesystem::path& file = "Concol.emf");

}  // namespace vd

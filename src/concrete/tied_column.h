#pragma once
// Axial load-moment interaction of a rectangular tied concrete column by strain compatibility.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "platform/form.h"
#include "platform/report_lines.h"

namespace vd {

// One row of longitudinal bars; force and stressRatio are set by each strain state.
struct BarRow {
  double area = 0.0;         // in^2
  double dist = 0.0;         // depth from the compression face, in
  double force = 0.0;        // kip, compression positive
  double stressRatio = 0.0;  // fs/fy, -1..1
};

inline constexpr int kMaxBarRows = 12;
using BarRows = std::array<BarRow, kMaxBarRows>;

struct InteractionPoint {
  double M = 0.0;  // kip-in
  double P = 0.0;  // kip
  double phi = 0.0;
};

// Strain of the deepest row as a multiple of the yield strain, tension negative.
inline constexpr int kStrainStepCount = 37;
extern const std::array<double, kStrainStepCount> strainSteps;

// The code edition whose strength-reduction factor the column uses.
enum class PhiEdition {
  Aci318_99,  // 0.70, rising to 0.90 as phi*Pn falls below min(0.1 f'c Ag, phi*Pb) (9.3.2.2)
  Aci318_02,  // from the net tensile strain: 0.65 at 0.002 or less to 0.90 at 0.005 or more (9.3.2.2)
};

// ACI 318-02 9.3.2.2 for tied columns: linear between the compression- and tension-controlled limits.
double phiForNetTensileStrain(double et);

class TiedColumn {
 public:
  // Rows are counted from the first until a row of zero area.
  TiedColumn(double fc, double fy, double b, double h, BarRows& rows, PhiEdition edition = PhiEdition::Aci318_99);

  // phi of a compression-controlled section under the edition: 0.70 (318-99) or 0.65 (318-02).
  double compressionPhi() const { return edition == PhiEdition::Aci318_02 ? 0.65 : 0.70; }
  // phi of a strain state between two steps, by the edition's rule; `P` is its nominal axial force.
  double phiBetween(double v, double P) const;

  // A new width: phi back to its compression value, Ag, P0 and PnMax for the new section.
  void setWidth(double width);
  // One strain state: the deepest row strained to v * epsY, the compression face to 0.003.
  InteractionPoint strainState(double v);
  // The 37 nominal states in the order of strainSteps.
  std::array<InteractionPoint, kStrainStepCount> nominalStates();

  double fc, fy, b, h;
  BarRows* rows;
  int rowCount = 0;
  double Ag = 0.0;
  double As = 0.0;
  double epsY = 0.0;
  double c = 0.0;
  double beta1 = 0.0;
  double a = 0.0;
  double Cc = 0.0;
  double Pn = 0.0;
  double Mn = 0.0;
  double P0 = 0.0;
  double PnMax = 0.0;
  double phiThreshold = 0.0;
  double Pb = 0.0;
  double Pt = 0.0;
  double Mb = 0.0;
  double phi = 0.7;
  PhiEdition edition = PhiEdition::Aci318_99;
};

// A point of the design curve with its own label values (design M in kip-in, design P in kip).
struct DiagramPoint {
  double M = 0.0;
  double P = 0.0;
};

// What the diagram draws: the sorted design curve and the four labelled points. A point the strain
// walk did not reach has no value.
struct InteractionDiagram {
  std::vector<InteractionPoint> points;  // design values (phi applied), largest P first
  std::optional<DiagramPoint> highLimit;
  DiagramPoint balance;
  std::optional<DiagramPoint> zero;
  DiagramPoint tension;
  bool complete = false;  // a calculation produced points
};

// The diagram's scale: the largest design M, the largest and smallest design P, each truncated to a
// whole number and taken from 0. A curve with Mmax = 0 or Pmax = Pmin has no scale.
struct DiagramScale {
  double Mmax = 0.0, Pmax = 0.0, Pmin = 0.0;
  bool usable() const { return Mmax > 0 && Pmax > Pmin; }
};
DiagramScale diagramScale(const InteractionDiagram& d);

// Everything the column form reads, after the f'c and Fy limits.
struct TiedColumnInputs {
  double fc = 0.0, fy = 0.0, b = 0.0, h = 0.0;
  int barSize = 0, tieSize = 0;
  double clearHeight = 0.0;
  double P = 0.0, M = 0.0;  // factored load, kip and kip-ft
  BarRows rows{};
  PhiEdition edition = PhiEdition::Aci318_99;
  // Slenderness: effective length factor, sway or braced frame, factored end moments (kip-ft).
  double k = 0.0;
  bool sway = false;
  double M1 = 0.0, M2 = 0.0;
};

struct TiedColumnResult {
  std::string report;  // the calculation text handed to the pad on OK
  std::string file;    // the text of tieCol.wri
  InteractionDiagram diagram;  // complete only when the calculation went through
  DesignResult result;         // the checks the report ends with
};

// The factor t at which t * (M, P) first meets the design curve (points in kip-in and kip, largest P
// first); infinity when the ray misses it. The demand/capacity ratio along the ray is 1/t.
double rayToCurve(const std::vector<InteractionPoint>& curve, double M, double P);

// The column calculation from the file's row list to the sorted design points. Boxes and the Yes/No
// width question go to `ui`.
TiedColumnResult calculateTiedColumn(const TiedColumnInputs& in, Messenger& ui);

}  // namespace vd

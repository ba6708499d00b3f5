#pragma once
// Report pieces the W and tube column routines share: the per-axis allowable-load check, the UBC
// member-strength check of a seismic-frame column, and the CBF / SCBF brace slenderness blocks.
#include <functional>
#include <string>
#include <string_view>

#include "platform/report_lines.h"

namespace vd {

enum class ColumnRole { Column = 0, SeismicColumn = 1, CbfBrace = 2, ScbfBrace = 3 };

// The role as stored or chosen; anything outside 0..3 is an ordinary column.
ColumnRole columnRoleFrom(int value);

enum class Axis { Major, Minor };

struct AxisResult {
  double klr = 0.0;
  double fa = 0.0;      // allowable axial stress, ksi
  double Pallow = 0.0;  // allowable load, kip (times Beta for a CBF brace)
};

// One axis: heading with kl/r, the E2-1 / E2-2 explanation, the allowable load, the verdict on P and
// the percentage line, recorded in `result`. `beta` > 0 multiplies the allowable load (CBF brace);
// `afterHeading` is put between the heading and the explanation; qName names a Q below 1 ("Qs", "Qa").
AxisResult columnAxisCheck(std::string& report, DesignResult& result, Axis axis, double klr, double Cc, double Fy,
                           double Qs, double A, double P, double beta = 0.0, std::string_view afterHeading = {},
                           const char* qName = "Qs");

// The load combination of a seismic-frame column and its member-strength verdict against 1.7 fa A,
// recorded in `result`. Returns the combined load.
double ubcColumnCheck(std::string& report, DesignResult& result, double dead, double live, double seismic, int Rw,
                      double fa, double A);

// The name of an axial check for the design result: "axial, x-x axis, Eq. E2-1".
std::string axialCheckName(Axis axis, double klr, double Cc, double Q);

// A limit that is not a capacity (a slenderness or width-thickness ratio): records value/limit, passing
// when value <= limit, and returns the verdict that ends the line of the check ("  OK" or
// "  NO GOOD!!!").
const char* limitVerdict(DesignResult& result, double value, double limit, const std::string& name);

// Messages that end a brace check early; the form shows them in place of its header.
inline constexpr const char* kCbfStopReport = "\r\n\r\n Stopped because the  l/r > 720/sqrt(Fy) condition.";
inline constexpr const char* kCbfStopText = " Stopped because the  l/r > 720/sqrt(Fy) condition.";
inline constexpr const char* kScbfStopReport = "\r\n\r\n Stopped because the slenderness > 1000/sqrt(Fy) condition.";
inline constexpr const char* kScbfStopText = " Stopped because the slenderness > 1000/sqrt(Fy) condition.";

// The CBF slenderness block: l/r (no K) against 720/sqrt(Fy), and Beta. True when the brace may go on.
bool cbfSlendernessBlock(std::string& report, DesignResult& result, double lr, double Fy, double beta);
// The SCBF slenderness line: kl/r against 1000/sqrt(Fy). True when the brace may go on.
bool scbfSlendernessBlock(std::string& report, DesignResult& result, double klr, double Fy);

// What a two-axis column's role adds to its axis checks: both axes with Q; a seismic-frame column then
// the UBC combination on the smaller fa; a CBF brace its l/r block and Beta on both axes; an SCBF brace
// its kl/r line, `scbfChecks` (a W's compactness) and both axes. A brace beyond its limit stops there and
// `stop` says so. The W and tube columns are RoleDesigns: their last design's results.
struct RoleInputs {
  ColumnRole role;
  double klrX, klrY, klrMax;  // kl/r of each axis and the larger
  double lr;                  // l/r without K, the larger: the CBF brace limit
  double Cc, Fy, Q, A, P;
  double dead = 0.0, live = 0.0, seismic = 0.0;  // kip, for a seismic-frame column
  int Rw = 4;
  std::string_view minorNote = {};  // after the minor-axis heading of a seismic-frame column
  std::function<void(std::string& report, DesignResult& result)> scbfChecks = {};
};
struct RoleDesign {
  AxisResult major, minor;
  double Beta = 0.0;      // CBF brace stress reduction
  double seismicP = 0.0;  // the UBC load combination (seismic-frame column)
  std::string stop;       // why a brace stopped early, "" when it did not
};
RoleDesign designInRole(std::string& report, DesignResult& result, const RoleInputs& in);

// Effective width of a slender stiffened element at stress f (Appendix B5): A-B5-7 with c = 50.3 for the
// walls of square and rectangular tubes, A-B5-8 with c = 44.3 for other elements (a W web);
// b_e = 253 t/sqrt(f) [1 - c/((b/t) sqrt(f))], never above b = ratio*t.
double effectiveWidth(double t, double ratio, double f, double c);

// Qa = A_eff/A of a column whose slender stiffened elements lose lostArea(f) at stress f. f is the stress
// on the effective area at the allowable load, fa/Qa, with fa on the A-B5-11 / A-B5-12 curve for klr;
// fa depends on Qa through Cc', so the two are iterated to agreement. Leaves the final f in `f`.
double effectiveAreaFactor(double klr, double Cc, double Fy, double A, double (*lostArea)(double f, const void* ctx),
                           const void* ctx, double& f);

// True when a report holds a printed infinity or NaN ("inf", "-nan"...), which no report may show.
bool hasNonFiniteNumber(std::string_view report);

// Why a two-axis column cannot be designed (Fy, negative K or lengths, a section without area or radius,
// lengths so large that E2-2 leaves no allowable stress), or empty when it can.
std::string columnInputError(double Fy, double Kx, double Lx, double Ky, double Ly, double rx, double ry, double A,
                             double klrMax);

}  // namespace vd

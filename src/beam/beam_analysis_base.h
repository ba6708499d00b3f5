#pragma once
// What the three beam analyses share: the load table they read, the input checks, the load list of
// the report, the 201 stations and the search for the true extremes. Each analysis adds its supports.
//
// An analysis never touches a file, a form or the settings: it reads the load table, and returns the
// report text, the station values and the four published numbers. The form writes the files.
#include <initializer_list>
#include <string>

#include "beam/beam_loads.h"
#include "frame/app_state.h"

namespace vd {

// Load table rows of each kind.
inline constexpr int kMomentRow = 0, kMomentRows = 4;
inline constexpr int kPointRow = 4, kPointRows = 6;
inline constexpr int kUniformRow = 10, kUniformRows = 4;
inline constexpr int kAscendingRow = 14, kAscendingRows = 2;
inline constexpr int kDescendingRow = 16, kDescendingRows = 2;
// Column 2 of rows 0 to 5 carries the beam: L, s, I (ft^4 during a run), E (kip/ft^2 during a run),
// the point of interest and the valid flag.
inline constexpr int kLengthRow = 0, kSpanRow = 1, kInertiaRow = 2, kModulusRow = 3, kInterestRow = 4, kValidRow = 5;

inline constexpr int kStations = 201;

// The smallest deflection (in.) whose span ratio a report prints: half a unit of its last printed
// digit (0.00005") is then at most 1 % of it.
inline constexpr double kMeasurableDeflection = 0.005;

// How a run ended. Anything but Complete leaves the report with its header and load list only and
// fills no station.
enum class BeamRunStatus {
  Complete,
  BadLengths,      // a length or span of zero or less
  BadStiffness,    // I or E of zero or less
  AscendingLoad,   // an ascending load that starts after its end or ends beyond the beam
  TooLarge,        // the numbers overflow: no finite result
};

class BeamAnalysisBase {
 public:
  virtual ~BeamAnalysisBase() = default;
  BeamAnalysisBase(const BeamAnalysisBase&) = delete;
  BeamAnalysisBase& operator=(const BeamAnalysisBase&) = delete;

  // False when the span exceeds the length, a length is not positive, or a load lies off the beam;
  // the form then says "At least one of the lengths is in error!". Only non-positive lengths stop
  // the run; the other cases are analysed as entered.
  bool lengthsValid() const { return valid_; }

  BeamRunStatus run();

  const std::string& report() const { return report_; }
  // The key results that end the report of a complete run (moment, shear, reactions, deflection).
  std::string keyResultsText() const {
    std::string out;
    keyResults(out);
    return out;
  }
  // 201 stations of x (ft), shear (kip), moment (k-ft), slope (rad), deflection (in).
  const StationTable& stations() const { return xSMSD_; }
  // The station data file: one "%9.5f %f %f %f %f\n" line per station.
  std::string stationFileText() const;
  // Largest positive and most negative moment, left and right reaction.
  virtual void results(double& Mpos, double& Mneg, double& RL, double& RR) const;
  // The numbers the beam-design forms and the diagrams show.
  virtual LastBeamResult lastResult() const;
  // The true extremes (moments in k-ft, shear in kip, deflection as at() gives it) and positions (ft).
  double maxShear() const { return Vmax_; }
  double maxShearAt() const { return xVmax_; }
  double positiveMomentAt() const { return xMpos_; }
  double negativeMomentAt() const { return xMneg_; }
  // The largest downward (zero or negative) and upward (zero or positive) deflection in inches, and
  // where they are.
  void deflections(double& down, double& xDown, double& up, double& xUp) const;
  // The largest deflection (in., upward positive) between the supports and outside them (on an
  // overhang, or the whole cantilever), and where they are (ft).
  void stretchDeflections(double& between, double& xBetween, double& outside, double& xOutside) const;
  // The AscendingLoadError bits of the ascending load that stopped the run.
  int ascendingError() const { return ascendingError_; }

  double length() const { return L_; }
  double span() const { return s_; }

 protected:
  // Copies the beam from column 2 of rows 0 to 4, checks it, moves moment loads off the very ends
  // (written into the table) and, with convertTriangles, turns the apex intensities of the triangular
  // loads into gradients in the working copy of the rows (the table keeps what the user entered).
  BeamAnalysisBase(BeamLoadTable& table, bool convertTriangles);

  struct Values {
    double shear = 0.0, moment = 0.0, slope = 0.0, deflection = 0.0;  // slope and deflection times EI
  };

  struct LoadListFormats {
    const char* ascending;
    const char* descending;
    bool triangularApex;  // print the apex intensity, and only for loads of positive length
  };

  virtual void header(std::string& out) const = 0;
  virtual LoadListFormats loadListFormats() const = 0;
  // Sets the loads and finds the reactions and constants; returns the AscendingLoadError bits.
  virtual int prepare() = 0;
  virtual Values at(double x) const = 0;
  // The point-of-interest line; nothing when `evaluated` is false.
  virtual void interestLine(std::string& out, const Values& v) const = 0;
  virtual bool interestEvaluated() const = 0;
  virtual void stationLine(std::string& out, const double* station) const;
  // Station deflection in inches from the EI value of at().
  virtual double deflectionInches(double eiDeflection) const { return eiDeflection * 12 / E_ / I_; }
  // A deflection of at() in inches, upward positive, as every report prints it.
  virtual double upwardInches(double deflection) const { return deflection * 12 / E_ / I_; }
  // The reactions line of the key results, and where a deflection is.
  virtual void keyReactions(std::string& out) const;
  virtual void keyDeflectionPosition(std::string& out, double x) const;
  // Where the supports are (a fixed end counts as one; both entries then hold it).
  virtual void supports(double& first, double& second) const = 0;
  // d(deflection of at())/dx = sign * slope of at(): -1 where at() counts deflection downward.
  virtual double deflectionSlopeSign() const { return 1.0; }
  // The summary after the stations; false when a number in it is not finite.
  virtual bool summary(std::string& out) = 0;

  // Sets every load object from the working rows; returns the ascending load's error bits.
  int setLoads();
  // The true extremes of shear, moment and deflection over the beam, with their positions; false
  // when a value is not finite.
  bool findExtremes();
  // "\t span to deflection ratio =..." for a deflection in inches, when the printed deflection
  // (0.0001") fixes the ratio to within 1 %; nothing for a smaller one, whose ratio would be noise.
  void spanRatio(std::string& out, double inches) const;
  // The short block that ends every report: largest moment, shear and deflection with their
  // positions, and the reactions.
  void keyResults(std::string& out) const;
  // The line loads' intensity (kip/ft, downward) just right of x and its rate of change.
  void intensityRightOf(double x, double& w, double& dw) const;
  double stationMoment(int i) const { return xSMSD_[static_cast<std::size_t>(i) * 5 + 2]; }
  double stationShear(int i) const { return xSMSD_[static_cast<std::size_t>(i) * 5 + 1]; }
  static bool finite(std::initializer_list<double> values);
  // Appends a header or load-list line: fmt's numeric conversions ("%.2f", "%.0lf"...) take the
  // values in order, each printed as "(too large)" if it overflowed, so that the header and the load
  // list of a run that stops for that reason never show "inf".
  static void appendNumbers(std::string& out, const char* fmt, std::initializer_list<double> values);

  BeamLoadTable& table_;
  BeamLoadTable rows_;  // the rows the loads are set from (gradients for triangular loads)
  double L_ = 0.0, s_ = 0.0, a_ = 0.0, I_ = 0.0, E_ = 0.0, xInterest_ = 0.0;
  bool valid_ = true;
  BeamRunStatus inputError_ = BeamRunStatus::Complete;
  int ascendingError_ = 0;

  MomentLoad moments_[kMomentRows];
  PointLoad points_[kPointRows];
  UniformLoad uniforms_[kUniformRows];
  AscendingLoad ascending_[kAscendingRows];
  DescendingLoad descending_[kDescendingRows];

  double RL_ = 0.0, RR_ = 0.0;
  double Vmax_ = 0.0, Mpos_ = 0.0, Mneg_ = 0.0, yMax_ = 0.0, yMin_ = 0.0;
  double xVmax_ = 0.0, xMpos_ = 0.0, xMneg_ = 0.0, xYMax_ = 0.0, xYMin_ = 0.0;
  double yBetween_ = 0.0, yOutside_ = 0.0, xBetween_ = 0.0, xOutside_ = 0.0;  // as at() gives them
  Values interest_;
  StationTable xSMSD_{};
  std::string report_;

 private:
  void loadList(std::string& out) const;
};

}  // namespace vd

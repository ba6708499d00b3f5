#pragma once
// Flexure and shear of a member to AISC 360-22: F2, F3 and F6 for I-shapes and channels, F7 for
// rectangular HSS, F8 for round HSS and pipe; shear by G2.1, G4, G5 and G6; optional live-load deflection.
#include <string>

#include "aisc360/common.h"
#include "aisc360/shapes.h"

namespace vd::aisc360 {

enum class Axis { Major, Minor };

struct FlexureInput {
  const Shape* section = nullptr;
  double Fy = 50.0;   // ksi
  double E = kDefaultE;
  Method method = Method::LRFD;
  Axis axis = Axis::Major;
  double Mr = 0.0;    // required flexural strength (Mu or Ma), kip-ft
  double Vr = 0.0;    // required shear strength (Vu or Va), kips
  double Lb = 0.0;    // unbraced length, ft
  double Cb = 1.0;
  double Lv = 0.0;    // round HSS: distance from maximum to zero shear, ft (0: not given)
  // Live-load deflection of a simple span under a uniform load; skipped unless all three are positive.
  double span = 0.0;       // ft
  double liveLoad = 0.0;   // kip/ft
  double deflLimit = 0.0;  // N of L/N (240, 360, ...)
  bool shear = true;       // false: flexure only (the combined check has no shear)
};

class Flexure {
public:
  explicit Flexure(const FlexureInput& in);

  // What is wrong with the inputs whatever the section (empty when nothing): the constructor refuses
  // the same, and a form checks it once before running many sections.
  static std::string inputError(const FlexureInput& in);

  const std::string& report() const { return text_; }
  const DesignResult& result() const { return result_; }
  // Empty when the section and inputs could be checked; else why not (the report says the same).
  const std::string& error() const { return error_; }

  double Mn() const { return Mn_; }            // governing nominal flexural strength, kip-ft
  double availableMoment() const { return Mc_; }  // phi_b Mn or Mn/Omega_b, kip-ft
  double Vn() const { return Vn_; }            // kips
  double availableShear() const { return Vc_; }
  double Lp() const { return Lp_; }            // ft (0 where lateral-torsional buckling does not apply)
  double Lr() const { return Lr_; }            // ft
  double deflection() const { return defl_; }  // in (0 when not asked)
  const std::string& governingFlexure() const { return flexGoverning_; }  // "lateral-torsional buckling, Eq. F2-2"

private:
  void fail(const std::string& why);
  void header();
  void iShapeMajor();
  void iShapeMinor();
  void rectHss();
  void roundHss();
  void shearWeb();
  void shearFlanges();
  void shearRectHss();
  void shearRound();
  void deflection();
  // Records one flexural limit state with nominal Mn (kip-in).
  void moment(double MnKipIn, const std::string& name);
  void shear(const Factor& f, double Vn, const std::string& name);

  FlexureInput in_;
  const Shape* s_ = nullptr;
  std::string text_;
  std::string error_;
  DesignResult result_;
  double Mn_ = 0.0, Mc_ = 0.0, Vn_ = 0.0, Vc_ = 0.0, Lp_ = 0.0, Lr_ = 0.0, defl_ = 0.0;
  std::string flexGoverning_;
};

}  // namespace vd::aisc360

#include "concrete/concrete_beam.h"

#include <algorithm>
#include <cmath>

#include "platform/text_format.h"

namespace vd {

double beta1ForFc(double fc) { return std::clamp(0.85 - 0.05 * (fc - 4.0), 0.65, 0.85); }

const char* concreteFailureMessage(int code) {
  switch (code) {
    case concrete_code::NoWidth: return "Can't handle width = 0.0";
    case concrete_code::NoDepth: return "Can't handle depth = 0.0";
    case concrete_code::BrittleSteel: return "Too Much Steel-- beam subject to Brittle Failure!";
    case concrete_code::TooMuchMoment: return "Too much moment! Can not be designed w/o top reinf.";
    case concrete_code::NoConcreteStrength: return "Can't handle F'c = 0.0";
    case concrete_code::NoSteelStrength: return "Can't handle Fy = 0.0";
    case concrete_code::NoPhi: return "Can't handle phi = 0.0";
    default: return "The input values are too large to calculate.";
  }
}

namespace {

// The balanced-ratio factor has always been carried in single precision; results depend on it.
const double kRhoBalFactor = static_cast<double>(0.85f);

double finite(double x) {
  if (!std::isfinite(x)) throw ConcreteFailure{concrete_code::OutOfRange};
  return x;
}

// Effective moment of inertia, ACI Eq. (9-7), never above the gross section.
double effectiveInertia(double Mcr, double Ma, double Ig, double Icr) {
  const double k = std::pow(Mcr / Ma, 3);
  return std::min(k * Ig + (1.0 - k) * Icr, Ig);
}

}  // namespace

RectConcreteBeam::RectConcreteBeam(double fc_, double fy_, double b_, double d_, double h_, double Ma_, double As_,
                                   double phi_)
    : b(b_), d(d_), h(h_), AsGiven(As_), fc(fc_), fy(fy_), Ma(Ma_), phi(phi_) {
  beta1 = beta1ForFc(fc);
  if (As_ > 0 && b > 0 && d > 0) rho = As_ / d / b;
  rhoBal = kRhoBalFactor * beta1 * fc * 0.003 / ((fy / 29000 + 0.003) * fy);
  if (h > 0) {
    Ig = b * h * h * h / 12;
    // A vanishing f'c gives a ratio beyond any int: keep the cast defined.
    if (fc > 0) n = static_cast<int>(std::min(2.9e7 / (57000 * std::sqrt(fc * 1000)) + 0.5, 1.0e9));
  }
}

double RectConcreteBeam::blockDepth(double area) const { return area * fy / (0.85 * fc * b); }

double RectConcreteBeam::minimumRatio() const {
  return std::max(3 * std::sqrt(fc * 1000) / (fy * 1000), 200 / (fy * 1000));
}

bool RectConcreteBeam::applyMinimumSteel(double area) {
  rho = area / b / d;
  const double rhoMin = minimumRatio();
  if (rho >= rhoMin) return false;
  rho = rhoMin;
  As = rhoMin * b * d;
  return true;
}

void RectConcreteBeam::checkSection() const {
  if (!(b > 0)) throw ConcreteFailure{concrete_code::NoWidth};
  if (!(d > 0)) throw ConcreteFailure{concrete_code::NoDepth};
  if (!(fc > 0)) throw ConcreteFailure{concrete_code::NoConcreteStrength};
  if (!(fy > 0)) throw ConcreteFailure{concrete_code::NoSteelStrength};
}

double RectConcreteBeam::momentCapacity(double area) {
  checkSection();
  As = area;
  rho = As / b / d;
  // 0.750001 lets an area of exactly rho_max through despite rounding.
  if (0.750001 * rhoBal < rho) throw ConcreteFailure{concrete_code::BrittleSteel};
  // Steel below the ACI 10.5.1 minimum still has only its own capacity; the report judges the minimum.
  const double a = As * fy / (0.85 * fc * b);
  return finite(As * fy * (d - a / 2) / 12);
}

double RectConcreteBeam::requiredSteel(double Mn) {
  M = Mn;
  checkSection();
  if (!std::isfinite(Mn)) throw ConcreteFailure{concrete_code::OutOfRange};
  double aNew = 0.0, aOld = 0.0;
  // The block depth grows monotonically from 0: it settles or passes d. The cap only guards rounding.
  for (int i = 0; i < 100000; ++i) {
    aOld = aNew;
    As = 12 * Mn / fy / (d - aOld / 2);
    aNew = blockDepth(As);
    if (aNew > d || std::fabs(aOld - aNew) <= 0.001) break;
  }
  if (!std::isfinite(As)) throw ConcreteFailure{concrete_code::OutOfRange};
  rho = As / b / d;
  if (0.750001 * rhoBal < rho) throw ConcreteFailure{concrete_code::TooMuchMoment};
  if (aOld > d || aNew > d) throw ConcreteFailure{concrete_code::TooMuchMoment};
  const double rhoMin = minimumRatio();
  if (rho < rhoMin) {
    rho = rhoMin;
    As = rho * b * d;
  }
  return As;
}

std::string RectConcreteBeam::writeReport() {
  checkSection();
  result_ = DesignResult{};
  std::string r;
  const char* stars = " *******************************************************\r\n";
  r += stars;
  r += " Concrete Beam Design - with tension reinforcement only:\r\n";
  r += stars;
  r += "    ACI 318-99 9.3.2.1, flexural without axial load --\r\n\r\n   Designed for:\r\n";
  appendf(r, "   Concrete F'c= %8.2f ksi    ACI 10.2.7.3 -- Beta1 =%.3f\r\n", fc, beta1);
  if (designForMoment)
    appendf(r, "   Reinforcing steel Fy =%8.2f ksi,  factored moment = %.2f kip-ft\r\n", fy, finite(Ma));
  else
    appendf(r, "   Reinforcing steel Fy =%8.2f ksi,  As = %.3f in^2\r\n", fy, finite(AsGiven));
  appendf(r, "   strength reduction factor, phi =%4.2f", finite(phi));
  appendf(r, "\r\n   Width at compression edge =%.3f in.\r\n   Depth to center of steel d =%.3f in.", b, d);
  const bool withDepth = h > d;
  if (withDepth) appendf(r, "\r\n Depth of the concrete section, depth =%.3f in.", h);

  const double AsMax = rhoMax() * b * d;
  const double Mmax = momentCapacity(AsMax);
  appendf(r,
          "\r\n\r\n ACI 318-99 10.3.3, ensure ductile behavior -- 0.75*(rho)balance =%.4f\r\n\t at that level, the "
          "moment would be =%.0f kip-ft,",
          finite(rhoMax()), finite(phi * Mmax));

  const double rhoMin = minimumRatio();
  const double AsMin = rhoMin * b * d;
  const double Mmin = momentCapacity(AsMin);
  appendf(r,
          "\r\n ACI 318-99 10.5.1, minimum tensile reinforcement -- (rho)min =%.4f\r\n\t the larger of 3*sqrt(F'c)/Fy  "
          "or 200.0/Fy moment using min. reinforcement =%.0f kip-ft",
          finite(rhoMin), finite(phi * Mmin));

  // The capacity is always that of the steel the report works on: the area given, or the area found
  // (which the design already raised to the minimum).
  const double Mfinal = momentCapacity(AsGiven);
  appendf(r,
          "\r\n\r\n Whitney's compression block \"a\" =%8.3f in. deep,  rho = %.4f\r\n <<< Area of Steel =%.3f in^2   "
          "AND   Moment Capacity = phi* (M)n =%.2f kip-ft >>>\r\n",
          finite(blockDepth(AsGiven)), finite(AsGiven / (b * d)), finite(AsGiven), finite(phi * Mfinal));
  if (designForMoment) {
    // The area was found for the typed moment: the capacity meets it by construction (to the 0.001 in.
    // tolerance of the block-depth iteration).
    const double Mu = finite(Ma);
    result_.check(phi * Mfinal > 0 ? Mu / (phi * Mfinal) : 0.0, true, "flexure, ACI 9.1.1");
  }
  r += result_.ratioLine(AsGiven, AsMax, "As", "As,max = 0.75*(rho)balance*b*d", "in^2", "ductility, ACI 10.3.3");
  r += result_.minimumLine(AsGiven, AsMin, "As", "As,min = max(3*sqrt(f'c), 200)*b*d/fy", "in^2",
                           "flexure, ACI 10.5.1 minimum steel");
  if (AsGiven < AsMin)
    r += "\r\n   ACI 10.5.3: the minimum of 10.5.1 need not apply where the steel provided is at least one-third\r\n"
         "   greater than required by analysis; that exception is not checked here.";
  r += "\r\n";

  const double phiVc = 1.7 * std::sqrt(fc * 1000) / 1000 * b * d;
  appendf(r, "\r\n  Shear strength provided by concrete alone:\r\n   ACI Eq. (11-3)  phi*Vc = 0.85*2*sqrt(f'c)*bw*d = %.2f kip.",
          finite(phiVc));

  if (withDepth) {
    // A section given no steel has no cracked inertia of its own: it cracks as the minimum steel.
    const double crackedAs = AsGiven > 0 ? AsGiven : AsMin;
    const double nAs = n * crackedAs;
    const double kd = (std::sqrt(2 * b * d / nAs + 1) - 1) * nAs / b;
    const double Icr = b * kd * kd * kd / 3 + nAs * (d - kd) * (d - kd);
    const double fr = 7.5 * std::sqrt(fc * 1000) / 1000;
    const double yt = h / 2;
    const double Mcr = fr * Ig / yt / 12;
    appendf(r,
            "\r\n\r\n\t Serviceability:\r\n Ig = %.1f in^4,    n= %d,    Icr= %.1f in^4,    neutral axis(y_bar)= %.3f "
            "in\r\n ACI Eq. (9-9) modulus of rupture for concrete fr= 7.5*sqrt(f'c) = %.3f ksi.\r\n ACI Eq. (9-8) Mcr "
            "= fr*Ig/yt = %.2f kip-ft",
            finite(Ig), n, finite(Icr), finite(kd), finite(fr), finite(Mcr));
    for (int i = 10; i >= 1; --i) {
      const double MaI = i * Mmax / 10;
      appendf(r, "\r\n\t while the service moment Ma= %10.2lf kip-ft,    Ie = %.1lf in^4", finite(MaI),
              finite(effectiveInertia(Mcr, MaI, Ig, Icr)));
    }
    appendf(r, "\r\n\t while the service moment Ma= %10.2lf kip-ft,    Ie = %.1lf in^4", 0.0, Ig);
    // The moment typed in this direction is the factored design moment, not a service moment.
    if (Ma > 0)
      appendf(r,
              "\r\n\t while the factored moment Mu= %.2lf kip-ft,    Ie = %.2lf in^4\r\n\t Mu = the factored design "
              "moment typed; deflections need the service (unfactored) moment Ma: read its Ie in the table above.",
              Ma, finite(effectiveInertia(Mcr, Ma, Ig, Icr)));
  }
  r += "\r\n";
  r += result_.summaryLine();
  return r;
}

}  // namespace vd

#pragma once
// An independent reference for the beam analyses, built from textbook results only:
// - statics for shear and moment (the reactions are the shear's jumps at the supports);
// - the textbook deflections of a single concentrated load: simple span ("concentrated load at any
//   point"), beam overhanging a support ("concentrated load at end of overhang", the span between
//   the supports carrying the overhang's moment and the overhang beyond the load staying straight),
//   and cantilever ("concentrated load at any point");
// - distributed loads as the integral of the concentrated-load response over the load, by
//   Gauss-Legendre quadrature on pieces where the response is a polynomial (exact to rounding);
// - a moment load as the limit of a couple: M0 times the derivative of the concentrated-load response
//   with respect to the load's position, by a fourth-order difference (exact for these cubics).
//
// Units are kip and ft throughout; slope and deflection are EI times the value (kip-ft^2, kip-ft^3),
// deflection positive upward.
#include <algorithm>
#include <cmath>
#include <vector>

namespace beamref {

struct Response {
  double V = 0, M = 0, slope = 0, defl = 0;
  Response& operator+=(const Response& o) {
    V += o.V;
    M += o.M;
    slope += o.slope;
    defl += o.defl;
    return *this;
  }
  Response operator*(double k) const { return {V * k, M * k, slope * k, defl * k}; }
};

// Supports: two simple supports at xA < xB, or a cantilever fixed at L and free at 0.
struct Beam {
  double L;
  double xA, xB;
  bool cantilever = false;

  static Beam twoSupports(double L, double xA, double xB) { return {L, xA, xB, false}; }
  static Beam fixedRight(double L) { return {L, 0, L, true}; }
};

// The response at x to a unit downward force at xi.
inline Response unitForce(const Beam& b, double x, double xi) {
  Response r;
  if (b.cantilever) {
    r.V = x >= xi ? -1.0 : 0.0;
    r.M = x > xi ? -(x - xi) : 0.0;
    const double xp = b.L - x, xip = b.L - xi;  // distances from the fixed end
    double down, downSlope;                     // downward EI deflection and its derivative in x
    if (xp <= xip) {
      down = xp * xp * (3 * xip - xp) / 6;
      downSlope = -(2 * xip * xp - xp * xp) / 2;
    } else {
      down = xip * xip * (3 * xp - xip) / 6;
      downSlope = -xip * xip / 2;
    }
    r.defl = -down;
    r.slope = -downSlope;
    return r;
  }
  const double l = b.xB - b.xA;
  const double RB = (xi - b.xA) / l, RA = 1.0 - RB;
  // The shear at a station is that of the forces at or left of it, except a reaction at the beam's
  // very end: the shear there is the one just left of the end.
  r.V = (x >= b.xA ? RA : 0.0) + (x >= b.xB && b.xB < b.L ? RB : 0.0) - (x >= xi ? 1.0 : 0.0);
  r.M = RA * std::max(0.0, x - b.xA) + RB * std::max(0.0, x - b.xB) - std::max(0.0, x - xi);

  double down = 0, downSlope = 0;
  auto leftOverhangLoad = [&](double x, double xi, double& dn, double& ds) {
    // load at c = xA - xi on the left overhang
    const double c = b.xA - xi;
    if (x >= b.xA && x <= b.xB) {
      const double w = b.xB - x;
      dn = -c * w * (l * l - w * w) / (6 * l);
      ds = c * (l * l - 3 * w * w) / (6 * l);
    } else if (x > b.xB) {
      dn = c * l * (x - b.xB) / 6;
      ds = c * l / 6;
    } else if (x >= xi) {
      const double x1 = b.xA - x;
      dn = x1 * (2 * c * l + 3 * c * x1 - x1 * x1) / 6;
      ds = -(2 * c * l + 6 * c * x1 - 3 * x1 * x1) / 6;
    } else {
      const double tip = c * c * (l + c) / 3, tipSlope = -(2 * c * l + 3 * c * c) / 6;
      dn = tip + tipSlope * (x - xi);
      ds = tipSlope;
    }
  };
  if (xi >= b.xA && xi <= b.xB) {
    const double a = xi - b.xA, bb = b.xB - xi;
    if (x < b.xA) {
      const double thetaA = bb * (l * l - bb * bb) / (6 * l);
      down = thetaA * (x - b.xA);
      downSlope = thetaA;
    } else if (x <= xi) {
      const double u = x - b.xA;
      down = bb * u * (l * l - bb * bb - u * u) / (6 * l);
      downSlope = bb * (l * l - bb * bb - 3 * u * u) / (6 * l);
    } else if (x <= b.xB) {
      const double v = b.xB - x;
      down = a * v * (l * l - a * a - v * v) / (6 * l);
      downSlope = -a * (l * l - a * a - 3 * v * v) / (6 * l);
    } else {
      const double thetaB = -a * (l * l - a * a) / (6 * l);
      down = thetaB * (x - b.xB);
      downSlope = thetaB;
    }
  } else if (xi < b.xA) {
    leftOverhangLoad(x, xi, down, downSlope);
  } else {
    // A load on the right overhang is the mirror image of one on the left overhang.
    const double mirror = b.xA + b.xB;
    leftOverhangLoad(mirror - x, mirror - xi, down, downSlope);
    downSlope = -downSlope;
  }
  r.defl = -down;
  r.slope = -downSlope;
  return r;
}

// The response to a force distribution w(xi) over [p1, p2].
template <class Intensity>
Response distributed(const Beam& b, double x, double p1, double p2, Intensity w) {
  Response r;
  if (!(p2 > p1)) return r;
  std::vector<double> cuts = {p1, p2};
  for (double c : {x, b.xA, b.xB})
    if (c > p1 && c < p2) cuts.push_back(c);
  std::sort(cuts.begin(), cuts.end());
  // Four-point Gauss-Legendre: exact for polynomials up to degree 7.
  static const double node[4] = {-0.8611363115940526, -0.3399810435848563, 0.3399810435848563, 0.8611363115940526};
  static const double weight[4] = {0.3478548451374538, 0.6521451548625461, 0.6521451548625461, 0.3478548451374538};
  for (std::size_t i = 0; i + 1 < cuts.size(); ++i) {
    const double lo = cuts[i], hi = cuts[i + 1], half = (hi - lo) / 2, mid = (hi + lo) / 2;
    for (int k = 0; k < 4; ++k) {
      const double xi = mid + half * node[k];
      r += unitForce(b, x, xi) * (w(xi) * weight[k] * half);
    }
  }
  return r;
}

// A clockwise moment load m0 at xi (it raises the bending moment by m0 right of xi). xi must be at
// least 0.02 ft from x and from the supports.
inline Response moment(const Beam& b, double x, double xi, double m0) {
  const double h = 0.004;
  Response r = unitForce(b, x, xi - 2 * h) * (1.0 / (12 * h));
  r += unitForce(b, x, xi - h) * (-8.0 / (12 * h));
  r += unitForce(b, x, xi + h) * (8.0 / (12 * h));
  r += unitForce(b, x, xi + 2 * h) * (-1.0 / (12 * h));
  return r * m0;
}

inline Response point(const Beam& b, double x, double xi, double P) { return unitForce(b, x, xi) * P; }

inline Response uniform(const Beam& b, double x, double p1, double p2, double w) {
  return distributed(b, x, p1, p2, [w](double) { return w; });
}

// Triangular loads by their apex intensity.
inline Response ascending(const Beam& b, double x, double p1, double p2, double apex) {
  return distributed(b, x, p1, p2, [=](double xi) { return apex * (xi - p1) / (p2 - p1); });
}
inline Response descending(const Beam& b, double x, double p1, double p2, double apex) {
  return distributed(b, x, p1, p2, [=](double xi) { return apex * (p2 - xi) / (p2 - p1); });
}

}  // namespace beamref

#include "concrete/tied_column.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "concrete/concrete_beam.h"
#include "platform/text_format.h"

namespace vd {

// There is no -0.75 step: the walk goes from -0.625 straight to -0.875.
const std::array<double, kStrainStepCount> strainSteps = {
    1.0,  0.75,  0.5,  0.375, 0.25,   0.125,  0.0,  -0.125, -0.25, -0.375, -0.5,   -0.625, -0.875,
    -1.0, -1.2,  -1.4, -1.6,  -1.8,   -2.0,   -2.2, -2.4,   -2.6,  -2.8,   -3.0,   -3.333, -3.667,
    -4.0, -4.333, -4.667, -5.0, -5.5, -6.0,   -7.0, -7.5,   -8.0,  -10.0,  -13.0};

double phiForNetTensileStrain(double et) { return std::clamp(0.65 + 0.25 * (et - 0.002) / 0.003, 0.65, 0.90); }

TiedColumn::TiedColumn(double fc_, double fy_, double b_, double h_, BarRows& rows_, PhiEdition edition_)
    : fc(fc_), fy(fy_), b(b_), h(h_), rows(&rows_), edition(edition_) {
  epsY = fy / 29000;
  while (rowCount < kMaxBarRows && rows_[rowCount].area != 0.0) As += rows_[rowCount++].area;
  beta1 = beta1ForFc(fc);
  Pt = -fy * As;
  setWidth(b_);
}

void TiedColumn::setWidth(double width) {
  b = width;
  phi = compressionPhi();
  Ag = b * h;
  P0 = 0.85 * fc * (Ag - As) + fy * As;
  PnMax = 0.8 * P0;
}

InteractionPoint TiedColumn::strainState(double v) {
  BarRows& r = *rows;
  c = r[0].dist * 0.003 / (0.003 - v * epsY);
  a = beta1 * c;
  Pn = 0.0;
  for (int i = 0; i < rowCount; ++i) {
    BarRow& row = r[i];
    const double ratio = std::clamp(-(row.dist - c) / c * 0.003 / epsY, -1.0, 1.0);
    // Bars inside the block displace concrete that the block already counts.
    row.force = row.dist <= a ? row.area * (ratio * epsY * 29000 - 0.85 * fc) : row.area * ratio * fy;
    row.stressRatio = ratio;
    Pn += row.force;
  }
  if (a >= h) a = h;
  Cc = 0.85 * fc * a * b;
  Pn += Cc;
  Mn = (h / 2 - a / 2) * Cc;
  for (int i = 0; i < rowCount; ++i) Mn += (h / 2 - r[i].dist) * r[i].force;
  if (v == -1.0) {
    Pb = Pn;
    Mb = Mn;
    phiThreshold = std::min(0.1 * fc * Ag / 0.7, Pb);
  }
  if (edition == PhiEdition::Aci318_02)
    phi = phiBetween(v, Pn);
  else if (v < -1.0 && Pn < phiThreshold)
    phi = phiBetween(v, Pn);
  return {Mn, Pn, phi};
}

double TiedColumn::phiBetween(double v, double P) const {
  // The deepest row is the extreme tension steel; its strain is v * epsY, tension negative.
  if (edition == PhiEdition::Aci318_02) return phiForNetTensileStrain(std::max(0.0, -v * epsY));
  // 318-99 9.3.2.2 interpolates on phi*Pn, not Pn: phi = 0.9 - 0.2*phi*Pn/T with T = min(0.1 f'c Ag, 0.7 Pb),
  // solved for phi. phiThreshold is T/0.7, the Pn at which phi*Pn = T. A balance point in tension
  // leaves no range to grow over: tension states take 0.9.
  if (P <= 0 || phiThreshold <= 0) return 0.9;
  if (P >= phiThreshold) return 0.7;
  return std::min(0.9, 0.9 / (1 + 0.2 * P / (0.7 * phiThreshold)));
}

std::array<InteractionPoint, kStrainStepCount> TiedColumn::nominalStates() {
  std::array<InteractionPoint, kStrainStepCount> states;
  for (int i = 0; i < kStrainStepCount; ++i) states[i] = strainState(strainSteps[i]);
  return states;
}

namespace {

constexpr const char* kCaption = "Vardelin";

// Stops the calculation: the box, and the same text closing the report.
void stop(Messenger& ui, TiedColumnResult& res, const std::string& text) {
  ui.message(kCaption, text, MessageIcon::Exclamation);
  res.report += "\r\n " + text;
}


}  // namespace

TiedColumnResult calculateTiedColumn(const TiedColumnInputs& in, Messenger& ui) {
  TiedColumnResult res;
  BarRows rows = in.rows;
  for (BarRow& r : rows) r.force = r.stressRatio = 0.0;
  TiedColumn col(in.fc, in.fy, in.b, in.h, rows, in.edition);

  appendf(res.file, "\n number of rows= %d\n", col.rowCount);
  for (int i = 0; i < col.rowCount; ++i) appendf(res.file, "\n area= %.3lf in^2, dist =%.2lf", rows[i].area, rows[i].dist);

  for (int i = 0; i < col.rowCount; ++i)
    if (rows[i].area < 0) {
      stop(ui, res, "Input area (As)i can't be negative.\r\nRetry again.");
      return res;
    }
  for (int i = 1; i < col.rowCount; ++i)
    if (rows[i].area != 0 && rows[i].dist > rows[i - 1].dist) {
      stop(ui, res, "Input distance (d)i needs to be in descending order.\r\nRetry again.");
      return res;
    }

  std::string& r = res.report;
  appendf(r,
          "\r\n CONCRETE TIE COLUMNS -- DESIGN FOR PURE COMPRESSION\r\n f'c =%.2lf ksi  Fy =%.2lf ksi.  width =%.2lf in  "
          " depth =%.2lf in\r\n Clear column height = %.2lf ft.\r\n Vertical bar size = %2d   tie size = %2d\r\n (P)u "
          "=%.2lf kip,   (M)u =%.2lf k-ft\r\n Ec =%.0lf ksi  eu =0.003 in/in   Es =29000.0 ksi\r\n Block stress "
          "profile, Beta1 =%.3lf",
          in.fc, in.fy, in.b, in.h, in.clearHeight, in.barSize, in.tieSize, in.P, in.M,
          57 * std::sqrt(std::max(in.fc, 0.0) * 1000), col.beta1);
  r += in.edition == PhiEdition::Aci318_02
           ? "\r\n Strength reduction factor phi by ACI 318-02 9.3.2.2: 0.65 where the net tensile strain et <= "
             "0.002,\r\n linear to 0.90 at et >= 0.005; for loads factored by ACI 318-02 9.2 (1.2D + 1.6L)."
           : "\r\n Strength reduction factor phi by ACI 318-99 9.3.2.2: 0.70, increased linearly to 0.90 as phi*Pn "
             "falls\r\n from the smaller of 0.10*f'c*Ag and phi*Pb to zero; for loads factored by ACI 318-99 9.2 (1.4D + "
             "1.7L).";
  appendf(r, "\r\n number of rows of steel reinforcements= %d", col.rowCount);
  for (int i = 0; i < col.rowCount; ++i) {
    appendf(r, "\r\n  row(%d)  area= %5.3lf in^2  & dist= %6.3lf in", i, rows[i].area, rows[i].dist);
    // A bar at or above the compression face is outside the column as surely as one below the cover.
    if (rows[i].dist > in.h - 0.75 || rows[i].dist <= 0) {
      stop(ui, res, "Can't have bar located outside the column.\r\n STOPPED!");
      return res;
    }
  }
  if (!(in.fc > 0)) return stop(ui, res, "Can't handle f'c = 0.0"), res;
  if (!(in.fy > 0)) return stop(ui, res, "Can't handle Fy = 0.0"), res;
  if (!(in.b > 0)) return stop(ui, res, "Can't handle width = 0.0"), res;
  if (!(in.h > 0)) return stop(ui, res, "Can't handle depth = 0.0"), res;

  // ACI 10.9.1: 1% to 8% of the gross area. 10.8.4 lets a column larger than required use a reduced
  // effective area of at least half the gross, which is what narrowing the width does: 0.5% at the least.
  DesignResult& result = res.result;
  const char* ratioCheck = "reinforcement ratio, ACI 10.9.1";
  const double rho = col.As / col.Ag;
  bool revise = false;
  if (rho > 0.005 && rho < 0.01)
    revise = ui.askYesNo(kCaption,
                         "ACI 10.9.1 limits the lowest reinforcement ratio to 1%; ACI 10.8.4 allows a reduced\r\n"
                         "effective area for a column larger than required.  Revise column width to meet it?");
  auto stopOnRatio = [&](double ratio) {
    result.check(ratio, false, ratioCheck);
    r += "\r\n" + result.summaryLine();
  };
  if (rho < 0.005) {
    const char* text = "ACI 10.9.1 limits the lowest reinforcement ratio to 1% (0.5% with the reduced effective area "
                       "of ACI 10.8.4).";
    // A failed code check: the report carries it with its NO GOOD; the box only tells.
    ui.message(kCaption, text, MessageIcon::Information);
    r += std::string("\r\n ") + text;
    stopOnRatio(rho > 0 ? 0.01 / rho : 1.0e9);
    return res;
  }
  if (rho > 0.08) {
    const char* text = "ACI 10.9.1 limits the highest reinforcement ratio to 8%.";
    // A failed code check: the report carries it with its NO GOOD; the box only tells.
    ui.message(kCaption, text, MessageIcon::Information);
    r += std::string("\r\n ") + text;
    r += "\r\n ACI Commentary R10.9.1 The percentage of reinforcement should usually\r\n not exceed 4% if the column "
         "bars are required to be lap spliced.";
    stopOnRatio(rho / 0.08);
    return res;
  }
  if (rho < 0.01 && !revise) {
    const char* text = "ACI 10.9.1 limits the lowest reinforcement ratio to 1%.";
    r += std::string("\r\n ") + text;
    stopOnRatio(0.01 / rho);
    return res;
  }
  if (revise) {
    col.setWidth(rho / 0.01 * col.b);
    appendf(r, "\r\n\r\n Column width reduced to accommodate the low V-bar ratio w =%.2lf in", col.b);
  }
  // The upper limit as a ratio; the lower one is met here (exactly, after a revision).
  result.check(col.As / col.Ag / 0.08, true, ratioCheck);

  std::array<InteractionPoint, kStrainStepCount> states = col.nominalStates();
  const double Ixx = col.b * col.h * col.h * col.h / 12, Iyy = col.h * col.b * col.b * col.b / 12;
  bool finite = std::isfinite(Ixx) && std::isfinite(Iyy) && std::isfinite(col.P0);
  for (const InteractionPoint& p : states) finite = finite && std::isfinite(p.M) && std::isfinite(p.P);
  if (!finite) {
    res.result = DesignResult{};
    return stop(ui, res, "The input values are too large to calculate."), res;
  }

  appendf(r,
          "\r\n Ag=%.2lf in^2,    As= %.2lf in^2,   Ixx =%.1lf in^4,    Iyy =%.1lf in^4\r\n (A_st) / (A_g) = "
          "%.2lf/%.2lf = %.3lf%%\r\n",
          col.Ag, col.As, Ixx, Iyy, col.As, col.Ag, 100 * col.As / col.Ag);

  // High limit: states above 0.8*P0 are held just below it, and the curve meets the cap where the walk
  // first drops below it. The phi of a crossing is that of the strain between the two states.
  std::optional<double> mHigh, mZero;
  double phiHigh = col.compressionPhi(), phiZero = 0.9;
  for (int i = 0; i < kStrainStepCount && states[i].P > col.PnMax; ++i) {
    const double before = states[i].P;
    states[i].P = col.PnMax - 0.001;
    if (i + 1 < kStrainStepCount && states[i + 1].P <= col.PnMax) {
      const double f = (col.PnMax - before) / (states[i + 1].P - before);
      mHigh = states[i].M + (states[i + 1].M - states[i].M) * f;
      phiHigh = col.phiBetween(strainSteps[i] + (strainSteps[i + 1] - strainSteps[i]) * f, col.PnMax);
      break;
    }
  }
  for (int i = 0; i < kStrainStepCount && states[i].P > 0; ++i)
    if (i + 1 < kStrainStepCount && states[i + 1].P <= 0) {
      const double f = (0.0 - states[i].P) / (states[i + 1].P - states[i].P);
      mZero = states[i].M + (states[i + 1].M - states[i].M) * f;
      phiZero = col.phiBetween(strainSteps[i] + (strainSteps[i + 1] - strainSteps[i]) * f, 0.0);
      break;
    }
  if (!mHigh) r += "\r\n The strain states do not cross 0.8*P0: no high limit point on the curve.";
  if (!mZero) r += "\r\n The strain states do not cross P = 0: no zero point on the curve.";

  // Under 318-99 the balance state itself keeps 0.70 (phi grows only beyond it), as its line in the list shows.
  const double phiTop = col.compressionPhi();
  const double phiBalance = in.edition == PhiEdition::Aci318_02 ? col.phiBetween(-1.0, col.Pb) : 0.7;
  std::vector<InteractionPoint> points(states.begin(), states.end());
  points.push_back({0.0, col.PnMax, phiTop});
  points.push_back({0.0, col.Pt, 0.9});
  if (mHigh) points.push_back({*mHigh, col.PnMax - 0.002, phiHigh});
  if (mZero) points.push_back({*mZero, 0.0, phiZero});
  std::stable_sort(points.begin(), points.end(),
                   [](const InteractionPoint& x, const InteractionPoint& y) { return x.P > y.P; });

  InteractionDiagram& dia = res.diagram;
  if (mHigh) dia.highLimit = DiagramPoint{phiHigh * *mHigh, phiHigh * (col.PnMax - 0.002)};
  dia.balance = {phiBalance * col.Mb, phiBalance * col.Pb};
  if (mZero) dia.zero = DiagramPoint{phiZero * *mZero, 0.0};
  dia.tension = {0.0, 0.9 * col.Pt};

  res.file += "\n\n";
  for (const InteractionPoint& p : points) {
    appendf(res.file, "  Mom= %8.3lf kip-ft  phi= %5.3lf  P= %8.3lf   phi*P= %.3lf kip\n", p.phi * p.M / 12, p.phi, p.P,
            p.phi * p.P);
    appendf(r, "\r\n  Mom= %.3lf kip-ft,  P= %.3lf,   phi= %.3lf   P*phi= %.3lf kip", p.phi * p.M / 12, p.P, p.phi,
            p.phi * p.P);
    dia.points.push_back({p.phi * p.M, p.phi * p.P, p.phi});
  }
  dia.complete = true;

  // The factored load against the design curve. The bar depths are measured from the face the moment
  // compresses, so the moment's sign only says which face that is.
  const double Mu = std::fabs(in.M), Pu = in.P;
  const double cap = phiTop * col.PnMax;
  appendf(r, "\r\n\r\n Factored load (P)u =%.2lf kip, (M)u =%.2lf k-ft against the design interaction diagram:", Pu, Mu);
  appendf(r, "\r\n ACI Eq. (10-2): phi*Pn,max = 0.80*phi*P0 = 0.80*%.2f*%.2lf = %.2lf kip", phiTop, col.P0, cap);
  r += result.ratioLine(Pu, cap, "(P)u", "0.80*phi*P0", "kip", "axial, Eq. (10-2)");
  const char* diagramCheck = "axial and bending, interaction diagram";
  if (Mu == 0.0 && Pu == 0.0) {
    r += "\r\n No factored load given: nothing to place on the diagram.";
    result.check(0.0, true, diagramCheck);
  } else {
    const double t = rayToCurve(dia.points, 12 * Mu, Pu);
    if (!std::isfinite(t)) {
      r += "\r\n NO GOOD!  The ray from the origin through ((M)u, (P)u) does not meet the design curve.";
      result.check(1.0e9, false, diagramCheck);
    } else {
      appendf(r,
              "\r\n Along the ray from the origin through ((M)u, (P)u) the design curve is reached at\r\n phi*Mn =%.2lf "
              "k-ft, phi*Pn =%.2lf kip  (ratio %.3f)",
              t * Mu, t * Pu, 1 / t);
      r += Mu > 0 ? result.ratioLine(Mu, t * Mu, "(M)u", "phi*Mn", "k-ft", diagramCheck)
                  : result.ratioLine(std::fabs(Pu), t * std::fabs(Pu), "(P)u", "phi*Pn", "kip", diagramCheck);
    }
  }

  // Slenderness, ACI 10.12.2 (braced) and 10.13.2 (sway) with r = 0.3 h (10.11.2). Moment magnification is
  // not computed, so a column that needs it cannot pass.
  const char* slenderCheck = in.sway ? "slenderness, ACI 10.13.2" : "slenderness, ACI 10.12.2";
  const double lu = 12 * in.clearHeight, radius = 0.3 * col.h;
  if (!(in.clearHeight > 0)) {
    r += "\r\n\r\n NO GOOD!  Slenderness not checked: no clear height given.";
    result.check(1.0e9, false, slenderCheck);
  } else if (in.sway && !(in.k > 0)) {
    r += "\r\n\r\n NO GOOD!  Slenderness not checked: a column not braced against sidesway needs its k (ACI 10.13.1).";
    result.check(1.0e9, false, slenderCheck);
  } else {
    double k = in.k;
    if (!(k > 0)) {
      k = 1.0;
      r += "\r\n\r\n No k given: k = 1.0 for a column braced against sidesway (ACI 10.12.1).";
    } else {
      r += "\r\n";
    }
    const double slender = k * lu / radius;
    double limit = 22.0;
    if (in.sway) {
      appendf(r, "\r\n Slenderness, not braced against sidesway (ACI 10.13.2): k*lu/r = %.2f*%.2f/(0.3*%.2f)", k, lu,
              col.h);
      r += result.ratioLine(slender, limit, "k*lu/r", "22", "", slenderCheck);
    } else {
      // M1/M2: the smaller end moment over the larger, positive in single curvature; with no end moments
      // the uniform-moment case (1.0), which gives the lowest limit.
      const double m1 = std::fabs(in.M1), m2 = std::fabs(in.M2);
      double ratio = 1.0;
      if (std::max(m1, m2) > 0) ratio = std::min(m1, m2) / std::max(m1, m2) * (in.M1 * in.M2 < 0 ? -1.0 : 1.0);
      limit = std::min(34 - 12 * ratio, 40.0);
      appendf(r,
              "\r\n Slenderness, braced against sidesway (ACI 10.12.2): k*lu/r = %.2f*%.2f/(0.3*%.2f),  M1/M2 = %.3f",
              k, lu, col.h, ratio);
      r += result.ratioLine(slender, limit, "k*lu/r", "34 - 12*M1/M2 (at most 40)", "", slenderCheck);
    }
    if (slender < limit)
      r += "\r\n Slenderness effects may be neglected.";
    else
      r += in.sway ? "\r\n Slenderness may not be neglected: the sway moments must be magnified (ACI 10.13.3);\r\n this "
                     "calculation does not magnify them, and the check above uses the unmagnified (M)u."
                   : "\r\n Slenderness may not be neglected: the moment must be magnified (ACI 10.12.3);\r\n this "
                     "calculation does not magnify it, and the check above uses the unmagnified (M)u.";
  }
  r += "\r\n" + result.summaryLine();
  return res;
}

double rayToCurve(const std::vector<InteractionPoint>& curve, double M, double P) {
  double best = std::numeric_limits<double>::infinity();
  for (std::size_t i = 0; i + 1 < curve.size(); ++i) {
    const double ax = curve[i].M, ay = curve[i].P;
    const double dx = curve[i + 1].M - ax, dy = curve[i + 1].P - ay;
    // t*(M, P) = A + s*(B - A)
    const double det = dx * P - M * dy;
    if (det == 0.0) continue;
    const double t = (dx * ay - ax * dy) / det;
    const double s = (M * ay - P * ax) / det;
    if (t > 0 && s >= -1e-12 && s <= 1 + 1e-12) best = std::min(best, t);
  }
  return best;
}

DiagramScale diagramScale(const InteractionDiagram& d) {
  DiagramScale s;
  for (const InteractionPoint& p : d.points) {
    s.Mmax = std::max(s.Mmax, std::trunc(p.M));
    s.Pmax = std::max(s.Pmax, std::trunc(p.P));
    s.Pmin = std::min(s.Pmin, std::trunc(p.P));
  }
  return s;
}

}  // namespace vd

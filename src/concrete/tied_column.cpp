#include "concrete/tied_column.h"

#include <algorithm>
#include <cmath>

#include "concrete/concrete_beam.h"
#include "platform/text_format.h"

namespace vd {

// There is no -0.75 step: the walk goes from -0.625 straight to -0.875.
const std::array<double, kStrainStepCount> strainSteps = {
    1.0,  0.75,  0.5,  0.375, 0.25,   0.125,  0.0,  -0.125, -0.25, -0.375, -0.5,   -0.625, -0.875,
    -1.0, -1.2,  -1.4, -1.6,  -1.8,   -2.0,   -2.2, -2.4,   -2.6,  -2.8,   -3.0,   -3.333, -3.667,
    -4.0, -4.333, -4.667, -5.0, -5.5, -6.0,   -7.0, -7.5,   -8.0,  -10.0,  -13.0};

TiedColumn::TiedColumn(double fc_, double fy_, double b_, double h_, BarRows& rows_)
    : fc(fc_), fy(fy_), b(b_), h(h_), rows(&rows_) {
  epsY = fy / 29000;
  while (rowCount < kMaxBarRows && rows_[rowCount].area != 0.0) As += rows_[rowCount++].area;
  beta1 = beta1ForFc(fc);
  Pt = -fy * As;
  setWidth(b_);
}

void TiedColumn::setWidth(double width) {
  b = width;
  phi = 0.7;
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
  if (v < -1.0 && Pn < phiThreshold) {
    // A balance point in tension leaves no range to grow over: tension states take 0.9.
    phi = phiThreshold > 0 ? std::min(0.9, 0.9 - 0.2 * Pn / phiThreshold) : 0.9;
  }
  return {Mn, Pn, phi};
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

double interpolate(double P1, double M1, double P2, double M2, double P) { return M1 + (M2 - M1) * (P - P1) / (P2 - P1); }

}  // namespace

TiedColumnResult calculateTiedColumn(const TiedColumnInputs& in, Messenger& ui) {
  TiedColumnResult res;
  BarRows rows = in.rows;
  for (BarRow& r : rows) r.force = r.stressRatio = 0.0;
  TiedColumn col(in.fc, in.fy, in.b, in.h, rows);

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
          "profile, Beta1 =%.2lf",
          in.fc, in.fy, in.b, in.h, in.clearHeight, in.barSize, in.tieSize, in.P, in.M,
          57 * std::sqrt(std::max(in.fc, 0.0) * 1000), col.beta1);
  appendf(r, "\r\n number of rows of steel reinforcements= %d", col.rowCount);
  for (int i = 0; i < col.rowCount; ++i) {
    appendf(r, "\r\n  row(%d)  area= %5.3lf in^2  & dist= %6.3lf in", i, rows[i].area, rows[i].dist);
    // A bar at or above the compression face is outside the column as surely as one below the cover.
    if (rows[i].dist > in.h - 0.75 || rows[i].dist <= 0) {
      stop(ui, res, "Can't have bar located outside the column.\r\n STOPED!");
      return res;
    }
  }
  if (!(in.fc > 0)) return stop(ui, res, "Can't handle f'c = 0.0"), res;
  if (!(in.fy > 0)) return stop(ui, res, "Can't handle Fy = 0.0"), res;
  if (!(in.b > 0)) return stop(ui, res, "Can't handle width = 0.0"), res;
  if (!(in.h > 0)) return stop(ui, res, "Can't handle depth = 0.0"), res;

  const double rho = col.As / col.Ag;
  bool revise = false;
  if (rho > 0.005 && rho < 0.01)
    revise = ui.askYesNo(kCaption,
                         "2002 ACI 10.9.1 limits the lowest reinfoecement ratio to 1% in the\r\nhigh seismic regions.  "
                         "Revise beam width to meet it?");
  if (rho < 0.005) {
    ui.message(kCaption, "95 ACI 10.9.1 limits the lowest reinfoecement ratio to 0.5%.", MessageIcon::Exclamation);
    r += "\r\n 95 ACI 10.9.1 limits the lowest reinfoecement ratio to 0.5%.";
    return res;
  }
  if (rho > 0.08) {
    ui.message(kCaption, "95 ACI 10.9.1 limits the highest reinfoecement ratio within 8%.", MessageIcon::Exclamation);
    r += "\r\n 95 ACI 10.9.1 limits the highest reinfoecement ratio within 8%.";
    r += "\r\n 95 ACI Commentary R10.9.1 The percentage of reinforcement should usually\r\n not exceed 4% if the column "
         "bars are required to be lap spliced.";
    return res;
  }
  if (rho < 0.01 && !revise) {
    r += "\r\n 95 ACI 10.9.1 limits the lowest reinfoecement ratio above 1%.";
    return res;
  }
  if (revise) {
    col.setWidth(rho / 0.01 * col.b);
    appendf(r, "\r\n\r\n Column width reduced to accommodate the low V-bar ratio w =%.2lf in", col.b);
  }

  std::array<InteractionPoint, kStrainStepCount> states = col.nominalStates();
  const double Ixx = col.b * col.h * col.h * col.h / 12, Iyy = col.h * col.b * col.b * col.b / 12;
  bool finite = std::isfinite(Ixx) && std::isfinite(Iyy) && std::isfinite(col.P0);
  for (const InteractionPoint& p : states) finite = finite && std::isfinite(p.M) && std::isfinite(p.P);
  if (!finite) return stop(ui, res, "The input values are too large to calculate."), res;

  appendf(r,
          "\r\n Ag=%.2lf in^2,    As= %.2lf in^2,   Ixx =%.1lf in^4,    Iyy =%.1lf in^4\r\n (A_st) / (A_g) = "
          "%.2lf/%.2lf = %.3lf%%\r\n",
          col.Ag, col.As, Ixx, Iyy, col.As, col.Ag, 100 * col.As / col.Ag);

  // High limit: states above 0.8*P0 are held just below it, and the curve meets the cap where the walk
  // first drops below it.
  std::optional<double> mHigh, mZero;
  for (int i = 0; i < kStrainStepCount && states[i].P > col.PnMax; ++i) {
    const double before = states[i].P;
    states[i].P = col.PnMax - 0.001;
    if (i + 1 < kStrainStepCount && states[i + 1].P <= col.PnMax) {
      mHigh = interpolate(before, states[i].M, states[i + 1].P, states[i + 1].M, col.PnMax);
      break;
    }
  }
  for (int i = 0; i < kStrainStepCount && states[i].P > 0; ++i)
    if (i + 1 < kStrainStepCount && states[i + 1].P <= 0) {
      mZero = interpolate(states[i].P, states[i].M, states[i + 1].P, states[i + 1].M, 0.0);
      break;
    }
  if (!mHigh) r += "\r\n The strain states do not cross 0.8*P0: no high limit point on the curve.";
  if (!mZero) r += "\r\n The strain states do not cross P = 0: no zero point on the curve.";

  std::vector<InteractionPoint> points(states.begin(), states.end());
  points.push_back({0.0, col.PnMax, 0.7});
  points.push_back({0.0, col.Pt, 0.9});
  if (mHigh) points.push_back({*mHigh, col.PnMax - 0.002, 0.7});
  if (mZero) points.push_back({*mZero, 0.0, 0.9});
  std::stable_sort(points.begin(), points.end(),
                   [](const InteractionPoint& x, const InteractionPoint& y) { return x.P > y.P; });

  InteractionDiagram& dia = res.diagram;
  if (mHigh) dia.highLimit = DiagramPoint{0.7 * *mHigh, 0.7 * (col.PnMax - 0.002)};
  dia.balance = {0.7 * col.Mb, 0.7 * col.Pb};
  if (mZero) dia.zero = DiagramPoint{0.9 * *mZero, 0.0};
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
  return res;
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

#include "beam/diagram.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "platform/emf_writer.h"
#include "platform/text_format.h"

namespace vd {

namespace {

constexpr int kStations = 201;

// A report number; a value that is not finite is shown as such rather than as a wrong number.
std::string amount(double v) { return std::isfinite(v) ? format("%.2f", v) : std::string("N.A."); }

FontSpec timesFont(int height) {
  FontSpec f;
  f.height = height;
  f.face = "Times New Roman";
  return f;
}

}  // namespace

const char* diagramFile(DiagramKind kind) { return kind == DiagramKind::Shear ? "Shear.emf" : "Moment.emf"; }
const char* diagramDescription(DiagramKind kind) { return kind == DiagramKind::Shear ? "SHEAR" : "MOMENT"; }

Picture drawDiagram(DiagramKind kind, const StationTable& stations, double supportLeft, double supportRight,
                    const LastBeamResult& last) {
  using namespace diagram;
  const int column = kind == DiagramKind::Shear ? 1 : 2;
  auto value = [&](int i) { return stations[static_cast<std::size_t>(i * 5 + column)]; };
  auto position = [&](int i) { return stations[static_cast<std::size_t>(i * 5)]; };
  const char* unit = kind == DiagramKind::Shear ? "kip" : "kip-ft";

  Picture pic;
  pic.setMapMode(MapMode::LoEnglish);

  // A later station replaces the largest only when strictly larger; so for the extremes the labels name.
  double maxAbs = 0.0;
  int iMax = -1, iMin = -1;
  for (int i = 0; i < kStations; ++i) {
    const double v = value(i);
    if (!std::isfinite(v)) continue;
    if (std::fabs(v) > maxAbs) maxAbs = std::fabs(v);
    if (v > 0.0 && (iMax < 0 || v > value(iMax))) iMax = i;
    if (v < 0.0 && (iMin < 0 || v < value(iMin))) iMin = i;
  }

  // The curve. The value is divided by the largest first, so the largest value reaches the curve's
  // reach exactly; with nothing to scale (all zero) the curve lies on the axis.
  std::vector<Point> curve;
  curve.reserve(kStations + 2);
  for (int i = 0; i < kStations; ++i) {
    double ratio = maxAbs > 0.0 && std::isfinite(maxAbs) ? value(i) / maxAbs : 0.0;
    if (!std::isfinite(ratio)) ratio = 0.0;
    const int x = Margin + (W - 2 * Margin) * i / 200;
    curve.push_back({x, truncCoord(Axis + Reach * ratio)});
  }
  curve.push_back({curve.back().x, Axis});
  curve.push_back({curve.front().x, Axis});
  // Dark red outline over dark blue hatching: both read on white paper and in grey print.
  const std::uint32_t curvePen = pic.createPen(PenStyle::Solid, 2, rgb(170, 0, 0));
  const std::uint32_t hatch = pic.createHatchBrush(Hatch::Vertical, rgb(0, 0, 150));
  pic.select(curvePen);
  pic.select(hatch);
  pic.polygon(curve);

  // Supports: thin dashed grey lines across the curve, a pin at the left support and a roller at the
  // right one (as in the beam picture above the pad); a cantilever has a wall at its fixed right end
  // and nothing at its free end.
  const int xL = truncCoord(Margin + (W - 2 * Margin) * supportLeft);
  const int xR = truncCoord(W - Margin - (1.0 - supportRight) * (W - 2 * Margin));
  const std::uint32_t guidePen = pic.createPen(PenStyle::Dash, 1, rgb(96, 96, 96));
  const std::uint32_t crossHatch = pic.createHatchBrush(Hatch::DiagCross, rgb(0, 0, 0));
  if (last.cantilever) {
    pic.select(guidePen);
    pic.line(xR, Axis + 24, xR, H - Margin);
    pic.select(Stock::WhitePen);
    pic.select(crossHatch);
    pic.rectangle(xR, Axis + 24, xR + 14, Axis - 24);  // the wall behind the fixed end
    pic.select(Stock::BlackPen);
    pic.line(xR, Axis + 24, xR, Axis - 24);  // its face
  } else {
    pic.select(guidePen);
    pic.line(xL, Axis - 21, xL, H - Margin);
    pic.line(xR, Axis - 21, xR, H - Margin);
    pic.select(Stock::WhitePen);
    pic.select(crossHatch);
    for (int x : {xL, xR}) pic.rectangle(x - 16, Axis - 11, x + 16, Axis - 21);
    pic.select(Stock::BlackPen);
    pic.select(Stock::WhiteBrush);
    pic.polygon({{xL - 9, Axis - 11}, {xL, Axis - 2}, {xL + 9, Axis - 11}});  // pin
    pic.ellipse(xR - 6, Axis - 1, xR + 6, Axis - 12);                         // roller
    for (int x : {xL, xR}) pic.line(x - 16, Axis - 11, x + 16, Axis - 11);
  }

  // The span axis.
  const std::uint32_t axisPen = pic.createPen(PenStyle::Solid, 2, rgb(0, 0, 0));
  pic.select(axisPen);
  pic.line(Margin, Axis, W - Margin, Axis);
  for (int x : {Margin, W - Margin}) pic.line(x, Axis + 5, x, Axis - 5);

  // Texts in screen pixels: a point (x, y) of the drawing is (0.96 x, -0.96 y) there.
  pic.setMapMode(MapMode::ScreenPixels);
  auto px = [](int x) { return truncCoord(x * 0.96); };
  auto py = [](int y) { return truncCoord(-y * 0.96); };
  const std::uint32_t titleFont = pic.createFont(timesFont(20));
  pic.select(titleFont);
  pic.setBkMode(kBkTransparent);
  pic.setTextAlign(align::Left | align::Top);
  pic.textOut(10, -3, kind == DiagramKind::Moment ? "Moment Diagram (Vardelin)" : "Shear Diagram (Vardelin)");

  const std::uint32_t valueFont = pic.createFont(timesFont(15));
  pic.select(valueFont);
  pic.setTextAlign(align::Right | align::Top);
  if (kind == DiagramKind::Moment) {
    pic.textOut(600, -3, "+mom= " + amount(last.maxPositiveMoment) + " kip-ft, -mom= " +
                             amount(last.maxNegativeMoment) + " kip-ft");
  } else if (last.cantilever) {
    pic.textOut(600, -3,
                "R= " + amount(last.rightReaction) + " kip, M_fixed= " + amount(last.fixedEndMoment) + " kip-ft");
  } else {
    pic.textOut(600, -3,
                "R_left= " + amount(last.leftReaction) + " kip, R_right= " + amount(last.rightReaction) + " kip");
  }

  // The largest and the smallest value, each where it occurs, and the span positions of the supports,
  // on white so the hatching does not run through them.
  const std::uint32_t labelFont = pic.createFont(timesFont(14));
  pic.select(labelFont);
  pic.setBkMode(kBkOpaque);
  pic.setBkColor(rgb(255, 255, 255));
  pic.setTextColor(rgb(0, 0, 0));
  // Centred on the point, but never past the drawing's edges.
  auto centred = [&](int x) { return std::clamp(x, Margin + 150, W - Margin - 150); };
  for (int i : {iMax, iMin}) {
    if (i < 0) continue;
    const std::string text = std::string(i == iMax ? "max " : "min ") + amount(value(i)) + " " + unit + " at x = " +
                             amount(position(i)) + " ft";
    const Point at = curve[static_cast<std::size_t>(i)];
    pic.setTextAlign(align::Center | (i == iMax ? align::Bottom : align::Top));
    pic.textOut(px(centred(at.x)), py(i == iMax ? at.y + 4 : at.y - 4), text);
  }
  const double length = position(kStations - 1);
  pic.setTextAlign(align::Center | align::Top);
  auto spanLabel = [&](int x, double fraction) {
    pic.textOut(px(std::clamp(x, Margin + 30, W - Margin - 30)), py(Axis - 24),
                "x = " + amount(length * fraction) + " ft");
  };
  if (last.cantilever) {
    spanLabel(Margin, 0.0);
    spanLabel(W - Margin, 1.0);
  } else {
    if (xL > Margin + 60) spanLabel(Margin, 0.0);
    spanLabel(xL, supportLeft);
    spanLabel(xR, supportRight);
    if (xR < W - Margin - 60) spanLabel(W - Margin, 1.0);
  }
  return pic;
}

bool writeDiagram(DiagramKind kind, const AppState& state) {
  const Picture pic = drawDiagram(kind, state.stations, state.supportLeft, state.supportRight, state.lastBeam);
  return writeEmf(pic, diagramFile(kind), diagramDescription(kind));
}

}  // namespace vd

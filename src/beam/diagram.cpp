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

  Picture pic;
  pic.setMapMode(MapMode::LoEnglish);

  // A later station replaces the largest only when strictly larger.
  double maxAbs = 0.0;
  for (int i = 0; i < kStations; ++i) {
    if (std::fabs(value(i)) > maxAbs) maxAbs = std::fabs(value(i));
  }

  // The curve. The value is divided by the largest first, so the largest value reaches the margin
  // exactly; with nothing to scale (all zero) the curve lies on the axis.
  std::vector<Point> curve;
  curve.reserve(kStations + 2);
  for (int i = 0; i < kStations; ++i) {
    double ratio = maxAbs > 0.0 && std::isfinite(maxAbs) ? value(i) / maxAbs : 0.0;
    if (!std::isfinite(ratio)) ratio = 0.0;
    const int x = Margin + (W - 2 * Margin) * i / 200;
    curve.push_back({x, truncCoord(Axis + (161.0 - Margin) * ratio)});
  }
  curve.push_back({curve.back().x, Axis});
  curve.push_back({curve.front().x, Axis});
  const std::uint32_t redPen = pic.createPen(PenStyle::Solid, 1, rgb(255, 0, 0));
  const std::uint32_t hatch = pic.createHatchBrush(Hatch::Vertical, rgb(0, 0, 225));
  pic.select(redPen);
  pic.select(hatch);
  pic.polygon(curve);

  // Supports: a roller and a pin; a cantilever has a wall at its fixed right end and nothing at
  // its free end.
  const int xL = truncCoord(Margin + (W - 2 * Margin) * supportLeft);
  const int xR = truncCoord(W - Margin - (1.0 - supportRight) * (W - 2 * Margin));
  const std::uint32_t yellowPen = pic.createPen(PenStyle::Solid, 1, rgb(255, 255, 0));
  const std::uint32_t crossHatch = pic.createHatchBrush(Hatch::DiagCross, rgb(0, 0, 0));
  if (last.cantilever) {
    pic.select(yellowPen);
    pic.line(xR, Axis, xR, H - Margin);
    pic.select(Stock::WhitePen);
    pic.select(crossHatch);
    pic.rectangle(xR, Axis + 24, xR + 14, Axis - 24);  // the wall behind the fixed end
    pic.select(Stock::BlackPen);
    pic.line(xR, Axis + 24, xR, Axis - 24);  // its face
  } else {
    pic.select(yellowPen);
    pic.line(xL, Axis, xL, H - Margin);
    pic.line(xR, Axis, xR, H - Margin);
    pic.select(Stock::WhitePen);
    pic.select(crossHatch);
    for (int x : {xL, xR}) pic.rectangle(x - 16, Axis - 11, x + 16, Axis - 21);
    pic.select(Stock::BlackPen);
    pic.select(Stock::WhiteBrush);
    pic.ellipse(xL - 6, Axis - 1, xL + 6, Axis - 12);                          // roller
    pic.polygon({{xR - 9, Axis - 11}, {xR, Axis - 2}, {xR + 9, Axis - 11}});  // pin
    for (int x : {xL, xR}) pic.line(x - 16, Axis - 11, x + 16, Axis - 11);
  }

  const std::uint32_t bluePen = pic.createPen(PenStyle::Solid, 3, rgb(0, 0, 255));
  pic.select(bluePen);
  pic.line(Margin, Axis, W - Margin, Axis);

  // Texts in screen pixels.
  pic.setMapMode(MapMode::ScreenPixels);
  const std::uint32_t titleFont = pic.createFont(timesFont(20));
  pic.select(titleFont);
  pic.setBkMode(kBkTransparent);
  pic.setTextAlign(align::Left | align::Top);
  pic.textOut(10, -3, kind == DiagramKind::Moment ? "Moment Diagram (Vardelin)" : "Shear Diagram (Vardelin)");

  const std::uint32_t valueFont = pic.createFont(timesFont(15));
  pic.select(valueFont);
  pic.setTextAlign(align::Right | align::Top);
  if (kind == DiagramKind::Moment) {
    pic.textOut(600, -3, "+mom= " + amount(last.maxPositiveMoment) + " k-ft, -mom= " + amount(last.maxNegativeMoment) +
                             " k-ft");
  } else if (last.cantilever) {
    pic.textOut(600, -3, "R= " + amount(last.rightReaction) + " kip, M_fixed= " + amount(last.fixedEndMoment) + " k-ft");
  } else {
    pic.textOut(600, -3,
                "R_left= " + amount(last.leftReaction) + " kip, R_right= " + amount(last.rightReaction) + " kip");
  }
  return pic;
}

bool writeDiagram(DiagramKind kind, const AppState& state) {
  const Picture pic = drawDiagram(kind, state.stations, state.supportLeft, state.supportRight, state.lastBeam);
  return writeEmf(pic, diagramFile(kind), diagramDescription(kind));
}

}  // namespace vd

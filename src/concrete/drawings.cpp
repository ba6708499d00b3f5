#include "concrete/drawings.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

#include "platform/emf_writer.h"
#include "platform/text_format.h"

namespace vd {

namespace {

FontSpec timesFont(int height) {
  FontSpec f;
  f.height = height;
  f.face = "Times New Roman";
  return f;
}

// "%.1lf" of a finite value; anything else is shown as not available rather than as a number.
std::string one(double v) { return std::isfinite(v) ? format("%.1lf", v) : std::string("N.A."); }

// A scale bound: the running extreme from 0, truncated to an integer (kept in a range that cannot
// overflow the integer arithmetic of the moment axis).
std::int64_t bound(double v) {
  if (!std::isfinite(v)) return 0;
  return static_cast<std::int64_t>(std::clamp(v, -1.0e12, 1.0e12));
}

}  // namespace

Picture drawSectionSketch() {
  Picture pic;
  pic.setMapMode(MapMode::ScreenPixels);
  pic.setBkMode(kBkTransparent);

  const std::uint32_t grey = pic.createSolidBrush(rgb(220, 220, 220));
  pic.select(Stock::BlackPen);
  pic.select(grey);
  pic.roundRect(95, 50, 170, 160, 6, 6);

  const std::uint32_t redPen = pic.createPen(PenStyle::Solid, 1, rgb(255, 0, 0));
  pic.select(redPen);
  pic.line(45, 144, 163, 144);
  pic.line(45, 50, 93, 50);
  pic.line(50, 43, 50, 147);
  pic.line(95, 15, 95, 43);
  pic.line(169, 15, 169, 43);
  pic.line(91, 23, 174, 23);
  for (int x : {108, 131, 156}) pic.line(x, 134, x, 151);  // bar centres
  pic.line(99, 19, 91, 27);                                 // arrow slashes
  pic.line(173, 19, 165, 27);
  pic.line(54, 46, 46, 54);
  pic.line(54, 140, 46, 148);

  pic.select(Stock::BlackPen);
  pic.select(Stock::BlackBrush);
  pic.ellipse(105, 139, 113, 147);
  pic.ellipse(128, 139, 136, 147);
  pic.ellipse(152, 139, 160, 147);

  const std::uint32_t font = pic.createFont(timesFont(15));
  pic.select(font);
  pic.textOut(120, 3, " b ");
  pic.textOut(40, 89, " d ");
  return pic;
}

bool writeSectionSketch(const std::filesystem::path& file) {
  return writeEmf(drawSectionSketch(), file, "Rectconcbm");
}

Picture drawInteractionDiagram(const std::vector<CurvePoint>& points, const InteractionSummary& summary,
                               double vertLoad, double momLoad) {
  Picture pic;
  pic.setMapMode(MapMode::LoEnglish);

  pic.select(Stock::WhitePen);
  pic.select(Stock::WhiteBrush);
  pic.rectangle(5, 5, 686, -526);

  double mMax = 0.0, pMax = 0.0, pMin = 0.0;
  for (const CurvePoint& c : points) {
    if (c.m > mMax) mMax = c.m;
    if (c.p > pMax) pMax = c.p;
    if (c.p < pMin) pMin = c.p;
  }
  const std::int64_t Mmax = bound(mMax), Pmax = bound(pMax), Pmin = bound(pMin);
  // Without a moment range or a load range the curve has no scale.
  const bool scaled = Mmax > 0 && Pmin != Pmax && !points.empty();
  auto mapX = [&](double m) { return truncCoord(18 + 660 * m / static_cast<double>(Mmax)); };
  auto mapY = [&](double p) {
    return truncCoord(18 + 500 * (static_cast<double>(Pmax) - p) / static_cast<double>(Pmin - Pmax));
  };

  const std::uint32_t hatch = pic.createHatchBrush(Hatch::Vertical, rgb(255, 255, 0));
  if (scaled) {
    std::vector<Point> curve;
    curve.reserve(points.size());
    for (const CurvePoint& c : points) curve.push_back({mapX(c.m), mapY(c.p)});
    pic.select(Stock::BlackPen);
    pic.select(hatch);
    pic.polygon(curve);
  }

  const std::uint32_t bluePen = pic.createPen(PenStyle::Solid, 3, rgb(0, 0, 255));
  pic.select(bluePen);
  if (Pmin != Pmax) {
    const int y0 = truncCoord(static_cast<double>(18 + (500 * Pmax) / (Pmin - Pmax)));
    pic.line(9, y0, 678, y0);
    pic.moveTo(672, y0 - 4);
    pic.lineTo(678, y0);
    pic.lineTo(672, y0 + 4);
  }
  pic.line(18, -532, 18, 20);
  pic.moveTo(14, 12);
  pic.lineTo(18, 20);
  pic.lineTo(22, 12);

  if (scaled) {
    const std::uint32_t greenPen = pic.createPen(PenStyle::Solid, 2, rgb(0, 255, 0));
    pic.select(greenPen);
    pic.select(Stock::NullBrush);  // a ring, so the curve stays visible under it
    const int x = mapX(momLoad * 12.0), y = mapY(vertLoad);
    pic.ellipse(x - 4, y - 4, x + 4, y + 4);
  }

  pic.setMapMode(MapMode::ScreenPixels);
  pic.setBkMode(kBkTransparent);
  const std::uint32_t titleFont = pic.createFont(timesFont(20));
  pic.select(titleFont);
  pic.textOut(174, 396, "Tie-Column Interaction Diagram");
  const std::uint32_t font = pic.createFont(timesFont(16));
  pic.select(font);
  pic.textOut(30, -35, "P-load");
  pic.textOut(500, 301, "Moment");
  pic.textOut(255, 0, "High limit: " + one(summary.highM / 12.0) + " k-ft, " + one(summary.highP) + " k");
  pic.textOut(400, 252, "Balance Pt:");
  pic.textOut(400, 275, one(summary.balanceM / 12.0) + " k-ft, " + one(summary.balanceP) + " k");
  pic.textOut(150, 331, "Zero Pt: " + one(summary.zeroM / 12.0) + " k-ft, 0.0 k");
  pic.textOut(50, 361, "Tension: 0.0 k-ft, " + one(summary.tensionP) + " k");
  if (!scaled) pic.textOut(174, 200, "No interaction curve: the points have no moment or load range.");
  return pic;
}

bool writeInteractionDiagram(const std::vector<CurvePoint>& points, const InteractionSummary& summary,
                             double vertLoad, double momLoad, const std::filesystem::path& file) {
  return writeEmf(drawInteractionDiagram(points, summary, vertLoad, momLoad), file, "Concol");
}

}  // namespace vd

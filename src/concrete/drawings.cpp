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

  // Mid-blue hatching: it shows on white paper and in grey print, and black text on white boxes
  // stays readable over it.
  const std::uint32_t hatch = pic.createHatchBrush(Hatch::Vertical, rgb(80, 110, 190));
  if (scaled) {
    std::vector<Point> curve;
    curve.reserve(points.size());
    for (const CurvePoint& c : points) curve.push_back({mapX(c.m), mapY(c.p)});
    pic.select(Stock::BlackPen);
    pic.select(hatch);
    pic.polygon(curve);
  }

  const std::uint32_t axisPen = pic.createPen(PenStyle::Solid, 2, rgb(0, 0, 0));
  pic.select(axisPen);
  int y0 = 18;
  if (Pmin != Pmax) {
    y0 = truncCoord(static_cast<double>(18 + (500 * Pmax) / (Pmin - Pmax)));
    pic.line(9, y0, 678, y0);
    pic.moveTo(672, y0 - 4);
    pic.lineTo(678, y0);
    pic.lineTo(672, y0 + 4);
  }
  pic.line(18, -532, 18, 20);
  pic.moveTo(14, 12);
  pic.lineTo(18, 20);
  pic.lineTo(22, 12);

  // The four points the summary names, as dots on the curve.
  struct Named {
    double m, p;
  };
  const Named named[] = {{summary.highM, summary.highP},
                         {summary.balanceM, summary.balanceP},
                         {summary.zeroM, 0.0},
                         {0.0, summary.tensionP}};
  if (scaled) {
    pic.select(Stock::BlackPen);
    pic.select(Stock::BlackBrush);
    for (const Named& n : named) {
      if (!std::isfinite(n.m) || !std::isfinite(n.p)) continue;
      const int x = mapX(n.m), y = mapY(n.p);
      pic.ellipse(x - 3, y - 3, x + 3, y + 3);
    }
    // The factored load: a dark green ring, so the curve stays visible under it.
    const std::uint32_t greenPen = pic.createPen(PenStyle::Solid, 2, rgb(0, 120, 0));
    pic.select(greenPen);
    pic.select(Stock::NullBrush);
    const int x = mapX(momLoad * 12.0), y = mapY(vertLoad);
    pic.ellipse(x - 5, y - 5, x + 5, y + 5);
  }

  // Texts in screen pixels: a point (x, y) of the drawing is (0.96 x, -0.96 y) there. Each label sits
  // beside its point on a white box, clear of the axes.
  pic.setMapMode(MapMode::ScreenPixels);
  auto px = [](int x) { return truncCoord(std::clamp(x, 0, 690) * 0.96); };
  auto py = [](int y) { return truncCoord(-std::clamp(y, -530, 20) * 0.96); };
  pic.setBkMode(kBkTransparent);
  const std::uint32_t titleFont = pic.createFont(timesFont(20));
  pic.select(titleFont);
  pic.setTextAlign(align::Right | align::Top);
  pic.textOut(660, 0, "Tie-Column Interaction Diagram");
  const std::uint32_t font = pic.createFont(timesFont(16));
  pic.select(font);
  pic.setBkMode(kBkOpaque);
  pic.setBkColor(rgb(255, 255, 255));
  pic.setTextAlign(align::Left | align::Top);
  pic.textOut(28, -2, "P-load, kip");
  pic.setTextAlign(align::Right | align::Bottom);
  pic.textOut(px(668), py(y0 + 6), "Moment, kip-ft");
  auto at = [&](const Named& n, int dx, int dy, unsigned alignFlags, const std::string& text) {
    const bool placed = scaled && std::isfinite(n.m) && std::isfinite(n.p);
    // A label that would run past the right edge goes to the left of its point instead (about 7
    // pixels a character in this font).
    const int x = placed ? px(mapX(n.m) + dx) : 400;
    const int width = static_cast<int>(text.size()) * 7;
    if ((alignFlags & align::Right) == 0 && x + width > 668) {
      alignFlags = (alignFlags & ~align::Center) | align::Right;
      pic.setTextAlign(alignFlags);
      pic.textOut(placed ? px(mapX(n.m) - dx) : 400, placed ? py(mapY(n.p) + dy) : 200, text);
      return;
    }
    pic.setTextAlign(alignFlags);
    pic.textOut(x, placed ? py(mapY(n.p) + dy) : 200, text);
  };
  at(named[0], 8, 6, align::Left | align::Bottom,
     "High limit: " + one(summary.highM / 12.0) + " kip-ft, " + one(summary.highP) + " kip");
  at(named[1], -8, 8, align::Right | align::Bottom,
     "Balance Pt: " + one(summary.balanceM / 12.0) + " kip-ft, " + one(summary.balanceP) + " kip");
  at(named[2], 8, -8, align::Left | align::Top, "Zero Pt: " + one(summary.zeroM / 12.0) + " kip-ft, 0.0 kip");
  at(named[3], 10, -6, align::Left | align::Top, "Tension: 0.0 kip-ft, " + one(summary.tensionP) + " kip");
  if (scaled) {
    at({momLoad * 12.0, vertLoad}, 10, 8, align::Left | align::Bottom,
       "Factored load: Pu = " + one(vertLoad) + " kip, Mu = " + one(momLoad) + " kip-ft");
  }
  pic.setBkMode(kBkTransparent);
  pic.setTextAlign(align::Left | align::Top);
  if (!scaled) pic.textOut(174, 200, "No interaction curve: the points have no moment or load range.");
  return pic;
}

bool writeInteractionDiagram(const std::vector<CurvePoint>& points, const InteractionSummary& summary,
                             double vertLoad, double momLoad, const std::filesystem::path& file) {
  return writeEmf(drawInteractionDiagram(points, summary, vertLoad, momLoad), file, "Concol");
}

}  // namespace vd

#pragma once
// The picture player's calls drawn with QPainter (Qt Gui only, so the headless program's package
// export draws diagrams exactly as the desktop does).
#include <QPainter>

#include "platform/picture.h"
#include "platform/picture_play.h"

namespace vd::gui {

// Draws what the player hands it on a QPainter, with the pens, brushes, hatches and fonts asked for.
class QtPainter : public Painter {
 public:
  explicit QtPainter(QPainter& p) : p_(p) {}

  void polygon(const std::vector<PointF>& points, const PaintStyle& style) override;
  void polyline(const std::vector<PointF>& points, const PaintStyle& style) override;
  void rectangle(const RectF& r, const PaintStyle& style) override;
  void ellipse(const RectF& r, const PaintStyle& style) override;
  void path(const std::vector<PathElement>& path, bool stroke, bool fill, const PaintStyle& style) override;
  void text(const PaintText& text) override;

 private:
  void apply(const PaintStyle& style, bool stroke, bool fill);
  QPainter& p_;
};

// Plays the picture into the rectangle of the painter's device.
void paintPicture(QPainter& painter, const Picture& picture, const QRectF& target);

}  // namespace vd::gui

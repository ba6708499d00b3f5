#include "platform/picture.h"

#include <algorithm>
#include <cmath>

namespace vd {

namespace {
// Metafiles store some shapes in 16 bits; staying well inside keeps every record valid.
constexpr double kCoordLimit = 30000.0;
}  // namespace

std::int32_t truncCoord(double v) {
  if (!std::isfinite(v)) return 0;
  v = std::clamp(v, -kCoordLimit, kCoordLimit);
  return static_cast<std::int32_t>(v);  // truncation toward zero
}

std::uint32_t Picture::allocateHandle() {
  for (std::size_t i = 1; i < used_.size(); ++i) {
    if (!used_[i]) {
      used_[i] = true;
      return static_cast<std::uint32_t>(i);
    }
  }
  used_.push_back(true);
  return static_cast<std::uint32_t>(used_.size() - 1);
}

void Picture::add(OpKind kind, std::vector<std::int32_t> v) {
  PictureOp op;
  op.kind = kind;
  op.v = std::move(v);
  ops_.push_back(std::move(op));
}

std::uint32_t Picture::createPen(PenStyle style, int width, Color color) {
  const std::uint32_t h = allocateHandle();
  add(OpKind::CreatePen, {static_cast<std::int32_t>(h), static_cast<std::int32_t>(style), std::max(0, width),
                          static_cast<std::int32_t>(color)});
  return h;
}

std::uint32_t Picture::createBrush(BrushStyle style, Color color, Hatch hatch) {
  const std::uint32_t h = allocateHandle();
  add(OpKind::CreateBrush, {static_cast<std::int32_t>(h), static_cast<std::int32_t>(style),
                            static_cast<std::int32_t>(color), static_cast<std::int32_t>(hatch)});
  return h;
}

std::uint32_t Picture::createFont(const FontSpec& font) {
  const std::uint32_t h = allocateHandle();
  PictureOp op;
  op.kind = OpKind::CreateFont;
  op.v = {static_cast<std::int32_t>(h)};
  op.font = font;
  if (op.font.face.size() > 31) op.font.face.resize(31);
  ops_.push_back(std::move(op));
  return h;
}

void Picture::select(std::uint32_t handle) { add(OpKind::SelectObject, {static_cast<std::int32_t>(handle)}); }

void Picture::deleteObject(std::uint32_t handle) {
  if (handle & kStockFlag) return;  // stock objects are never deleted
  if (handle < used_.size()) used_[handle] = false;
  add(OpKind::DeleteObject, {static_cast<std::int32_t>(handle)});
}

void Picture::setMapMode(MapMode mode) { add(OpKind::SetMapMode, {static_cast<std::int32_t>(mode)}); }
void Picture::setWindowExt(int cx, int cy) { add(OpKind::SetWindowExt, {cx, cy}); }
void Picture::setViewportExt(int cx, int cy) { add(OpKind::SetViewportExt, {cx, cy}); }
void Picture::setWindowOrg(int x, int y) { add(OpKind::SetWindowOrg, {x, y}); }
void Picture::setViewportOrg(int x, int y) { add(OpKind::SetViewportOrg, {x, y}); }
void Picture::setBkMode(int mode) { add(OpKind::SetBkMode, {mode}); }
void Picture::setBkColor(Color c) { add(OpKind::SetBkColor, {static_cast<std::int32_t>(c)}); }
void Picture::setTextAlign(unsigned flags) { add(OpKind::SetTextAlign, {static_cast<std::int32_t>(flags)}); }
void Picture::setTextColor(Color c) { add(OpKind::SetTextColor, {static_cast<std::int32_t>(c)}); }

void Picture::polygon(std::vector<Point> points) {
  PictureOp op;
  op.kind = OpKind::Polygon;
  op.points = std::move(points);
  ops_.push_back(std::move(op));
}

void Picture::polyline(std::vector<Point> points) {
  PictureOp op;
  op.kind = OpKind::Polyline;
  op.points = std::move(points);
  ops_.push_back(std::move(op));
}

void Picture::polyBezierTo(std::vector<Point> points) {
  PictureOp op;
  op.kind = OpKind::PolyBezierTo;
  points.resize(points.size() - points.size() % 3);  // whole curves only
  op.points = std::move(points);
  ops_.push_back(std::move(op));
}

void Picture::polylineTo(std::vector<Point> points) {
  PictureOp op;
  op.kind = OpKind::PolylineTo;
  op.points = std::move(points);
  ops_.push_back(std::move(op));
}

void Picture::moveTo(int x, int y) { add(OpKind::MoveTo, {x, y}); }
void Picture::lineTo(int x, int y) { add(OpKind::LineTo, {x, y}); }
void Picture::rectangle(int l, int t, int r, int b) { add(OpKind::Rectangle, {l, t, r, b}); }
void Picture::roundRect(int l, int t, int r, int b, int w, int h) { add(OpKind::RoundRect, {l, t, r, b, w, h}); }
void Picture::ellipse(int l, int t, int r, int b) { add(OpKind::Ellipse, {l, t, r, b}); }

void Picture::textOut(int x, int y, std::string_view text) {
  PictureOp op;
  op.kind = OpKind::TextOut;
  op.v = {x, y};
  op.text = std::string(text);
  ops_.push_back(std::move(op));
}

void Picture::beginPath() { add(OpKind::BeginPath); }
void Picture::endPath() { add(OpKind::EndPath); }
void Picture::closeFigure() { add(OpKind::CloseFigure); }
void Picture::strokeAndFillPath() { add(OpKind::StrokeAndFillPath); }
void Picture::strokePath() { add(OpKind::StrokePath); }
void Picture::fillPath() { add(OpKind::FillPath); }
void Picture::saveDC() { add(OpKind::SaveDC); }
void Picture::restoreDC(int relative) { add(OpKind::RestoreDC, {relative}); }

RoundRectOutline roundRectOutline(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight) {
  // Works in y-up and y-down mappings alike: only the normalised box matters. Doubles throughout, so
  // no corner of a damaged file can overflow the arithmetic.
  const double l = std::min(left, right), r = std::max(left, right);
  const double t = std::min(top, bottom), b = std::max(top, bottom);
  const double rx = std::min(std::fabs(static_cast<double>(cornerWidth)) / 2.0, (r - l) / 2.0);
  const double ry = std::min(std::fabs(static_cast<double>(cornerHeight)) / 2.0, (b - t) / 2.0);
  // Control-point distance of a quarter ellipse drawn with one cubic Bezier.
  constexpr double kappa = 0.5522847498;
  auto pt = [](double x, double y) {
    auto whole = [](double v) {
      return static_cast<std::int32_t>(std::clamp(std::round(v), -2147483648.0, 2147483647.0));
    };
    return Point{whole(x), whole(y)};
  };
  const double kx = rx * kappa, ky = ry * kappa;
  RoundRectOutline o;
  o.start = pt(l + rx, t);
  o.lines = {pt(r - rx, t), pt(r, b - ry), pt(l + rx, b), pt(l, t + ry)};
  o.corners = {
      pt(r - rx + kx, t), pt(r, t + ry - ky), pt(r, t + ry),          // top right
      pt(r, b - ry + ky), pt(r - rx + kx, b), pt(r - rx, b),          // bottom right
      pt(l + rx - kx, b), pt(l, b - ry + ky), pt(l, b - ry),          // bottom left
      pt(l, t + ry - ky), pt(l + rx - kx, t), pt(l + rx, t),          // top left
  };
  return o;
}

}  // namespace vd

#include "platform/picture_play.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace vd {

namespace {

struct PenObj {
  PenStyle style = PenStyle::Solid;
  int width = 0;
  Color color = rgb(0, 0, 0);
};
struct BrushObj {
  BrushStyle style = BrushStyle::Solid;
  Color color = rgb(255, 255, 255);
  Hatch hatch = Hatch::Horizontal;
};
struct Obj {
  enum Kind { Pen, Brush, Font } kind = Pen;
  PenObj pen;
  BrushObj brush;
  FontSpec font;
};

// The device context as the calls change it.
struct DcState {
  MapMode mode = MapMode::Text;
  double windowOrgX = 0, windowOrgY = 0, viewportOrgX = 0, viewportOrgY = 0;
  double windowExtX = 1, windowExtY = 1, viewportExtX = 1, viewportExtY = 1;
  PenObj pen;
  BrushObj brush;
  FontSpec font;
  int bkMode = kBkOpaque;
  Color bkColor = rgb(255, 255, 255);
  Color textColor = rgb(0, 0, 0);
  unsigned textAlign = 0;
  int polyFillMode = 1;
  double curX = 0, curY = 0;  // logical
};

bool stockObject(std::uint32_t handle, Obj& out) {
  switch (static_cast<Stock>(handle & ~kStockFlag)) {
    case Stock::WhiteBrush: out = {Obj::Brush, {}, {BrushStyle::Solid, rgb(255, 255, 255)}, {}}; return true;
    case Stock::LtGrayBrush: out = {Obj::Brush, {}, {BrushStyle::Solid, rgb(192, 192, 192)}, {}}; return true;
    case Stock::GrayBrush: out = {Obj::Brush, {}, {BrushStyle::Solid, rgb(128, 128, 128)}, {}}; return true;
    case Stock::DkGrayBrush: out = {Obj::Brush, {}, {BrushStyle::Solid, rgb(64, 64, 64)}, {}}; return true;
    case Stock::BlackBrush: out = {Obj::Brush, {}, {BrushStyle::Solid, rgb(0, 0, 0)}, {}}; return true;
    case Stock::NullBrush: out = {Obj::Brush, {}, {BrushStyle::Null, rgb(0, 0, 0)}, {}}; return true;
    case Stock::WhitePen: out = {Obj::Pen, {PenStyle::Solid, 0, rgb(255, 255, 255)}, {}, {}}; return true;
    case Stock::BlackPen: out = {Obj::Pen, {PenStyle::Solid, 0, rgb(0, 0, 0)}, {}, {}}; return true;
    case Stock::NullPen: out = {Obj::Pen, {PenStyle::Null, 0, rgb(0, 0, 0)}, {}, {}}; return true;
    default: break;
  }
  const std::uint32_t n = handle & ~kStockFlag;
  if (n >= 10 && n <= 17 && n != 15) {  // the stock fonts: the default font
    out = {Obj::Font, {}, {}, {}};
    return true;
  }
  return false;
}

double unitMm(MapMode m) {
  switch (m) {
    case MapMode::LoMetric: return 0.1;
    case MapMode::HiMetric: return 0.01;
    case MapMode::LoEnglish: return 0.254;
    case MapMode::HiEnglish: return 0.0254;
    case MapMode::Twips: return 25.4 / 1440.0;
    case MapMode::ScreenPixels: return 25.4 / 96.0;
    default: return 0.0;
  }
}

// Walks the calls with a device context and hands the geometry, in reference-device pixels, to a painter.
class Interpreter {
 public:
  Interpreter(const Picture& p, Painter& out) : pic_(p), out_(out) {}

  void run() {
    for (const PictureOp& op : pic_.ops()) step(op);
  }

 private:
  double scaleX() const {
    const double u = unitMm(s_.mode);
    if (u > 0) return u * pic_.device().pixelsPerMmX();
    if (s_.mode == MapMode::Anisotropic || s_.mode == MapMode::Isotropic) {
      double sx = s_.windowExtX != 0 ? s_.viewportExtX / s_.windowExtX : 1.0;
      if (s_.mode == MapMode::Isotropic) {
        const double sy = s_.windowExtY != 0 ? s_.viewportExtY / s_.windowExtY : 1.0;
        sx = std::copysign(std::min(std::fabs(sx), std::fabs(sy)), sx);
      }
      return sx;
    }
    return 1.0;
  }
  double scaleY() const {
    const double u = unitMm(s_.mode);
    if (u > 0) {
      const double v = u * pic_.device().pixelsPerMmY();
      return s_.mode == MapMode::ScreenPixels ? v : -v;  // the metric and English modes run y upward
    }
    if (s_.mode == MapMode::Anisotropic || s_.mode == MapMode::Isotropic) {
      double sy = s_.windowExtY != 0 ? s_.viewportExtY / s_.windowExtY : 1.0;
      if (s_.mode == MapMode::Isotropic) {
        const double sx = s_.windowExtX != 0 ? s_.viewportExtX / s_.windowExtX : 1.0;
        sy = std::copysign(std::min(std::fabs(sx), std::fabs(sy)), sy);
      }
      return sy;
    }
    return 1.0;
  }
  PointF map(double x, double y) const {
    return {(x - s_.windowOrgX) * scaleX() + s_.viewportOrgX, (y - s_.windowOrgY) * scaleY() + s_.viewportOrgY};
  }
  PointF map(const Point& p) const { return map(p.x, p.y); }
  RectF mapRect(const std::vector<std::int32_t>& v) const {
    const PointF a = map(v[0], v[1]);
    const PointF b = map(v[2], v[3]);
    return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
  }
  PaintStyle style() const {
    PaintStyle st;
    st.penStyle = s_.pen.style;
    // A pen of width 0 is one device pixel wide; others scale with the mapping.
    st.penWidth = std::max(1.0, s_.pen.width * std::fabs(scaleX()));
    st.penColor = s_.pen.color;
    st.brushStyle = s_.brush.style;
    st.brushColor = s_.brush.color;
    st.hatch = s_.brush.hatch;
    st.opaqueBackground = s_.bkMode == kBkOpaque;
    st.backgroundColor = s_.bkColor;
    st.polyFillMode = s_.polyFillMode;
    return st;
  }
  static bool has(const PictureOp& op, std::size_t n) { return op.v.size() >= n; }

  void select(std::uint32_t handle) {
    Obj o;
    if (handle & kStockFlag) {
      if (!stockObject(handle, o)) return;
    } else {
      auto it = objects_.find(handle);
      if (it == objects_.end()) return;
      o = it->second;
    }
    switch (o.kind) {
      case Obj::Pen: s_.pen = o.pen; break;
      case Obj::Brush: s_.brush = o.brush; break;
      case Obj::Font: s_.font = o.font; break;
    }
  }

  void pathPoint(PathElement::Kind k, const PointF& p) {
    PathElement e;
    e.kind = k;
    e.p = p;
    path_.push_back(e);
  }

  void finishPath(bool stroke, bool fill) {
    if (!path_.empty()) out_.path(path_, stroke, fill, style());
    path_.clear();
    inPath_ = false;
  }

  void step(const PictureOp& op) {
    switch (op.kind) {
      case OpKind::SetMapMode:
        if (has(op, 1)) {
          s_.mode = static_cast<MapMode>(op.v[0]);
          if (s_.mode != MapMode::Anisotropic && s_.mode != MapMode::Isotropic) {
            s_.windowExtX = s_.windowExtY = s_.viewportExtX = s_.viewportExtY = 1;
          }
        }
        break;
      case OpKind::SetWindowExt:
        if (has(op, 2)) { s_.windowExtX = op.v[0]; s_.windowExtY = op.v[1]; }
        break;
      case OpKind::SetViewportExt:
        if (has(op, 2)) { s_.viewportExtX = op.v[0]; s_.viewportExtY = op.v[1]; }
        break;
      case OpKind::SetWindowOrg:
        if (has(op, 2)) { s_.windowOrgX = op.v[0]; s_.windowOrgY = op.v[1]; }
        break;
      case OpKind::SetViewportOrg:
        if (has(op, 2)) { s_.viewportOrgX = op.v[0]; s_.viewportOrgY = op.v[1]; }
        break;
      case OpKind::SetBkMode: if (has(op, 1)) s_.bkMode = op.v[0]; break;
      case OpKind::SetBkColor: if (has(op, 1)) s_.bkColor = static_cast<Color>(op.v[0]); break;
      case OpKind::SetTextAlign: if (has(op, 1)) s_.textAlign = static_cast<unsigned>(op.v[0]); break;
      case OpKind::SetTextColor: if (has(op, 1)) s_.textColor = static_cast<Color>(op.v[0]); break;
      case OpKind::SetPolyFillMode: if (has(op, 1)) s_.polyFillMode = op.v[0] == 2 ? 2 : 1; break;
      case OpKind::CreatePen:
        if (has(op, 4)) {
          Obj o;
          o.kind = Obj::Pen;
          // Styles beyond the plain dashes (inside-frame, user-styled) draw solid.
          const int style = op.v[1] & 0xF;
          o.pen = {style <= 5 ? static_cast<PenStyle>(style) : PenStyle::Solid, op.v[2], static_cast<Color>(op.v[3])};
          objects_[static_cast<std::uint32_t>(op.v[0])] = o;
        }
        break;
      case OpKind::CreateBrush:
        if (has(op, 4)) {
          Obj o;
          o.kind = Obj::Brush;
          BrushStyle bs = op.v[1] == 1 ? BrushStyle::Null : op.v[1] == 2 ? BrushStyle::Hatched : BrushStyle::Solid;
          o.brush = {bs, static_cast<Color>(op.v[2]), static_cast<Hatch>(std::clamp(op.v[3], 0, 5))};
          objects_[static_cast<std::uint32_t>(op.v[0])] = o;
        }
        break;
      case OpKind::CreateFont:
        if (has(op, 1)) {
          Obj o;
          o.kind = Obj::Font;
          o.font = op.font;
          objects_[static_cast<std::uint32_t>(op.v[0])] = o;
        }
        break;
      case OpKind::SelectObject: if (has(op, 1)) select(static_cast<std::uint32_t>(op.v[0])); break;
      case OpKind::DeleteObject: if (has(op, 1)) objects_.erase(static_cast<std::uint32_t>(op.v[0])); break;
      case OpKind::MoveTo:
        if (has(op, 2)) {
          s_.curX = op.v[0];
          s_.curY = op.v[1];
          if (inPath_) pathPoint(PathElement::Move, map(s_.curX, s_.curY));
        }
        break;
      case OpKind::LineTo:
        if (has(op, 2)) {
          const PointF from = map(s_.curX, s_.curY);
          s_.curX = op.v[0];
          s_.curY = op.v[1];
          if (inPath_) {
            if (path_.empty()) pathPoint(PathElement::Move, from);
            pathPoint(PathElement::Line, map(s_.curX, s_.curY));
          } else if (s_.pen.style != PenStyle::Null) {
            out_.polyline({from, map(s_.curX, s_.curY)}, style());
          }
        }
        break;
      case OpKind::PolylineTo:
        if (!op.points.empty()) {
          std::vector<PointF> pts{map(s_.curX, s_.curY)};
          if (inPath_ && path_.empty()) pathPoint(PathElement::Move, pts[0]);
          for (const Point& p : op.points) {
            pts.push_back(map(p));
            if (inPath_) pathPoint(PathElement::Line, pts.back());
          }
          s_.curX = op.points.back().x;
          s_.curY = op.points.back().y;
          if (!inPath_ && s_.pen.style != PenStyle::Null) out_.polyline(pts, style());
        }
        break;
      case OpKind::PolyBezierTo:
        if (op.points.size() >= 3) {
          std::vector<PathElement> curve;
          PathElement m;
          m.kind = PathElement::Move;
          m.p = map(s_.curX, s_.curY);
          if (!inPath_ || path_.empty()) curve.push_back(m);
          for (std::size_t i = 0; i + 2 < op.points.size(); i += 3) {
            PathElement c;
            c.kind = PathElement::Cubic;
            c.c1 = map(op.points[i]);
            c.c2 = map(op.points[i + 1]);
            c.p = map(op.points[i + 2]);
            curve.push_back(c);
            s_.curX = op.points[i + 2].x;
            s_.curY = op.points[i + 2].y;
          }
          if (inPath_) {
            path_.insert(path_.end(), curve.begin(), curve.end());
          } else if (s_.pen.style != PenStyle::Null) {
            out_.path(curve, true, false, style());
          }
        }
        break;
      case OpKind::Polygon:
        if (op.points.size() >= 2) {
          std::vector<PointF> pts;
          pts.reserve(op.points.size());
          for (const Point& p : op.points) pts.push_back(map(p));
          out_.polygon(pts, style());
        }
        break;
      case OpKind::Polyline:
        if (op.points.size() >= 2 && s_.pen.style != PenStyle::Null) {
          std::vector<PointF> pts;
          pts.reserve(op.points.size());
          for (const Point& p : op.points) pts.push_back(map(p));
          out_.polyline(pts, style());
        }
        break;
      case OpKind::Rectangle: if (has(op, 4)) out_.rectangle(mapRect(op.v), style()); break;
      case OpKind::Ellipse: if (has(op, 4)) out_.ellipse(mapRect(op.v), style()); break;
      case OpKind::RoundRect:
        if (has(op, 6)) {
          const RoundRectOutline o = roundRectOutline(op.v[0], op.v[1], op.v[2], op.v[3], op.v[4], op.v[5]);
          std::vector<PathElement> p;
          PathElement e;
          e.kind = PathElement::Move;
          e.p = map(o.start);
          p.push_back(e);
          for (std::size_t i = 0; i < 4; ++i) {
            e.kind = PathElement::Line;
            e.p = map(o.lines[i]);
            p.push_back(e);
            e.kind = PathElement::Cubic;
            e.c1 = map(o.corners[3 * i]);
            e.c2 = map(o.corners[3 * i + 1]);
            e.p = map(o.corners[3 * i + 2]);
            p.push_back(e);
          }
          e = PathElement{};
          e.kind = PathElement::Close;
          p.push_back(e);
          out_.path(p, true, true, style());
        }
        break;
      case OpKind::BeginPath:
        path_.clear();
        inPath_ = true;
        break;
      case OpKind::EndPath: inPath_ = false; break;
      case OpKind::CloseFigure:
        if (inPath_ && !path_.empty()) {
          PathElement e;
          e.kind = PathElement::Close;
          path_.push_back(e);
        }
        break;
      case OpKind::FillPath: finishPath(false, true); break;
      case OpKind::StrokePath: finishPath(true, false); break;
      case OpKind::StrokeAndFillPath: finishPath(true, true); break;
      case OpKind::TextOut:
        if (has(op, 2) && !op.text.empty()) {
          PaintText t;
          t.at = map(op.v[0], op.v[1]);
          t.text = op.text;
          t.face = s_.font.face;
          t.height = s_.font.height * std::fabs(scaleY());
          t.weight = s_.font.weight;
          t.italic = s_.font.italic != 0;
          t.underline = s_.font.underline != 0;
          t.align = s_.textAlign;
          t.color = s_.textColor;
          t.opaqueBackground = s_.bkMode == kBkOpaque;
          t.backgroundColor = s_.bkColor;
          out_.text(t);
        }
        break;
      case OpKind::SaveDC: saved_.push_back(s_); break;
      case OpKind::RestoreDC:
        if (has(op, 1)) {
          // Negative: that many levels back; positive: the absolute level.
          const long n = op.v[0];
          const long depth = static_cast<long>(saved_.size());
          const long keep = n < 0 ? depth + n : n - 1;
          if (keep >= 0 && keep < depth) {
            s_ = saved_[static_cast<std::size_t>(keep)];
            saved_.resize(static_cast<std::size_t>(keep));
          }
        }
        break;
    }
  }

  const Picture& pic_;
  Painter& out_;
  DcState s_;
  std::vector<DcState> saved_;
  std::map<std::uint32_t, Obj> objects_;
  std::vector<PathElement> path_;
  bool inPath_ = false;
};

// Collects the extent of everything drawn.
class BoundsPainter : public Painter {
 public:
  RectF bounds() const { return any_ ? r_ : RectF{}; }
  void polygon(const std::vector<PointF>& pts, const PaintStyle& st) override {
    for (const PointF& p : pts) add(p, st.hasPen() ? st.penWidth / 2 : 0);
  }
  void polyline(const std::vector<PointF>& pts, const PaintStyle& st) override {
    for (const PointF& p : pts) add(p, st.penWidth / 2);
  }
  void rectangle(const RectF& r, const PaintStyle& st) override { box(r, st); }
  void ellipse(const RectF& r, const PaintStyle& st) override { box(r, st); }
  void path(const std::vector<PathElement>& path, bool stroke, bool, const PaintStyle& st) override {
    const double w = stroke && st.hasPen() ? st.penWidth / 2 : 0;
    for (const PathElement& e : path) {
      if (e.kind == PathElement::Close) continue;
      add(e.p, w);
      // A cubic stays inside the hull of its control points.
      if (e.kind == PathElement::Cubic) {
        add(e.c1, w);
        add(e.c2, w);
      }
    }
  }
  void text(const PaintText& t) override {
    // Without font metrics: a cell of the font's height, characters half as wide on average.
    const double h = t.height != 0 ? std::fabs(t.height) : 16.0;
    const double w = 0.5 * h * static_cast<double>(t.text.size());
    double x0 = t.at.x, y0 = t.at.y;
    if ((t.align & align::Center) == align::Center) x0 -= w / 2;
    else if (t.align & align::Right) x0 -= w;
    if ((t.align & align::Baseline) == align::Baseline) y0 -= 0.8 * h;
    else if (t.align & align::Bottom) y0 -= h;
    add({x0, y0}, 0);
    add({x0 + w, y0 + h}, 0);
  }

 private:
  void box(const RectF& r, const PaintStyle& st) {
    const double w = st.hasPen() ? st.penWidth / 2 : 0;
    add({r.left, r.top}, w);
    add({r.right, r.bottom}, w);
  }
  void add(const PointF& p, double pad) {
    if (!std::isfinite(p.x) || !std::isfinite(p.y)) return;
    if (!any_) {
      r_ = {p.x - pad, p.y - pad, p.x + pad, p.y + pad};
      any_ = true;
      return;
    }
    r_.left = std::min(r_.left, p.x - pad);
    r_.top = std::min(r_.top, p.y - pad);
    r_.right = std::max(r_.right, p.x + pad);
    r_.bottom = std::max(r_.bottom, p.y + pad);
  }
  RectF r_;
  bool any_ = false;
};

// Maps reference-device pixels onto the destination and passes the calls on.
class MappingPainter : public Painter {
 public:
  MappingPainter(const RectF& from, const RectF& to, Painter& out)
      : from_(from), to_(to), out_(out), sx_(to.width() / from.width()), sy_(to.height() / from.height()) {}

  void polygon(const std::vector<PointF>& pts, const PaintStyle& st) override { out_.polygon(map(pts), style(st)); }
  void polyline(const std::vector<PointF>& pts, const PaintStyle& st) override { out_.polyline(map(pts), style(st)); }
  void rectangle(const RectF& r, const PaintStyle& st) override { out_.rectangle(map(r), style(st)); }
  void ellipse(const RectF& r, const PaintStyle& st) override { out_.ellipse(map(r), style(st)); }
  void path(const std::vector<PathElement>& path, bool stroke, bool fill, const PaintStyle& st) override {
    std::vector<PathElement> p = path;
    for (PathElement& e : p) {
      e.p = map(e.p);
      e.c1 = map(e.c1);
      e.c2 = map(e.c2);
    }
    out_.path(p, stroke, fill, style(st));
  }
  void text(const PaintText& t) override {
    PaintText m = t;
    m.at = map(t.at);
    m.height = t.height * std::fabs(sy_);
    out_.text(m);
  }

 private:
  PointF map(const PointF& p) const { return {to_.left + (p.x - from_.left) * sx_, to_.top + (p.y - from_.top) * sy_}; }
  std::vector<PointF> map(const std::vector<PointF>& pts) const {
    std::vector<PointF> out;
    out.reserve(pts.size());
    for (const PointF& p : pts) out.push_back(map(p));
    return out;
  }
  RectF map(const RectF& r) const {
    const PointF a = map(PointF{r.left, r.top});
    const PointF b = map(PointF{r.right, r.bottom});
    return {a.x, a.y, b.x, b.y};
  }
  PaintStyle style(const PaintStyle& st) const {
    PaintStyle s = st;
    // A pen a fiftieth of the picture's diagonal is already a bar; wider ones (only a damaged file
    // has them) would cost the painter seconds per line.
    s.penWidth = std::max(1.0, std::min(st.penWidth * std::fabs(sx_), std::hypot(to_.width(), to_.height()) / 50));
    return s;
  }
  RectF from_, to_;
  Painter& out_;
  double sx_, sy_;
};

// Adds up the drawing a picture asks for, in destination coordinates, before anything is painted.
class WorkPainter : public Painter {
 public:
  explicit WorkPainter(const RectF& destination)
      : diagonal_(std::max(1.0, std::hypot(destination.width(), destination.height()))) {}
  bool withinLimits() const {
    return !tooMany_ && points_ <= kMaxPicturePoints && length_ / diagonal_ <= kMaxDrawnDiagonals;
  }

  void polygon(const std::vector<PointF>& pts, const PaintStyle&) override { outline(pts, true); }
  void polyline(const std::vector<PointF>& pts, const PaintStyle&) override { outline(pts, false); }
  void rectangle(const RectF& r, const PaintStyle&) override { box(r); }
  void ellipse(const RectF& r, const PaintStyle&) override { box(r); }
  void path(const std::vector<PathElement>& path, bool, bool, const PaintStyle&) override {
    count(path.size());
    PointF at{};
    for (const PathElement& e : path) {
      if (e.kind == PathElement::Close) continue;
      // A cubic is no longer than its control polygon.
      if (e.kind == PathElement::Cubic) length_ += distance(at, e.c1) + distance(e.c1, e.c2) + distance(e.c2, e.p);
      if (e.kind == PathElement::Line) length_ += distance(at, e.p);
      at = e.p;
    }
  }
  void text(const PaintText& t) override {
    count(1);
    // A text line is drawn at a clamped size; count its cell outline.
    length_ += std::min(std::fabs(t.height), diagonal_) * (2.0 + 0.5 * static_cast<double>(t.text.size()));
  }

 private:
  static double distance(const PointF& a, const PointF& b) { return std::hypot(b.x - a.x, b.y - a.y); }
  void count(std::size_t n) {
    if (n > kMaxPointsPerCall) tooMany_ = true;
    points_ += static_cast<double>(n);
  }
  void outline(const std::vector<PointF>& pts, bool closed) {
    count(pts.size());
    for (std::size_t i = 1; i < pts.size(); ++i) length_ += distance(pts[i - 1], pts[i]);
    if (closed && pts.size() > 2) length_ += distance(pts.back(), pts.front());
  }
  void box(const RectF& r) {
    count(4);
    length_ += 2 * (std::fabs(r.width()) + std::fabs(r.height()));
  }
  double diagonal_;
  double points_ = 0, length_ = 0;  // NaN from a damaged picture fails the limits too
  bool tooMany_ = false;
};

}  // namespace

RectF pictureBoundsPixels(const Picture& picture) {
  if (picture.hasFrame()) {
    const Frame100& f = picture.frame();
    const double px = picture.device().pixelsPerMmX() / 100.0, py = picture.device().pixelsPerMmY() / 100.0;
    return {f.left * px, f.top * py, f.right * px, f.bottom * py};
  }
  BoundsPainter b;
  Interpreter(picture, b).run();
  return b.bounds();
}

Frame100 pictureFrame(const Picture& picture) {
  if (picture.hasFrame()) return picture.frame();
  const RectF r = pictureBoundsPixels(picture);
  if (r.empty()) return {};
  const double mmX = 100.0 / picture.device().pixelsPerMmX(), mmY = 100.0 / picture.device().pixelsPerMmY();
  return {static_cast<std::int32_t>(std::floor(r.left * mmX)), static_cast<std::int32_t>(std::floor(r.top * mmY)),
          static_cast<std::int32_t>(std::ceil(r.right * mmX)), static_cast<std::int32_t>(std::ceil(r.bottom * mmY))};
}

bool playPicture(const Picture& picture, Painter& painter, const RectF& destination) {
  const RectF from = pictureBoundsPixels(picture);
  if (from.empty() || destination.empty()) return true;
  WorkPainter work(destination);
  {
    MappingPainter mapper(from, destination, work);
    Interpreter(picture, mapper).run();
  }
  if (!work.withinLimits()) return false;
  MappingPainter mapper(from, destination, painter);
  Interpreter(picture, mapper).run();
  return true;
}

}  // namespace vd

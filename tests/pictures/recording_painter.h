#pragma once
// A painter that writes down every call it gets, for comparing what two pictures draw.
#include <cmath>
#include <string>
#include <vector>

#include "platform/picture_play.h"

namespace vdtest {

struct Call {
  std::string kind;                // "polygon", "polyline", "rectangle", "ellipse", "path", "text"
  std::vector<vd::PointF> points;  // rectangles and ellipses: two corners; paths: end and control points
  vd::PaintStyle style;
  std::vector<int> pathKinds;      // path element kinds
  bool stroke = false, fill = false;
  vd::PaintText text;
};

class RecordingPainter : public vd::Painter {
 public:
  std::vector<Call> calls;

  void polygon(const std::vector<vd::PointF>& pts, const vd::PaintStyle& s) override { add("polygon", pts, s); }
  void polyline(const std::vector<vd::PointF>& pts, const vd::PaintStyle& s) override { add("polyline", pts, s); }
  void rectangle(const vd::RectF& r, const vd::PaintStyle& s) override {
    add("rectangle", {{r.left, r.top}, {r.right, r.bottom}}, s);
  }
  void ellipse(const vd::RectF& r, const vd::PaintStyle& s) override {
    add("ellipse", {{r.left, r.top}, {r.right, r.bottom}}, s);
  }
  void path(const std::vector<vd::PathElement>& path, bool stroke, bool fill, const vd::PaintStyle& s) override {
    Call c;
    c.kind = "path";
    c.style = s;
    c.stroke = stroke;
    c.fill = fill;
    for (const vd::PathElement& e : path) {
      c.pathKinds.push_back(e.kind);
      if (e.kind == vd::PathElement::Cubic) {
        c.points.push_back(e.c1);
        c.points.push_back(e.c2);
      }
      if (e.kind != vd::PathElement::Close) c.points.push_back(e.p);
    }
    calls.push_back(c);
  }
  void text(const vd::PaintText& t) override {
    Call c;
    c.kind = "text";
    c.text = t;
    c.points = {t.at};
    calls.push_back(c);
  }

  std::vector<Call> of(const std::string& kind) const {
    std::vector<Call> out;
    for (const Call& c : calls)
      if (c.kind == kind) out.push_back(c);
    return out;
  }

 private:
  void add(const char* kind, const std::vector<vd::PointF>& pts, const vd::PaintStyle& s) {
    Call c;
    c.kind = kind;
    c.points = pts;
    c.style = s;
    calls.push_back(c);
  }
};

}  // namespace vdtest

#pragma once
// Helpers of the picture tests: a painter that writes down every call it gets (to compare what two
// pictures draw), the recorded calls of a picture by kind, and a beam's station table.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "beam/diagram.h"
#include "platform/picture_play.h"

namespace vdtest {

struct Call {
  std::string kind;                // "polygon", "polyline", "rectangle", "ellipse", "path", "text"
  std::vector<vd::PointF> points;  // rectangles and ellipses: two corners; paths: end and control points
  vd::PaintStyle style;
  std::vector<int> pathKinds;
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
    Call& c = add("path", {}, s);
    c.stroke = stroke;
    c.fill = fill;
    for (const vd::PathElement& e : path) {
      c.pathKinds.push_back(e.kind);
      if (e.kind == vd::PathElement::Cubic) c.points.insert(c.points.end(), {e.c1, e.c2});
      if (e.kind != vd::PathElement::Close) c.points.push_back(e.p);
    }
  }
  void text(const vd::PaintText& t) override { add("text", {t.at}, {}).text = t; }

  std::vector<Call> of(const std::string& kind) const {
    std::vector<Call> out;
    for (const Call& c : calls)
      if (c.kind == kind) out.push_back(c);
    return out;
  }

 private:
  Call& add(const char* kind, const std::vector<vd::PointF>& pts, const vd::PaintStyle& s) {
    Call& c = calls.emplace_back();
    c.kind = kind;
    c.points = pts;
    c.style = s;
    return c;
  }
};

// The calls two pictures draw, played into the same rectangle, agree to `tol` in every point.
inline void expectSameCalls(const std::vector<Call>& a, const std::vector<Call>& b, double tol) {
  ASSERT_EQ(a.size(), b.size());
  for (std::size_t i = 0; i < a.size(); ++i) {
    SCOPED_TRACE("call " + std::to_string(i) + " " + a[i].kind);
    const vd::PaintStyle &s = a[i].style, &t = b[i].style;
    const vd::PaintText &u = a[i].text, &v = b[i].text;
    EXPECT_EQ(a[i].kind, b[i].kind);
    ASSERT_EQ(a[i].points.size(), b[i].points.size());
    for (std::size_t k = 0; k < a[i].points.size(); ++k) {
      EXPECT_NEAR(a[i].points[k].x, b[i].points[k].x, tol);
      EXPECT_NEAR(a[i].points[k].y, b[i].points[k].y, tol);
    }
    EXPECT_EQ(a[i].pathKinds, b[i].pathKinds);
    EXPECT_EQ(std::tie(s.penColor, s.penStyle, s.brushStyle, s.brushColor, s.hatch),
              std::tie(t.penColor, t.penStyle, t.brushStyle, t.brushColor, t.hatch));
    EXPECT_NEAR(s.penWidth, t.penWidth, 0.05);
    EXPECT_EQ(std::tie(u.text, u.face, u.align, u.opaqueBackground), std::tie(v.text, v.face, v.align, v.opaqueBackground));
    EXPECT_NEAR(u.height, v.height, 0.05);
  }
}

inline std::vector<const vd::PictureOp*> opsOf(const vd::Picture& p, vd::OpKind k) {
  std::vector<const vd::PictureOp*> out;
  for (const vd::PictureOp& op : p.ops())
    if (op.kind == k) out.push_back(&op);
  return out;
}

inline std::vector<std::string> textsOf(const vd::Picture& p) {
  std::vector<std::string> out;
  for (const vd::PictureOp* op : opsOf(p, vd::OpKind::TextOut)) out.push_back(op->text);
  return out;
}

// Station i of a simple beam of length L with a central point load P: x, V, M.
inline vd::StationTable centralLoad(double P, double L) {
  vd::StationTable t{};
  for (int i = 0; i <= 200; ++i) {
    const double x = i * L / 200;
    t[static_cast<std::size_t>(i * 5)] = x;
    t[static_cast<std::size_t>(i * 5 + 1)] = i < 100 ? P / 2 : i == 100 ? 0.0 : -P / 2;
    t[static_cast<std::size_t>(i * 5 + 2)] = x <= L / 2 ? P / 2 * x : P / 2 * (L - x);
  }
  return t;
}

}  // namespace vdtest

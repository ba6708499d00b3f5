// The concrete pictures: the section sketch and the interaction diagram, coordinates by hand.
#include <gtest/gtest.h>

#include "concrete/drawings.h"
#include "platform/emf_reader.h"
#include "recording_painter.h"
#include "support/scratch_dir.h"

using namespace vd;
using vdtest::opsOf;
using vdtest::RecordingPainter;

namespace {

using V = std::vector<std::int32_t>;

TEST(SectionSketch, SectionDimensionsBarsAndLabels) {
  const Picture pic = drawSectionSketch();
  ASSERT_EQ(opsOf(pic, OpKind::RoundRect).size(), 1u);
  EXPECT_EQ(opsOf(pic, OpKind::RoundRect)[0]->v, (V{95, 50, 170, 160, 6, 6}));
  std::vector<V> bars;
  for (const PictureOp* e : opsOf(pic, OpKind::Ellipse)) bars.push_back(e->v);
  EXPECT_EQ(bars, (std::vector<V>{{105, 139, 113, 147}, {128, 139, 136, 147}, {152, 139, 160, 147}}));
  // Thirteen red dimension lines: pairs of MoveTo and LineTo.
  const auto moves = opsOf(pic, OpKind::MoveTo);
  const auto lines = opsOf(pic, OpKind::LineTo);
  ASSERT_EQ(lines.size(), 13u);
  const std::vector<V> expected = {{45, 144, 163, 144}, {45, 50, 93, 50},    {50, 43, 50, 147},
                                   {95, 15, 95, 43},    {169, 15, 169, 43},  {91, 23, 174, 23},
                                   {108, 134, 108, 151}, {131, 134, 131, 151}, {156, 134, 156, 151},
                                   {99, 19, 91, 27},    {173, 19, 165, 27},  {54, 46, 46, 54},
                                   {54, 140, 46, 148}};
  for (std::size_t i = 0; i < 13; ++i) {
    EXPECT_EQ((V{moves[i]->v[0], moves[i]->v[1], lines[i]->v[0], lines[i]->v[1]}), expected[i]) << i;
  }
  std::vector<std::pair<std::string, V>> texts;
  for (const PictureOp* t : opsOf(pic, OpKind::TextOut)) texts.emplace_back(t->text, t->v);
  EXPECT_EQ(texts, (std::vector<std::pair<std::string, V>>{{" b ", {120, 3}}, {" d ", {40, 89}}}));

  RecordingPainter rec;
  playPicture(pic, rec, {500, 20, 690, 260});
  ASSERT_EQ(rec.of("path").size(), 1u);
  EXPECT_EQ(rec.of("path")[0].style.brushColor, rgb(220, 220, 220));
  EXPECT_EQ(rec.of("path")[0].style.penColor, rgb(0, 0, 0));
  for (const auto& c : rec.of("polyline")) EXPECT_EQ(c.style.penColor, rgb(255, 0, 0));
  for (const auto& c : rec.of("ellipse")) EXPECT_EQ(c.style.brushColor, rgb(0, 0, 0));
  for (const auto& c : rec.of("text")) {
    EXPECT_EQ(c.text.face, "Times New Roman");
    EXPECT_FALSE(c.text.opaqueBackground);
  }
}

class DrawingFiles : public vdtest::ScratchDir {};

TEST_F(DrawingFiles, SketchAndDiagramGoToTheirFilesWithTheirDescriptions) {
  ASSERT_TRUE(writeSectionSketch());
  std::optional<EmfFile> s = readEmf("Rectconcbm.emf");
  ASSERT_TRUE(s);
  EXPECT_EQ(s->description, "Rectconcbm");
  RecordingPainter a, b;
  playPicture(drawSectionSketch(), a, {500, 20, 690, 260});
  playPicture(s->picture, b, {500, 20, 690, 260});
  vdtest::expectSameCalls(a.calls, b.calls, 0.2);

  ASSERT_TRUE(writeInteractionDiagram({{0, 100}, {50, 0}, {0, -50}}, {}, 0, 0));
  std::optional<EmfFile> c = readEmf("Concol.emf");
  ASSERT_TRUE(c);
  EXPECT_EQ(c->description, "Concol");
}

// Five design points: M kip-in, P kip. Mmax = 2400, Pmax = 800, Pmin = -400.
std::vector<CurvePoint> fivePoints() { return {{0, 800}, {1200, 600}, {2400.9, 100}, {1500, -200}, {0, -400}}; }

TEST(InteractionDiagram, PointsMapByTheTruncatedScale) {
  const InteractionSummary sum{1800, 448, 2100, 300, 1500, -360};
  const Picture pic = drawInteractionDiagram(fivePoints(), sum, 300, 100);
  const auto polys = opsOf(pic, OpKind::Polygon);
  ASSERT_EQ(polys.size(), 1u);
  // x = 18 + 660 M / 2400 (Mmax truncated from 2400.9); y = 18 + 500 (800 - P) / (-400 - 800).
  //  (0, 800)      -> (18, 18)
  //  (1200, 600)   -> (348, 18 - 83.33 = -65.33 -> -65, toward zero)
  //  (2400.9, 100) -> (678.25 -> 678, 18 - 291.67 = -273.67 -> -273)
  //  (1500, -200)  -> (430.5 -> 430, 18 - 416.67 = -398.67 -> -398)
  //  (0, -400)     -> (18, -482)
  EXPECT_EQ(polys[0]->points, (std::vector<Point>{{18, 18}, {348, -65}, {678, -273}, {430, -398}, {18, -482}}));

  // Moment axis at 18 + (500 * 800) / (-1200) in integers: 18 - 333 = -315.
  // The axes and their arrow heads, as the pen moves: M x y, L x y.
  std::vector<std::int32_t> pen;
  for (const PictureOp& op : pic.ops())
    if (op.kind == OpKind::MoveTo || op.kind == OpKind::LineTo) pen.insert(pen.end(), op.v.begin(), op.v.end());
  EXPECT_EQ(pen, (V{9, -315, 678, -315, 672, -319, 678, -315, 672, -311, 18, -532, 18, 20, 14, 12, 18, 20, 22, 12}));

  // The four named points as dots, then the factored load: 100 kip-ft = 1200 kip-in -> x 348;
  // 300 kip -> 18 - 208.33 -> -190, a ring of radius 5.
  const auto ellipses = opsOf(pic, OpKind::Ellipse);
  ASSERT_EQ(ellipses.size(), 5u);
  EXPECT_EQ(ellipses[4]->v, (V{343, -195, 353, -185}));
  // Zero point: 1500 kip-in -> x 18 + 660 * 1500 / 2400 = 430.5 -> 430 on the axis y -315.
  EXPECT_EQ(ellipses[2]->v, (V{427, -318, 433, -312}));

  // Background first.
  EXPECT_EQ(opsOf(pic, OpKind::Rectangle)[0]->v, (V{5, 5, 686, -526}));

  EXPECT_EQ(vdtest::textsOf(pic), (std::vector<std::string>{"Tie-Column Interaction Diagram", "P-load, kip", "Moment, kip-ft",
                                             "High limit: 150.0 kip-ft, 448.0 kip",
                                             "Balance Pt: 175.0 kip-ft, 300.0 kip", "Zero Pt: 125.0 kip-ft, 0.0 kip",
                                             "Tension: 0.0 kip-ft, -360.0 kip",
                                             "Factored load: Pu = 300.0 kip, Mu = 100.0 kip-ft"}));
  // The zero point's label starts right of its dot and below the moment axis, so the axis does not
  // run through it: (430 + 8, -315 - 8) -> (0.96 * 438, 0.96 * 323) in screen pixels, top-aligned.
  EXPECT_EQ(opsOf(pic, OpKind::TextOut)[5]->v, (V{420, 310}));

  RecordingPainter rec;
  EXPECT_TRUE(playPicture(pic, rec, {0, 0, 696, 536}));
  const auto curve = rec.of("polygon");
  ASSERT_EQ(curve.size(), 1u);
  EXPECT_EQ(curve[0].style.penColor, rgb(0, 0, 0));
  EXPECT_EQ(curve[0].style.hatch, Hatch::Vertical);
  EXPECT_EQ(curve[0].style.brushColor, rgb(80, 110, 190));
  const auto ring = rec.of("ellipse");
  EXPECT_EQ(ring[4].style.penColor, rgb(0, 120, 0));
  EXPECT_FALSE(ring[4].style.hasBrush());
  for (const auto& t : rec.of("text"))
    if (t.text.text.find(": ") != std::string::npos) {
      EXPECT_TRUE(t.text.opaqueBackground) << t.text.text;
    }
  // P grows upward: the top of the curve is above its bottom on the page.
  EXPECT_LT(curve[0].points[0].y, curve[0].points[4].y);
}

TEST(InteractionDiagram, WithoutAScaleNothingDividesByZero) {
  // No points; all-zero points; points without moment: no curve, an explanation instead.
  for (const std::vector<CurvePoint>& pts :
       {std::vector<CurvePoint>{}, std::vector<CurvePoint>(41), std::vector<CurvePoint>{{0, 100}, {0, -100}}}) {
    const Picture pic = drawInteractionDiagram(pts, {}, 10, 10);
    EXPECT_TRUE(opsOf(pic, OpKind::Polygon).empty());
    EXPECT_TRUE(opsOf(pic, OpKind::Ellipse).empty());
    EXPECT_EQ(opsOf(pic, OpKind::TextOut).back()->text,
              "No interaction curve: the points have no moment or load range.");
  }
  // Values that are not numbers never reach a text or a coordinate as such.
  const double nan = std::nan("");
  const Picture pic = drawInteractionDiagram({{nan, nan}, {100, 50}, {0, -50}}, {nan, nan, 0, 0, 0, 0}, nan, 1e300);
  for (const PictureOp* t : opsOf(pic, OpKind::TextOut)) {
    EXPECT_EQ(t->text.find("nan"), std::string::npos) << t->text;
    EXPECT_EQ(t->text.find("inf"), std::string::npos) << t->text;
  }
  EXPECT_EQ(opsOf(pic, OpKind::TextOut)[3]->text, "High limit: N.A. kip-ft, N.A. kip");
}

}  // namespace

// Moment and shear diagrams: coordinates worked by hand, the file, and the two forms.
#include <gtest/gtest.h>

#include <algorithm>

#include "beam/diagram.h"
#include "beam/diagram_forms.h"
#include "platform/emf_reader.h"
#include "platform/headless_host.h"
#include "platform/picture_output.h"
#include "recording_painter.h"
#include "support/cli_run.h"
#include "support/scratch_dir.h"

using namespace vd;
using vdtest::centralLoad;
using vdtest::opsOf;
using vdtest::RecordingPainter;
using vdtest::textsOf;

namespace {

TEST(Diagram, CentralLoadMomentIsATriangleWithItsApexAtTheFullReach) {
  // P = 10 kip, L = 20 ft: M = 5 x up to 50 kip-ft at mid-span.
  const Picture pic = drawDiagram(DiagramKind::Moment, centralLoad(10, 20), 0.0, 1.0, {50, 0, 5, 5});
  const auto polys = opsOf(pic, OpKind::Polygon);
  ASSERT_EQ(polys.size(), 2u);  // the curve, the pin
  const std::vector<Point>& c = polys[0]->points;
  ASSERT_EQ(c.size(), 203u);
  EXPECT_EQ(c[0], (Point{18, 161}));
  EXPECT_EQ(c[100], (Point{348, 276}));  // x = 18 + 660/2, y = 161 + 115
  EXPECT_EQ(c[200], (Point{678, 161}));
  // Station 50: M = 25 -> 161 + 115 * 0.5 = 218.5, truncated.
  EXPECT_EQ(c[50], (Point{18 + 165, 218}));
  // Station 33: x = 18 + 660*33/200 = 126.9 -> 126; M = 16.5 -> 161 + 115*0.33 = 198.95 -> 198.
  EXPECT_EQ(c[33], (Point{126, 198}));
  // Closing points on the axis, right end first.
  EXPECT_EQ(c[201], (Point{678, 161}));
  EXPECT_EQ(c[202], (Point{18, 161}));
}

TEST(Diagram, TheLargestValueAlwaysReachesTheMarginExactly) {
  // 115 * v / v is not 115 in floating point for every v; the largest station must still reach
  // exactly 115 from the axis. This value is one where the plain product-first order would give 45.
  const double v = 945.3254248583684;
  ASSERT_NE(115.0 * v / v, 115.0);
  StationTable t{};
  t[50 * 5 + 2] = v;
  t[150 * 5 + 2] = -v;
  const Picture pic = drawDiagram(DiagramKind::Moment, t, 0.0, 1.0, {});
  const std::vector<Point>& c = opsOf(pic, OpKind::Polygon)[0]->points;
  EXPECT_EQ(c[50].y, 276);
  EXPECT_EQ(c[150].y, 46);
}

TEST(Diagram, ShearReadsColumnOneAndMomentColumnTwoAndLabelsTheExtremes) {
  const StationTable t = centralLoad(10, 20);
  const Picture shear = drawDiagram(DiagramKind::Shear, t, 0.0, 1.0, {50, 0, 5, 5});
  const std::vector<Point>& c = opsOf(shear, OpKind::Polygon)[0]->points;
  EXPECT_EQ(c[0].y, 276);    // +5 of 5
  EXPECT_EQ(c[100].y, 161);  // 0 at mid-span
  EXPECT_EQ(c[101].y, 46);   // -5
  // V = +5 kip from x = 0 (the first station holds it), -5 kip from x = 10.1 ft (station 101).
  EXPECT_EQ(textsOf(shear), (std::vector<std::string>{"Shear Diagram (Vardelin)", "R_left= 5.00 kip, R_right= 5.00 kip",
                                                      "max 5.00 kip at x = 0.00 ft", "min -5.00 kip at x = 10.10 ft",
                                                      "x = 0.00 ft", "x = 20.00 ft"}));
  // M = P x / 2 = 50 kip-ft at mid-span, x = 10 ft; nothing below zero.
  const Picture moment = drawDiagram(DiagramKind::Moment, t, 0.0, 1.0, {50, -12.345, 5, 5});
  EXPECT_EQ(textsOf(moment), (std::vector<std::string>{"Moment Diagram (Vardelin)",
                                                       "+mom= 50.00 kip-ft, -mom= -12.35 kip-ft",
                                                       "max 50.00 kip-ft at x = 10.00 ft", "x = 0.00 ft",
                                                       "x = 20.00 ft"}));
  EXPECT_EQ(opsOf(moment, OpKind::TextOut)[1]->v, (std::vector<std::int32_t>{600, -3}));
  // The max label stands above the apex (x 348, y 276 + 4), in screen pixels (0.96 x, -0.96 y).
  EXPECT_EQ(opsOf(moment, OpKind::TextOut)[2]->v, (std::vector<std::int32_t>{334, -268}));
}

TEST(Diagram, AllZeroStationsLieOnTheAxis) {
  const Picture pic = drawDiagram(DiagramKind::Moment, StationTable{}, 0.0, 1.0, {});
  for (const Point& p : opsOf(pic, OpKind::Polygon)[0]->points) EXPECT_EQ(p.y, 161);
  // Nor does a station that is not a number disturb the others.
  StationTable t = centralLoad(10, 20);
  t[7 * 5 + 2] = std::nan("");
  const Picture withNan = drawDiagram(DiagramKind::Moment, t, 0.0, 1.0, {});
  const std::vector<Point>& c = opsOf(withNan, OpKind::Polygon)[0]->points;
  EXPECT_EQ(c[7].y, 161);
  EXPECT_EQ(c[100].y, 276);
}

// The support x positions drawn: pin triangle at the left, roller circle at the right (as in the
// beam picture above the pad).
std::pair<int, int> supportsOf(const Picture& pic) {
  const PictureOp* circle = opsOf(pic, OpKind::Ellipse).at(0);
  return {opsOf(pic, OpKind::Polygon).at(1)->points[1].x, (circle->v[0] + circle->v[2]) / 2};
}

TEST(Diagram, SupportsSitWhereTheSpanPutsThem) {
  const StationTable t = centralLoad(10, 20);
  // Pin at 18 + 660 * left, roller at 18 + 660 * right: a simple beam; 5 ft overhangs of a 20 ft beam
  // (183, 513); L = 25, s = 20, where 1 - 20/25 is just below 0.2 in doubles, so 660 times it is just
  // below 132 and the pin lands at 149.
  ASSERT_LT(1.0 - 20.0 / 25.0, 0.2);
  const struct {
    double left, right;
    std::pair<int, int> at;
  } cases[] = {{0, 1, {18, 678}}, {1 - 15.0 / 20, 1, {183, 678}}, {0, 15.0 / 20, {18, 513}}, {1 - 20.0 / 25, 1, {149, 678}}};
  for (const auto& c : cases)
    EXPECT_EQ(supportsOf(drawDiagram(DiagramKind::Moment, t, c.left, c.right, {})), c.at) << c.left << " " << c.right;
  // The span axis names where the supports are: x = 0.25 * 20 = 5 ft and the two ends.
  const auto texts = textsOf(drawDiagram(DiagramKind::Moment, t, 0.25, 1.0, {}));
  EXPECT_EQ(std::vector<std::string>(texts.end() - 3, texts.end()),
            (std::vector<std::string>{"x = 0.00 ft", "x = 5.00 ft", "x = 20.00 ft"}));
}

TEST(Diagram, CantileverHasAWallAtItsFixedEndAndNothingAtItsFreeEnd) {
  // 10 ft cantilever, 2 kip at the free end: the wall takes 2 kip and -20 kip-ft.
  StationTable t{};
  for (int i = 0; i <= 200; ++i) {
    t[static_cast<std::size_t>(i * 5)] = i * 10.0 / 200;
    t[static_cast<std::size_t>(i * 5 + 1)] = -2;
    t[static_cast<std::size_t>(i * 5 + 2)] = -2 * (i * 10.0 / 200);
  }
  LastBeamResult last{0, -20, 0, 2, true, -20};
  const Picture shear = drawDiagram(DiagramKind::Shear, t, 0.0, 1.0, last);
  // No roller, no pin: the only polygon is the curve; one hatched block right of x = 678 (the wall).
  EXPECT_TRUE(opsOf(shear, OpKind::Ellipse).empty());
  EXPECT_EQ(opsOf(shear, OpKind::Polygon).size(), 1u);
  const auto rects = opsOf(shear, OpKind::Rectangle);
  ASSERT_EQ(rects.size(), 1u);
  EXPECT_EQ(rects[0]->v, (std::vector<std::int32_t>{678, 185, 692, 137}));
  // Its face at x = 678 and the support line there; at the free end (x = 18) only the axis and its
  // end mark.
  for (const PictureOp* m : opsOf(shear, OpKind::MoveTo))
    EXPECT_TRUE(m->v[0] == 678 || m->v == (std::vector<std::int32_t>{18, 161}) ||
                m->v == (std::vector<std::int32_t>{18, 166}));
  EXPECT_EQ(textsOf(shear), (std::vector<std::string>{"Shear Diagram (Vardelin)", "R= 2.00 kip, M_fixed= -20.00 kip-ft",
                                                      "min -2.00 kip at x = 0.00 ft", "x = 0.00 ft", "x = 10.00 ft"}));
}

TEST(Diagram, ColoursReadOnWhitePaper) {
  const Picture pic = drawDiagram(DiagramKind::Moment, centralLoad(10, 20), 0.0, 1.0, {});
  RecordingPainter rec;
  EXPECT_TRUE(playPicture(pic, rec, {0, 0, 696, 322}));
  const auto polys = rec.of("polygon");
  ASSERT_EQ(polys.size(), 2u);
  EXPECT_EQ(polys[0].style.penColor, rgb(170, 0, 0));
  EXPECT_EQ(polys[0].style.brushStyle, BrushStyle::Hatched);
  EXPECT_EQ(polys[0].style.hatch, Hatch::Vertical);
  EXPECT_EQ(polys[0].style.brushColor, rgb(0, 0, 150));
  EXPECT_EQ(polys[1].style.penColor, rgb(0, 0, 0));          // pin: black pen
  EXPECT_EQ(polys[1].style.brushColor, rgb(255, 255, 255));  // white brush
  // No line is light: every pen but the white one under the hatched blocks is dark.
  for (const auto& l : rec.of("polyline")) {
    const Color c = l.style.penColor;
    const int light = ((c >> 16) & 0xff) + ((c >> 8) & 0xff) + (c & 0xff);
    EXPECT_LT(light, 3 * 128) << std::hex << c;
  }
  const auto texts = rec.of("text");
  ASSERT_GE(texts.size(), 3u);
  EXPECT_EQ(texts[0].text.face, "Times New Roman");
  EXPECT_FALSE(texts[0].text.opaqueBackground);
  EXPECT_EQ(texts[1].text.align, align::Right);
  EXPECT_TRUE(texts[2].text.opaqueBackground);  // the max label stays readable over the hatching
}

class DiagramFormTest : public vdtest::ScratchDir {
 protected:
  void SetUp() override {
    ScratchDir::SetUp();
    settings_ = std::make_unique<Settings>(ini());
    state_ = std::make_unique<AppState>(*settings_);
    state_->stations = centralLoad(10, 20);
    state_->lastBeam = {50, -1.5, 5, 5.25};
    registerDiagramForms(registry_);
  }
  void TearDown() override {
    installPictureOutput(nullptr);
    ScratchDir::TearDown();
  }
  std::unique_ptr<Form> form(int command) { return (*registry_.find(command))(*state_); }

  std::unique_ptr<Settings> settings_;
  std::unique_ptr<AppState> state_;
  FormRegistry registry_;
};

struct FakeOutput : PictureOutput {
  std::vector<std::string> printed;
  bool print(const std::filesystem::path& emf) override {
    printed.push_back(emf.string());
    return true;
  }
  void saveAs(const std::filesystem::path&, int, int, Messenger&) override {}
};

// The picture size on the desktop: DiagramFormOnTheDesktop; the status bar texts: the golden outputs
// of examples/pictures/diagrams.txt and tests/golden/beam/cantilever_diagram.txt; the curve the file
// holds: DiagramExample.
TEST_F(DiagramFormTest, OpeningDrawsTheFileAndShowsIt) {
  auto f = form(cmd::MomentDiagram), s = form(cmd::ShearDiagram);
  EXPECT_EQ(f->layout().templateName, "PLOT_Box");
  EXPECT_EQ(s->layout().templateName, "SHEAR_Box");
  EXPECT_EQ(f->layout().title, "Moment Diagram -- Vardelin");
  EXPECT_EQ(s->layout().title, "Shear Diagram -- Vardelin");
  HeadlessHost host(*f), sh(*s);
  host.open();
  EXPECT_EQ(host.picture(diagram_form::PictureId), "Moment.emf");
  std::optional<EmfFile> emf = readEmf("Moment.emf");
  ASSERT_TRUE(emf);
  EXPECT_EQ(emf->description, "MOMENT");
  EXPECT_TRUE(host.takeMessages().empty());
  sh.open();  // the shear form writes its own file
  EXPECT_EQ(readEmf("Shear.emf")->description, "SHEAR");
  sh.press(kOk);
  EXPECT_TRUE(sh.isClosed() && sh.accepted());
}

// A failed print's message, the form staying open: the golden output of examples/pictures/diagrams.txt.
TEST_F(DiagramFormTest, PrintSendsTheFormsOwnFile) {
  FakeOutput out;
  installPictureOutput(&out);
  auto m = form(cmd::MomentDiagram), s = form(cmd::ShearDiagram);
  HeadlessHost mh(*m), sh(*s);
  for (HeadlessHost* h : {&mh, &sh}) {
    h->open();
    h->press(diagram_form::Print);
  }
  EXPECT_EQ(out.printed, (std::vector<std::string>{"Moment.emf", "Shear.emf"}));
  EXPECT_TRUE(sh.takeMessages().empty());
}

TEST_F(DiagramFormTest, AFileThatCannotBeWrittenShowsNoStalePicture) {
  std::filesystem::create_directories("Moment.emf/blocked");
  auto f = form(cmd::MomentDiagram);
  HeadlessHost host(*f);
  host.open();
  EXPECT_EQ(host.picture(diagram_form::PictureId), "");
  const auto msgs = host.takeMessages();
  ASSERT_EQ(msgs.size(), 1u);
  EXPECT_NE(msgs[0].text.find("Could not write Moment.emf"), std::string::npos);
  host.press(diagram_form::Print);
  EXPECT_EQ(host.takeMessages().at(0).text, "Error encountered during printing");
}

class DiagramExample : public vdtest::ScratchDir {};

TEST_F(DiagramExample, TheExampleScriptDrawsTheBeamItAnalyses) {
  // 20 ft beam, 5 ft overhang at the left, 1.2 k/ft over the whole length and 8 kip at 12 ft.
  // By hand: R_left = (24 * 10 + 8 * 8) / 15 = 20.27 kip, R_right = 32 - 20.27 = 11.73 kip;
  // -M at the left support = 1.2 * 5^2 / 2 = 15 k-ft; +M at the point load (12 ft) =
  // -0.6 * 12^2 + 20.267 * 7 = 55.47 k-ft (the shear changes sign there).
  // The report lines are in the example's golden output; here the pictures it leaves.
  const vdtest::CliRun r = vdtest::runCli("'" VD_SOURCE_DIR "/examples/pictures/diagrams.txt'");
  ASSERT_EQ(r.status, 0) << r.out;
  std::optional<EmfFile> m = readEmf(r.dir / "Moment.emf");
  ASSERT_TRUE(m);
  const std::vector<Point>& c = opsOf(m->picture, OpKind::Polygon).at(0)->points;
  ASSERT_EQ(c.size(), 203u);
  // Station 50 (5 ft, the left support): 161 + 115 * (-15 / 55.467) = 129.9 -> 129, at x 18 + 165.
  EXPECT_EQ(c[50], (Point{183, 129}));
  // Station 120 (12 ft): the largest moment, at the full reach, at x 18 + 660 * 120 / 200 = 414.
  EXPECT_EQ(c[120], (Point{414, 276}));
  // The pin sits on the left support, a quarter of the length in, as in the beam picture.
  EXPECT_EQ(opsOf(m->picture, OpKind::Polygon).at(1)->points[1].x, 183);
  const auto texts = textsOf(m->picture);
  EXPECT_NE(std::find(texts.begin(), texts.end(), "max 55.47 kip-ft at x = 12.00 ft"), texts.end());
  EXPECT_NE(std::find(texts.begin(), texts.end(), "min -15.00 kip-ft at x = 5.00 ft"), texts.end());

  std::optional<EmfFile> s = readEmf(r.dir / "Shear.emf");
  ASSERT_TRUE(s);
  // The largest shear is at the left support (station 50, the reaction counted): 20.267 - 1.2 * 5 =
  // 14.267 kip, at the full reach; at 5.1 ft it is 14.147 kip: 161 + 115 * 14.147 / 14.267 = 275.03 -> 275.
  const std::vector<Point>& v = opsOf(s->picture, OpKind::Polygon).at(0)->points;
  EXPECT_EQ(v[50].y, 276);
  EXPECT_EQ(v[51].y, 275);
}

}  // namespace

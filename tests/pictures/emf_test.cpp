// Metafiles: what the writer puts on disk, what the reader takes back, how the player maps it.
#include <emf2svg.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <random>

#include "platform/emf_reader.h"
#include "platform/emf_writer.h"
#include "platform/picture_svg.h"
#include "recording_painter.h"
#include "support/scratch_dir.h"

using namespace vd;
using vdtest::Call;
using vdtest::expectSameCalls;
using vdtest::RecordingPainter;

namespace {

class EmfTest : public vdtest::ScratchDir {};

// A picture using every kind of call the program draws with.
Picture sampler() {
  Picture p;
  p.setMapMode(MapMode::LoEnglish);
  const auto pen = p.createPen(PenStyle::Solid, 3, rgb(0, 0, 255));
  const auto hatch = p.createHatchBrush(Hatch::DiagCross, rgb(10, 20, 30));
  p.select(pen);
  p.select(hatch);
  p.polygon({{10, 10}, {110, 60}, {210, 10}});
  p.line(10, 100, 210, 100);
  p.select(Stock::BlackPen);
  p.select(Stock::WhiteBrush);
  p.rectangle(20, 90, 60, 70);
  p.ellipse(70, 90, 90, 70);
  const auto grey = p.createSolidBrush(rgb(220, 220, 220));
  p.select(grey);
  p.roundRect(100, 90, 180, 40, 6, 6);
  p.setMapMode(MapMode::ScreenPixels);
  FontSpec f;
  f.height = 20;
  f.face = "Times New Roman";
  p.select(p.createFont(f));
  p.setBkMode(kBkTransparent);
  p.setTextAlign(align::Right | align::Top);
  p.textOut(150, 5, "Span = 20'-0\" <OK>");
  p.textOut(10, 5, "f\xC2\xB4" "c \xE2\x89\xA4 10 ksi");  // non-ASCII text goes through the wide record
  return p;
}

std::vector<std::uint32_t> types(const EmfFile& f) {
  std::vector<std::uint32_t> t;
  for (const EmfRecord& r : f.records) t.push_back(r.type);
  return t;
}

// The record of a type, as a view of its bytes.
std::string recordBytes(const std::string& file, const EmfFile& f, std::uint32_t type, int nth = 0) {
  for (const EmfRecord& r : f.records) {
    if (r.type == type && nth-- == 0) return file.substr(r.offset, r.size);
  }
  return {};
}

std::int32_t i32(const std::string& b, std::size_t off) {
  std::uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(b[off + static_cast<std::size_t>(i)]);
  return static_cast<std::int32_t>(v);
}

TEST_F(EmfTest, FileHoldsAValidHeaderAndTheRecordsOfEachCall) {
  ASSERT_TRUE(writeEmf(sampler(), "s.emf", "SAMPLE"));
  const std::string bytes = slurp("s.emf");
  std::string why;
  std::optional<EmfFile> f = parseEmf(bytes, &why);
  ASSERT_TRUE(f) << why;

  EXPECT_EQ(f->description, "SAMPLE");
  EXPECT_EQ(f->declaredBytes, bytes.size());
  EXPECT_EQ(f->declaredRecords, f->records.size());
  EXPECT_GE(f->handles, 5);  // the file itself and four objects

  // The calls in file order (the library writes an object when it is first selected): the mapping, the
  // objects, each shape; the rounded rectangle as a path
  // (the library has no rounded-rectangle record); the screen-pixel texts as an anisotropic mapping.
  const std::vector<std::uint32_t> expected = {
      emr::Header, emr::SetMapMode, emr::CreatePen, emr::SelectObject, emr::CreateBrushIndirect,
      emr::SelectObject, emr::Polygon16, emr::MoveToEx, emr::LineTo, emr::SelectObject, emr::SelectObject,
      emr::Rectangle, emr::Ellipse, emr::CreateBrushIndirect, emr::SelectObject, emr::BeginPath, emr::MoveToEx,
      emr::LineTo, emr::PolyBezierTo16, emr::LineTo, emr::PolyBezierTo16, emr::LineTo, emr::PolyBezierTo16,
      emr::LineTo, emr::PolyBezierTo16, emr::CloseFigure, emr::EndPath, emr::StrokeAndFillPath, emr::MoveToEx,
      emr::SetMapMode, emr::SetWindowExtEx, emr::SetViewportExtEx, emr::ExtCreateFontIndirectW,
      emr::SelectObject, emr::SetBkMode, emr::SetTextAlign, emr::ExtTextOutA, emr::ExtTextOutW, emr::Eof};
  EXPECT_EQ(types(*f), expected);

  // Field by field: the pen solid, 3 wide, blue as 0x00BBGGRR; the brush hatched, rgb(10, 20, 30), diagonal
  // cross; map modes hundredths of an inch (4), then anisotropic (8); the text at (150, 5), 18 characters.
  const std::tuple<std::uint32_t, int, std::size_t, std::int32_t> fields[] = {
      {emr::CreatePen, 0, 12, 0}, {emr::CreatePen, 0, 16, 3}, {emr::CreatePen, 0, 24, 0x00FF0000},
      {emr::CreateBrushIndirect, 0, 12, 2}, {emr::CreateBrushIndirect, 0, 16, 0x001E140A},
      {emr::CreateBrushIndirect, 0, 20, 5}, {emr::SetMapMode, 0, 8, 4}, {emr::SetMapMode, 1, 8, 8},
      {emr::ExtTextOutA, 0, 36, 150}, {emr::ExtTextOutA, 0, 40, 5}, {emr::ExtTextOutA, 0, 44, 18}};
  for (const auto& [type, nth, offset, value] : fields)
    EXPECT_EQ(i32(recordBytes(bytes, *f, type, nth), offset), value) << type << " @" << offset;
  // 1/96 inch per unit on the 1024-pixel, 320-mm reference device: extents in the ratio 0.84667.
  const std::string wext = recordBytes(bytes, *f, emr::SetWindowExtEx);
  const std::string vext = recordBytes(bytes, *f, emr::SetViewportExtEx);
  EXPECT_NEAR(static_cast<double>(i32(vext, 8)) / i32(wext, 8), 1024.0 / 320.0 * 25.4 / 96.0, 1e-9);
  const std::string text = recordBytes(bytes, *f, emr::ExtTextOutA);
  EXPECT_EQ(text.substr(static_cast<std::size_t>(i32(text, 48)), 18), "Span = 20'-0\" <OK>");
}

TEST_F(EmfTest, ReadingBackGivesTheCallsThatWereWritten) {
  const Picture p = sampler();
  ASSERT_TRUE(writeEmf(p, "s.emf", "SAMPLE"));
  std::optional<EmfFile> f = readEmf("s.emf");
  ASSERT_TRUE(f);
  // Played into the same rectangle, the file draws what the picture in memory draws (texts, faces and
  // heights included); shapes read back in their own coordinates: DiagramExample.
  RecordingPainter mem, file;
  playPicture(p, mem, {0, 0, 696, 322});
  playPicture(f->picture, file, {0, 0, 696, 322});
  expectSameCalls(mem.calls, file.calls, 0.2);
  EXPECT_EQ(mem.of("text").at(1).text.text, "f\xC2\xB4" "c \xE2\x89\xA4 10 ksi");
  EXPECT_EQ(mem.of("path").size(), 1u);  // the rounded rectangle, stroked and filled
  EXPECT_TRUE(mem.of("path")[0].stroke && mem.of("path")[0].fill);
}

TEST_F(EmfTest, ObjectHandlesAreReusedAsTheFileNumbersThem) {
  Picture p;
  const auto a = p.createPen(PenStyle::Solid, 1, rgb(1, 2, 3));
  const auto b = p.createPen(PenStyle::Solid, 2, rgb(4, 5, 6));
  p.select(a);
  p.select(Stock::BlackPen);
  p.deleteObject(a);
  const auto c = p.createPen(PenStyle::Dash, 3, rgb(7, 8, 9));
  EXPECT_EQ(a, 1u);
  EXPECT_EQ(b, 2u);
  EXPECT_EQ(c, 1u);  // the freed slot
  p.select(c);
  p.line(0, 0, 100, 100);
  ASSERT_TRUE(writeEmf(p, "h.emf", "H"));
  std::optional<EmfFile> f = readEmf("h.emf");
  ASSERT_TRUE(f);
  RecordingPainter mem, file;
  playPicture(p, mem, {0, 0, 100, 100});
  playPicture(f->picture, file, {0, 0, 100, 100});
  ASSERT_EQ(file.calls.size(), 1u);
  EXPECT_EQ(file.calls[0].style.penColor, rgb(7, 8, 9));
  EXPECT_EQ(file.calls[0].style.penStyle, PenStyle::Dash);
  expectSameCalls(mem.calls, file.calls, 0.2);
}

TEST_F(EmfTest, AnIndependentReaderConvertsTheFileAndFindsTheTexts) {
  ASSERT_TRUE(writeEmf(sampler(), "s.emf", "SAMPLE"));
  std::string bytes = slurp("s.emf");
  generatorOptions opt{};
  opt.nameSpace = const_cast<char*>("");
  opt.svgDelimiter = true;
  opt.imgWidth = 696;
  opt.imgHeight = 322;
  char* svg = nullptr;
  std::size_t len = 0;
  const int ok = emf2svg(bytes.data(), bytes.size(), &svg, &len, &opt);
  ASSERT_NE(ok, 0);
  ASSERT_NE(svg, nullptr);
  const std::string out(svg, len);
  std::free(svg);
  for (const char* part : {"<svg", "Span = 20", "Times New Roman"}) EXPECT_NE(out.find(part), std::string::npos) << part;
  EXPECT_EQ(out.find("nan"), std::string::npos);
}

TEST_F(EmfTest, DamagedFilesAreRefusedWholeAndNeverCrashTheReader) {
  ASSERT_TRUE(writeEmf(sampler(), "s.emf", "SAMPLE"));
  const std::string good = slurp("s.emf");
  ASSERT_TRUE(parseEmf(good));

  // Every truncation is refused.
  for (std::size_t n = 0; n < good.size(); n += 4) EXPECT_FALSE(parseEmf(std::string_view(good).substr(0, n))) << n;
  // Not a metafile at all.
  EXPECT_FALSE(parseEmf("this is a text file, not a picture, but long enough to hold a header......"));
  // A record claiming size 0 would stop a naive reader forever; a text's characters outside its record.
  const std::optional<EmfFile> f = parseEmf(good);
  std::string zeroSize = good, textOutside = good, why;
  std::fill_n(zeroSize.begin() + static_cast<std::ptrdiff_t>(f->records[2].offset + 4), 4, '\0');
  EXPECT_FALSE(parseEmf(zeroSize, &why));
  EXPECT_NE(why.find("bad size"), std::string::npos);
  for (const EmfRecord& r : f->records)
    if (r.type == emr::ExtTextOutA) textOutside[r.offset + 48] = static_cast<char>(0xF0);
  EXPECT_FALSE(parseEmf(textOutside));
  // Random damage: refused, or read and played without trouble and without non-finite coordinates.
  std::mt19937 rng(12345);
  for (int trial = 0; trial < 400; ++trial) {
    std::string bad = good;
    for (int k = 0; k < 4; ++k) bad[rng() % bad.size()] = static_cast<char>(rng() & 0xFF);
    std::optional<EmfFile> damaged = parseEmf(bad);
    if (!damaged) continue;
    RecordingPainter rec;
    playPicture(damaged->picture, rec, {0, 0, 696, 322});
    for (const Call& c : rec.calls)
      for (const PointF& p : c.points) EXPECT_TRUE(std::isfinite(p.x) && std::isfinite(p.y)) << "trial " << trial;
  }
  // A missing file draws nothing.
  RecordingPainter none;
  EXPECT_FALSE(playEmfFile("missing.emf", none, {0, 0, 10, 10}));
  EXPECT_TRUE(none.calls.empty());
}

// A metafile put together by hand, as another program might write it.
std::string handMade(const std::vector<std::vector<std::int32_t>>& records) {
  auto put = [](std::string& out, std::int32_t v) {
    for (int i = 0; i < 4; ++i) out += static_cast<char>((static_cast<std::uint32_t>(v) >> (8 * i)) & 0xFF);
  };
  std::string body;
  for (const auto& r : records) {
    put(body, r[0]);
    put(body, static_cast<std::int32_t>(4 * (r.size() + 1)));
    for (std::size_t i = 1; i < r.size(); ++i) put(body, r[i]);
  }
  std::string eof;
  for (std::int32_t v : {14, 20, 0, 0, 20}) put(eof, v);
  std::string h;
  for (std::int32_t v : {1, 88, 0, 0, 100, 100, 0, 0, 3125, 3125, 0x464D4520, 0x10000}) put(h, v);
  put(h, static_cast<std::int32_t>(88 + body.size() + eof.size()));
  put(h, static_cast<std::int32_t>(records.size() + 2));
  put(h, 1);  // one handle, no reserved bits
  for (std::int32_t v : {0, 0, 0, 1024, 768, 320, 240}) put(h, v);
  return h + body + eof;
}

TEST(EmfReader, TakesRecordsOtherProgramsWrite) {
  // A rounded rectangle record, a 32-bit polygon, an opaque background colour; frame 31.25 mm = 100 px.
  const std::string file = handMade({{44, 10, 10, 90, 60, 20, 20},
                                     {25, static_cast<std::int32_t>(rgb(1, 2, 3))},
                                     {3, 0, 0, 0, 0, 3, 0, 0, 100, 0, 50, 100}});
  std::string why;
  std::optional<EmfFile> f = parseEmf(file, &why);
  ASSERT_TRUE(f) << why;
  EXPECT_EQ(f->records.size(), 5u);
  RecordingPainter rec;
  playPicture(f->picture, rec, {0, 0, 100, 100});
  ASSERT_EQ(rec.calls.size(), 2u);
  EXPECT_EQ(rec.calls[0].kind, "path");  // the rounded rectangle
  EXPECT_EQ(rec.calls[0].pathKinds.front(), PathElement::Move);
  EXPECT_NEAR(rec.calls[0].points.front().x, 20, 0.01);  // 10 + the corner radius
  EXPECT_NEAR(rec.calls[0].points.front().y, 10, 0.01);
  EXPECT_EQ(rec.calls[1].kind, "polygon");
  EXPECT_NEAR(rec.calls[1].points[1].x, 100, 0.01);
  EXPECT_EQ(rec.calls[1].style.backgroundColor, rgb(1, 2, 3));
  // Corners and sizes at the ends of the integer range do not upset the arithmetic.
  const std::int32_t lo = std::numeric_limits<std::int32_t>::min(), hi = std::numeric_limits<std::int32_t>::max();
  std::optional<EmfFile> g = parseEmf(handMade({{44, lo, lo, hi, hi, lo, lo}, {43, lo, hi, hi, lo}}));
  ASSERT_TRUE(g);
  RecordingPainter wild;
  playPicture(g->picture, wild, {0, 0, 100, 100});
  for (const Call& c : wild.calls)
    for (const PointF& p : c.points) EXPECT_TRUE(std::isfinite(p.x) && std::isfinite(p.y));
}

TEST_F(EmfTest, PlayingHundredthsOfAnInchRunUpwardAndScreenPixelsAreNinetySixToTheInch) {
  Picture p;
  p.setMapMode(MapMode::LoEnglish);
  p.select(Stock::NullPen);
  p.rectangle(0, 0, 200, -100);  // two inches wide, one inch down from the origin
  p.select(p.createPen(PenStyle::Solid, 3, rgb(0, 0, 0)));
  p.line(50, -25, 150, -25);  // a quarter inch below the top
  p.select(Stock::NullPen);
  p.setMapMode(MapMode::ScreenPixels);
  p.polygon({{96, 0}, {96, 48}, {0, 48}});  // one inch right, half an inch down
  FontSpec f;
  f.height = 20;
  p.select(p.createFont(f));
  p.textOut(48, 24, "x");

  for (int fromFile = 0; fromFile < 2; ++fromFile) {
    SCOPED_TRACE(fromFile ? "read back" : "in memory");
    if (fromFile) {
      ASSERT_TRUE(writeEmf(p, "t.emf", "T"));
    }
    const Picture q = fromFile ? readEmf("t.emf")->picture : p;
    // Destination: one unit per hundredth of an inch. The box, the line (y upward: -25 lies a quarter
    // inch below the top), the triangle in screen pixels (96 to the inch), the text's reference point.
    RecordingPainter rec;
    playPicture(q, rec, {0, 0, 200, 100});
    ASSERT_EQ(rec.calls.size(), 4u);
    const double corners[][4] = {{0, 0, 0, 0},   {0, 1, 200, 100}, {1, 0, 50, 25}, {1, 1, 150, 25},
                                 {2, 0, 100, 0}, {2, 1, 100, 50},  {3, 0, 50, 25}};
    for (const auto& [call, point, x, y] : corners) {
      const PointF at = rec.calls[static_cast<std::size_t>(call)].points[static_cast<std::size_t>(point)];
      EXPECT_NEAR(at.x, x, 0.2) << call << "/" << point;
      EXPECT_NEAR(at.y, y, 0.2) << call << "/" << point;
    }
    EXPECT_NEAR(rec.calls[1].style.penWidth, 3.0, 0.05);  // three hundredths of an inch
    EXPECT_NEAR(rec.calls[3].text.height, 20 * 100.0 / 96, 0.05);
  }
  // Stretching: twice as wide doubles x only.
  RecordingPainter wide;
  playPicture(p, wide, {10, 20, 410, 120});
  EXPECT_NEAR(wide.calls[1].points[1].x, 10 + 300, 0.2);
  EXPECT_NEAR(wide.calls[1].points[1].y, 20 + 25, 0.2);
}

TEST(PicturePlay, EmptyPicturesAndEmptyDestinationsDrawNothing) {
  RecordingPainter rec;
  playPicture(Picture{}, rec, {0, 0, 100, 100});
  Picture p;
  p.rectangle(0, 0, 10, 10);
  playPicture(p, rec, {0, 0, 0, 100});
  playPicture(p, rec, {0, 0, std::nan(""), 100});
  EXPECT_TRUE(rec.calls.empty());
}

TEST(PicturePlay, PicturesAskingForTooMuchDrawingAreRefusedWhole) {
  // Random 16-bit points. 400 within a frame around them: some 150 destination diagonals of outline,
  // drawn. With a frame of 10 cm the outline runs far beyond the picture (a minute of QPainter time for
  // a thousand points), so nothing is drawn.
  std::mt19937 rng(15);
  std::uniform_int_distribution<int> coordinate(-32768, 32767);
  std::vector<Point> points(400);
  for (Point& pt : points) pt = {coordinate(rng), coordinate(rng)};
  Picture p;
  p.polygon(points);
  RecordingPainter fits;
  EXPECT_TRUE(playPicture(p, fits, {0, 0, 696, 322}));
  EXPECT_EQ(fits.calls.size(), 1u);
  p.setFrame({0, 0, 10000, 10000});
  RecordingPainter beyond;
  EXPECT_FALSE(playPicture(p, beyond, {0, 0, 696, 322}));
  EXPECT_TRUE(beyond.calls.empty());

  // One record of more points than any call of ours draws makes the file damaged.
  auto polygon16 = [](std::int32_t n) {
    std::vector<std::int32_t> r{86, 0, 0, 100, 100, n};
    for (std::int32_t i = 0; i < n; ++i) r.push_back((i % 100) | ((i % 97) << 16));
    return handMade({r});
  };
  EXPECT_TRUE(parseEmf(polygon16(static_cast<std::int32_t>(kMaxPointsPerCall))));
  std::string why;
  EXPECT_FALSE(parseEmf(polygon16(static_cast<std::int32_t>(kMaxPointsPerCall) + 1), &why));
}

TEST(PictureSvg, HoldsShapesHatchesAndEscapedTexts) {
  const std::string svg = pictureSvg(sampler(), 696, 322);
  // The diagonal cross is drawn before the background turns transparent: white gaps.
  for (const char* part : {"<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"696\" height=\"322\"", "<polygon",
                           "<pattern id=\"h5_1e140a_ffffff\" patternUnits=\"userSpaceOnUse\" width=\"8\" height=\"8\">"
                           "<rect width=\"8\" height=\"8\" fill=\"#ffffff\"/>",
                           "fill=\"url(#h5_1e140a_ffffff)\"", "Span = 20'-0&quot; &lt;OK&gt;", "text-anchor=\"end\"",
                           "<path d=\"M"})
    EXPECT_NE(svg.find(part), std::string::npos) << part;
  EXPECT_EQ(svg.find("nan"), std::string::npos);
  EXPECT_EQ(svg.find("inf"), std::string::npos);
}

TEST(PictureCoords, TruncateTowardZeroAndStayInRange) {
  const std::pair<double, int> cases[] = {{149.99999999999997, 149}, {-65.33, -65},    {std::nan(""), 0},
                                          {1e300, 30000},             {-1e300, -30000}, {-HUGE_VAL, 0}};
  for (const auto& [v, coord] : cases) EXPECT_EQ(truncCoord(v), coord) << v;
}

}  // namespace

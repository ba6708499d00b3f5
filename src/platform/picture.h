#pragma once
// Pictures: a drawing recorded as the GDI-style calls that make it, written to disk as an Enhanced
// Metafile (emf_writer.h), read back from one (emf_reader.h) and played onto any painter
// (picture_play.h). The numbers of modes, styles and stock objects are the metafile's own, so a
// recorded call and the record it becomes carry the same values.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vd {

// 0x00BBGGRR, as the metafile stores colours.
using Color = std::uint32_t;
constexpr Color rgb(int r, int g, int b) {
  return static_cast<Color>((r & 0xff) | ((g & 0xff) << 8) | ((b & 0xff) << 16));
}
constexpr int red(Color c) { return static_cast<int>(c & 0xff); }
constexpr int green(Color c) { return static_cast<int>((c >> 8) & 0xff); }
constexpr int blue(Color c) { return static_cast<int>((c >> 16) & 0xff); }

enum class MapMode : int {
  Text = 1,        // one unit = one reference-device pixel, y down
  LoMetric = 2,    // 0.1 mm, y up
  HiMetric = 3,    // 0.01 mm, y up
  LoEnglish = 4,   // 0.01 in, y up
  HiEnglish = 5,   // 0.001 in, y up
  Twips = 6,       // 1/1440 in, y up
  Isotropic = 7,
  Anisotropic = 8,  // window and viewport extents decide
  // One unit = one pixel of a 96-dpi screen, y down: the "device units" the drawings place their texts
  // in. The writer expresses it with an anisotropic mapping on the file's reference device.
  ScreenPixels = 100,
};

enum class PenStyle : int { Solid = 0, Dash = 1, Dot = 2, DashDot = 3, DashDotDot = 4, Null = 5 };
enum class BrushStyle : int { Solid = 0, Null = 1, Hatched = 2 };
enum class Hatch : int { Horizontal = 0, Vertical = 1, FDiagonal = 2, BDiagonal = 3, Cross = 4, DiagCross = 5 };

// Stock objects, selected by handle stockHandle(Stock::...).
enum class Stock : std::uint32_t {
  WhiteBrush = 0, LtGrayBrush = 1, GrayBrush = 2, DkGrayBrush = 3, BlackBrush = 4, NullBrush = 5,
  WhitePen = 6, BlackPen = 7, NullPen = 8, SystemFont = 13, DefaultGuiFont = 17,
};
inline constexpr std::uint32_t kStockFlag = 0x80000000u;
constexpr std::uint32_t stockHandle(Stock s) { return kStockFlag | static_cast<std::uint32_t>(s); }

// Text alignment flags.
namespace align {
inline constexpr unsigned Left = 0, Right = 2, Center = 6, Top = 0, Bottom = 8, Baseline = 24;
}

inline constexpr int kBkTransparent = 1, kBkOpaque = 2;

struct Point {
  std::int32_t x = 0;
  std::int32_t y = 0;
  bool operator==(const Point&) const = default;
};

// A logical font; zero fields take the platform's defaults.
struct FontSpec {
  std::int32_t height = 0;  // > 0: cell height, < 0: character height, in logical units
  std::int32_t width = 0;
  std::int32_t escapement = 0;
  std::int32_t orientation = 0;
  std::int32_t weight = 0;  // 400 normal, 700 bold; 0 default
  std::uint8_t italic = 0, underline = 0, strikeOut = 0, charSet = 0;
  std::uint8_t outPrecision = 0, clipPrecision = 0, quality = 0, pitchAndFamily = 0;
  std::string face;  // at most 31 characters are kept
  bool operator==(const FontSpec&) const = default;
};

enum class OpKind : int {
  SetMapMode,       // v: mode
  SetWindowExt,     // v: cx, cy
  SetViewportExt,   // v: cx, cy
  SetWindowOrg,     // v: x, y
  SetViewportOrg,   // v: x, y
  SetBkMode,        // v: mode
  SetBkColor,       // v: colour
  SetTextAlign,     // v: flags
  SetTextColor,     // v: colour
  SetPolyFillMode,  // v: 1 alternate, 2 winding
  CreatePen,        // v: handle, style, width, colour
  CreateBrush,      // v: handle, style, colour, hatch
  CreateFont,       // v: handle; font
  SelectObject,     // v: handle (stock handles carry kStockFlag)
  DeleteObject,     // v: handle
  MoveTo,           // v: x, y
  LineTo,           // v: x, y
  Polygon,          // points
  Polyline,         // points
  PolylineTo,       // points
  PolyBezierTo,     // points, three per curve
  Rectangle,        // v: left, top, right, bottom
  RoundRect,        // v: left, top, right, bottom, corner width, corner height
  Ellipse,          // v: left, top, right, bottom
  BeginPath,
  EndPath,
  CloseFigure,
  FillPath,
  StrokePath,
  StrokeAndFillPath,
  TextOut,          // v: x, y; text
  SaveDC,
  RestoreDC,        // v: relative level (negative)
};

struct PictureOp {
  OpKind kind = OpKind::SaveDC;
  std::vector<std::int32_t> v;
  std::vector<Point> points;
  std::string text;  // TextOut's text
  FontSpec font;     // CreateFont's font
  bool operator==(const PictureOp&) const = default;
};

// The device a picture's pixel coordinates refer to. The default is the reference screen the metafile
// writer records (1024 x 768 pixels on 320 x 240 mm).
struct ReferenceDevice {
  int pixelsX = 1024, pixelsY = 768;
  int millimetersX = 320, millimetersY = 240;
  double pixelsPerMmX() const { return millimetersX > 0 ? static_cast<double>(pixelsX) / millimetersX : 3.2; }
  double pixelsPerMmY() const { return millimetersY > 0 ? static_cast<double>(pixelsY) / millimetersY : 3.2; }
  bool operator==(const ReferenceDevice&) const = default;
};

// The picture's frame in hundredths of a millimetre on the reference device, y down.
struct Frame100 {
  std::int32_t left = 0, top = 0, right = 0, bottom = 0;
  bool empty() const { return right <= left || bottom <= top; }
  bool operator==(const Frame100&) const = default;
};

class Picture {
 public:
  Picture() = default;

  // Objects. Handles are the lowest free slot from 1, as the metafile numbers them.
  std::uint32_t createPen(PenStyle style, int width, Color color);
  std::uint32_t createBrush(BrushStyle style, Color color, Hatch hatch = Hatch::Horizontal);
  std::uint32_t createHatchBrush(Hatch hatch, Color color) { return createBrush(BrushStyle::Hatched, color, hatch); }
  std::uint32_t createSolidBrush(Color color) { return createBrush(BrushStyle::Solid, color); }
  std::uint32_t createFont(const FontSpec& font);
  void select(std::uint32_t handle);
  void select(Stock s) { select(stockHandle(s)); }
  void deleteObject(std::uint32_t handle);

  // State.
  void setMapMode(MapMode mode);
  void setWindowExt(int cx, int cy);
  void setViewportExt(int cx, int cy);
  void setWindowOrg(int x, int y);
  void setViewportOrg(int x, int y);
  void setBkMode(int mode);
  void setBkColor(Color c);
  void setTextAlign(unsigned flags);
  void setTextColor(Color c);

  // Drawing, in logical units of the current mapping mode.
  void polygon(std::vector<Point> points);
  void polyline(std::vector<Point> points);
  void moveTo(int x, int y);
  void lineTo(int x, int y);
  void line(int x1, int y1, int x2, int y2) { moveTo(x1, y1); lineTo(x2, y2); }
  void rectangle(int left, int top, int right, int bottom);
  void roundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight);
  void ellipse(int left, int top, int right, int bottom);
  void textOut(int x, int y, std::string_view text);

  // Paths.
  void beginPath();
  void endPath();
  void closeFigure();
  void polyBezierTo(std::vector<Point> points);
  void polylineTo(std::vector<Point> points);
  void strokeAndFillPath();
  void strokePath();
  void fillPath();

  void saveDC();
  void restoreDC(int relative = -1);

  // Appends a call as it stands (the metafile reader builds pictures this way).
  void append(PictureOp op) { ops_.push_back(std::move(op)); }
  const std::vector<PictureOp>& ops() const { return ops_; }

  const ReferenceDevice& device() const { return device_; }
  void setDevice(const ReferenceDevice& d) { device_ = d; }
  // A frame read from a file; without one the frame is the bounds of what is drawn.
  bool hasFrame() const { return hasFrame_; }
  const Frame100& frame() const { return frame_; }
  void setFrame(const Frame100& f) { frame_ = f; hasFrame_ = true; }

 private:
  std::uint32_t allocateHandle();
  void add(OpKind kind, std::vector<std::int32_t> v = {});

  std::vector<PictureOp> ops_;
  std::vector<bool> used_{false};  // slot 0 is the metafile itself
  ReferenceDevice device_;
  Frame100 frame_;
  bool hasFrame_ = false;
};

// The outline of a rounded rectangle as one closed figure: a start point, then per side a line
// and a quarter-ellipse Bezier (three control points each), in integer logical units.
struct RoundRectOutline {
  Point start;
  std::vector<Point> lines;    // four line ends
  std::vector<Point> corners;  // twelve Bezier points, three after each line end
};
RoundRectOutline roundRectOutline(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight);

// A coordinate computed in double arithmetic, truncated toward zero as an integer store would be, and
// kept inside the range a metafile can hold. A non-finite value gives 0.
std::int32_t truncCoord(double v);

}  // namespace vd

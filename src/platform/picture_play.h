#pragma once
// Playing a picture: its calls, with pens, brushes, fonts and the mapping mode applied, arrive at a
// Painter in the coordinates of a destination rectangle. The GUI paints through QPainter, the SVG
// export writes text, tests record.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "platform/picture.h"

namespace vd {

struct PointF {
  double x = 0.0;
  double y = 0.0;
};

struct RectF {
  double left = 0.0, top = 0.0, right = 0.0, bottom = 0.0;
  double width() const { return right - left; }
  double height() const { return bottom - top; }
  bool empty() const { return !(right > left) || !(bottom > top); }
};

// Pen, brush and background in force for one drawing call.
struct PaintStyle {
  PenStyle penStyle = PenStyle::Solid;
  double penWidth = 1.0;  // destination units, at least the thinnest line the destination draws
  Color penColor = rgb(0, 0, 0);
  BrushStyle brushStyle = BrushStyle::Solid;
  Color brushColor = rgb(255, 255, 255);
  Hatch hatch = Hatch::Horizontal;
  bool opaqueBackground = true;  // hatch gaps and text cells filled with the background colour
  Color backgroundColor = rgb(255, 255, 255);
  int polyFillMode = 1;  // 1 alternate, 2 winding
  bool hasPen() const { return penStyle != PenStyle::Null; }
  bool hasBrush() const { return brushStyle != BrushStyle::Null; }
};

struct PaintText {
  PointF at;                 // reference point
  std::string text;          // as stored (8-bit text is taken as Latin-1 and passed on as UTF-8)
  std::string face;          // font face, empty for the default
  double height = 0.0;       // > 0 cell height, < 0 character height, destination units
  int weight = 0;
  bool italic = false;
  bool underline = false;
  unsigned align = 0;        // align:: flags
  Color color = rgb(0, 0, 0);
  bool opaqueBackground = true;
  Color backgroundColor = rgb(255, 255, 255);
};

struct PathElement {
  enum Kind { Move, Line, Cubic, Close } kind = Move;
  PointF p;          // end point (Move, Line, Cubic)
  PointF c1, c2;     // control points (Cubic)
};

class Painter {
 public:
  virtual ~Painter() = default;
  virtual void polygon(const std::vector<PointF>& points, const PaintStyle& style) = 0;
  virtual void polyline(const std::vector<PointF>& points, const PaintStyle& style) = 0;
  virtual void rectangle(const RectF& r, const PaintStyle& style) = 0;
  virtual void ellipse(const RectF& r, const PaintStyle& style) = 0;
  virtual void path(const std::vector<PathElement>& path, bool stroke, bool fill, const PaintStyle& style) = 0;
  virtual void text(const PaintText& text) = 0;
};

// Where the picture's content lies, in reference-device pixels (y down): the frame when it has one,
// else the bounds of everything drawn (pen widths and an estimate of the texts included).
RectF pictureBoundsPixels(const Picture& picture);
// The same bounds as a metafile frame in hundredths of a millimetre.
Frame100 pictureFrame(const Picture& picture);

// The most drawing a picture may ask for. Ours stay far below (a diagram: a few hundred points and
// under ten destination diagonals of outline); a crafted file of a thousand points spread beyond its
// frame would keep a painter busy for a minute.
inline constexpr std::size_t kMaxPointsPerCall = 16384;   // points of one polygon, line or path
inline constexpr double kMaxPicturePoints = 200000;       // points of all calls together
inline constexpr double kMaxDrawnDiagonals = 200;         // outline length, in destination diagonals

// Plays the picture so that its frame fills the destination rectangle (stretched, as metafiles are
// played). A picture without content draws nothing; so does one that asks for more drawing than the
// limits above, which returns false.
bool playPicture(const Picture& picture, Painter& painter, const RectF& destination);

}  // namespace vd

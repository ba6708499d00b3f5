#pragma once
// Pictures as SVG text, drawn through the same player as the screen, so every front end (and the
// headless one) can save a diagram in a format any browser or drawing program opens.
#include <filesystem>
#include <string>

#include "platform/picture_play.h"

namespace vd {

class SvgPainter : public Painter {
 public:
  SvgPainter(double width, double height) : width_(width), height_(height) {}

  void polygon(const std::vector<PointF>& points, const PaintStyle& style) override;
  void polyline(const std::vector<PointF>& points, const PaintStyle& style) override;
  void rectangle(const RectF& r, const PaintStyle& style) override;
  void ellipse(const RectF& r, const PaintStyle& style) override;
  void path(const std::vector<PathElement>& path, bool stroke, bool fill, const PaintStyle& style) override;
  void text(const PaintText& text) override;

  // The complete document.
  std::string document() const;

 private:
  std::string fill(const PaintStyle& s, bool filled);
  std::string stroke(const PaintStyle& s, bool stroked) const;

  double width_, height_;
  std::string defs_;
  std::string body_;
  std::vector<std::string> patterns_;
};

// The picture as an SVG document of the given size (the picture's frame fills it).
std::string pictureSvg(const Picture& picture, double width, double height);
// Writes it; false when the file cannot be written.
bool writeSvg(const Picture& picture, const std::filesystem::path& file, double width, double height);

}  // namespace vd

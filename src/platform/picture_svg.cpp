#include "platform/picture_svg.h"

#include <cmath>

#include "platform/file_write.h"
#include "platform/text_format.h"

namespace vd {

namespace {

std::string colour(Color c) { return format("#%02x%02x%02x", red(c), green(c), blue(c)); }

// Numbers as SVG takes them; a non-finite value (never produced by the player) is written as 0.
std::string num(double v) {
  if (!std::isfinite(v)) v = 0.0;
  std::string s = format("%.2f", v);
  while (!s.empty() && s.back() == '0') s.pop_back();
  if (!s.empty() && s.back() == '.') s.pop_back();
  return s == "-0" ? "0" : s;
}

std::string escape(std::string_view t) {
  std::string out;
  for (char c : t) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default:
        // Control characters are not allowed in XML text.
        if (static_cast<unsigned char>(c) >= 0x20 || c == '\t') out += c;
    }
  }
  return out;
}

std::string points(const std::vector<PointF>& pts) {
  std::string s;
  for (const PointF& p : pts) {
    if (!s.empty()) s += ' ';
    s += num(p.x) + "," + num(p.y);
  }
  return s;
}

const char* dashes(PenStyle s) {
  switch (s) {
    case PenStyle::Dash: return "18 6";
    case PenStyle::Dot: return "3 3";
    case PenStyle::DashDot: return "9 6 3 6";
    case PenStyle::DashDotDot: return "9 3 3 3 3 3";
    default: return nullptr;
  }
}

}  // namespace

std::string SvgPainter::fill(const PaintStyle& s, bool filled) {
  if (!filled || !s.hasBrush()) return " fill=\"none\"";
  std::string rule = s.polyFillMode == 2 ? "" : " fill-rule=\"evenodd\"";
  if (s.brushStyle == BrushStyle::Solid) return " fill=\"" + colour(s.brushColor) + "\"" + rule;
  // Hatches repeat every 8 pixels, as the platform draws them.
  const std::string key = format("h%d_%06x_%s", static_cast<int>(s.hatch), s.brushColor,
                                 s.opaqueBackground ? colour(s.backgroundColor).c_str() + 1 : "none");
  bool known = false;
  for (const std::string& p : patterns_) known = known || p == key;
  if (!known) {
    patterns_.push_back(key);
    std::string lines;
    const std::string c = colour(s.brushColor);
    auto line = [&](int x1, int y1, int x2, int y2) {
      lines += format("<line x1=\"%d\" y1=\"%d\" x2=\"%d\" y2=\"%d\" stroke=\"%s\" stroke-width=\"1\"/>", x1, y1, x2,
                      y2, c.c_str());
    };
    switch (s.hatch) {
      case Hatch::Horizontal: line(0, 4, 8, 4); break;
      case Hatch::Vertical: line(4, 0, 4, 8); break;
      case Hatch::FDiagonal: line(0, 0, 8, 8); break;
      case Hatch::BDiagonal: line(0, 8, 8, 0); break;
      case Hatch::Cross: line(0, 4, 8, 4); line(4, 0, 4, 8); break;
      case Hatch::DiagCross: line(0, 0, 8, 8); line(0, 8, 8, 0); break;
    }
    std::string bg;
    if (s.opaqueBackground) bg = "<rect width=\"8\" height=\"8\" fill=\"" + colour(s.backgroundColor) + "\"/>";
    defs_ += "<pattern id=\"" + key + "\" patternUnits=\"userSpaceOnUse\" width=\"8\" height=\"8\">" + bg + lines +
             "</pattern>\n";
  }
  return " fill=\"url(#" + key + ")\"" + rule;
}

std::string SvgPainter::stroke(const PaintStyle& s, bool stroked) const {
  if (!stroked || !s.hasPen()) return " stroke=\"none\"";
  std::string out = " stroke=\"" + colour(s.penColor) + "\" stroke-width=\"" + num(s.penWidth) + "\"";
  if (const char* d = dashes(s.penStyle)) out += std::string(" stroke-dasharray=\"") + d + "\"";
  return out;
}

void SvgPainter::polygon(const std::vector<PointF>& pts, const PaintStyle& s) {
  body_ += "<polygon points=\"" + points(pts) + "\"" + fill(s, true) + stroke(s, true) + "/>\n";
}

void SvgPainter::polyline(const std::vector<PointF>& pts, const PaintStyle& s) {
  body_ += "<polyline points=\"" + points(pts) + "\" fill=\"none\"" + stroke(s, true) + "/>\n";
}

void SvgPainter::rectangle(const RectF& r, const PaintStyle& s) {
  body_ += "<rect x=\"" + num(r.left) + "\" y=\"" + num(r.top) + "\" width=\"" + num(r.width()) + "\" height=\"" +
           num(r.height()) + "\"" + fill(s, true) + stroke(s, true) + "/>\n";
}

void SvgPainter::ellipse(const RectF& r, const PaintStyle& s) {
  body_ += "<ellipse cx=\"" + num((r.left + r.right) / 2) + "\" cy=\"" + num((r.top + r.bottom) / 2) + "\" rx=\"" +
           num(r.width() / 2) + "\" ry=\"" + num(r.height() / 2) + "\"" + fill(s, true) + stroke(s, true) + "/>\n";
}

void SvgPainter::path(const std::vector<PathElement>& path, bool stroked, bool filled, const PaintStyle& s) {
  std::string d;
  for (const PathElement& e : path) {
    switch (e.kind) {
      case PathElement::Move: d += "M" + num(e.p.x) + "," + num(e.p.y) + " "; break;
      case PathElement::Line: d += "L" + num(e.p.x) + "," + num(e.p.y) + " "; break;
      case PathElement::Cubic:
        d += "C" + num(e.c1.x) + "," + num(e.c1.y) + " " + num(e.c2.x) + "," + num(e.c2.y) + " " + num(e.p.x) + "," +
             num(e.p.y) + " ";
        break;
      case PathElement::Close: d += "Z "; break;
    }
  }
  if (!d.empty()) d.pop_back();
  body_ += "<path d=\"" + d + "\"" + fill(s, filled) + stroke(s, stroked) + "/>\n";
}

void SvgPainter::text(const PaintText& t) {
  // A positive height is the cell (ascent plus descent, about 1.15 em for the common faces).
  const double em = t.height > 0 ? t.height / 1.15 : t.height < 0 ? -t.height : 13.0;
  const double ascent = 0.89 * em, descent = 0.26 * em;
  double y = t.at.y;  // the baseline
  if ((t.align & align::Baseline) != align::Baseline) y += (t.align & align::Bottom) ? -descent : ascent;
  const char* anchor = (t.align & align::Center) == align::Center ? "middle" : (t.align & align::Right) ? "end" : "start";
  if (t.opaqueBackground) {
    const double w = 0.5 * em * static_cast<double>(t.text.size());
    const double x0 = std::string_view(anchor) == "middle" ? t.at.x - w / 2 : std::string_view(anchor) == "end" ? t.at.x - w : t.at.x;
    body_ += "<rect x=\"" + num(x0) + "\" y=\"" + num(y - ascent) + "\" width=\"" + num(w) + "\" height=\"" +
             num(ascent + descent) + "\" fill=\"" + colour(t.backgroundColor) + "\"/>\n";
  }
  std::string face = t.face.empty() ? "serif" : "'" + escape(t.face) + "', serif";
  body_ += "<text x=\"" + num(t.at.x) + "\" y=\"" + num(y) + "\" font-family=\"" + face + "\" font-size=\"" + num(em) +
           "\"" + (t.weight >= 600 ? " font-weight=\"bold\"" : "") + (t.italic ? " font-style=\"italic\"" : "") +
           " text-anchor=\"" + anchor + "\" fill=\"" + colour(t.color) + "\" xml:space=\"preserve\">" +
           escape(t.text) + "</text>\n";
}

std::string SvgPainter::document() const {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + num(width_) +
         "\" height=\"" + num(height_) + "\" viewBox=\"0 0 " + num(width_) + " " + num(height_) + "\">\n<defs>\n" +
         defs_ + "</defs>\n<rect width=\"100%\" height=\"100%\" fill=\"#ffffff\"/>\n" + body_ + "</svg>\n";
}

std::string pictureSvg(const Picture& picture, double width, double height) {
  SvgPainter svg(width, height);
  playPicture(picture, svg, RectF{0, 0, width, height});
  return svg.document();
}

bool writeSvg(const Picture& picture, const std::filesystem::path& file, double width, double height) {
  return writeFileAtomically(file, pictureSvg(picture, width, height)).ok;
}

}  // namespace vd

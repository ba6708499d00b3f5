#include "gui/picture_widget.h"

#include <QBuffer>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPainterPath>
#include <QPdfWriter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

#include "platform/emf_reader.h"
#include "platform/file_write.h"
#include "platform/picture_svg.h"

namespace vd::gui {

namespace {

QColor qcolor(Color c) { return QColor(red(c), green(c), blue(c)); }

Qt::BrushStyle hatchPattern(Hatch h) {
  switch (h) {
    case Hatch::Horizontal: return Qt::HorPattern;
    case Hatch::Vertical: return Qt::VerPattern;
    case Hatch::FDiagonal: return Qt::FDiagPattern;
    case Hatch::BDiagonal: return Qt::BDiagPattern;
    case Hatch::Cross: return Qt::CrossPattern;
    case Hatch::DiagCross: return Qt::DiagCrossPattern;
  }
  return Qt::SolidPattern;
}

Qt::PenStyle penStyle(PenStyle s) {
  switch (s) {
    case PenStyle::Solid: return Qt::SolidLine;
    case PenStyle::Dash: return Qt::DashLine;
    case PenStyle::Dot: return Qt::DotLine;
    case PenStyle::DashDot: return Qt::DashDotLine;
    case PenStyle::DashDotDot: return Qt::DashDotDotLine;
    case PenStyle::Null: return Qt::NoPen;
  }
  return Qt::SolidLine;
}

QPointF qpoint(const PointF& p) { return {p.x, p.y}; }

QRectF qrect(const RectF& r) { return QRectF(QPointF(r.left, r.top), QPointF(r.right, r.bottom)).normalized(); }

}  // namespace

void QtPainter::apply(const PaintStyle& s, bool stroke, bool fill) {
  if (stroke && s.hasPen()) {
    QPen pen(qcolor(s.penColor), s.penWidth, penStyle(s.penStyle), Qt::RoundCap, Qt::RoundJoin);
    p_.setPen(pen);
  } else {
    p_.setPen(Qt::NoPen);
  }
  if (fill && s.hasBrush()) {
    p_.setBrush(s.brushStyle == BrushStyle::Hatched ? QBrush(qcolor(s.brushColor), hatchPattern(s.hatch))
                                                    : QBrush(qcolor(s.brushColor)));
  } else {
    p_.setBrush(Qt::NoBrush);
  }
  // An opaque background fills the gaps of a hatch.
  p_.setBackgroundMode(s.opaqueBackground ? Qt::OpaqueMode : Qt::TransparentMode);
  p_.setBackground(qcolor(s.backgroundColor));
}

void QtPainter::polygon(const std::vector<PointF>& points, const PaintStyle& s) {
  QPolygonF poly;
  for (const PointF& p : points) poly << qpoint(p);
  apply(s, true, true);
  p_.drawPolygon(poly, s.polyFillMode == 2 ? Qt::WindingFill : Qt::OddEvenFill);
}

void QtPainter::polyline(const std::vector<PointF>& points, const PaintStyle& s) {
  QPolygonF poly;
  for (const PointF& p : points) poly << qpoint(p);
  apply(s, true, false);
  p_.drawPolyline(poly);
}

void QtPainter::rectangle(const RectF& r, const PaintStyle& s) {
  apply(s, true, true);
  p_.drawRect(qrect(r));
}

void QtPainter::ellipse(const RectF& r, const PaintStyle& s) {
  apply(s, true, true);
  p_.drawEllipse(qrect(r));
}

void QtPainter::path(const std::vector<PathElement>& elements, bool stroke, bool fill, const PaintStyle& s) {
  QPainterPath path;
  path.setFillRule(s.polyFillMode == 2 ? Qt::WindingFill : Qt::OddEvenFill);
  for (const PathElement& e : elements) {
    switch (e.kind) {
      case PathElement::Move: path.moveTo(qpoint(e.p)); break;
      case PathElement::Line: path.lineTo(qpoint(e.p)); break;
      case PathElement::Cubic: path.cubicTo(qpoint(e.c1), qpoint(e.c2), qpoint(e.p)); break;
      case PathElement::Close: path.closeSubpath(); break;
    }
  }
  apply(s, stroke, fill);
  p_.drawPath(path);
}

void QtPainter::text(const PaintText& t) {
  QFont font(t.face.empty() ? QStringLiteral("Times New Roman") : QString::fromStdString(t.face));
  font.setStyleHint(QFont::Serif);
  if (t.weight > 0) font.setWeight(t.weight >= 600 ? QFont::Bold : QFont::Normal);
  font.setItalic(t.italic);
  font.setUnderline(t.underline);
  // A negative height is the character height; a positive one the whole cell, ascent plus descent.
  // Kept to sizes a font can have, whatever a damaged file says.
  const double wanted = std::clamp(t.height != 0 && std::isfinite(t.height) ? std::fabs(t.height) : 13.0, 1.0, 5000.0);
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(wanted))));
  if (t.height > 0) {
    const QFontMetricsF probe(font, p_.device());
    if (probe.height() > 0) {
      font.setPixelSize(std::clamp(static_cast<int>(std::lround(wanted * wanted / probe.height())), 1, 5000));
    }
  }
  p_.setFont(font);
  const QFontMetricsF fm(font, p_.device());
  const QString text = QString::fromUtf8(t.text.data(), static_cast<qsizetype>(t.text.size()));
  const double width = fm.horizontalAdvance(text);
  double x = t.at.x, y = t.at.y;
  if ((t.align & align::Center) == align::Center) x -= width / 2;
  else if (t.align & align::Right) x -= width;
  // y is the baseline from here on.
  if ((t.align & align::Baseline) != align::Baseline) y += (t.align & align::Bottom) ? -fm.descent() : fm.ascent();
  if (t.opaqueBackground) p_.fillRect(QRectF(x, y - fm.ascent(), width, fm.height()), qcolor(t.backgroundColor));
  p_.setPen(qcolor(t.color));
  p_.setBackgroundMode(Qt::TransparentMode);
  p_.drawText(QPointF(x, y), text);
}

void paintPicture(QPainter& painter, const Picture& picture, const QRectF& target) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  QtPainter qp(painter);
  playPicture(picture, qp, RectF{target.left(), target.top(), target.right(), target.bottom()});
  painter.restore();
}

QImage renderPicture(const Picture& picture, QSize size) {
  QImage image(size.expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::white);
  QPainter p(&image);
  paintPicture(p, picture, QRectF(QPointF(0, 0), QSizeF(image.size())));
  p.end();
  return image;
}

bool exportPicture(const Picture& picture, const QString& file, QSize size) {
  const QString ext = QFileInfo(file).suffix().toLower();
  size = size.expandedTo(QSize(1, 1));
  if (ext == QLatin1String("svg")) {
    return writeSvg(picture, file.toStdString(), size.width(), size.height());
  }
  // Drawn into memory, then written by the one file writer: never through a link, never half a file.
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (ext == QLatin1String("png")) {
    // Print resolution: 300 dots per inch for the picture's size on a 96-dpi screen, and the file says so.
    constexpr double kDpi = 300.0;
    QImage image = renderPicture(picture, size * (kDpi / 96.0));
    image.setDotsPerMeterX(static_cast<int>(kDpi / 0.0254 + 0.5));
    image.setDotsPerMeterY(static_cast<int>(kDpi / 0.0254 + 0.5));
    if (!image.save(&buffer, "PNG")) return false;
  } else if (ext == QLatin1String("pdf")) {
    // A page the size of the picture, so it can be placed in a document as it is.
    QPdfWriter pdf(&buffer);
    pdf.setCreator(QStringLiteral("Vardelin"));
    pdf.setResolution(96);
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setPageSize(QPageSize(QSizeF(size.width() / 96.0 * 72.0, size.height() / 96.0 * 72.0), QPageSize::Point,
                              QString(), QPageSize::ExactMatch));
    QPainter p;
    if (!p.begin(&pdf)) return false;
    paintPicture(p, picture, QRectF(0, 0, size.width(), size.height()));
    if (!p.end()) return false;
  } else {
    return false;
  }
  buffer.close();
  if (bytes.isEmpty()) return false;
  return writeFileAtomically(file.toStdString(), std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())))
      .ok;
}

PictureWidget::PictureWidget(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent, false);
  setObjectName(QStringLiteral("pictureWidget"));
}

void PictureWidget::setFile(const std::filesystem::path& file) {
  file_ = file;
  picture_.reset();
  if (std::optional<EmfFile> f = readEmf(file)) picture_ = std::move(f->picture);
  update();
}

void PictureWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::white);
  if (picture_) paintPicture(p, *picture_, QRectF(rect()));
}

}  // namespace vd::gui

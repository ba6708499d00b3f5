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

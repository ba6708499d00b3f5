#include "gui/pictures.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include "frame/app_icon.h"
#include "gui/picture_widget.h"

namespace vd::gui {

namespace {

constexpr double kBeamY = 42.0;
const QColor kInk(20, 20, 20);
const QColor kBeamColor(70, 90, 120);

void drawBeam(QPainter& p, double x0, double x1) {
  p.setPen(QPen(kInk, 1.0));
  p.setBrush(kBeamColor);
  p.drawRect(QRectF(x0, kBeamY - 5.0, x1 - x0, 10.0));
}

// A pin: a triangle under the beam on a hatched ground line.
void drawPin(QPainter& p, double x) {
  const double top = kBeamY + 5.0;
  p.setPen(QPen(kInk, 1.5));
  p.setBrush(Qt::white);
  p.drawPolygon(QPolygonF({QPointF(x, top), QPointF(x - 11, top + 18), QPointF(x + 11, top + 18)}));
  p.drawLine(QPointF(x - 16, top + 19), QPointF(x + 16, top + 19));
  for (double h = x - 14; h <= x + 14; h += 5) p.drawLine(QPointF(h, top + 19), QPointF(h - 5, top + 25));
}

// A roller: a triangle on two wheels.
void drawRoller(QPainter& p, double x) {
  const double top = kBeamY + 5.0;
  p.setPen(QPen(kInk, 1.5));
  p.setBrush(Qt::white);
  p.drawPolygon(QPolygonF({QPointF(x, top), QPointF(x - 11, top + 14), QPointF(x + 11, top + 14)}));
  p.drawEllipse(QPointF(x - 6, top + 17), 3, 3);
  p.drawEllipse(QPointF(x + 6, top + 17), 3, 3);
  p.drawLine(QPointF(x - 16, top + 21), QPointF(x + 16, top + 21));
  for (double h = x - 14; h <= x + 14; h += 5) p.drawLine(QPointF(h, top + 21), QPointF(h - 5, top + 27));
}

// A fixed end: a hatched wall the beam runs into.
void drawWall(QPainter& p, double x) {
  p.setPen(QPen(kInk, 2.0));
  p.drawLine(QPointF(x, kBeamY - 28), QPointF(x, kBeamY + 28));
  p.setPen(QPen(kInk, 1.0));
  for (double y = kBeamY - 26; y <= kBeamY + 28; y += 6) p.drawLine(QPointF(x, y), QPointF(x + 7, y - 6));
}

// A uniform load: a row of arrows down onto the beam.
void drawLoad(QPainter& p, double x0, double x1) {
  p.setPen(QPen(QColor(160, 40, 40), 1.2));
  p.drawLine(QPointF(x0, 14), QPointF(x1, 14));
  for (double x = x0; x <= x1 + 0.1; x += (x1 - x0) / 10.0) {
    p.drawLine(QPointF(x, 14), QPointF(x, kBeamY - 7));
    p.drawLine(QPointF(x, kBeamY - 7), QPointF(x - 3, kBeamY - 12));
    p.drawLine(QPointF(x, kBeamY - 7), QPointF(x + 3, kBeamY - 12));
  }
}

void drawCaption(QPainter& p, const QString& text) {
  QFont f = p.font();
  f.setPixelSize(11);
  p.setFont(f);
  p.setPen(kInk);
  p.drawText(QRectF(0, 78, kPictureWidth, 20), Qt::AlignCenter, text);
}

}  // namespace

QPixmap beamBitmap(int bitmapId) {
  QPixmap pm(kPictureWidth, kPictureHeight);
  pm.fill(Qt::white);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  switch (bitmapId) {
    case 5771:  // overhang at the left
      drawLoad(p, 15, 235);
      drawBeam(p, 15, 235);
      drawPin(p, 85);
      drawRoller(p, 225);
      drawCaption(p, "Beam overhanging left");
      break;
    case 5772:  // overhang at the right
      drawLoad(p, 15, 235);
      drawBeam(p, 15, 235);
      drawPin(p, 25);
      drawRoller(p, 165);
      drawCaption(p, "Beam overhanging right");
      break;
    case 5773:  // free at the left, fixed at the right
      drawLoad(p, 25, 210);
      drawBeam(p, 25, 215);
      drawWall(p, 215);
      drawCaption(p, "Left cantilever");
      break;
    default:
      drawLoad(p, 25, 225);
      drawBeam(p, 15, 235);
      drawPin(p, 25);
      drawRoller(p, 225);
      drawCaption(p, "Simple beam");
      break;
  }
  return pm;
}

QPixmap wShapeIcon(int size, qreal devicePixelRatio) {
  // Drawn from the shared outline at the device's own pixel density, so it stays sharp at 2x.
  QPixmap pm(QSize(size, size) * devicePixelRatio);
  pm.setDevicePixelRatio(devicePixelRatio);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  const double s = size / kIconGrid;
  p.scale(s, s);
  auto colour = [](unsigned v) { return QColor((v >> 16) & 0xff, (v >> 8) & 0xff, v & 0xff); };
  p.setPen(Qt::NoPen);
  p.setBrush(colour(kIconBackground));
  p.drawRoundedRect(QRectF(0, 0, kIconGrid, kIconGrid), kIconCornerRadius, kIconCornerRadius);
  QPolygonF section;
  for (const IconPoint& q : kIconSection) section << QPointF(q.x, q.y);
  p.setPen(QPen(colour(kIconOutline), kIconOutlineWidth));
  p.setBrush(colour(kIconSectionFill));
  p.drawPolygon(section);
  return pm;
}

QIcon appIcon() {
  QIcon icon;
  for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
    icon.addPixmap(wShapeIcon(size, 1.0));
    icon.addPixmap(wShapeIcon(size, 2.0));
  }
  return icon;
}

void showPictureFile(QWidget* pictureControl, const std::filesystem::path& file) {
  if (!pictureControl) return;
  pictureControl->setToolTip(QString::fromStdString(file.string()));
  pictureControl->setProperty("pictureFile", QString::fromStdString(file.string()));
  // The picture plays inside the control's frame.
  auto* widget = pictureControl->findChild<PictureWidget*>(QString(), Qt::FindDirectChildrenOnly);
  if (!widget) {
    widget = new PictureWidget(pictureControl);
    const QMargins frame = pictureControl->contentsMargins();
    widget->setGeometry(pictureControl->rect().marginsRemoved(frame));
    widget->show();
  }
  widget->setFile(file);
}

}  // namespace vd::gui

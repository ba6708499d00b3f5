#pragma once
// Pictures on screen, on paper and in image files: the player's calls drawn with QPainter.
#include <QImage>
#include <QPainter>
#include <QString>
#include <QWidget>
#include <filesystem>
#include <optional>

#include "platform/picture.h"
#include "platform/picture_play.h"
#include "gui/package/qt_painter.h"

namespace vd::gui {

// The picture as an image of the given size on white.
QImage renderPicture(const Picture& picture, QSize size);

// Writes the picture as PNG, SVG or PDF, chosen by the file's extension, at the given size in screen
// pixels (PDF: a page of that size at 96 pixels to the inch). False for another extension or when the
// file cannot be written.
bool exportPicture(const Picture& picture, const QString& file, QSize size);

// Shows one picture file, re-read each time it is set, stretched over the widget as the metafile
// player stretches a picture into a rectangle. A file that cannot be read shows nothing.
class PictureWidget : public QWidget {
  Q_OBJECT
 public:
  explicit PictureWidget(QWidget* parent = nullptr);

  void setFile(const std::filesystem::path& file);
  const std::filesystem::path& file() const { return file_; }
  bool hasPicture() const { return picture_.has_value(); }
  const std::optional<Picture>& picture() const { return picture_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::filesystem::path file_;
  std::optional<Picture> picture_;
};

}  // namespace vd::gui

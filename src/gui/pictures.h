#pragma once
// The program's own pictures: the beam bitmaps of the picture band, the W-shape icon, and the one
// place where a form's picture control gets its file.
#include <QIcon>
#include <QPixmap>
#include <filesystem>

class QWidget;

namespace vd::gui {

inline constexpr int kPictureWidth = 250;
inline constexpr int kPictureHeight = 100;

// Bitmaps 577 (simple beam), 5771 (overhang left), 5772 (overhang right), 5773 (left cantilever);
// any other id gives the simple beam. 250 x 100.
QPixmap beamBitmap(int bitmapId);

// The program's icon (frame/app_icon.h), size x size logical pixels at the given pixel density.
QPixmap wShapeIcon(int size = 32, qreal devicePixelRatio = 1.0);
// The same drawing at every usual size, for windows and the About box.
QIcon appIcon();

// Shows a picture file in a form's picture control (a PictureBox). Re-reads the file on each call.
void showPictureFile(QWidget* pictureControl, const std::filesystem::path& file);

}  // namespace vd::gui

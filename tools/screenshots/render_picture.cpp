// render_picture IN.emf OUT.png WIDTH HEIGHT: plays a metafile onto an image as the forms show it.
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>

#include "gui/picture_widget.h"
#include "platform/emf_reader.h"

int main(int argc, char** argv) {
  if (argc != 5) {
    std::fputs("usage: render_picture IN.emf OUT.png WIDTH HEIGHT\n", stderr);
    return 2;
  }
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QGuiApplication app(argc, argv);
  std::string why;
  std::optional<vd::EmfFile> f = vd::readEmf(argv[1], &why);
  if (!f) {
    std::fprintf(stderr, "render_picture: %s: %s\n", argv[1], why.c_str());
    return 1;
  }
  const QSize size(std::atoi(argv[3]), std::atoi(argv[4]));
  if (size.width() <= 0 || size.height() <= 0 || size.width() > 10000 || size.height() > 10000) {
    std::fputs("render_picture: the size must be 1 to 10000 pixels each way\n", stderr);
    return 2;
  }
  if (!vd::gui::renderPicture(f->picture, size).save(QString::fromLocal8Bit(argv[2]), "PNG")) {
    std::fprintf(stderr, "render_picture: could not write %s\n", argv[2]);
    return 1;
  }
  return 0;
}

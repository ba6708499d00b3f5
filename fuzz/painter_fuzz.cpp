// Pictures played on a real QPainter (an offscreen image), as the desktop shows, prints and exports
// them: no crash, and no input may take longer than kLimit to draw, so a hang is reported as one
// even when libFuzzer's own timeout is longer.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "gui/picture_widget.h"
#include "platform/emf_reader.h"

namespace {

constexpr std::chrono::milliseconds kLimit{2000};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  static QGuiApplication app(*argc, *argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto file = vd::parseEmf(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!file) return 0;
  const auto start = std::chrono::steady_clock::now();
  // The diagram forms' size.
  QImage image(696, 322, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::white);
  QPainter painter(&image);
  vd::gui::paintPicture(painter, file->picture, QRectF(0, 0, image.width(), image.height()));
  painter.end();
  const auto took = std::chrono::steady_clock::now() - start;
  if (took > kLimit) {
    std::fprintf(stderr, "painting took %lld ms\n",
                 static_cast<long long>(std::chrono::duration_cast<std::chrono::milliseconds>(took).count()));
    std::abort();
  }
  return 0;
}

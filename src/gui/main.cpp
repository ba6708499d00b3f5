// vardelin: the desktop program.
#include <QApplication>
#include <QBuffer>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "app/all_forms.h"
#include "gui/main_window.h"
#include "platform/file_write.h"

namespace {

constexpr const char* kUsage =
    "Usage: vardelin [--settings FILE] [--screenshot FILE]\n"
    "  --settings FILE    read and write settings in FILE instead of the user's Vardelin.ini\n"

    "  --screenshot FILE  save the main window as a PNG once it is painted, then quit\n"
    "Reports, data and pictures go to the working folder (File > Working folder..., by default\n"
    "~/Documents/Vardelin).\n";

// Saves the window once it has been painted, then quits (documentation and start-up timing).
class ScreenshotOnPaint : public QObject {
 public:
  ScreenshotOnPaint(QWidget* window, QString file) : window_(window), file_(std::move(file)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == window_ && event->type() == QEvent::Paint && !done_) {
      done_ = true;
      QTimer::singleShot(50, this, [this] {
        // A real screen grab where there is a screen to grab, the widget's own rendering elsewhere.
        QPixmap shot = window_->screen() ? window_->screen()->grabWindow(window_->winId()) : QPixmap();
        if (shot.isNull() || shot.size() != window_->size()) shot = window_->grab();
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        const bool ok = shot.save(&buffer, "PNG") &&
                        vd::writeFileAtomically(file_.toStdString(), std::string_view(png.constData(), static_cast<std::size_t>(png.size()))).ok;
        if (!ok) std::fprintf(stderr, "vardelin: could not write %s\n", file_.toLocal8Bit().constData());
        QCoreApplication::exit(ok ? 0 : 1);
      });
    }
    return false;
  }

 private:
  QWidget* window_;
  QString file_;
  bool done_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  std::string settingsFile;
  QString screenshot;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--help" || a == "-h") {
      std::fputs(kUsage, stdout);
      return 0;
    }
    if (a == "--version") {
      std::printf("vardelin %s\n", VARDELIN_VERSION);
      return 0;
    }
    if (a == "--settings" || a.rfind("--settings=", 0) == 0) {
      if (a == "--settings" && i + 1 < argc) settingsFile = argv[++i];
      else if (a != "--settings") settingsFile = a.substr(11);
      if (const std::string why = vd::settingsFileProblem(settingsFile); !why.empty()) {
        std::fprintf(stderr, "vardelin: %s\n", why.c_str());
        return 2;
      }
    } else if (a == "--screenshot" && i + 1 < argc) {
      screenshot = QString::fromStdString(std::filesystem::absolute(argv[++i]).string());
    } else if (a.rfind("-", 0) == 0 && a.rfind("-platform", 0) != 0 && a.rfind("-style", 0) != 0) {
      std::fprintf(stderr, "vardelin: unknown option %s\n%s", a.c_str(), kUsage);
      return 2;
    }
  }

  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Vardelin"));
  QApplication::setApplicationVersion(QStringLiteral(VARDELIN_VERSION));

  vd::Settings settings(settingsFile.empty() ? vd::Settings::defaultPath() : std::filesystem::path(settingsFile));
  vd::gui::MainWindow window(settings, vd::allForms());
  // Reports and pictures go to the working folder, never to wherever the program was started from.
  window.enterWorkFolder();
  std::unique_ptr<ScreenshotOnPaint> shot;
  if (!screenshot.isEmpty()) {
    shot = std::make_unique<ScreenshotOnPaint>(&window, screenshot);
    window.installEventFilter(shot.get());
  }
  window.show();
  return app.exec();
}

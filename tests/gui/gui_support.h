#pragma once
// Fixtures and helpers of the GUI tests: a scratch directory per test, a driver for modal windows
// (a form, a message box, the font dialog) and small forms whose behaviour the tests control.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QMimeData>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "frame/frame.h"
#include "gui/form_dialog.h"
#include "gui/main_window.h"

namespace guitest {

// Runs `action` on the next visible modal window of type T, from inside that window's event loop.
// A window that never comes fails the test after a few seconds, and any modal window then still
// open is closed so that the test can end.
template <class T>
void whenModal(std::function<void(T*)> action, int timeoutMs = 5000) {
  auto* timer = new QTimer;
  auto clock = std::make_shared<QElapsedTimer>();
  clock->start();
  QObject::connect(timer, &QTimer::timeout, [timer, clock, action, timeoutMs] {
    QWidget* modal = QApplication::activeModalWidget();
    if (T* w = qobject_cast<T*>(modal); w && w->isVisible()) {
      timer->stop();
      timer->deleteLater();
      action(w);
      return;
    }
    if (clock->elapsed() > timeoutMs) {
      timer->stop();
      timer->deleteLater();
      ADD_FAILURE() << "the expected modal window did not appear; open: "
                    << (modal ? modal->metaObject()->className() : "none");
      while (QWidget* open = QApplication::activeModalWidget()) {
        open->hide();
        QApplication::processEvents();
      }
    }
  });
  timer->start(10);
}

// Closes every modal window of type T that shows up in the next `ms` milliseconds (accepting it)
// and counts them; expects none to be needed.
template <class T>
void closeEvery(int* count, int ms = 1500) {
  auto* timer = new QTimer;
  auto clock = std::make_shared<QElapsedTimer>();
  clock->start();
  QObject::connect(timer, &QTimer::timeout, [timer, clock, count, ms] {
    if (T* w = qobject_cast<T*>(QApplication::activeModalWidget()); w && w->isVisible()) {
      ++*count;
      w->hide();
    }
    if (clock->elapsed() > ms) {
      timer->stop();
      timer->deleteLater();
    }
  });
  timer->start(10);
}

class ScratchDir : public ::testing::Test {
 protected:
  void SetUp() override {
    old_ = std::filesystem::current_path();
    dir_ = std::filesystem::temp_directory_path() /
           ("vdgui_" + std::to_string(::getpid()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
    std::filesystem::current_path(dir_);
    QApplication::clipboard()->clear();
  }
  void TearDown() override {
    std::filesystem::current_path(old_);
    std::filesystem::remove_all(dir_);
  }
  std::filesystem::path ini() const { return dir_ / "Vardelin.ini"; }
  static std::string slurp(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  std::filesystem::path dir_, old_;
};

// A form the test scripts: its layout, and what OK writes into the report.
class ScriptedForm : public vd::Form {
 public:
  ScriptedForm(vd::AppState& state, std::string report, std::string templ = "TEST_Box")
      : state_(state), report_(std::move(report)), layout_(std::move(templ), "Test form") {
    layout_.edit(101, "Value:", "kip");
    layout_.okCancel();
  }
  const vd::FormLayout& layout() const override { return layout_; }
  void pressed(vd::FormHost& host, int id) override {
    if (id == vd::kOk) {
      if (!report_.empty()) state_.report = report_;
      host.close(true);
    } else if (id == vd::kCancel) {
      host.close(false);
    }
  }

 private:
  vd::AppState& state_;
  std::string report_;
  vd::FormLayout layout_;
};

// Presses a control of the running form as the user would (a click on it).
void click(vd::gui::FormDialog* dialog, int id);

}  // namespace guitest

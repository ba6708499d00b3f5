#pragma once
// Fixtures and helpers of the desktop tests: a scratch directory per test, drivers for modal windows
// (a form, message boxes, the print dialog), finding controls by their label, and a scripted form.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPrintDialog>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "frame/frame.h"
#include "gui/form_dialog.h"
#include "gui/main_window.h"
#include "support/scratch_dir.h"

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
    const bool due = clock->elapsed() > timeoutMs;
    T* w = qobject_cast<T*>(modal);
    if (!(w && w->isVisible()) && !due) return;
    timer->stop();
    timer->deleteLater();
    if (w && w->isVisible()) return action(w);
    ADD_FAILURE() << "the expected modal window did not appear; open: "
                  << (modal ? modal->metaObject()->className() : "none");
    while (QWidget* open = QApplication::activeModalWidget()) {
      open->hide();
      QApplication::processEvents();
    }
  });
  timer->start(10);
}

// While it lives, answers the modal windows as they come: a message box is written down as
// "caption: text" and answered (Yes, or No, where it asks); the print dialog is sent to the PDF file
// `pdf` in the current folder, or cancelled when `pdf` is empty.
class ModalAnswerer {
 public:
  explicit ModalAnswerer(QString pdf = {}, bool yes = true) : pdf_(std::move(pdf)), yes_(yes) {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      QWidget* w = QApplication::activeModalWidget();
      if (auto* d = qobject_cast<QPrintDialog*>(w); d && d->isVisible()) {
        ++dialogs;
        auto* name = d->findChild<QLineEdit*>(QStringLiteral("filename"));
        if (pdf_.isEmpty() || !name) return d->reject();
        name->setText(QDir::current().absoluteFilePath(pdf_));  // as the user types it
        d->accept();
      } else if (auto* m = qobject_cast<QMessageBox*>(w); m && m->isVisible()) {
        messages.push_back(m->windowTitle().toStdString() + ": " + m->text().toStdString());
        icons.push_back(m->icon());
        if (QAbstractButton* b = m->button(yes_ ? QMessageBox::Yes : QMessageBox::No)) return b->click();
        m->accept();
      }
    });
    timer_.start(10);
  }
  int dialogs = 0;
  std::vector<std::string> messages;
  std::vector<QMessageBox::Icon> icons;

 private:
  QString pdf_;
  bool yes_;
  QTimer timer_;
};

// A scratch directory (vdtest::ScratchDir) and an empty clipboard.
class ScratchDir : public vdtest::ScratchDir {
 protected:
  void SetUp() override {
    vdtest::ScratchDir::SetUp();
    QApplication::clipboard()->clear();
  }
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
    if (id == vd::kOk && !report_.empty()) state_.report = report_;
    if (id == vd::kOk || id == vd::kCancel) host.close(id == vd::kOk);
  }

 private:
  vd::AppState& state_;
  std::string report_;
  vd::FormLayout layout_;
};

// Presses a control of the running form as the user would (a click on it).
inline void click(vd::gui::FormDialog* dialog, int id) {
  auto* b = qobject_cast<QAbstractButton*>(dialog->control(id));
  ASSERT_NE(b, nullptr) << "no button " << id;
  QTest::mouseClick(b, Qt::LeftButton);
}

// The label of a window showing exactly `text`, and the field it names.
inline QLabel* labelShowing(QWidget* w, const QString& text) {
  for (QLabel* l : w->findChildren<QLabel*>())
    if (l->text() == text) return l;
  return nullptr;
}
inline QLineEdit* fieldLabelled(QWidget* w, const QString& label) {
  QLabel* l = labelShowing(w, label);
  return l ? qobject_cast<QLineEdit*>(l->buddy()) : nullptr;
}

// A form's window, started and shown, outside any event loop of its own.
inline std::unique_ptr<vd::gui::FormDialog> shown(vd::Form& form) {
  auto dialog = vd::gui::FormDialog::create(form, nullptr);
  EXPECT_TRUE(dialog->start());
  dialog->show();
  QApplication::processEvents();
  return dialog;
}

}  // namespace guitest

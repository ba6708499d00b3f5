#include "gui/main_window.h"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFontDialog>
#include <QGuiApplication>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>

#include "gui/form_dialog.h"
#include "gui/job_controller.h"
#include "gui/message_box.h"
#include "gui/pictures.h"
#include "gui/printing.h"
#include "gui/qt_text.h"
#include "gui/report_pad.h"

namespace vd::gui {

namespace {

// The client area: the picture band across the top (picture button at the left, the W-shape icon
// beside it) and the report pad filling everything below it.
class ClientArea : public QWidget {
 public:
  ClientArea(QWidget* parent, QWidget*& picture, ReportPad*& pad) : QWidget(parent), icon_(wShapeIcon(32)) {
    picture_ = picture = new QPushButton(this);
    pad_ = pad = new ReportPad(this);
    pad_->setMinimumSize(0, 0);
  }

 protected:
  void resizeEvent(QResizeEvent*) override {
    picture_->setGeometry(0, 0, kPictureWidth, kPictureHeight);
    // Below 100 pixels of client height the pad simply has no room.
    const int padHeight = std::max(0, height() - kBandHeight);
    pad_->setGeometry(0, kBandHeight, width(), padHeight);
    pad_->setVisible(padHeight > 0);
  }
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.drawPixmap(300, 10, icon_);
  }

 private:
  QPixmap icon_;
  QWidget* picture_ = nullptr;
  ReportPad* pad_ = nullptr;
};

// The accelerators beyond the one an item's text shows.
QList<QKeySequence> extraShortcuts(int commandId) {
  switch (commandId) {
    case cmd::Cut: return {QKeySequence(Qt::SHIFT | Qt::Key_Delete)};
    case cmd::Copy: return {QKeySequence(Qt::CTRL | Qt::Key_Insert)};
    case cmd::Paste: return {QKeySequence(Qt::SHIFT | Qt::Key_Insert)};
    default: return {};
  }
}

bool isEditRuleItem(int id) { return id == cmd::Cut || id == cmd::Copy || id == cmd::Paste || id == cmd::Delete; }

}  // namespace

MainWindow::MainWindow(Settings& settings, const FormRegistry& registry, QWidget* parent)
    : QMainWindow(parent), state_(settings), frame_(state_, *this, registry) {
  setWindowTitle(QString::fromUtf8(kWindowTitle));
  setWindowIcon(QIcon(wShapeIcon(32)));
  setObjectName(QStringLiteral("Vardelin"));
  installPictureOutput(&qtPictureOutput());  // forms print and save their pictures through the desktop

  QWidget* pictureWidget = nullptr;
  setCentralWidget(new ClientArea(this, pictureWidget, pad_));
  picture_ = static_cast<QPushButton*>(pictureWidget);
  picture_->setObjectName(QStringLiteral("pictureButton"));
  picture_->setFocusPolicy(Qt::NoFocus);
  picture_->setIconSize(QSize(kPictureWidth - 6, kPictureHeight - 6));
  pictureChanged(state_.pictureBitmap);

  jobs_ = new JobController(this, frame_, registry);
  connect(jobs_, &JobController::jobChanged, this, [this] { setWindowTitle(jobs_->windowTitle()); });
  buildMenus();
  connect(pad_, &QPlainTextEdit::selectionChanged, this, &MainWindow::updateEditItems);
  connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, &MainWindow::updateEditItems);
  updateEditItems();

  state_.settings.onWriteFailure([this](const std::string& text) {
    showMessage(this, "Vardelin", text, MessageIcon::Exclamation);
  });

  setPadText(state_.report);
  setFocusProxy(pad_);  // the window's focus always goes to the pad
  pad_->setFocus();
  resize(800, 600);
}

MainWindow::~MainWindow() {
  delete jobs_;  // before the frame it hands calculations to goes
  jobs_ = nullptr;
  state_.settings.onWriteFailure(nullptr);
}

void MainWindow::buildMenus() {
  for (const std::string& title : menuPopups()) {
    QMenu* menu = menuBar()->addMenu(toQ(title));
    menu->setObjectName(QStringLiteral("popup ") + captionWithoutMnemonics(toQ(title)));
    popups_[toQ(title)] = menu;
    connect(menu, &QMenu::aboutToShow, this, &MainWindow::updateMenuItems);
    if (title == "&Edit") {
      editMenu_ = menu;
      connect(menu, &QMenu::aboutToShow, this, &MainWindow::updateEditItems);
    }
  }
  std::map<std::pair<QString, QString>, QMenu*> submenus;
  for (const Command& c : commandTable()) {
    QMenu* menu = popups_.at(toQ(c.popup));
    if (c.submenu) {
      QMenu*& sub = submenus[{toQ(c.popup), toQ(c.submenu)}];
      if (!sub) {
        sub = menu->addMenu(toQ(c.submenu));
        sub->setObjectName(QStringLiteral("popup ") + toQ(c.submenu));
        popups_[toQ(c.submenu)] = sub;
      }
      menu = sub;
    }
    if (c.separatorBefore) menu->addSeparator();
    const QString text = toQ(c.text);
    const qsizetype tab = text.indexOf(u'\t');
    QAction* a = menu->addAction(tab < 0 ? text : text.left(tab));
    a->setObjectName(QStringLiteral("cmd%1").arg(c.id));
    a->setData(c.id);
    if (tab >= 0) {
      QList<QKeySequence> keys{QKeySequence::fromString(text.mid(tab + 1), QKeySequence::PortableText)};
      keys += extraShortcuts(c.id);
      a->setShortcuts(keys);
    }
    const int id = c.id;
    connect(a, &QAction::triggered, this, [this, id] { runCommand(id); });
    actions_[c.id] = a;
    if (id == cmd::OpenJob) {
      QMenu* recent = menu->addMenu(QStringLiteral("Recent Jobs"));
      recent->setObjectName(QStringLiteral("popup Recent Jobs"));
      jobs_->attachRecentMenu(recent);
    }
  }
  updateMenuItems();
}

QAction* MainWindow::action(int commandId) const {
  auto it = actions_.find(commandId);
  return it == actions_.end() ? nullptr : it->second;
}

QMenu* MainWindow::popup(const QString& title) const {
  auto it = popups_.find(title);
  return it == popups_.end() ? nullptr : it->second;
}

bool MainWindow::runCommand(int commandId) { return frame_.run(commandId); }

void MainWindow::updateEditItems() {
  const bool selection = pad_->hasSelection();
  const QMimeData* clip = QGuiApplication::clipboard()->mimeData();
  const bool text = clip && clip->hasText();
  if (QAction* a = action(cmd::Cut)) a->setEnabled(selection);
  if (QAction* a = action(cmd::Copy)) a->setEnabled(selection);
  if (QAction* a = action(cmd::Delete)) a->setEnabled(selection);
  if (QAction* a = action(cmd::Paste)) a->setEnabled(text);
}

void MainWindow::updateMenuItems() {
  for (auto& [id, a] : actions_)
    if (!isEditRuleItem(id)) a->setEnabled(state_.isEnabled(id));
}

// ---- Shell --------------------------------------------------------------------------------------

void MainWindow::setPadText(const std::string& text) { pad_->setReportText(text); }

std::string MainWindow::padText() const { return pad_->reportText(); }

void MainWindow::openForm(std::unique_ptr<Form> form, std::function<void(bool)> onClosed) {
  bool accepted = false;
  {
    std::unique_ptr<FormDialog> dialog = FormDialog::create(*form, this);
    accepted = dialog->run();
  }
  // The form outlives its window through the frame's After step.
  if (onClosed) onClosed(accepted);
}

bool MainWindow::runPadCommand(int commandId) {
  switch (commandId) {
    case cmd::Undo: pad_->undo(); return true;
    case cmd::Redo: pad_->redo(); return true;
    case cmd::Cut: pad_->cut(); return true;
    case cmd::Copy: pad_->copy(); return true;
    case cmd::Paste: pad_->paste(); return true;
    case cmd::Delete: pad_->deleteSelection(); return true;
    case cmd::SelectAll: pad_->selectAll(); return true;
    case cmd::ChangeFont: changeFont(); return true;
    case cmd::Print: print(); return true;
    case cmd::SavePdf: saveReportAsPdf(); return true;
    default: return false;
  }
}

bool MainWindow::runJobCommand(int commandId) { return jobs_->run(commandId); }

void MainWindow::changeFont() {
  QFontDialog dialog(pad_->font(), this);
  dialog.setObjectName(QStringLiteral("fontDialog"));
  if (dialog.exec() != QDialog::Accepted) return;
  pad_->applyFont(dialog.selectedFont());
  pad_->viewport()->update();
}

void MainWindow::print() {
  if (!printReportPad(this, toQ(padText()), pad_->font())) {
    // No command gives the printed text a file title.
    message("Vardelin", format("Could not print file %s", "(untitled)"), MessageIcon::Exclamation);
  }
}

void MainWindow::saveReportAsPdf() {
  QString file = QFileDialog::getSaveFileName(this, QStringLiteral("Save report as PDF"), QStringLiteral("report.pdf"),
                                              QStringLiteral("PDF files (*.pdf)"));
  if (file.isEmpty()) return;
  if (!file.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) file += QStringLiteral(".pdf");
  // Same page rules as the package: header, "Page n of N" footer, monospace text that wraps.
  jobs_->saveReport(padText(), file);
}

void MainWindow::pictureChanged(int bitmapId) {
  pictureId_ = bitmapId;
  picture_->setIcon(QIcon(beamBitmap(bitmapId)));
}

void MainWindow::menuStateChanged() { updateMenuItems(); }

void MainWindow::requestClose() { close(); }

void MainWindow::closeEvent(QCloseEvent* event) {
  if (closing_) {
    event->accept();
    return;
  }
  if (!gui::askYesNo(this, "Vardelin", "Really want to close Vardelin?")) {
    event->ignore();
    return;
  }
  closing_ = true;
  frame_.shutDown();
  event->accept();
}

void MainWindow::message(std::string_view caption, std::string_view text, MessageIcon icon) {
  showMessage(this, caption, text, icon);
}

bool MainWindow::askYesNo(std::string_view caption, std::string_view text) {
  return gui::askYesNo(this, caption, text);
}

}  // namespace vd::gui

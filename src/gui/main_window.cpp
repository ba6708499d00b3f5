#include "gui/main_window.h"

#include <utility>

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFontDialog>
#include <QScreen>
#include <QGuiApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>

#include "cli/script_language.h"
#include "gui/form_dialog.h"
#include "gui/job_controller.h"
#include "gui/message_box.h"
#include "gui/pictures.h"
#include "gui/printing.h"
#include "gui/qt_text.h"
#include "gui/report_pad.h"

namespace vd::gui {

extern const char* const kReadmeText;  // README.md, compiled in

namespace {

// The client area: the picture band across the top (picture button at the left, the W-shape icon
// beside it) and the report pad filling everything below it.
class ClientArea : public QWidget {
 public:
  ClientArea(QWidget* parent, QWidget*& picture, ReportPad*& pad) : QWidget(parent), icon_(wShapeIcon(32, 2.0)) {
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
  setWindowIcon(appIcon());
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
  folderLabel_ = new QLabel(this);
  folderLabel_->setObjectName(QStringLiteral("workFolder"));
  statusBar()->addPermanentWidget(folderLabel_);
  folderLabel_->setText(QStringLiteral("Folder: ") + QDir::toNativeSeparators(QDir::currentPath()));
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
    menu->setToolTipsVisible(true);
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
        sub->setToolTipsVisible(true);
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
    a->setStatusTip(toQ(commandTip(c.id)));
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

bool MainWindow::runCommand(int commandId) {
  // A beam form shows its support case beside its fields: the main window's picture is behind it.
  const Command* c = findCommand(commandId);
  formPicture_ = c && c->after == After::BeamReport ? beamPicture(commandId) : 0;
  const bool ran = frame_.run(commandId);
  formPicture_ = 0;
  return ran;
}

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
  for (auto& [id, a] : actions_) {
    if (isEditRuleItem(id)) continue;
    const bool on = state_.isEnabled(id);
    a->setEnabled(on);
    // A grayed item says what makes it available, on hover and in the status bar.
    const QString why = on ? QString() : toQ(grayedReason(id));
    const QString tip = toQ(commandTip(id));
    a->setStatusTip(why.isEmpty() ? tip : tip + QStringLiteral(" (") + why + QStringLiteral(")"));
    a->setToolTip(why.isEmpty() ? captionWithoutMnemonics(a->text()) : why);
  }
}

std::filesystem::path MainWindow::defaultWorkFolder() {
  const QString docs = QDir::homePath() + QStringLiteral("/Documents/Vardelin");
  return std::filesystem::path(docs.toStdString());
}

bool MainWindow::enterWorkFolder() {
  std::string folder = state_.settings.read("Files", "WorkFolder", "", 4096);
  const std::filesystem::path path = folder.empty() ? defaultWorkFolder() : std::filesystem::path(folder);
  std::error_code ec;
  std::filesystem::create_directories(path, ec);
  if (!ec) std::filesystem::current_path(path, ec);
  if (ec) {
    message("Vardelin",
            "Cannot use the working folder " + path.string() + ": " + ec.message() +
                ".\r\nFiles are written to " + std::filesystem::current_path(ec).string() +
                " until another folder is chosen (File > Working folder...).",
            MessageIcon::Exclamation);
  }
  folderLabel_->setText(QStringLiteral("Folder: ") + QDir::toNativeSeparators(QDir::currentPath()));
  return !ec;
}

void MainWindow::chooseWorkFolder() {
  const QString dir = QFileDialog::getExistingDirectory(this, QStringLiteral("Working folder for reports and pictures"),
                                                        QDir::currentPath());
  if (dir.isEmpty()) return;
  state_.settings.write("Files", "WorkFolder", fromQ(dir));
  enterWorkFolder();
}

void MainWindow::showHelp(int commandId) {
  QDialog box(this);
  box.setObjectName(commandId == cmd::HelpContents ? QStringLiteral("helpContents") : QStringLiteral("helpScript"));
  box.setWindowTitle(commandId == cmd::HelpContents ? QStringLiteral("Vardelin help") : QStringLiteral("Script language"));
  auto* column = new QVBoxLayout(&box);
  auto* text = new QTextBrowser(&box);
  text->setOpenExternalLinks(true);
  if (commandId == cmd::HelpContents) {
    QString md = QString::fromUtf8(kReadmeText);
    // The user's part: everything before the developers' section, without the screenshot.
    const qsizetype dev = md.indexOf(QStringLiteral("\n## Development"));
    if (dev >= 0) md.truncate(dev);
    QStringList lines = md.split(u'\n');
    lines.removeIf([](const QString& l) { return l.startsWith(QStringLiteral("![")); });
    text->setMarkdown(lines.join(u'\n'));
  } else {
    text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    text->setPlainText(QString::fromUtf8(scriptLanguageHelp()));
  }
  column->addWidget(text, 1);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &box);
  connect(buttons, &QDialogButtonBox::rejected, &box, &QDialog::reject);
  column->addWidget(buttons);
  const QSize room = screen() ? screen()->availableGeometry().size() - QSize(40, 80) : QSize(800, 600);
  box.resize(QSize(820, 640).boundedTo(room));
  box.exec();
}

// ---- Shell --------------------------------------------------------------------------------------

void MainWindow::setPadText(const std::string& text) { pad_->setReportText(text); }

std::string MainWindow::padText() const { return pad_->reportText(); }

void MainWindow::openForm(std::unique_ptr<Form> form, std::function<void(bool)> onClosed) {
  bool accepted = false;
  // The picture is the beam form's own: a design form it opens on closing shows none.
  const int picture = std::exchange(formPicture_, 0);
  {
    std::unique_ptr<FormDialog> dialog = FormDialog::create(*form, this);
    if (picture) dialog->setSidePicture(beamBitmap(picture));
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
    case cmd::WorkFolder: chooseWorkFolder(); return true;
    case cmd::HelpContents:
    case cmd::HelpScript: showHelp(commandId); return true;
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

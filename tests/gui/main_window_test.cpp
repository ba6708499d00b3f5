// The main window: menus, accelerators, the Edit popup, refresh, reference sheets, closing, font.
#include <QAbstractButton>
#include <QLabel>
#include <QDir>
#include <QFontDatabase>
#include <QFontDialog>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QTest>
#include <map>
#include <set>

#include "frame/reference_sheets.h"
#include "gui/pictures.h"
#include "gui/report_pad.h"
#include "gui_support.h"

using namespace vd;
using vd::gui::MainWindow;
using vd::gui::ReportPad;

namespace guitest {

void click(vd::gui::FormDialog* dialog, int id) {
  auto* b = qobject_cast<QAbstractButton*>(dialog->control(id));
  ASSERT_NE(b, nullptr) << "no button " << id;
  QTest::mouseClick(b, Qt::LeftButton);
}

}  // namespace guitest

namespace {

using guitest::closeEvery;
using guitest::whenModal;

constexpr const char* kStart = "\r\n This space is designed for you to cut and paste.";

class MainWindowTest : public guitest::ScratchDir {
 protected:
  void SetUp() override {
    ScratchDir::SetUp();
    registerFrameForms(registry_);
    // Stand-ins for forms of other subsystems, under commands of each After rule.
    registry_.add(477, [](AppState& s) { return std::make_unique<guitest::ScriptedForm>(s, "\r\nbrowse report\r\nline 2"); });
    registry_.add(546, [](AppState& s) { return std::make_unique<guitest::ScriptedForm>(s, "\r\nrebar table"); });
    registry_.add(511, [](AppState& s) { return std::make_unique<guitest::ScriptedForm>(s, ""); });
    registry_.add(601, [](AppState& s) { return std::make_unique<guitest::ScriptedForm>(s, ""); });
    registry_.add(478, [](AppState& s) { return std::make_unique<guitest::ScriptedForm>(s, ""); });
    settings_ = std::make_unique<Settings>(ini());
    window_ = std::make_unique<MainWindow>(*settings_, registry_);
    window_->show();
    QApplication::processEvents();
  }
  void TearDown() override {
    window_.reset();
    settings_.reset();
    ScratchDir::TearDown();
  }
  ReportPad* pad() { return window_->pad(); }
  // Opens a popup as a click on its title would, so that it computes its items, and closes it.
  void openPopup(const char* title) {
    QMenu* m = window_->popup(title);
    ASSERT_NE(m, nullptr);
    m->popup(QPoint(10, 10));
    QApplication::processEvents();
    m->hide();
  }
  // Runs a command whose form the test closes with the given button.
  void runClosingWith(int commandId, int button) {
    whenModal<gui::FormDialog>([button](gui::FormDialog* d) { guitest::click(d, button); });
    window_->runCommand(commandId);
  }
  void selectRange(int from, int to) {
    QTextCursor c = pad()->textCursor();
    c.setPosition(from);
    c.setPosition(to, QTextCursor::KeepAnchor);
    pad()->setTextCursor(c);
  }
  std::string clipboardText() { return QApplication::clipboard()->text().toStdString(); }

  FormRegistry registry_;
  std::unique_ptr<Settings> settings_;
  std::unique_ptr<MainWindow> window_;
};

// ---- Menus --------------------------------------------------------------------------------------

TEST_F(MainWindowTest, MenuBarHasTheEightPopupsInOrderAndTheTitle) {
  QStringList titles;
  for (QAction* a : window_->menuBar()->actions()) titles << a->text();
  EXPECT_EQ(titles, (QStringList{"&File", "&Edit", "&Base Materials", "&Analysis", "&Design", "&Conversion",
                                 "&Setting", "&Help"}));
  EXPECT_EQ(window_->windowTitle(), "Vardelin -- Structural Design Software by Structural Engineers");
}

TEST_F(MainWindowTest, EveryCommandIsAnItemOfItsPopupInTableOrderWithItsText) {
  std::map<QMenu*, QList<QAction*>> expected;
  for (const Command& c : commandTable()) {
    QAction* a = window_->action(c.id);
    ASSERT_NE(a, nullptr) << c.id;
    QString text = QString::fromUtf8(c.text);
    EXPECT_EQ(a->text(), text.left(text.indexOf('\t') < 0 ? text.size() : text.indexOf('\t'))) << c.id;
    QMenu* menu = window_->popup(c.submenu ? c.submenu : c.popup);
    ASSERT_NE(menu, nullptr) << c.id;
    expected[menu].push_back(a);
  }
  for (auto& [menu, actions] : expected) {
    QList<QAction*> items;
    for (QAction* a : menu->actions())
      if (!a->isSeparator() && !a->menu()) items.push_back(a);
    EXPECT_EQ(items, actions) << menu->title().toStdString();
  }
  // A few items as the user reads them, "&&" standing for one ampersand.
  EXPECT_EQ(window_->action(604)->text(), "Stl C && MC Beam");
  EXPECT_EQ(window_->action(522)->text(), "&Print...");
  EXPECT_EQ(window_->action(523)->text(), "E&xit");
  EXPECT_EQ(window_->action(2431)->text(), "1.0 lb   = 4.448 newton N");
  // The glulam sizes sit in their own submenu of "Base Materials", right after "5x, 6x, ... 24x".
  QMenu* base = window_->popup("&Base Materials");
  QList<QAction*> baseItems = base->actions();
  auto glulam = std::find_if(baseItems.begin(), baseItems.end(), [](QAction* a) { return a->menu(); });
  ASSERT_NE(glulam, baseItems.end());
  EXPECT_EQ((*glulam)->text(), "Glulam");
  EXPECT_EQ(*(glulam - 1), window_->action(478));
  QStringList sizes;
  for (QAction* a : (*glulam)->menu()->actions()) sizes << a->text();
  EXPECT_EQ(sizes, (QStringList{"2-1/2 in", "3-1/8 in", "5-1/8 in", "6-3/4 in", "8-3/4 in", "10-3/4 in"}));
}

TEST_F(MainWindowTest, GrayedItemsStartGrayedAndAreEnabledOnlyByTheirEvent) {
  const std::set<int> grayed = {550, 5501, 633, 479, 480, 578, 2450, 2550};
  const std::set<int> editRules = {cmd::Cut, cmd::Copy, cmd::Paste, cmd::Delete};
  for (const Command& c : commandTable()) {
    if (editRules.count(c.id)) continue;
    EXPECT_EQ(window_->action(c.id)->isEnabled(), !grayed.count(c.id)) << c.id;
  }
  // A grayed item does nothing even when triggered.
  window_->action(cmd::MomentDiagram)->trigger();
  EXPECT_FALSE(window_->runCommand(cmd::MomentDiagram));

  window_->state().enable(cmd::MomentDiagram);
  window_->menuStateChanged();
  EXPECT_TRUE(window_->action(cmd::MomentDiagram)->isEnabled());
  EXPECT_FALSE(window_->action(cmd::ShearDiagram)->isEnabled());
}

TEST_F(MainWindowTest, ItemsCarryTheirFullNameAndGrayedOnesSayWhy) {
  EXPECT_EQ(window_->action(603)->statusTip(), "Steel wide-flange beam, AISC ASD 9th edition");
  // Every item has a tip, and an abbreviated one spells it out.
  for (const Command& c : commandTable()) EXPECT_FALSE(window_->action(c.id)->statusTip().isEmpty()) << c.id;
  const QString grayedTip = window_->action(cmd::ShearDiagram)->toolTip();
  EXPECT_TRUE(grayedTip.startsWith("Available after a beam analysis")) << grayedTip.toStdString();
  EXPECT_TRUE(window_->action(cmd::ShearDiagram)->statusTip().contains("Available after")) ;
  window_->state().enable(cmd::ShearDiagram);
  window_->menuStateChanged();
  EXPECT_FALSE(window_->action(cmd::ShearDiagram)->statusTip().contains("Available after"));
  // Groups are separated, and the working folder shows in the status bar.
  int separators = 0;
  for (QAction* a : window_->popup("&Design")->actions()) separators += a->isSeparator() ? 1 : 0;
  EXPECT_GE(separators, 5);
  EXPECT_TRUE(window_->workFolderLabel()->text().endsWith(QDir::toNativeSeparators(QDir::currentPath())));
}

TEST_F(MainWindowTest, AcceleratorsAreExactlyTheTableOnesAndTheTwoTheItemsShow) {
  std::map<QString, int> keys;
  for (const Command& c : commandTable())
    for (const QKeySequence& k : window_->action(c.id)->shortcuts()) {
      EXPECT_EQ(keys.count(k.toString()), 0u) << k.toString().toStdString();
      keys[k.toString()] = c.id;
    }
  const std::map<QString, int> expected = {
      {"Ctrl+X", 531}, {"Shift+Del", 531}, {"Ctrl+C", 532}, {"Ctrl+Ins", 532}, {"Ctrl+V", 533},
      {"Shift+Ins", 533}, {"Del", 535}, {"Ctrl+P", 522}, {"Ctrl+A", 536}, {"Ctrl+Z", 529}, {"Ctrl+Y", 530},
      {"F1", cmd::HelpContents}};
  EXPECT_EQ(keys, expected);
}

TEST_F(MainWindowTest, EditAcceleratorsCutCopyPasteAndDeleteInThePad) {
  window_->setPadText("\r\nalpha beta\r\ngamma");
  pad()->setFocus();
  // Display text: "\nalpha beta\ngamma"; "beta\ngamma" runs from 7 to 17.
  selectRange(7, 17);
  QTest::keyClick(pad(), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(clipboardText(), "beta\r\ngamma");

  QTest::keyClick(pad(), Qt::Key_Delete, Qt::ShiftModifier);  // cut
  EXPECT_EQ(clipboardText(), "beta\r\ngamma");
  EXPECT_EQ(window_->padText(), "\r\nalpha ");

  QTest::keyClick(pad(), Qt::Key_Insert, Qt::ShiftModifier);  // paste
  EXPECT_EQ(window_->padText(), "\r\nalpha beta\r\ngamma");

  selectRange(1, 6);
  QTest::keyClick(pad(), Qt::Key_Insert, Qt::ControlModifier);  // copy
  EXPECT_EQ(clipboardText(), "alpha");
  QTest::keyClick(pad(), Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(window_->padText(), "\r\n beta\r\ngamma");
  QTest::keyClick(pad(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(window_->padText(), "\r\nalpha beta\r\ngamma");

  selectRange(6, 11);  // " beta"
  QTest::keyClick(pad(), Qt::Key_Delete);
  EXPECT_EQ(window_->padText(), "\r\nalpha\r\ngamma");
  EXPECT_EQ(clipboardText(), "alpha");  // Delete leaves the clipboard alone

  QTest::keyClick(pad(), Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(pad()->selectedReportText().toStdString(), "\r\nalpha\r\ngamma");
}

TEST_F(MainWindowTest, CtrlPOpensThePrintDialogAndCancellingItSaysSo) {
  std::string caption, text;
  whenModal<QPrintDialog>([&](QPrintDialog* d) {
    whenModal<QMessageBox>([&](QMessageBox* box) {
      caption = box->windowTitle().toStdString();
      text = box->text().toStdString();
      box->accept();
    });
    d->reject();
  });
  QTest::keyClick(pad(), Qt::Key_P, Qt::ControlModifier);
  EXPECT_EQ(caption, "Debug");
  EXPECT_EQ(text, "PrintDlg()==NULL");
}

TEST_F(MainWindowTest, EditPopupFollowsSelectionAndClipboardEachTimeItOpens) {
  auto enabled = [&](int id) { return window_->action(id)->isEnabled(); };
  window_->setPadText("\r\nreport text");
  openPopup("&Edit");
  EXPECT_FALSE(enabled(cmd::Cut));
  EXPECT_FALSE(enabled(cmd::Copy));
  EXPECT_FALSE(enabled(cmd::Delete));
  EXPECT_FALSE(enabled(cmd::Paste));  // empty clipboard
  EXPECT_TRUE(enabled(cmd::SelectAll));
  EXPECT_TRUE(enabled(cmd::ChangeFont));

  // A picture on the clipboard is not text.
  auto* image = new QMimeData;
  image->setImageData(QImage(4, 4, QImage::Format_RGB32));
  QApplication::clipboard()->setMimeData(image);
  openPopup("&Edit");
  EXPECT_FALSE(enabled(cmd::Paste));

  QApplication::clipboard()->setText("pasted");
  openPopup("&Edit");
  EXPECT_TRUE(enabled(cmd::Paste));

  selectRange(1, 7);  // "report" of "\nreport text"
  openPopup("&Edit");
  EXPECT_TRUE(enabled(cmd::Cut));
  EXPECT_TRUE(enabled(cmd::Copy));
  EXPECT_TRUE(enabled(cmd::Delete));

  // The menu items do what they say on the selection.
  window_->action(cmd::Copy)->trigger();
  EXPECT_EQ(clipboardText(), "report");
  window_->action(cmd::Delete)->trigger();
  EXPECT_EQ(window_->padText(), "\r\n text");
  openPopup("&Edit");
  EXPECT_FALSE(enabled(cmd::Cut));
  window_->action(cmd::Paste)->trigger();
  EXPECT_EQ(window_->padText(), "\r\nreport text");
  window_->action(cmd::SelectAll)->trigger();
  EXPECT_EQ(pad()->selectedReportText().toStdString(), "\r\nreport text");
  window_->action(cmd::Cut)->trigger();
  EXPECT_EQ(window_->padText(), "");
  EXPECT_EQ(clipboardText(), "\r\nreport text");
}

// ---- Refresh and reference sheets ---------------------------------------------------------------

TEST_F(MainWindowTest, StartsWithTheStartTextCancelKeepsThePadAndARefreshWithoutReportShowsTheBuffer) {
  EXPECT_EQ(window_->padText(), kStart);
  QTest::keyClicks(pad(), "typed by the user");
  const std::string typed = window_->padText();
  EXPECT_NE(typed, kStart);
  runClosingWith(477, kCancel);
  EXPECT_EQ(window_->padText(), typed);
  EXPECT_EQ(window_->state().report, kStart);
  runClosingWith(478, kOk);  // a refreshing form that writes nothing
  EXPECT_EQ(window_->padText(), kStart);
}

TEST_F(MainWindowTest, RefreshAfterAFormPutsTheReportInWithTheCaretAtTheStart) {
  QTest::keyClicks(pad(), "notes");
  pad()->moveCursor(QTextCursor::End);
  runClosingWith(477, kOk);
  EXPECT_EQ(window_->padText(), "\r\nbrowse report\r\nline 2");
  EXPECT_EQ(pad()->toPlainText(), "\nbrowse report\nline 2");
  EXPECT_EQ(pad()->textCursor().position(), 0);
  EXPECT_FALSE(pad()->textCursor().hasSelection());
  // What the refresh put in is what Copy puts on the clipboard.
  window_->runCommand(cmd::SelectAll);
  window_->runCommand(cmd::Copy);
  EXPECT_EQ(clipboardText(), "\r\nbrowse report\r\nline 2");
}

TEST_F(MainWindowTest, AfterNoneLeavesThePadAndTheNextRefreshShowsTheBuffer) {
  runClosingWith(546, kOk);  // writes the buffer, leaves the pad
  EXPECT_EQ(window_->padText(), kStart);
  EXPECT_EQ(window_->state().report, "\r\nrebar table");
  runClosingWith(511, kOk);  // Sawn Lumber Species neither clears the buffer nor the pad
  EXPECT_EQ(window_->padText(), kStart);
  EXPECT_EQ(window_->state().report, "\r\nrebar table");
  runClosingWith(478, kOk);
  EXPECT_EQ(window_->padText(), "\r\nrebar table");
}

TEST_F(MainWindowTest, UndoAfterAReportBringsBackTheEarlierTextAndRedoTheReport) {
  QTest::keyClicks(pad(), "notes");
  const std::string before = window_->padText();
  runClosingWith(477, kOk);
  EXPECT_EQ(window_->padText(), "\r\nbrowse report\r\nline 2");
  window_->action(cmd::Undo)->trigger();  // one step takes the whole replacement back
  EXPECT_EQ(window_->padText(), before);
  window_->action(cmd::Redo)->trigger();
  EXPECT_EQ(window_->padText(), "\r\nbrowse report\r\nline 2");
}

TEST_F(MainWindowTest, ReferenceSheetReplacesThePadButTheBufferKeepsTheReport) {
  runClosingWith(477, kOk);
  QTest::keyClicks(pad(), "typed");
  window_->action(2570)->trigger();
  const char* sheet = referenceSheet(2570);
  ASSERT_NE(sheet, nullptr);
  EXPECT_EQ(window_->padText(), sheet);
  EXPECT_NE(std::string(sheet).find("\r\n"), std::string::npos);
  EXPECT_EQ(window_->state().report, "\r\nbrowse report\r\nline 2");
  // The next refresh that writes nothing shows the last report, not the sheet.
  runClosingWith(478, kOk);
  EXPECT_EQ(window_->padText(), "\r\nbrowse report\r\nline 2");
}

// ---- Picture band -------------------------------------------------------------------------------

TEST_F(MainWindowTest, PictureBandAndPadFollowTheWindowSize) {
  QWidget* client = window_->centralWidget();
  EXPECT_EQ(window_->pictureButton()->geometry(), QRect(0, 0, 250, 100));
  window_->resize(640, 480);
  QApplication::processEvents();
  EXPECT_EQ(pad()->geometry(), QRect(0, 100, client->width(), client->height() - 100));
  window_->resize(900, 700);
  QApplication::processEvents();
  EXPECT_EQ(pad()->geometry(), QRect(0, 100, client->width(), client->height() - 100));
  // No room below the band: the pad simply goes out of sight.
  client->resize(300, 80);
  EXPECT_FALSE(pad()->isVisible());
  client->resize(300, 180);
  EXPECT_TRUE(pad()->isVisible());
  EXPECT_EQ(pad()->height(), 80);
}

TEST_F(MainWindowTest, BeamCommandsShowTheirPicture) {
  EXPECT_EQ(window_->currentPicture(), 577);
  // The beam form shows its support case beside its fields: the main window's band is behind it.
  bool shown = false;
  int picture = 0;
  whenModal<gui::FormDialog>([&](gui::FormDialog* d) {
    auto* side = d->findChild<QLabel*>("sidePicture");
    shown = side && side->isVisible() && side->pixmap().toImage() == gui::beamBitmap(5772).toImage();
    picture = window_->currentPicture();
    guitest::click(d, kCancel);
  });
  window_->runCommand(601);
  EXPECT_TRUE(shown);
  EXPECT_EQ(picture, 5772);  // while the form is open
  EXPECT_EQ(window_->currentPicture(), 577);  // Cancel puts the earlier picture back
  runClosingWith(601, kOk);
  EXPECT_EQ(window_->currentPicture(), 5772);
  // The four beam pictures are 250 x 100 and differ from each other.
  std::vector<QImage> images;
  for (int id : {577, 5771, 5772, 5773}) {
    QImage img = gui::beamBitmap(id).toImage();
    EXPECT_EQ(img.size(), QSize(250, 100));
    for (const QImage& other : images) EXPECT_NE(img, other) << id;
    images.push_back(img);
  }
}

// ---- Closing ------------------------------------------------------------------------------------

TEST_F(MainWindowTest, AnsweringNoToTheCloseQuestionKeepsRunningAndWritesNothing) {
  std::string caption, text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  bool yesAndNo = false;
  whenModal<QMessageBox>([&](QMessageBox* box) {
    caption = box->windowTitle().toStdString();
    text = box->text().toStdString();
    icon = box->icon();
    yesAndNo = box->button(QMessageBox::Yes) && box->button(QMessageBox::No);
    box->button(QMessageBox::No)->click();
  });
  window_->action(cmd::Exit)->trigger();
  EXPECT_EQ(caption, "Vardelin");
  EXPECT_EQ(text, "Really want to close Vardelin?");
  EXPECT_EQ(icon, QMessageBox::Question);
  EXPECT_TRUE(yesAndNo);
  EXPECT_TRUE(window_->isVisible());
  EXPECT_FALSE(std::filesystem::exists(ini()));

  // The window's own close box asks the same question.
  whenModal<QMessageBox>([](QMessageBox* box) { box->button(QMessageBox::No)->click(); });
  EXPECT_FALSE(window_->close());
  EXPECT_TRUE(window_->isVisible());
  EXPECT_FALSE(std::filesystem::exists(ini()));
}

TEST_F(MainWindowTest, AnsweringYesWritesTheConcreteKeysAndCloses) {
  using S = ConcreteBeamRecord;
  window_->state().concreteBeam[S::Fc] = 4.0;
  window_->state().concreteBeam[S::Fy] = 60.0;
  window_->state().concreteBeam[S::Width] = 12.0;
  window_->state().concreteBeam[S::Depth] = 21.5;
  window_->state().concreteBeam[S::As] = 3.16;
  window_->state().concreteBeam[S::Phi] = 0.9;
  whenModal<QMessageBox>([](QMessageBox* box) { box->button(QMessageBox::Yes)->click(); });
  window_->action(cmd::Exit)->trigger();
  EXPECT_FALSE(window_->isVisible());
  Settings check(ini());
  EXPECT_EQ(check.read("ACI", "F'c", "", 20), "4.00");
  EXPECT_EQ(check.read("ACI", "Fy", "", 20), "60.00");
  EXPECT_EQ(check.read("ACI", "bm_width", "", 20), "12.000");
  EXPECT_EQ(check.read("ACI", "bm_d", "", 20), "21.500");
  EXPECT_EQ(check.read("ACI", "bm_As", "", 20), "3.160");
  EXPECT_EQ(check.read("ACI", "phi", "", 20), "0.900");
}

// ---- Font ---------------------------------------------------------------------------------------

TEST_F(MainWindowTest, FontStartsFixedWidthAndCancelKeepsIt) {
  const QFont start = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  EXPECT_EQ(pad()->font(), start);
  QFont offered;
  whenModal<QFontDialog>([&](QFontDialog* d) {
    offered = d->currentFont();
    d->setCurrentFont(QFont("DejaVu Serif", 20));
    d->reject();
  });
  window_->action(cmd::ChangeFont)->trigger();
  EXPECT_EQ(offered.family().toLower(), start.family().toLower());
  EXPECT_EQ(pad()->font(), start);
}

TEST_F(MainWindowTest, ChosenFontGoesToThePadWithTabStopsOfEightCharacters) {
  whenModal<QFontDialog>([](QFontDialog* d) {
    d->setCurrentFont(QFont("DejaVu Sans Mono", 14));
    d->accept();
  });
  window_->action(cmd::ChangeFont)->trigger();
  EXPECT_EQ(pad()->font().family(), "DejaVu Sans Mono");
  EXPECT_EQ(pad()->font().pointSize(), 14);
  EXPECT_DOUBLE_EQ(pad()->tabStopDistance(), 8.0 * QFontMetricsF(pad()->font()).averageCharWidth());
  // The next dialog starts from the chosen font.
  QFont offered;
  whenModal<QFontDialog>([&](QFontDialog* d) {
    offered = d->currentFont();
    d->reject();
  });
  window_->action(cmd::ChangeFont)->trigger();
  EXPECT_EQ(offered.family(), "DejaVu Sans Mono");
}

// ---- Settings ------------------------------------------------------------------------------------

TEST_F(MainWindowTest, AFailedSettingsWriteIsReportedOnce) {
  // The settings file's folder is a plain file, so nothing can be written there.
  std::ofstream(dir_ / "blocker") << "x";
  Settings broken(dir_ / "blocker" / "Vardelin.ini");
  MainWindow window(broken, registry_);
  int boxes = 0;
  std::string caption;
  auto typeAndOk = [&](gui::FormDialog* d) {
    d->setText(101, "J-1");
    guitest::click(d, kOk);
  };
  whenModal<gui::FormDialog>([&](gui::FormDialog* d) {
    whenModal<QMessageBox>([&](QMessageBox* box) {
      ++boxes;
      caption = box->windowTitle().toStdString();
      box->accept();
    });
    typeAndOk(d);
  });
  window.runCommand(cmd::JobNumber);
  EXPECT_EQ(boxes, 1);
  EXPECT_EQ(caption, "Vardelin");
  // The second failure says nothing more.
  int more = 0;
  closeEvery<QMessageBox>(&more, 300);
  whenModal<gui::FormDialog>(typeAndOk);
  window.runCommand(cmd::JobNumber);
  EXPECT_EQ(more, 0);
}

}  // namespace

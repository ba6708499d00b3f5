// The main window: menus, accelerators, the Edit popup, refresh, reference sheets, closing, font.
#include <QFontDatabase>
#include <QFontDialog>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <map>
#include <set>

#include "frame/reference_sheets.h"
#include "gui/pictures.h"
#include "gui/report_pad.h"
#include "gui_support.h"

using namespace vd;
using vd::gui::MainWindow;
using vd::gui::ReportPad;

namespace {

using guitest::ModalAnswerer;
using guitest::whenModal;

constexpr const char* kStart = "\r\n This space is designed for you to cut and paste.";

class MainWindowTest : public guitest::ScratchDir {
 protected:
  void SetUp() override {
    ScratchDir::SetUp();
    registerFrameForms(registry_);
    // Stand-ins for forms of other subsystems, under commands of each After rule.
    for (const auto& entry : std::map<int, const char*>{
             {477, "\r\nbrowse report\r\nline 2"}, {546, "\r\nrebar table"}, {511, ""}, {601, ""}, {478, ""}}) {
      const char* report = entry.second;
      registry_.add(entry.first, [report](AppState& s) { return std::make_unique<guitest::ScriptedForm>(s, report); });
    }
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

TEST_F(MainWindowTest, MenuBarHasTheEightPopupsAndEveryCommandIsAnItemOfItsPopupInTableOrder) {
  QStringList titles;
  for (QAction* a : window_->menuBar()->actions()) titles << a->text();
  EXPECT_EQ(titles, (QStringList{"&File", "&Edit", "&Base Materials", "&Analysis", "&Design", "&Conversion",
                                 "&Setting", "&Help"}));
  EXPECT_EQ(window_->windowTitle(), "Vardelin -- Structural Design Software by Structural Engineers");
  // Every command is an item of its popup (the glulam sizes of their submenu), in table order, with its
  // text up to the tab ("Stl C && MC Beam" showing one ampersand).
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
  // The glulam sizes sit in their own submenu of "Base Materials", right after "5x, 6x, ... 24x".
  QMenu* base = window_->popup("&Base Materials");
  QList<QAction*> baseItems = base->actions();
  auto glulam = std::find_if(baseItems.begin(), baseItems.end(), [](QAction* a) { return a->menu(); });
  ASSERT_NE(glulam, baseItems.end());
  EXPECT_EQ((*glulam)->text(), "Glulam");
  EXPECT_EQ(*(glulam - 1), window_->action(478));
}

TEST_F(MainWindowTest, GrayedItemsStartGrayedSayWhyAndAreEnabledOnlyByTheirEvent) {
  const std::set<int> editRules = {cmd::Cut, cmd::Copy, cmd::Paste, cmd::Delete};
  for (const Command& c : commandTable()) {
    if (editRules.count(c.id)) continue;
    EXPECT_EQ(window_->action(c.id)->isEnabled(), !c.initiallyGrayed) << c.id;  // the set: CommandTable test
  }
  // A grayed item does nothing even when triggered.
  window_->action(cmd::MomentDiagram)->trigger();
  EXPECT_FALSE(window_->runCommand(cmd::MomentDiagram));
  window_->state().enable(cmd::MomentDiagram);
  window_->menuStateChanged();
  EXPECT_TRUE(window_->action(cmd::MomentDiagram)->isEnabled());
  EXPECT_FALSE(window_->action(cmd::ShearDiagram)->isEnabled());
  // Every item has a tip, an abbreviated one spells it out, and a grayed one says why.
  EXPECT_EQ(window_->action(603)->statusTip(), "Steel wide-flange beam, AISC ASD 9th edition");
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
  // Display text: "\nalpha beta\ngamma"; "beta\ngamma" runs from 7 to 17. A selection from..to (none
  // when from < 0), a key, then the pad's report text and the clipboard.
  const struct {
    int from, to;
    Qt::Key key;
    Qt::KeyboardModifier modifier;
    const char *pad, *clipboard;
  } steps[] = {
      {7, 17, Qt::Key_C, Qt::ControlModifier, "\r\nalpha beta\r\ngamma", "beta\r\ngamma"},
      {-1, 0, Qt::Key_Delete, Qt::ShiftModifier, "\r\nalpha ", "beta\r\ngamma"},         // cut
      {-1, 0, Qt::Key_Insert, Qt::ShiftModifier, "\r\nalpha beta\r\ngamma", "beta\r\ngamma"},  // paste
      {1, 6, Qt::Key_Insert, Qt::ControlModifier, "\r\nalpha beta\r\ngamma", "alpha"},    // copy
      {-1, 0, Qt::Key_X, Qt::ControlModifier, "\r\n beta\r\ngamma", "alpha"},
      {-1, 0, Qt::Key_V, Qt::ControlModifier, "\r\nalpha beta\r\ngamma", "alpha"},
      {6, 11, Qt::Key_Delete, Qt::NoModifier, "\r\nalpha\r\ngamma", "alpha"},  // the clipboard stays
  };
  for (const auto& s : steps) {
    if (s.from >= 0) selectRange(s.from, s.to);
    QTest::keyClick(pad(), s.key, s.modifier);
    EXPECT_EQ(window_->padText(), s.pad) << QKeySequence(s.key | s.modifier).toString().toStdString();
    EXPECT_EQ(clipboardText(), s.clipboard) << QKeySequence(s.key | s.modifier).toString().toStdString();
  }
  QTest::keyClick(pad(), Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(pad()->selectedReportText().toStdString(), "\r\nalpha\r\ngamma");
}

TEST_F(MainWindowTest, CtrlPOpensThePrintDialogAndCancellingItSaysSo) {
  ModalAnswerer answer;  // cancels the print dialog
  QTest::keyClick(pad(), Qt::Key_P, Qt::ControlModifier);
  EXPECT_EQ(answer.dialogs, 1);
  EXPECT_EQ(answer.messages, std::vector<std::string>{"Debug: PrintDlg()==NULL"});
}

TEST_F(MainWindowTest, EditPopupFollowsSelectionAndClipboardEachTimeItOpens) {
  auto expectEnabled = [&](std::initializer_list<int> ids, bool on) {
    openPopup("&Edit");
    for (int id : ids) EXPECT_EQ(window_->action(id)->isEnabled(), on) << id;
  };
  window_->setPadText("\r\nreport text");
  expectEnabled({cmd::Cut, cmd::Copy, cmd::Delete, cmd::Paste}, false);  // no selection, empty clipboard
  expectEnabled({cmd::SelectAll, cmd::ChangeFont}, true);
  // A picture on the clipboard is not text.
  auto* image = new QMimeData;
  image->setImageData(QImage(4, 4, QImage::Format_RGB32));
  QApplication::clipboard()->setMimeData(image);
  expectEnabled({cmd::Paste}, false);
  QApplication::clipboard()->setText("pasted");
  expectEnabled({cmd::Paste}, true);
  selectRange(1, 7);  // "report" of "\nreport text"
  expectEnabled({cmd::Cut, cmd::Copy, cmd::Delete}, true);

  // The menu items do what they say on the selection.
  window_->action(cmd::Copy)->trigger();
  EXPECT_EQ(clipboardText(), "report");
  window_->action(cmd::Delete)->trigger();
  EXPECT_EQ(window_->padText(), "\r\n text");
  expectEnabled({cmd::Cut}, false);
  window_->action(cmd::Paste)->trigger();
  EXPECT_EQ(window_->padText(), "\r\nreport text");
  window_->action(cmd::SelectAll)->trigger();
  EXPECT_EQ(pad()->selectedReportText().toStdString(), "\r\nreport text");
  window_->action(cmd::Cut)->trigger();
  EXPECT_EQ(window_->padText(), "");
  EXPECT_EQ(clipboardText(), "\r\nreport text");
}

// ---- Refresh and reference sheets ---------------------------------------------------------------

TEST_F(MainWindowTest, EachAfterRuleTreatsThePadAndTheReportBufferItsWay) {
  EXPECT_EQ(window_->padText(), kStart);
  QTest::keyClicks(pad(), "typed by the user");
  const std::string typed = window_->padText();
  EXPECT_NE(typed, kStart);
  const std::string browse = "\r\nbrowse report\r\nline 2", rebar = "\r\nrebar table";
  // A command, the button that closes its form, then the pad and the report buffer. 477 writes a
  // report and refreshes; 478 refreshes writing nothing; 546 writes the buffer and leaves the pad;
  // 511 (Sawn Lumber Species) neither clears the buffer nor the pad.
  const struct {
    int command, button;
    std::string pad, buffer;
  } steps[] = {{477, kCancel, typed, kStart}, {478, kOk, kStart, kStart}, {546, kOk, kStart, rebar},
               {511, kOk, kStart, rebar},     {478, kOk, rebar, rebar},   {477, kOk, browse, browse}};
  for (const auto& s : steps) {
    pad()->moveCursor(QTextCursor::End);
    runClosingWith(s.command, s.button);
    EXPECT_EQ(window_->padText(), s.pad) << s.command;
    EXPECT_EQ(window_->state().report, s.buffer) << s.command;
  }
  // One Undo takes the whole replacement back (caret and scroll after it: PadTest).
  window_->action(cmd::Undo)->trigger();
  EXPECT_EQ(window_->padText(), rebar);
  window_->action(cmd::Redo)->trigger();
  EXPECT_EQ(window_->padText(), browse);
  // A reference sheet replaces the pad (its CR LF lines kept), the buffer keeps the report, and the next
  // refresh that writes nothing shows the report, not the sheet.
  QTest::keyClicks(pad(), "typed");
  window_->action(2570)->trigger();
  ASSERT_NE(referenceSheet(2570), nullptr);
  EXPECT_EQ(window_->padText(), referenceSheet(2570));
  EXPECT_NE(window_->padText().find("\r\n"), std::string::npos);
  EXPECT_EQ(window_->state().report, browse);
  runClosingWith(478, kOk);
  EXPECT_EQ(window_->padText(), browse);
}

// ---- Picture band -------------------------------------------------------------------------------

TEST_F(MainWindowTest, PictureBandAndPadFollowTheWindowSize) {
  QWidget* client = window_->centralWidget();
  EXPECT_EQ(window_->pictureButton()->geometry(), QRect(0, 0, 250, 100));
  for (QSize size : {QSize(640, 480), QSize(900, 700)}) {
    window_->resize(size);
    QApplication::processEvents();
    EXPECT_EQ(pad()->geometry(), QRect(0, 100, client->width(), client->height() - 100));
  }
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
  ModalAnswerer no({}, false);
  window_->action(cmd::Exit)->trigger();
  EXPECT_FALSE(window_->close());  // the window's own close box asks the same question
  EXPECT_EQ(no.messages, std::vector<std::string>(2, "Vardelin: Really want to close Vardelin?"));
  EXPECT_EQ(no.icons, std::vector<QMessageBox::Icon>(2, QMessageBox::Question));
  EXPECT_TRUE(window_->isVisible());
  EXPECT_FALSE(std::filesystem::exists(ini()));
}

// Every key and its format: FrameTest.ConcreteRecordRoundTripsThroughTheAciKeys, tests/golden/frame.
TEST_F(MainWindowTest, AnsweringYesWritesTheConcreteKeysAndCloses) {
  window_->state().concreteBeam[ConcreteBeamRecord::Width] = 12.0;
  {
    ModalAnswerer yes;
    window_->action(cmd::Exit)->trigger();
  }
  EXPECT_FALSE(window_->isVisible());
  EXPECT_EQ(Settings(ini()).read("ACI", "bm_width", "", 20), "12.000");
}

// ---- Font ---------------------------------------------------------------------------------------

TEST_F(MainWindowTest, FontStartsFixedWidthAndTheChosenOneGoesToThePadWithTabStopsOfEightCharacters) {
  const QFont start = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  auto expectTabsOfEight = [&] {
    EXPECT_DOUBLE_EQ(pad()->tabStopDistance(), 8.0 * QFontMetricsF(pad()->font()).averageCharWidth());
  };
  EXPECT_EQ(pad()->font(), start);
  expectTabsOfEight();
  // Each dialog starts from the pad's font; Cancel keeps it, OK applies the chosen one.
  QFont offered;
  auto choose = [&](const QFont& font, bool ok) {
    whenModal<QFontDialog>([&, font, ok](QFontDialog* d) {
      offered = d->currentFont();
      d->setCurrentFont(font);
      ok ? d->accept() : d->reject();
    });
    window_->action(cmd::ChangeFont)->trigger();
  };
  choose(QFont("DejaVu Serif", 20), false);
  EXPECT_EQ(offered.family().toLower(), start.family().toLower());
  EXPECT_EQ(pad()->font(), start);
  choose(QFont("DejaVu Sans Mono", 14), true);
  EXPECT_EQ(pad()->font().family(), "DejaVu Sans Mono");
  EXPECT_EQ(pad()->font().pointSize(), 14);
  expectTabsOfEight();
  choose(start, false);
  EXPECT_EQ(offered.family(), "DejaVu Sans Mono");
}

// ---- Settings ------------------------------------------------------------------------------------

TEST_F(MainWindowTest, AFailedSettingsWriteIsReportedOnce) {
  // The settings file's folder is a plain file, so nothing can be written there.
  std::ofstream(dir_ / "blocker") << "x";
  Settings broken(dir_ / "blocker" / "Vardelin.ini");
  MainWindow window(broken, registry_);
  ModalAnswerer answer;
  for (int twice = 0; twice < 2; ++twice) {
    whenModal<gui::FormDialog>([](gui::FormDialog* d) {
      d->setText(101, "J-1");
      guitest::click(d, kOk);
    });
    window.runCommand(cmd::JobNumber);
  }
  // The second failure says nothing more.
  ASSERT_EQ(answer.messages.size(), 1u);
  EXPECT_EQ(answer.messages[0].rfind("Vardelin: ", 0), 0u) << answer.messages[0];
}

}  // namespace

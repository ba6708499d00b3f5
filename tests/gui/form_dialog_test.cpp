// The generic form dialog: rendering a layout, the host operations, events to the form, and real
// forms run from the menu.
#include <QCheckBox>
#include <QComboBox>
#include <QLayout>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTabWidget>

#include "app/all_forms.h"
#include "frame/commands.h"
#include "gui/property_sheet.h"
#include "gui/report_pad.h"
#include "gui_support.h"
#include "platform/text_format.h"

using namespace vd;
using gui::FormDialog;
using guitest::labelShowing;
using guitest::whenModal;

namespace {

// A form that only lays out its controls.
struct PlainForm : Form {
  explicit PlainForm(FormLayout l) : layout_(std::move(l)) {}
  const FormLayout& layout() const override { return layout_; }
  FormLayout layout_;
};

// A form with one control of every kind that records what the dialog tells it.
struct RecordingForm : PlainForm {
  enum {
    Length = 101, Notes, Result, Sections, Grade, Pinned, RadioA, RadioB, RadioC, Calculate, Caption, Pane,
    Picture, Status, Dead0 = 200, Live0, Dead1, Live1
  };
  RecordingForm() : PlainForm({"REC_Box", "Recording && testing"}) {
    layout_.edit(Length, "Length:", "ft").width = 8;
    layout_.readOnly(Result, "Result:");
    layout_.newLine();
    layout_.add(ControlKind::MultiEdit, Notes, "Notes:").height = 3;
    layout_.newLine();
    layout_.list(Sections, "Sections", 5);
    layout_.dropDown(Grade, "Grade:");
    layout_.newLine();
    layout_.check(Pinned, "&Pinned ends");
    layout_.radio(RadioA, "A", 1);
    layout_.radio(RadioB, "B", 1);
    layout_.radio(RadioC, "C", 2);
    layout_.newLine();
    layout_.text(Caption, "Stl C && MC");
    layout_.newLine();
    layout_.cell(Dead0, "dead", 0, 0);
    layout_.cell(Live0, "live", 0, 1);
    layout_.newLine();
    layout_.label("Ground");
    layout_.cell(Live1, "live", 1, 1).enabled = false;
    layout_.newLine();
    layout_.pane(Pane, "Report", 6);
    layout_.picture(Picture, 120, 80);
    layout_.newLine();
    layout_.button(Calculate, "Calculate").isDefault = true;
    layout_.okCancel();
    layout_.statusBar(Status);
  }
  void opened(FormHost& host) override {
    host.setText(Length, "12.5");
    host.setItems(Sections, {"W8x10", "W10x12", "W12x14"});
    host.select(Sections, 1);
    host.setItems(Grade, {"A36", "A992"});
    host.select(Grade, 1);
    host.setChecked(RadioA, true);
    opens.push_back(host.text(Length));
  }
  void changed(FormHost&, int id) override { changes.push_back(id); }
  void pressed(FormHost& host, int id) override {
    presses.push_back(id);
    if (id == kCancel && !refuseCancel) host.close(false);
    if (id == kOk) host.close(true);
  }
  void finished(bool accepted, Messenger&) override { finishedWith = accepted ? 1 : 0; }

  std::vector<int> changes, presses;
  std::vector<std::string> opens;
  bool refuseCancel = false;
  int finishedWith = -1;
};

class FormDialogTest : public guitest::ScratchDir {
 protected:
  void SetUp() override {
    ScratchDir::SetUp();
    dialog_ = guitest::shown(form_);
  }
  template <class W>
  W* widget(int id) {
    auto* w = qobject_cast<W*>(dialog_->control(id));
    EXPECT_NE(w, nullptr) << "control " << id;
    return w;
  }
  RecordingForm form_;
  std::unique_ptr<FormDialog> dialog_;
};

using R = RecordingForm;

TEST_F(FormDialogTest, RendersEveryKindWithItsLabelsUnitsAndHints) {
  EXPECT_EQ(dialog_->windowTitle(), "Recording & testing");
  EXPECT_EQ(dialog_->labelOf(R::Length)->text(), "Length:");
  EXPECT_EQ(dialog_->unitOf(R::Length)->text(), "ft");
  EXPECT_EQ(dialog_->labelOf(R::Length)->buddy(), dialog_->control(R::Length));
  EXPECT_FALSE(widget<QLineEdit>(R::Length)->isReadOnly());
  EXPECT_TRUE(widget<QLineEdit>(R::Result)->isReadOnly());
  EXPECT_FALSE(widget<QPlainTextEdit>(R::Notes)->isReadOnly());
  EXPECT_TRUE(widget<QPlainTextEdit>(R::Pane)->isReadOnly());
  EXPECT_EQ(dialog_->labelOf(R::Sections)->text(), "Sections");
  EXPECT_NE(widget<QListWidget>(R::Sections), nullptr);
  EXPECT_FALSE(widget<QComboBox>(R::Grade)->isEditable());
  EXPECT_EQ(widget<QCheckBox>(R::Pinned)->text(), "&Pinned ends");
  EXPECT_EQ(widget<QLabel>(R::Caption)->text(), "Stl C & MC");
  EXPECT_EQ(dialog_->text(R::Caption), "Stl C && MC");  // as the form gave it
  EXPECT_EQ(dialog_->control(R::Picture)->size(), QSize(120, 80));
  EXPECT_TRUE(widget<QPushButton>(R::Calculate)->isDefault());
  // An 8-character field is narrower than a default one and wide enough for 8 characters.
  const int cw = dialog_->fontMetrics().averageCharWidth();
  EXPECT_GE(dialog_->control(R::Length)->width(), 8 * cw);
  EXPECT_LT(dialog_->control(R::Length)->width(), dialog_->control(R::Result)->width());
  // Two status parts of equal width along the bottom.
  ASSERT_NE(dialog_->statusPart(0), nullptr);
  ASSERT_NE(dialog_->statusPart(1), nullptr);
  EXPECT_NEAR(dialog_->statusPart(0)->width(), dialog_->statusPart(1)->width(), 2);
  auto top = [&](QWidget* w) { return w->mapTo(dialog_.get(), QPoint(0, 0)).y(); };
  EXPECT_GT(top(dialog_->statusPart(0)), top(dialog_->control(kOk)));
  EXPECT_LT(dialog_->statusPart(0)->x(), dialog_->statusPart(1)->x());
}

// Whether a layout holds the widget, in any of its nested layouts.
bool inLayout(QLayout* layout, QWidget* w) {
  for (int i = 0; i < layout->count(); ++i) {
    QLayoutItem* item = layout->itemAt(i);
    if (item->widget() == w) return true;
    if (item->layout() && inLayout(item->layout(), w)) return true;
  }
  return false;
}

// Every widget the dialog made sits in a layout: none is left lying at the top-left corner.
void expectEverythingLaidOut(QWidget* dialog) {
  for (QWidget* w : dialog->findChildren<QWidget*>()) {
    if (w->isWindow() || !w->parentWidget() || !w->parentWidget()->layout()) continue;
    if (w->inherits("QSizeGrip")) continue;  // the resizable window's own corner
    EXPECT_TRUE(inLayout(w->parentWidget()->layout(), w))
        << w->metaObject()->className() << " '" << w->objectName().toStdString() << "' "
        << (qobject_cast<QLabel*>(w) ? qobject_cast<QLabel*>(w)->text().toStdString() : "");
  }
}

TEST_F(FormDialogTest, EveryControlIsLaidOut) { expectEverythingLaidOut(dialog_.get()); }

TEST_F(FormDialogTest, GridCellsLineUpUnderTheirColumnHeadings) {
  auto* heading0 = dialog_->findChild<QLabel*>("gridHeading0");
  auto* heading1 = dialog_->findChild<QLabel*>("gridHeading1");
  ASSERT_NE(heading0, nullptr);
  ASSERT_NE(heading1, nullptr);
  EXPECT_EQ(heading0->text(), "dead");
  EXPECT_EQ(heading1->text(), "live");
  QWidget* dead0 = dialog_->control(R::Dead0);
  QWidget* live0 = dialog_->control(R::Live0);
  QWidget* live1 = dialog_->control(R::Live1);
  EXPECT_EQ(live0->x(), live1->x());
  EXPECT_EQ(heading1->x(), live0->x());
  EXPECT_LT(dead0->x(), live0->x());
  EXPECT_GT(live1->y(), live0->y());
  EXPECT_FALSE(live1->isEnabled());  // initial state from the layout
  // "Ground" takes the column no cell of its line uses: under "dead".
  ASSERT_NE(labelShowing(dialog_.get(), "Ground"), nullptr);
  EXPECT_EQ(labelShowing(dialog_.get(), "Ground")->x(), dead0->x());
}

TEST(FormDialogGrid, ATextSpacedOverAGridBecomesItsColumnHeadings) {
  PlainForm form({"ROWS_Box", "rows"});
  form.layout_.label("point loads kip      at");
  for (int row = 0; row < 3; ++row) {
    form.layout_.newLine();
    if (row == 1) form.layout_.label("X-X bending:");
    form.layout_.cell(300 + row * 2, "point loads", row, 0);
    form.layout_.cell(301 + row * 2, "point loads", row, 1);
    if (row == 2) form.layout_.label("kip");
  }
  auto dialog = guitest::shown(form);
  // "point loads kip      at": each part of the text stands over its own column.
  auto* h0 = dialog->findChild<QLabel*>("gridHeading0");
  auto* h1 = dialog->findChild<QLabel*>("gridHeading1");
  ASSERT_TRUE(h0 && h1);
  EXPECT_EQ(h0->text(), "point loads kip");
  EXPECT_EQ(h1->text(), "at");
  EXPECT_EQ(h0->x(), dialog->control(300)->x());
  EXPECT_EQ(h1->x(), dialog->control(301)->x());
  int shown = 0;
  for (QLabel* l : dialog->findChildren<QLabel*>()) shown += l->isVisible() && l->text().startsWith("point loads") ? 1 : 0;
  EXPECT_EQ(shown, 1);  // the heading only: the spaced-out text is not shown twice
  EXPECT_EQ(dialog->control(300)->x(), dialog->control(302)->x());
  EXPECT_LT(dialog->control(300)->x(), dialog->control(301)->x());
  // A text before a line's cells stands in front of the grid, one after them behind it.
  QLabel *before = labelShowing(dialog.get(), "X-X bending:"), *after = labelShowing(dialog.get(), "kip");
  ASSERT_TRUE(before && after);
  EXPECT_LT(before->geometry().right(), dialog->control(302)->x());
  EXPECT_GT(after->x(), dialog->control(305)->geometry().right());
  EXPECT_EQ(dialog->control(300)->x(), dialog->control(304)->x());
}

TEST_F(FormDialogTest, CodeChangesDoNotNotifyTheFormButUserActionsDo) {
  EXPECT_EQ(form_.opens, std::vector<std::string>{"12.5"});
  EXPECT_TRUE(form_.changes.empty());  // everything opened() set was silent
  dialog_->setText(R::Notes, "a\r\nb");
  dialog_->select(R::Grade, 0);
  dialog_->setChecked(R::Pinned, true);
  EXPECT_TRUE(form_.changes.empty());

  QTest::keyClicks(dialog_->control(R::Length), "7");
  EXPECT_EQ(form_.changes, std::vector<int>{R::Length});
  widget<QListWidget>(R::Sections)->setCurrentRow(2);  // as a click on the row does
  QTest::mouseClick(widget<QCheckBox>(R::Pinned), Qt::LeftButton);
  QTest::mouseClick(widget<QRadioButton>(R::RadioB), Qt::LeftButton);
  EXPECT_EQ(form_.changes, (std::vector<int>{R::Length, R::Sections, R::Pinned, R::RadioB}));
  EXPECT_EQ(dialog_->selection(R::Sections), 2);
  EXPECT_EQ(dialog_->text(R::Sections), "W12x14");
  EXPECT_FALSE(dialog_->checked(R::Pinned));
  EXPECT_TRUE(dialog_->checked(R::RadioB));
  EXPECT_FALSE(dialog_->checked(R::RadioA));

  QTest::mouseClick(widget<QPushButton>(R::Calculate), Qt::LeftButton);
  EXPECT_EQ(form_.presses, std::vector<int>{R::Calculate});
}

TEST_F(FormDialogTest, FieldReadsAreCutToTheCapacityNumbersTypedAreReadWholeAndLineEndsAreCrLf) {
  dialog_->setText(R::Length, "123456789012");
  EXPECT_EQ(dialog_->text(R::Length, 10), "123456789");
  EXPECT_EQ(dialog_->text(R::Length), "123456789012");
  // A number the user types is read whole and strictly: never cut short, nothing after it.
  EXPECT_DOUBLE_EQ(dialog_->number(R::Length), 123456789012.0);
  dialog_->setText(R::Length, " -2.5e1 ");
  EXPECT_DOUBLE_EQ(dialog_->number(R::Length), -25.0);
  dialog_->setText(R::Length, "-2.5e1 kip");
  try {
    dialog_->number(R::Length);
    ADD_FAILURE() << "a number with a unit after it was read";
  } catch (const FieldError& e) {
    EXPECT_EQ(e.id, R::Length);
    EXPECT_EQ(e.message.rfind("Length: \"-2.5e1 kip\" is not a number.", 0), 0u) << e.message;
  }
  // Result fields and grayed fields are no input: read leniently, ten characters as a rule.
  dialog_->setText(R::Result, "123456789012");
  EXPECT_DOUBLE_EQ(dialog_->number(R::Result), 1234567890.0);
  dialog_->setText(R::Live1, "123456789012 kip");
  EXPECT_DOUBLE_EQ(dialog_->number(R::Live1), 1234567890.0);

  dialog_->setText(R::Notes, "first\r\nsecond");
  EXPECT_EQ(widget<QPlainTextEdit>(R::Notes)->toPlainText(), "first\nsecond");
  EXPECT_EQ(dialog_->text(R::Notes), "first\r\nsecond");
  widget<QPlainTextEdit>(R::Notes)->moveCursor(QTextCursor::End);
  QTest::keyClick(dialog_->control(R::Notes), Qt::Key_Return);
  QTest::keyClicks(dialog_->control(R::Notes), "third");
  EXPECT_EQ(dialog_->text(R::Notes), "first\r\nsecond\r\nthird");
  EXPECT_EQ(dialog_->text(R::Notes, 8), "first\r\n");

  dialog_->setText(R::Pane, "\r\n M = 12.50 k-ft\r\n\tOK");
  EXPECT_EQ(dialog_->text(R::Pane, 9000), "\r\n M = 12.50 k-ft\r\n\tOK");
  // An id the layout lacks keeps its text, as the headless host does.
  dialog_->setText(999, "kept");
  EXPECT_EQ(dialog_->text(999), "kept");
}

TEST_F(FormDialogTest, ListsDropDownsRadiosAndEnablingFollowTheHostCalls) {
  EXPECT_EQ(dialog_->selection(R::Sections), 1);
  EXPECT_EQ(dialog_->selection(R::Grade), 1);
  EXPECT_EQ(dialog_->text(R::Grade), "A992");
  dialog_->select(R::Sections, 7);  // outside the list: nothing selected
  EXPECT_EQ(dialog_->selection(R::Sections), -1);
  dialog_->setItems(R::Grade, {"Gr 50"});
  EXPECT_EQ(dialog_->selection(R::Grade), -1);
  EXPECT_EQ(widget<QComboBox>(R::Grade)->count(), 1);

  // Radio groups are separate; a form may clear a checked radio button.
  dialog_->setChecked(R::RadioC, true);
  EXPECT_TRUE(dialog_->checked(R::RadioA));
  dialog_->setChecked(R::RadioB, true);
  EXPECT_FALSE(dialog_->checked(R::RadioA));
  EXPECT_TRUE(dialog_->checked(R::RadioC));
  dialog_->setChecked(R::RadioB, false);
  EXPECT_FALSE(dialog_->checked(R::RadioB));
  EXPECT_FALSE(dialog_->checked(R::RadioA));

  dialog_->setEnabled(R::Calculate, false);
  EXPECT_FALSE(dialog_->control(R::Calculate)->isEnabled());
  dialog_->setEnabled(R::Live1, true);
  EXPECT_TRUE(dialog_->control(R::Live1)->isEnabled());

  dialog_->setStatus(0, "+mom= 12.00 k-f,  -mom= 0.00 k-f");
  dialog_->setStatus(1, "left R= 4.00 kip,  right R= 4.00 kip");
  dialog_->setStatus(2, "ignored");
  EXPECT_EQ(dialog_->statusPart(0)->text(), "+mom= 12.00 k-f,  -mom= 0.00 k-f");
  EXPECT_EQ(dialog_->statusPart(1)->text(), "left R= 4.00 kip,  right R= 4.00 kip");

  dialog_->setText(R::Caption, "W &&  section");
  EXPECT_EQ(widget<QLabel>(R::Caption)->text(), "W &  section");
}

TEST_F(FormDialogTest, EnterPressesTheDefaultButtonAndEscapeIsCancel) {
  QTest::keyClick(dialog_->control(R::Length), Qt::Key_Return);
  EXPECT_EQ(form_.presses, std::vector<int>{R::Calculate});
  EXPECT_TRUE(dialog_->isVisible());

  form_.refuseCancel = true;  // a form may keep its window on Cancel
  QTest::keyClick(dialog_.get(), Qt::Key_Escape);
  EXPECT_EQ(form_.presses.back(), kCancel);
  EXPECT_TRUE(dialog_->isVisible());
  dialog_->close();  // the close box
  EXPECT_EQ(form_.presses.back(), kCancel);
  EXPECT_TRUE(dialog_->isVisible());

  form_.refuseCancel = false;
  QTest::keyClick(dialog_.get(), Qt::Key_Escape);
  EXPECT_FALSE(dialog_->isVisible());
  EXPECT_TRUE(dialog_->isClosed());
  EXPECT_FALSE(dialog_->wasAccepted());
  // A closed form hears nothing more.
  const std::size_t presses = form_.presses.size();
  QTest::mouseClick(widget<QPushButton>(R::Calculate), Qt::LeftButton);
  EXPECT_EQ(form_.presses.size(), presses);
}

TEST(FormDialogRun, AFormThatClosesWhileOpeningIsNotShown) {
  struct Quitter : PlainForm {
    Quitter() : PlainForm({"Q_Box", "q"}) { layout_.okCancel(); }
    void opened(FormHost& host) override { host.close(true); }
  } form;
  auto dialog = FormDialog::create(form, nullptr);
  EXPECT_TRUE(dialog->run());  // returns at once, without a modal loop
  EXPECT_FALSE(dialog->isVisible());
}

TEST(FormDialogRun, MessagesAndQuestionsUseTheFormsCaptionTextAndIcon) {
  struct Talker : PlainForm {
    Talker() : PlainForm({"T_Box", "t"}) {
      layout_.button(50, "Check");
      layout_.okCancel();
    }
    void pressed(FormHost& host, int id) override {
      if (id == 50) {
        host.message("Debug", "Cb clamped to 2.3\r\nsecond line", MessageIcon::Exclamation);
        answer = host.askYesNo("Debug", "Go on?") ? 1 : 0;
        host.message("Error", "Stop", MessageIcon::Stop);
      } else {
        Form::pressed(host, id);
      }
    }
    int answer = -1;
  } form;
  whenModal<FormDialog>([&](FormDialog* d) {
    guitest::click(d, 50);
    guitest::click(d, kOk);
  });
  guitest::ModalAnswerer yes;
  auto dialog = FormDialog::create(form, nullptr);
  EXPECT_TRUE(dialog->run());
  EXPECT_EQ(yes.messages, (std::vector<std::string>{"Debug: Cb clamped to 2.3\nsecond line", "Debug: Go on?", "Error: Stop"}));
  EXPECT_EQ(yes.icons, (std::vector<QMessageBox::Icon>{QMessageBox::Warning, QMessageBox::Question, QMessageBox::Critical}));
  EXPECT_EQ(form.answer, 1);
}

// ---- Property sheet -----------------------------------------------------------------------------

struct TwoPageForm : PlainForm {
  TwoPageForm() : PlainForm({"SHEET_Box", "Two pages"}) {
    layout_.newPage("Z, I && Rw");
    layout_.list(10, "Zone", 4);
    layout_.newPage("height && weight");
    for (int level = 2; level >= 1; --level) {
      layout_.cell(20 + level, "Level", level, 0);
      layout_.cell(30 + level, "height, ft", level, 1);
      layout_.newLine();
    }
    layout_.edit(40, "Period:", "seconds");
  }
  void opened(FormHost& host) override { host.setItems(10, {"0.075", "0.15", "0.2"}); }
  void pressed(FormHost& host, int id) override {
    presses.push_back(id);
    if (id == kApply) host.setEnabled(kApply, false);
    Form::pressed(host, id);
  }
  std::vector<int> presses;
};

TEST(PropertySheet, PagesAreTabsWithOkCancelAndApply) {
  TwoPageForm form;
  auto dialog = FormDialog::create(form, nullptr);
  auto* sheet = dynamic_cast<gui::PropertySheetDialog*>(dialog.get());
  ASSERT_NE(sheet, nullptr);
  ASSERT_TRUE(sheet->start());
  sheet->show();
  expectEverythingLaidOut(sheet);
  ASSERT_EQ(sheet->tabs()->count(), 2);
  EXPECT_EQ(sheet->tabs()->tabText(0), "Z, I && Rw");
  EXPECT_EQ(sheet->tabs()->tabText(1), "height && weight");
  EXPECT_TRUE(sheet->tabs()->widget(0)->isAncestorOf(sheet->control(10)));
  EXPECT_TRUE(sheet->tabs()->widget(1)->isAncestorOf(sheet->control(21)));
  EXPECT_TRUE(sheet->tabs()->widget(1)->isAncestorOf(sheet->control(40)));
  EXPECT_FALSE(sheet->tabs()->widget(0)->isAncestorOf(sheet->control(40)));

  QWidget* apply = sheet->control(kApply);
  ASSERT_NE(apply, nullptr);
  EXPECT_FALSE(apply->isEnabled());  // nothing changed yet
  sheet->tabs()->setCurrentIndex(1);
  QApplication::processEvents();
  QTest::keyClicks(sheet->control(40), "0.5");
  EXPECT_TRUE(apply->isEnabled());
  QTest::mouseClick(qobject_cast<QPushButton*>(apply), Qt::LeftButton);
  EXPECT_EQ(form.presses, std::vector<int>{kApply});
  EXPECT_FALSE(apply->isEnabled());
  EXPECT_TRUE(sheet->isVisible());
  QTest::mouseClick(qobject_cast<QPushButton*>(sheet->control(kOk)), Qt::LeftButton);
  EXPECT_EQ(form.presses, (std::vector<int>{kApply, kOk}));
  EXPECT_TRUE(sheet->wasAccepted());
  EXPECT_FALSE(sheet->isVisible());
}

// ---- Real forms from the menu -------------------------------------------------------------------

class RealFormTest : public guitest::ScratchDir {
 protected:
  void SetUp() override {
    ScratchDir::SetUp();
    registerFrameForms(registry_);
  }
  FormRegistry registry_;
};

TEST_F(RealFormTest, ConversionFormShowsTheFeetItComputed) {
  // Filled from the settings, the mm result: tests/golden/frame/conversion_settings.txt.
  Settings settings(ini());
  settings.write("Project", "FT", "3 4 5");
  gui::MainWindow window(settings, registry_);
  whenModal<FormDialog>([&](FormDialog* d) {
    guitest::click(d, 104);  // Calculate
    EXPECT_NE(labelShowing(d, "3.3594 ft"), nullptr);  // 3 + 4/12 + 5/192 = 3.35938 ft
    guitest::click(d, kOk);
  });
  window.runCommand(2421);
}

TEST_F(RealFormTest, JobNumberFormShowsItsWholeTitleAndKeepsALongNumber) {
  Settings settings(ini());
  gui::MainWindow window(settings, registry_);
  window.setPadText("\r\nkept");
  whenModal<FormDialog>([&](FormDialog* d) {
    EXPECT_EQ(d->windowTitle(), "Setting Job or Proj. Number");
    EXPECT_GE(d->width(), d->fontMetrics().horizontalAdvance(d->windowTitle()));
    ASSERT_NE(guitest::fieldLabelled(d, "Job number:"), nullptr);
    QTest::keyClicks(guitest::fieldLabelled(d, "Job number:"), "2024-0117-B/Tower-22");
    guitest::click(d, kOk);
  });
  window.runCommand(cmd::JobNumber);
  EXPECT_EQ(window.state().jobNumber, "2024-0117-B/Tower-22");  // twenty characters and more are kept
  EXPECT_EQ(window.padText(), "\r\nkept");  // After: none
}

}  // namespace

namespace {

// The button that calculates stays in sight below the scrolling fields on every beam analysis, however
// long its load tables; "Design this beam..." scrolls with the fields it depends on.
TEST_F(RealFormTest, BeamAnalysesKeepCalculateBelowTheFields) {
  Settings settings(ini());
  AppState state(settings);
  for (int command : {cmd::SimpleBeam, cmd::OverhangLeft, cmd::OverhangRight, cmd::Cantilever}) {
    std::unique_ptr<Form> form = (*allForms().find(command))(state);
    auto dialog = guitest::shown(*form);
    int seen = 0;
    for (QPushButton* b : dialog->findChildren<QPushButton*>()) {
      const QString text = b->text().remove('&');
      if (!text.startsWith("Calculate") && !text.startsWith("Design this")) continue;
      ++seen;
      EXPECT_EQ(dialog->fieldsArea()->isAncestorOf(b), text.startsWith("Design this")) << command;
    }
    EXPECT_EQ(seen, 2) << command;
  }
}

}  // namespace

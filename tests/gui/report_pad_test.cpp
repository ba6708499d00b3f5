// The report pad's text handling.
#include <QScrollBar>

#include "gui/report_pad.h"
#include "gui_support.h"

using vd::gui::ReportPad;

namespace {

class PadTest : public guitest::ScratchDir {
 protected:
  void SetUp() override {
    ScratchDir::SetUp();
    pad_.resize(400, 200);
    pad_.show();
  }
  ReportPad pad_;
};

TEST_F(PadTest, HoldsReportTextFaithfullyUntilTheUserEditsIt) {
  const std::string report = "\r\n Job number or ID: 17\r\n\tM =\t12.50 k-ft\r\n\r\n  OK";
  pad_.setReportText(report);
  EXPECT_EQ(pad_.reportText(), report);
  EXPECT_EQ(pad_.toPlainText(), "\n Job number or ID: 17\n\tM =\t12.50 k-ft\n\n  OK");
  EXPECT_EQ(pad_.blockCount(), 5);
  // Odd line ends that a report should not have still come back exactly as given.
  pad_.setReportText("a\nb\rc\r\n");
  EXPECT_EQ(pad_.reportText(), "a\nb\rc\r\n");
  EXPECT_EQ(pad_.blockCount(), 4);

  pad_.setReportText(report);
  pad_.moveCursor(QTextCursor::End);
  QTest::keyClick(&pad_, Qt::Key_Return);
  QTest::keyClicks(&pad_, "checked");
  EXPECT_EQ(pad_.reportText(), report + "\r\nchecked");
  // Undoing the edit gives back the report as it was.
  for (int i = 0; i < 10 && pad_.document()->isUndoAvailable(); ++i) pad_.undo();
  EXPECT_EQ(pad_.reportText(), report);
}

TEST_F(PadTest, ReplacingTheTextPutsCaretAndScrollBackAtTheStart) {
  std::string longReport;
  for (int i = 0; i < 300; ++i) longReport += "\r\n line " + std::to_string(i) + std::string(200, '.');
  pad_.setReportText(longReport);
  pad_.moveCursor(QTextCursor::End);
  pad_.ensureCursorVisible();
  ASSERT_GT(pad_.verticalScrollBar()->value(), 0);
  pad_.setReportText(longReport);
  EXPECT_EQ(pad_.textCursor().position(), 0);
  EXPECT_EQ(pad_.verticalScrollBar()->value(), 0);
  EXPECT_EQ(pad_.horizontalScrollBar()->value(), 0);
  EXPECT_EQ(pad_.lineWrapMode(), QPlainTextEdit::NoWrap);
}

// Copy giving CR LF is checked with the main window's edit keys.
TEST_F(PadTest, PasteOfCrLfTextGivesNoStrayReturns) {
  pad_.setReportText("\r\nline one\r\nline two");
  QApplication::clipboard()->setText("pasted A\r\npasted B");
  pad_.moveCursor(QTextCursor::End);
  pad_.paste();
  EXPECT_EQ(pad_.reportText(), "\r\nline one\r\nline twopasted A\r\npasted B");
  EXPECT_EQ(pad_.toPlainText().count('\r'), 0);

  // Delete removes the selection only; without one it does nothing.
  pad_.setReportText("abc");
  pad_.deleteSelection();
  EXPECT_EQ(pad_.reportText(), "abc");
}

TEST_F(PadTest, NonUtf8BytesShowAsCharactersAndNoBreakSpacesSurviveEditing) {
  pad_.setReportText("\r\n 90\xB0 hook");
  EXPECT_EQ(pad_.toPlainText(), QString::fromUtf8("\n 90\u00b0 hook"));
  pad_.setReportText("A\u00a0B");
  pad_.moveCursor(QTextCursor::End);
  QTest::keyClicks(&pad_, "C");
  EXPECT_EQ(pad_.reportText(), "A\u00a0BC");
}

}  // namespace

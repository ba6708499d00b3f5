// The report pad's text handling and the PDF output of the report.
#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QMimeData>
#include <QScrollBar>
#include <QTest>
#include <cstdio>
#include <memory>

#include "gui/printing.h"
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

TEST_F(PadTest, CopyGivesCrLfAndPasteOfCrLfTextGivesNoStrayReturns) {
  pad_.setReportText("\r\nline one\r\nline two");
  pad_.selectAll();
  pad_.copy();
  EXPECT_EQ(QApplication::clipboard()->text().toStdString(), "\r\nline one\r\nline two");

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

TEST_F(PadTest, StartsInTheSystemFontWithTabsEveryEightCharacters) {
  EXPECT_EQ(pad_.font(), QFontDatabase::systemFont(QFontDatabase::GeneralFont));
  EXPECT_DOUBLE_EQ(pad_.tabStopDistance(), 8.0 * QFontMetricsF(pad_.font()).averageCharWidth());
}

// ---- PDF output ---------------------------------------------------------------------------------

// The text of a PDF as pdftotext reads it, with the page layout kept.
std::string pdfText(const std::filesystem::path& pdf) {
  const std::string out = (pdf.parent_path() / "out.txt").string();
  const std::string cmd = "pdftotext -layout '" + pdf.string() + "' '" + out + "' 2>/dev/null";
  if (std::system(cmd.c_str()) != 0) return "<pdftotext failed>";
  std::ifstream in(out);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

int pdfPages(const std::filesystem::path& pdf) {
  const std::string cmd = "pdfinfo '" + pdf.string() + "' 2>/dev/null";
  std::unique_ptr<FILE, int (*)(FILE*)> p(popen(cmd.c_str(), "r"), pclose);
  if (!p) return -1;
  char line[512];
  while (fgets(line, sizeof line, p.get())) {
    int pages = 0;
    if (std::sscanf(line, "Pages: %d", &pages) == 1) return pages;
  }
  return -1;
}

class PdfTest : public guitest::ScratchDir {
 protected:
  void SetUp() override {
    ScratchDir::SetUp();
    if (std::system("command -v pdftotext >/dev/null 2>&1") != 0) GTEST_SKIP() << "pdftotext is not installed";
  }
  QFont font_{"DejaVu Sans Mono", 10};
};

TEST_F(PdfTest, ReportLinesComeOutInOrderOverAsManyPagesAsNeeded) {
  QString text = "\r\n Job number or ID: 17";
  for (int i = 1; i <= 150; ++i) text += QString("\r\n line %1 of the report").arg(i);
  const auto pdf = dir_ / "report.pdf";
  ASSERT_TRUE(vd::gui::saveReportPdf(nullptr, text, font_, QString::fromStdString(pdf.string())));
  const std::string got = pdfText(pdf);
  // 151 text lines at 10 pt do not fit one page: at 6 lines per inch a page holds fewer than 70.
  EXPECT_GE(pdfPages(pdf), 3);
  std::size_t at = got.find("Job number or ID: 17");
  ASSERT_NE(at, std::string::npos);
  for (int i = 1; i <= 150; ++i) {
    const std::string line = "line " + std::to_string(i) + " of the report";
    const std::size_t next = got.find(line, at);
    ASSERT_NE(next, std::string::npos) << line;
    at = next;
  }
}

TEST_F(PdfTest, ALineWiderThanThePageIsCutNotWrapped) {
  QString longLine;
  for (int i = 0; i < 60; ++i) longLine += QString("w%1").arg(i, 2, 10, QChar('0')) + "-";  // w00-w01-...-w59-
  const auto pdf = dir_ / "wide.pdf";
  ASSERT_TRUE(vd::gui::saveReportPdf(nullptr, "start\r\n" + longLine + "\r\nend", font_,
                                     QString::fromStdString(pdf.string())));
  const std::string got = pdfText(pdf);
  EXPECT_NE(got.find("w00-w01-w02"), std::string::npos);
  // 240 characters of 10-point mono (6 pt each, 1440 pt) cannot fit a page: the tail is gone,
  // and not wrapped onto the next line either.
  EXPECT_EQ(got.find("w59"), std::string::npos);
  const std::size_t end = got.find("end");
  const std::size_t start = got.find("start");
  ASSERT_NE(end, std::string::npos);
  ASSERT_NE(start, std::string::npos);
  EXPECT_EQ(std::count(got.begin() + static_cast<long>(start), got.begin() + static_cast<long>(end), '\n'), 2);
}

TEST_F(PdfTest, AnUnwritableFileIsAFailure) {
  EXPECT_FALSE(vd::gui::saveReportPdf(nullptr, "text", font_,
                                      QString::fromStdString((dir_ / "no such dir" / "r.pdf").string())));
}

}  // namespace

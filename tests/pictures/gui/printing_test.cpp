// Printing the pad and the diagrams, and pictures drawn with QPainter; PDFs are read back with
// poppler's pdftotext, an independent reader.
#include <QFontDatabase>
#include <QImage>
#include <QPrinter>
#include <QPushButton>
#include <cstdio>
#include <fstream>
#include <regex>

#include "concrete/drawings.h"
#include "gui/gui_support.h"
#include "gui/picture_widget.h"
#include "gui/pictures.h"
#include "gui/print_progress.h"
#include "gui/printing.h"
#include "platform/emf_reader.h"
#include "platform/emf_writer.h"
#include "recording_painter.h"
#include "support/cli_run.h"

using namespace vd;
using namespace vd::gui;

namespace {

// The text of one page (from 1), or of the whole document.
std::string pdfText(const std::filesystem::path& pdf, int page = 0) {
  std::string range = page > 0 ? " -f " + std::to_string(page) + " -l " + std::to_string(page) : "";
  return vdtest::capture("pdftotext -layout" + range + " '" + pdf.string() + "' - 2>/dev/null");
}

int pdfPages(const std::filesystem::path& pdf) {
  std::smatch m;
  const std::string info = vdtest::capture("pdfinfo '" + pdf.string() + "' 2>/dev/null");
  return std::regex_search(info, m, std::regex("Pages:\\s+(\\d+)")) ? std::stoi(m[1]) : -1;
}

class PrintTest : public vdtest::ScratchDir {
 protected:
  void TearDown() override {
    installPictureOutput(nullptr);
    ScratchDir::TearDown();
  }
  static std::unique_ptr<QPrinter> pdfPrinter(const std::string& file) {
    auto p = std::make_unique<QPrinter>(QPrinter::HighResolution);
    p->setOutputFormat(QPrinter::PdfFormat);
    p->setOutputFileName(QString::fromStdString(file));
    return p;
  }
  static QFont padFont() { return QFontDatabase::systemFont(QFontDatabase::FixedFont); }
};

TEST(PadLayout, PagesFollowFromThePrinterFontAndTheArea) {
  // 50-unit characters with 8 of leading: 58 per line; 6600 / 58 = 113.8 -> 113 lines a page;
  // 4800 / 40 = 120 characters a line; (250 + 112) / 113 = 3 pages. A printer reporting zero metrics:
  // one character, one line, never a division by zero.
  const struct {
    int lines, height, leading, charWidth, width, pageHeight;
    PadLayout is;  // lineHeight, charsPerLine, linesPerPage, totalPages
  } cases[] = {{250, 50, 8, 40, 4800, 6600, {58, 120, 113, 3}}, {226, 50, 8, 40, 4800, 6600, {58, 120, 113, 2}},
               {227, 50, 8, 40, 4800, 6600, {58, 120, 113, 3}}, {1, 50, 8, 40, 4800, 6600, {58, 120, 113, 1}},
               {0, 50, 8, 40, 4800, 6600, {58, 120, 113, 0}},   {5, 0, 0, 0, 0, 0, {1, 1, 1, 5}}};
  for (const auto& c : cases) {
    const PadLayout l = padLayout(c.lines, c.height, c.leading, c.charWidth, c.width, c.pageHeight);
    EXPECT_EQ(std::tie(l.lineHeight, l.charsPerLine, l.linesPerPage, l.totalPages),
              std::tie(c.is.lineHeight, c.is.charsPerLine, c.is.linesPerPage, c.is.totalPages))
        << c.lines << " lines, " << c.height << " high";
  }
}

TEST(PadLayout, TabsBecomeSpacesToTheNextEighthColumnAndCopiesAreCollatedOrPageByPage) {
  const std::pair<const char*, const char*> tabs[] = {{"\tfb", "        fb"},
                                                      {"abc\tx", "abc     x"},
                                                      {"12345678\tx", "12345678        x"},
                                                      {"a\t\tb", "a               b"},
                                                      {"none", "none"}};
  for (const auto& [in, out] : tabs) EXPECT_EQ(expandTabs(QString::fromLatin1(in)), QString::fromLatin1(out)) << in;
  // pages, copies, collated -> page order
  EXPECT_EQ(pageOrder(2, 2, true), (std::vector<int>{0, 1, 0, 1}));
  EXPECT_EQ(pageOrder(2, 2, false), (std::vector<int>{0, 0, 1, 1}));
  EXPECT_EQ(pageOrder(3, 1, false), (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(pageOrder(2, 0, true), (std::vector<int>{0, 1}));
  EXPECT_TRUE(pageOrder(0, 3, true).empty());
}

TEST_F(PrintTest, PadPrintedToPdfHoldsItsLinesAndCutsLongOnes) {
  const QString text = QStringLiteral(
      "\r\n Job number or ID: 2024-17\r\n W18x50 bending:\tfb = 21.34 ksi  OK\r\n") +
      QString(600, u'x') + QStringLiteral("TAILMARK\r\n last line");
  auto printer = pdfPrinter("pad.pdf");
  ASSERT_TRUE(printPadTo(*printer, text, padFont(), nullptr));
  const std::string out = pdfText("pad.pdf");
  EXPECT_NE(out.find("Job number or ID: 2024-17"), std::string::npos);
  // The tab keeps the text after it on the line (columns of eight).
  EXPECT_TRUE(std::regex_search(out, std::regex("W18x50 bending: +fb = 21.34 ksi +OK"))) << out;
  EXPECT_NE(out.find("last line"), std::string::npos);
  // The long line stops at the page's character count.
  EXPECT_EQ(out.find("TAILMARK"), std::string::npos);
  const QFontMetrics fm(QFont(padFont(), printer.get()), printer.get());
  const int perLine = printer->pageLayout().paintRectPixels(printer->resolution()).width() / fm.averageCharWidth();
  std::smatch m;
  ASSERT_TRUE(std::regex_search(out, m, std::regex("x{20,}")));
  EXPECT_NEAR(static_cast<double>(m.length(0)), perLine, 1.0);
  EXPECT_LT(m.length(0), 600);
}

TEST_F(PrintTest, LongReportsRunOverPagesAndCopiesFollowTheCollation) {
  QString text;
  for (int i = 1; i <= 300; ++i) text += QStringLiteral("\r\n report line %1").arg(i, 3, 10, QLatin1Char('0'));
  auto probe = pdfPrinter("probe.pdf");
  const QFontMetrics fm(QFont(padFont(), probe.get()), probe.get());
  const int perPage =
      probe->pageLayout().paintRectPixels(probe->resolution()).height() / (fm.height() + fm.leading());
  ASSERT_GT(perPage, 10);
  ASSERT_LT(perPage, 300);
  const int pages = (301 + perPage - 1) / perPage;  // the text starts with an empty line

  ASSERT_TRUE(printPadTo(*probe, text, padFont(), nullptr));
  EXPECT_EQ(pdfPages("probe.pdf"), pages);
  // Page 2 starts with the line after the last of page 1 (line index perPage, numbered perPage).
  const std::string second = pdfText("probe.pdf", 2);
  EXPECT_NE(second.find(QStringLiteral("report line %1").arg(perPage, 3, 10, QLatin1Char('0')).toStdString()),
            std::string::npos);
  EXPECT_EQ(second.find(QStringLiteral("report line %1").arg(perPage - 1, 3, 10, QLatin1Char('0')).toStdString()),
            std::string::npos);

  // Two copies: not collated, page 1 twice then page 2 twice; collated, 1 2 ... 1 2 ...
  for (bool collate : {false, true}) {
    const std::string file = collate ? "collated.pdf" : "uncollated.pdf";
    auto p = pdfPrinter(file);
    p->setCopyCount(2);
    p->setCollateCopies(collate);
    ASSERT_FALSE(p->supportsMultipleCopies());
    ASSERT_TRUE(printPadTo(*p, text, padFont(), nullptr));
    ASSERT_EQ(pdfPages(file), 2 * pages);
    std::vector<int> starts;  // the first report line of each page
    std::smatch m;
    for (int i = 1; i <= 2 * pages; ++i) {
      const std::string page = pdfText(file, i);
      starts.push_back(std::regex_search(page, m, std::regex("report line (\\d+)")) ? std::stoi(m[1]) : -1);
    }
    EXPECT_EQ(starts[0], 1);
    if (collate) {
      EXPECT_EQ(starts[pages], 1);  // the second copy starts again at page 1
      EXPECT_NE(starts[1], 1);
    } else {
      EXPECT_EQ(starts[1], 1);  // page 1 twice
      EXPECT_EQ(starts[2], starts[3]);
      EXPECT_GT(starts[2], 1);
    }
  }
}

TEST_F(PrintTest, ThePadGoesThroughThePrintDialogToAPdfWithoutAPrinter) {
  QWidget owner;
  owner.setWindowTitle(QStringLiteral("Vardelin"));
  {
    guitest::ModalAnswerer answer(QStringLiteral("printed.pdf"));
    EXPECT_TRUE(printReportPad(&owner, QStringLiteral("\r\n Job number or ID: 7\r\n Allowable fb = 33.00 ksi"), padFont()));
    EXPECT_EQ(answer.dialogs, 1);
    EXPECT_TRUE(answer.messages.empty());
  }
  EXPECT_TRUE(owner.isEnabled());  // enabled again after the job
  EXPECT_NE(pdfText("printed.pdf").find("Allowable fb = 33.00 ksi"), std::string::npos);

  // An empty pad: the dialog, then the "Debug" box, and no job.
  {
    guitest::ModalAnswerer answer(QStringLiteral("empty.pdf"));
    EXPECT_TRUE(printReportPad(&owner, QString(), padFont()));
    EXPECT_EQ(answer.messages, (std::vector<std::string>{"Debug: iTotalLines==0"}));
  }
  // A cancelled dialog says so in its own "Debug" box; it is not a failure.
  {
    guitest::ModalAnswerer answer;  // cancels the dialog
    EXPECT_TRUE(printReportPad(&owner, QStringLiteral("text"), padFont()));
    EXPECT_EQ(answer.messages, (std::vector<std::string>{"Debug: PrintDlg()==NULL"}));
  }
  // Neither the empty pad nor the cancelled dialog left a file.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator("."), {}), 1);  // printed.pdf
}

TEST_F(PrintTest, CancellingFromTheProgressBoxEndsTheJobAsAFailure) {
  QString text;
  for (int i = 0; i < 500; ++i) text += QStringLiteral("\r\nline");
  PrintProgressBox progress(QStringLiteral("(untitled)"), nullptr);
  QStringList lines;
  for (QLabel* l : progress.findChildren<QLabel*>()) lines << l->text();
  EXPECT_EQ(lines, (QStringList{"Sending", "(untitled)", "to print spooler."}));
  EXPECT_FALSE(progress.windowFlags() & Qt::WindowCloseButtonHint);  // only Cancel ends it
  EXPECT_FALSE(progress.isModal());
  progress.show();
  int cancelled = 0;
  QObject::connect(&progress, &PrintProgressBox::cancelled, [&] { ++cancelled; });
  // The user presses Cancel while the first page goes out.
  QTimer::singleShot(0, &progress, [&] { progress.findChild<QPushButton*>(QStringLiteral("cancel"))->click(); });
  auto printer = pdfPrinter("cancelled.pdf");
  EXPECT_FALSE(printPadTo(*printer, text, padFont(), &progress));
  EXPECT_TRUE(progress.aborted());
  EXPECT_EQ(cancelled, 1);
  EXPECT_FALSE(progress.isVisible());
}

TEST_F(PrintTest, SavingThePadAsPdfWritesTheFileOrSaysItCouldNot) {
  ASSERT_TRUE(saveReportPdf(nullptr, QStringLiteral("\r\n Moment capacity = 123.45 kip-ft"), padFont(),
                            QStringLiteral("report.pdf")));
  EXPECT_NE(pdfText("report.pdf").find("Moment capacity = 123.45 kip-ft"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists("report.pdf.tmp"));
  EXPECT_FALSE(saveReportPdf(nullptr, QStringLiteral("x"), padFont(), QStringLiteral("no/such/folder/r.pdf")));
}

TEST_F(PrintTest, ADiagramPrintsAtTwoThirdsOfTheWidthInTheTopQuarter) {
  const Picture pic = drawDiagram(DiagramKind::Moment, vdtest::centralLoad(10, 20), 0.0, 1.0, {50, 0, 5, 5});
  auto printer = pdfPrinter("diagram.pdf");
  ASSERT_TRUE(printPictureTo(*printer, pic));
  EXPECT_EQ(pdfPages("diagram.pdf"), 1);
  // Word boxes in points: the title lies left, the values end before two-thirds of the width, and both
  // sit at the bottom of the top quarter of the page.
  const std::string boxes = vdtest::capture("pdftotext -bbox diagram.pdf - 2>/dev/null");
  std::smatch m;
  ASSERT_TRUE(std::regex_search(boxes, m, std::regex("<page width=\"([0-9.]+)\" height=\"([0-9.]+)\"")));
  const double pageW = std::stod(m[1]), pageH = std::stod(m[2]);
  ASSERT_TRUE(std::regex_search(
      boxes, m, std::regex("xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">Moment<")));
  const double titleX = std::stod(m[1]), titleBottom = std::stod(m[4]);
  // The values line is the rightmost "kip-ft" (the max label stands over the middle of the span).
  double valuesRight = 0.0;
  const std::regex unitWord("xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">kip-ft<");
  for (auto it = std::sregex_iterator(boxes.begin(), boxes.end(), unitWord); it != std::sregex_iterator(); ++it)
    valuesRight = std::max(valuesRight, std::stod((*it)[1]));
  ASSERT_GT(valuesRight, 0.0);
  const QRectF paper = printer->pageLayout().fullRect(QPageLayout::Point);
  const QRectF area = printer->pageLayout().paintRect(QPageLayout::Point);
  EXPECT_NEAR(pageW, paper.width(), 1.0);
  EXPECT_LT(titleX, area.left() + area.width() * 0.1);
  EXPECT_LT(valuesRight, area.left() + area.width() * 2 / 3);
  EXPECT_GT(valuesRight, area.left() + area.width() * 0.5);
  EXPECT_LT(titleBottom, area.top() + area.height() / 4 + 2);
  EXPECT_GT(titleBottom, area.top() + area.height() / 4 - 25);
  EXPECT_LT(titleBottom, pageH);
}

// The colour of a pixel, to compare with the drawing's pens.
bool near(QRgb c, int r, int g, int b, int tol = 60) {
  return std::abs(qRed(c) - r) <= tol && std::abs(qGreen(c) - g) <= tol && std::abs(qBlue(c) - b) <= tol;
}

TEST_F(PrintTest, TheFormsPictureControlPlaysTheFile) {
  const Picture pic = drawDiagram(DiagramKind::Moment, vdtest::centralLoad(10, 20), 0.0, 1.0, {50, 0, 5, 5});
  ASSERT_TRUE(writeEmf(pic, "Moment.emf", "MOMENT"));
  QLabel control;
  control.setFrameStyle(QFrame::Box | QFrame::Plain);
  control.setFixedSize(696, 322);
  showPictureFile(&control, "Moment.emf");
  auto* widget = control.findChild<PictureWidget*>();
  ASSERT_NE(widget, nullptr);
  EXPECT_TRUE(widget->hasPicture());
  EXPECT_EQ(control.property("pictureFile").toString(), QStringLiteral("Moment.emf"));
  const QImage img = widget->grab().toImage();
  ASSERT_FALSE(img.isNull());
  // The apex of the dark red outline stands in the upper third in the middle (its label above it);
  // the black axis crosses near mid-height.
  bool apex = false;
  for (int y = 0; y < img.height() / 3 && !apex; ++y)
    for (int x = img.width() / 2 - 4; x <= img.width() / 2 + 4; ++x) apex = apex || near(img.pixel(x, y), 170, 0, 0, 50);
  EXPECT_TRUE(apex);
  bool axis = false;
  for (int y = img.height() * 40 / 100; y < img.height() * 55 / 100 && !axis; ++y)
    axis = near(img.pixel(img.width() / 5, y), 0, 0, 0, 40);
  EXPECT_TRUE(axis);

  // Showing the file again re-reads it; a file that went away shows nothing.
  std::filesystem::remove("Moment.emf");
  showPictureFile(&control, "Moment.emf");
  EXPECT_FALSE(widget->hasPicture());
  EXPECT_EQ(control.findChildren<PictureWidget*>().size(), 1);
}

TEST_F(PrintTest, PicturesExportAsPngSvgAndPdf) {
  const Picture pic = drawSectionSketch();
  ASSERT_TRUE(exportPicture(pic, QStringLiteral("sketch.png"), QSize(190, 240)));
  QImage png(QStringLiteral("sketch.png"));
  // 300 dpi: 190 x 240 screen pixels at 96 dpi are 593.75 x 750 dots, and the file says 300 dpi.
  EXPECT_EQ(png.size(), QSize(594, 750));
  EXPECT_NEAR(png.dotsPerMeterX() * 0.0254, 300.0, 0.5);
  // The grey section fills the middle.
  EXPECT_TRUE(near(png.pixel(297, 437), 220, 220, 220, 10));
  ASSERT_TRUE(exportPicture(pic, QStringLiteral("sketch.svg"), QSize(190, 240)));
  EXPECT_NE(slurp("sketch.svg").find(" b </text>"), std::string::npos);
  ASSERT_TRUE(exportPicture(drawInteractionDiagram({{0, 100}, {50, 0}, {0, -50}}, {}, 0, 0),
                            QStringLiteral("concol.pdf"), QSize(696, 536)));
  EXPECT_NE(pdfText("concol.pdf").find("Tie-Column Interaction Diagram"), std::string::npos);
  for (const char* refused : {"sketch.bmpx", "no/such/folder/a.png", "no/such/folder/a.pdf"})
    EXPECT_FALSE(exportPicture(pic, QString::fromLatin1(refused), QSize(10, 10))) << refused;
}

TEST_F(PrintTest, CancellingTheDiagramPrintDialogIsNotAFailure) {
  ASSERT_TRUE(writeSectionSketch("x.emf"));
  guitest::ModalAnswerer cancel;
  EXPECT_TRUE(qtPictureOutput().print("x.emf"));
  EXPECT_EQ(cancel.dialogs, 1);
}

}  // namespace

#pragma once
// Printing: the report pad line by line, a diagram on one page, and the pad as a PDF file.
#include <QFont>
#include <QString>
#include <filesystem>
#include <vector>

#include "platform/picture.h"
#include "platform/picture_output.h"

class QPrinter;
class QWidget;

namespace vd::gui {

class PrintProgressBox;

// How the pad's lines fall on the printer's pages, from the printer font's metrics and the printable
// area, in whole device units as the printer counts them.
struct PadLayout {
  int lineHeight = 1;    // character height plus external leading
  int charsPerLine = 1;  // printable width / average character width; longer lines are cut
  int linesPerPage = 1;  // printable height / line height
  int totalPages = 0;
};
PadLayout padLayout(int totalLines, int charHeight, int externalLeading, int averageCharWidth, int printableWidth,
                    int printableHeight);

// The pages to print, in order, for the copies: collated, all pages once per copy; not collated, each
// page as many times as there are copies in a row.
std::vector<int> pageOrder(int totalPages, int copies, bool collate);

// Tabs as spaces to the next multiple of tabSize columns, so that a printed line keeps its columns
// and its cut at charsPerLine counts what the page shows.
QString expandTabs(const QString& line, int tabSize = 8);

// Asks for a printer and prints the text line by line in the font, lines longer than the page cut.
// True when the job went to the printer completely, and also when the user cancelled the print
// dialog or the text is empty (each says so in a "Debug" box). False when the job failed or was
// cancelled from the progress box.
bool printReportPad(QWidget* parent, const QString& text, const QFont& font);

// Prints the text on a printer already set up (no dialog). The progress box, when given, is asked
// after each page whether the user cancelled. False when the job failed or was cancelled.
bool printPadTo(QPrinter& printer, const QString& text, const QFont& font, const PrintProgressBox* progress);

// Writes the text as a PDF file, laid out as printReportPad prints it. False when the file could
// not be written.
bool saveReportPdf(QWidget* parent, const QString& text, const QFont& font, const QString& file);

// Prints the picture on one page of a printer already set up: two-thirds of the printable width wide,
// its bottom a quarter of the printable height below the top. True when the page and the document
// were ended.
bool printPictureTo(QPrinter& printer, const Picture& picture);

// Printing and saving a form's picture on the desktop: the print dialog (cancelling is not a
// failure), the wait cursor while the page goes out; a file dialog offering PNG, SVG and PDF.
class QtPictureOutput : public PictureOutput {
 public:
  bool print(const std::filesystem::path& emf) override;
  void saveAs(const std::filesystem::path& emf, int width, int height, Messenger& messenger) override;
};

// The desktop's picture output, installed by the main window.
QtPictureOutput& qtPictureOutput();

}  // namespace vd::gui

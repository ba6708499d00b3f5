#include "gui/printing.h"

#include <QApplication>
#include <QPainter>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextOption>
#include <memory>

#include "gui/message_box.h"
#include "gui/print_progress.h"
#include "gui/qt_text.h"

namespace vd::gui {

namespace {

// No command names the printed text, so the progress box and the failure message say "(untitled)".
const QString kFileTitle;

QStringList padLines(const QString& text) { return toDisplayLines(text).split(u'\n'); }

// Prints the lines page by page; pumps events between pages so the progress box can cancel.
// False when the painter could not start, a page could not be started, or the user cancelled.
bool paintLines(QPrinter& printer, const QStringList& lines, const QFont& padFont, const PrintProgressBox* progress) {
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  const QFont font(padFont, &printer);
  painter.setFont(font);
  const QFontMetricsF fm(font, &printer);
  const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
  const double lineHeight = std::max(1.0, fm.lineSpacing());
  const double charWidth = std::max(1.0, fm.averageCharWidth());
  const int charsPerLine = std::max(1, static_cast<int>(page.width() / charWidth));
  const int linesPerPage = std::max(1, static_cast<int>(page.height() / lineHeight));
  const int totalPages = static_cast<int>((lines.size() + linesPerPage - 1) / linesPerPage);

  QTextOption option(Qt::AlignLeft | Qt::AlignTop);
  option.setWrapMode(QTextOption::NoWrap);
  option.setTabStopDistance(8.0 * charWidth);

  // A printer that makes its own copies gets one pass; otherwise the copies are printed here.
  const int copies = printer.supportsMultipleCopies() ? 1 : std::max(1, printer.copyCount());
  const bool collate = printer.collateCopies();
  const int outerCount = collate ? copies : 1;
  const int innerCount = collate ? 1 : copies;
  bool first = true;
  for (int outer = 0; outer < outerCount; ++outer) {
    for (int p = 0; p < totalPages; ++p) {
      for (int inner = 0; inner < innerCount; ++inner) {
        if (!first && !printer.newPage()) return false;
        first = false;
        for (int i = 0; i < linesPerPage; ++i) {
          const qsizetype index = static_cast<qsizetype>(linesPerPage) * p + i;
          if (index >= lines.size()) break;
          // A line longer than the page is cut, not wrapped.
          const QString line = lines.at(index).left(charsPerLine);
          painter.drawText(QRectF(0, lineHeight * i, page.width(), lineHeight), line, option);
        }
        QCoreApplication::processEvents();
        if (progress && progress->aborted()) {
          painter.end();
          printer.abort();
          return false;
        }
      }
    }
  }
  return painter.end();
}

QPrinter& padPrinter() {
  // Kept between prints so the dialog offers the previous choice again.
  static std::unique_ptr<QPrinter> printer = [] {
    auto p = std::make_unique<QPrinter>(QPrinter::HighResolution);
    p->setCollateCopies(true);
    p->setCopyCount(1);
    return p;
  }();
  return *printer;
}

}  // namespace

bool printReportPad(QWidget* parent, const QString& text, const QFont& font) {
  QPrinter& printer = padPrinter();
  printer.setDocName(parent ? parent->window()->windowTitle().left(3) : QStringLiteral("Var"));
  QPrintDialog dialog(&printer, parent);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  if (dialog.exec() != QDialog::Accepted) {
    showMessage(parent, "Debug", "PrintDlg()==NULL", MessageIcon::None);
    return true;
  }
  if (text.isEmpty()) {
    showMessage(parent, "Debug", "iTotalLines==0", MessageIcon::None);
    return true;
  }

  // The main window stays disabled while the job runs, so no command can start; the progress box
  // is a window of its own so that it stays usable.
  QPointer<QWidget> owner = parent ? parent->window() : nullptr;
  PrintProgressBox progress(kFileTitle, nullptr);
  if (owner) owner->setEnabled(false);
  progress.show();
  QCoreApplication::processEvents();
  const bool ok = paintLines(printer, padLines(text), font, &progress);
  if (owner) owner->setEnabled(true);
  return ok && !progress.aborted();
}

bool saveReportPdf(QWidget*, const QString& text, const QFont& font, const QString& file) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(file);
  printer.setDocName(QStringLiteral("Vardelin report"));
  printer.setCreator(QStringLiteral("Vardelin"));
  return paintLines(printer, padLines(text), font, nullptr);
}

}  // namespace vd::gui

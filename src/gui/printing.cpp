#include "gui/printing.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextOption>
#include <algorithm>
#include <memory>
#include <optional>

#include "gui/message_box.h"
#include "gui/picture_widget.h"
#include "gui/print_progress.h"
#include "gui/qt_text.h"
#include "platform/emf_reader.h"
#include "platform/file_write.h"

namespace vd::gui {

namespace {

// No command names the printed text, so the progress box and the failure message say "(untitled)".
const QString kFileTitle;

QStringList padLines(const QString& text) { return toDisplayLines(text).split(u'\n'); }

// With no printer installed the dialog can only print to a file: start it with a name in the current
// folder rather than a bare folder.
void offerPdfWithoutPrinters(QPrinter& printer, const QString& name) {
  if (!QPrinterInfo::availablePrinterNames().isEmpty()) return;
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QDir::current().absoluteFilePath(name));
}

QPrinter& padPrinter() {
  // Kept between prints so the dialog offers the previous choice again.
  static std::unique_ptr<QPrinter> printer = [] {
    auto p = std::make_unique<QPrinter>(QPrinter::HighResolution);
    p->setCollateCopies(true);
    p->setCopyCount(1);
    offerPdfWithoutPrinters(*p, QStringLiteral("report.pdf"));
    return p;
  }();
  return *printer;
}

QPrinter& diagramPrinter() {
  static std::unique_ptr<QPrinter> printer = [] {
    auto p = std::make_unique<QPrinter>(QPrinter::HighResolution);
    offerPdfWithoutPrinters(*p, QStringLiteral("diagram.pdf"));
    return p;
  }();
  return *printer;
}

// Restores the arrow when printing leaves by any path.
struct WaitCursor {
  WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~WaitCursor() { QApplication::restoreOverrideCursor(); }
};

}  // namespace

PadLayout padLayout(int totalLines, int charHeight, int externalLeading, int averageCharWidth, int printableWidth,
                    int printableHeight) {
  PadLayout l;
  // A printer that reports nothing usable still prints one character per line and one line per page.
  l.lineHeight = std::max(1, charHeight + std::max(0, externalLeading));
  l.charsPerLine = std::max(1, printableWidth / std::max(1, averageCharWidth));
  l.linesPerPage = std::max(1, printableHeight / l.lineHeight);
  totalLines = std::max(0, totalLines);
  l.totalPages = static_cast<int>((static_cast<long long>(totalLines) + l.linesPerPage - 1) / l.linesPerPage);
  return l;
}

std::vector<int> pageOrder(int totalPages, int copies, bool collate) {
  std::vector<int> order;
  copies = std::max(1, copies);
  if (collate) {
    for (int c = 0; c < copies; ++c)
      for (int p = 0; p < totalPages; ++p) order.push_back(p);
  } else {
    for (int p = 0; p < totalPages; ++p)
      for (int c = 0; c < copies; ++c) order.push_back(p);
  }
  return order;
}

QString expandTabs(const QString& line, int tabSize) {
  tabSize = std::max(1, tabSize);
  QString out;
  out.reserve(line.size());
  for (QChar c : line) {
    if (c == u'\t') {
      do out += u' ';
      while (out.size() % tabSize != 0);
    } else {
      out += c;
    }
  }
  return out;
}

bool printPadTo(QPrinter& printer, const QString& text, const QFont& padFont, const PrintProgressBox* progress) {
  const QStringList lines = padLines(text);
  QPainter painter;
  if (!painter.begin(&printer)) return false;  // the document could not be started
  const QFont font(padFont, &printer);
  painter.setFont(font);
  const QFontMetrics fm(font, &printer);
  const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
  const PadLayout layout = padLayout(static_cast<int>(lines.size()), fm.height(), fm.leading(), fm.averageCharWidth(),
                                     page.width(), page.height());

  QTextOption option(Qt::AlignLeft | Qt::AlignTop);
  option.setWrapMode(QTextOption::NoWrap);

  // A printer that makes its own copies gets one pass; otherwise the copies are printed here.
  const int copies = printer.supportsMultipleCopies() ? 1 : std::max(1, printer.copyCount());
  bool first = true;
  for (int p : pageOrder(layout.totalPages, copies, printer.collateCopies())) {
    if (!first && !printer.newPage()) {
      painter.end();
      return false;
    }
    first = false;
    for (int i = 0; i < layout.linesPerPage; ++i) {
      const qsizetype index = static_cast<qsizetype>(layout.linesPerPage) * p + i;
      if (index >= lines.size()) break;
      // A line longer than the page is cut, not wrapped.
      const QString line = expandTabs(lines.at(index)).left(layout.charsPerLine);
      painter.drawText(QRectF(0, static_cast<double>(layout.lineHeight) * i, page.width(), layout.lineHeight), line,
                       option);
    }
    // Let the progress box take its Cancel between pages.
    QCoreApplication::processEvents();
    if (progress && progress->aborted()) {
      painter.end();
      printer.abort();
      return false;
    }
  }
  return painter.end();
}

bool printReportPad(QWidget* parent, const QString& text, const QFont& font) {
  QPrinter& printer = padPrinter();
  printer.setDocName(parent ? parent->window()->windowTitle().left(3) : QStringLiteral("Var"));
  QPrintDialog dialog(&printer, parent);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  dialog.setOption(QAbstractPrintDialog::PrintCollateCopies, true);
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
  const bool ok = printPadTo(printer, text, font, &progress);
  if (owner) owner->setEnabled(true);
  return ok && !progress.aborted();
}

bool saveReportPdf(QWidget*, const QString& text, const QFont& font, const QString& file) {
  // The printer writes only to a named file: one in this process's private folder, whose bytes then go
  // through the one file writer, so a failed save never leaves half a file and never follows a link.
  const std::filesystem::path dir = privateTempDir();
  if (dir.empty()) {
    countFailedWrite();
    return false;
  }
  const QString tmp = QString::fromStdString((dir / "report.pdf").string());
  bool ok = false;
  {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(tmp);
    printer.setDocName(QStringLiteral("Vardelin report"));
    printer.setCreator(QStringLiteral("Vardelin"));
    ok = printPadTo(printer, text, font, nullptr);
  }
  QByteArray bytes;
  if (ok) {
    QFile in(tmp);
    if (in.open(QIODevice::ReadOnly)) bytes = in.readAll();
  }
  QFile::remove(tmp);
  if (!ok || bytes.isEmpty()) {
    countFailedWrite();
    return false;
  }
  return writeFileAtomically(file.toStdString(), std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())))
      .ok;
}

bool printPictureTo(QPrinter& printer, const Picture& picture) {
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
  const int width = page.width() * 2 / 3;
  const int yOrigin = page.height() / 4;
  paintPicture(painter, picture, QRectF(0, 0, width, yOrigin));
  return painter.end();
}

bool QtPictureOutput::print(const std::filesystem::path& emf) {
  QPrinter& printer = diagramPrinter();
  printer.setDocName(QStringLiteral("Vardelin : Printing"));
  QPrintDialog dialog(&printer, QApplication::activeWindow());
  dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  if (dialog.exec() != QDialog::Accepted) return true;
  WaitCursor wait;
  std::optional<EmfFile> f = readEmf(emf);
  if (!f) return false;  // a picture that cannot be read is not printed as an empty page
  return printPictureTo(printer, f->picture);
}

void QtPictureOutput::saveAs(const std::filesystem::path& emf, int width, int height, Messenger& messenger) {
  std::optional<EmfFile> f = readEmf(emf);
  if (!f) {
    messenger.message("Vardelin", "The picture " + emf.filename().string() + " could not be read.",
                      MessageIcon::Exclamation);
    return;
  }
  const QString png = QStringLiteral("PNG image (*.png)"), svg = QStringLiteral("SVG drawing (*.svg)"),
                pdf = QStringLiteral("PDF document (*.pdf)");
  QString filter = png;
  const QString suggested = QString::fromStdString(emf.stem().string()) + QStringLiteral(".png");
  QString file = QFileDialog::getSaveFileName(QApplication::activeWindow(), QStringLiteral("Save picture"), suggested,
                                              png + QStringLiteral(";;") + svg + QStringLiteral(";;") + pdf, &filter);
  if (file.isEmpty()) return;
  const QString ext = QFileInfo(file).suffix().toLower();
  if (ext != QLatin1String("png") && ext != QLatin1String("svg") && ext != QLatin1String("pdf")) {
    file += filter == svg ? QStringLiteral(".svg") : filter == pdf ? QStringLiteral(".pdf") : QStringLiteral(".png");
  }
  if (!exportPicture(f->picture, file, QSize(width, height))) {
    messenger.message("Vardelin", "Could not write " + fromQ(file) + ".", MessageIcon::Exclamation);
  }
}

QtPictureOutput& qtPictureOutput() {
  static QtPictureOutput output;
  return output;
}

}  // namespace vd::gui

#pragma once
// Printing the report pad, and saving it as a PDF file.
#include <QFont>
#include <QString>

class QWidget;

namespace vd::gui {

// Asks for a printer and prints the text line by line in the font, lines longer than the page cut.
// True when the job went to the printer completely, and also when the user cancelled the print
// dialog or the text is empty (each says so in a message box). False when the job failed or was
// cancelled from the progress box.
bool printReportPad(QWidget* parent, const QString& text, const QFont& font);

// Writes the text as a PDF file, laid out as printReportPad prints it. False when the file could
// not be written.
bool saveReportPdf(QWidget* parent, const QString& text, const QFont& font, const QString& file);

}  // namespace vd::gui

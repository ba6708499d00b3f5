#include "gui/report_pad.h"

#include <QFontDatabase>
#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "gui/qt_text.h"

namespace vd::gui {

ReportPad::ReportPad(QWidget* parent) : QPlainTextEdit(parent) {
  setObjectName("reportPad");
  setLineWrapMode(QPlainTextEdit::NoWrap);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setFrameShape(QFrame::Box);
  setUndoRedoEnabled(true);
  // Fixed-width by default, so tab-aligned tables line up on screen and in print.
  applyFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
}

void ReportPad::setReportText(const std::string& text) {
  held_ = text;
  if (document()->isEmpty()) {
    setPlainText(toDisplayLines(toQ(text)));
  } else {
    // One undoable step: Edit > Undo brings the text before this report back.
    QTextCursor c(document());
    c.beginEditBlock();
    c.select(QTextCursor::Document);
    c.insertText(toDisplayLines(toQ(text)));
    c.endEditBlock();
  }
  moveCursor(QTextCursor::Start);
  ensureCursorVisible();
  document()->setModified(false);
}

std::string ReportPad::reportText() const {
  if (!document()->isModified()) return held_;
  // toRawText keeps every character as typed (toPlainText would turn no-break spaces into blanks).
  return fromQ(toCrLfLines(document()->toRawText()));
}

QString ReportPad::selectedReportText() const { return toCrLfLines(textCursor().selectedText()); }

void ReportPad::deleteSelection() {
  QTextCursor c = textCursor();
  if (!c.hasSelection()) return;
  c.removeSelectedText();
  setTextCursor(c);
}

void ReportPad::applyFont(const QFont& font) {
  setFont(font);
  updateTabStops();
}

void ReportPad::updateTabStops() {
  // A standard edit control stops tabs every eight average characters.
  setTabStopDistance(8.0 * QFontMetricsF(font()).averageCharWidth());
}

void ReportPad::changeEvent(QEvent* event) {
  QPlainTextEdit::changeEvent(event);
  if (event->type() == QEvent::FontChange) updateTabStops();
}

QMimeData* ReportPad::createMimeDataFromSelection() const {
  auto* data = new QMimeData;
  data->setText(selectedReportText());
  return data;
}

void ReportPad::insertFromMimeData(const QMimeData* source) {
  if (!source || !source->hasText()) return;
  insertPlainText(toDisplayLines(source->text()));
  ensureCursorVisible();
}

}  // namespace vd::gui

#pragma once
// The report pad: the large text area below the picture band. A refresh replaces its whole text;
// the user may edit it, and text leaves through the clipboard with "\r\n" line ends.
#include <QPlainTextEdit>
#include <string>

namespace vd::gui {

class ReportPad : public QPlainTextEdit {
  Q_OBJECT
 public:
  explicit ReportPad(QWidget* parent = nullptr);

  // Replaces the whole text; caret and scroll position go back to the start.
  void setReportText(const std::string& text);
  // The pad's text with "\r\n" line ends: exactly the text last set while the user has not edited it.
  std::string reportText() const;
  // The selected text with "\r\n" line ends, as Copy puts it on the clipboard.
  QString selectedReportText() const;

  bool hasSelection() const { return textCursor().hasSelection(); }
  // Deletes the selection only (the Delete command); nothing happens without a selection.
  void deleteSelection();
  // Font change keeps the tab stops at eight average characters.
  void applyFont(const QFont& font);

 protected:
  QMimeData* createMimeDataFromSelection() const override;
  void insertFromMimeData(const QMimeData* source) override;
  void changeEvent(QEvent* event) override;

 private:
  void updateTabStops();

  std::string held_;
};

}  // namespace vd::gui

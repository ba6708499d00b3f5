#include "gui/message_box.h"

#include "gui/qt_text.h"

namespace vd::gui {

QMessageBox::Icon toQtIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Stop: return QMessageBox::Critical;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::None: break;
  }
  return QMessageBox::NoIcon;
}

void showMessage(QWidget* parent, std::string_view caption, std::string_view text, MessageIcon icon) {
  QMessageBox box(toQtIcon(icon), toQ(caption), toDisplayLines(toQ(text)), QMessageBox::Ok, parent);
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

bool askYesNo(QWidget* parent, std::string_view caption, std::string_view text) {
  QMessageBox box(QMessageBox::Question, toQ(caption), toDisplayLines(toQ(text)), QMessageBox::Yes | QMessageBox::No,
                  parent);
  box.setTextFormat(Qt::PlainText);
  box.setDefaultButton(QMessageBox::Yes);
  box.setEscapeButton(QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}

}  // namespace vd::gui

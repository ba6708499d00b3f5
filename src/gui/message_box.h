#pragma once
// Message boxes for forms and the main window.
#include <QMessageBox>
#include <string_view>

#include "platform/form.h"

namespace vd::gui {

QMessageBox::Icon toQtIcon(MessageIcon icon);

// A modal message box with an OK button; caption and text as the program gives them.
void showMessage(QWidget* parent, std::string_view caption, std::string_view text, MessageIcon icon);
// A modal Yes/No question with the question icon; true for Yes. Closing the box answers No.
bool askYesNo(QWidget* parent, std::string_view caption, std::string_view text);

}  // namespace vd::gui

#pragma once
// Text between the forms' byte strings and Qt.
#include <QString>
#include <string>
#include <string_view>

namespace vd::gui {

// The program's texts are UTF-8; a text that is not valid UTF-8 is read byte for byte as Latin-1,
// so that an odd byte shows as a character instead of a replacement box.
QString toQ(std::string_view text);
std::string fromQ(const QString& text);

// Line ends for showing: "\r\n" and a lone "\r" become "\n".
QString toDisplayLines(const QString& text);
// Line ends for the program's texts and the clipboard: every line break becomes "\r\n".
QString toCrLfLines(const QString& text);

}  // namespace vd::gui

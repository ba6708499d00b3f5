#include "gui/qt_text.h"

#include <QStringDecoder>

namespace vd::gui {

QString toQ(std::string_view text) {
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString out = utf8.decode(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
  if (!utf8.hasError()) return out;
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

std::string fromQ(const QString& text) { return text.toStdString(); }

QString toDisplayLines(const QString& text) {
  QString out;
  out.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text.at(i);
    if (c == u'\r') {
      out += u'\n';
      if (i + 1 < text.size() && text.at(i + 1) == u'\n') ++i;
    } else {
      out += c;
    }
  }
  return out;
}

QString toCrLfLines(const QString& text) {
  QString out;
  out.reserve(text.size() + text.size() / 16);
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text.at(i);
    if (c == u'\r') {
      out += QStringLiteral("\r\n");
      if (i + 1 < text.size() && text.at(i + 1) == u'\n') ++i;
    } else if (c == u'\n' || c == QChar::ParagraphSeparator || c == QChar::LineSeparator) {
      out += QStringLiteral("\r\n");
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace vd::gui

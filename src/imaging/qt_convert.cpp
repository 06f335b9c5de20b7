#include "imaging/qt_convert.h"

#include <QByteArray>

#include "platform/codepage.h"

namespace vexo {

QString SystemToQString(const Text& text) {
  if (text.empty()) return QString();
  const std::string utf8 = SystemToUtf8(text);
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

Text QStringToSystem(const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  return Utf8ToSystem(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

}  // namespace vexo

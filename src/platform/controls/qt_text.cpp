#include "platform/controls/qt_text.h"

#include "platform/codepage.h"

namespace vexo {

QString ToQString(const Text& text) {
  bool ascii = true;
  for (char c : text)
    ascii = ascii && static_cast<unsigned char>(c) < 0x80;
  if (ascii) return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
  std::string utf8 = SystemToUtf8(text);
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

Text FromQString(const QString& text) {
  QByteArray utf8 = text.toUtf8();
  Text out = Utf8ToSystem(std::string_view(utf8.constData(), static_cast<size_t>(utf8.size())));
  // A text never holds a NUL: it ends at the first one.
  auto nul = out.find('\0');
  if (nul != Text::npos) out.resize(nul);
  return out;
}

}  // namespace vexo

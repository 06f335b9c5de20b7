#pragma once
// Conversions between the imaging objects' values and Qt's: colours, texts in
// the system code page, file names.
#include <QColor>
#include <QString>

#include "imaging/constants.h"
#include "platform/text.h"

namespace vexo {

inline QColor ToQColor(Argb c) {
  return QColor(ArgbRed(c), ArgbGreen(c), ArgbBlue(c), ArgbAlpha(c));
}
inline Argb ToArgb(const QColor& c) {
  return MakeArgb(c.alpha(), c.red(), c.green(), c.blue());
}

// A system-code-page text as Qt's UTF-16 text (drawn, measured, used as a name).
QString SystemToQString(const Text& text);
// The other way, for texts the imaging objects hand back (a family name).
Text QStringToSystem(const QString& text);

}  // namespace vexo

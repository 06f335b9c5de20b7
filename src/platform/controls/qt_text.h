#pragma once
// System code page texts <-> Qt's strings, at the edge of the widgets.
#include <QString>

#include "platform/text.h"

namespace vexo {

QString ToQString(const Text& text);
Text FromQString(const QString& text);

}  // namespace vexo

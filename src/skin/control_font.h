#pragma once
// The font a skinned control's text is drawn in, read from the control.
#include <QWidget>

#include "platform/text.h"

namespace vexo::skin {

struct ControlFont {
  Text name;
  float size = 0;  // pixels (world units)
  int style = 0;   // kFontStyle... bits
};

// The control's own font: family, em size in pixels and style bits.
ControlFont FontOfControl(const QWidget* control);
// As FontOfControl, but a control without a font of its own (none was ever
// set on it) draws in `defaultName` at `defaultSize`.
ControlFont FontOfControlOr(const QWidget* control, const char* defaultNameUtf8, float defaultSize);

}  // namespace vexo::skin

#pragma once
// Skinning a window in one call: the program-wide picture, the control
// options, the window itself, and its group boxes, labels and picture boxes.
#include <QWidget>

#include "platform/text.h"

namespace vexo {

class SkinEngine;
class Window;

// Skins `window` with `picture` stretched over it and `veilAlpha` as the
// alpha of the milky veil behind its controls (and of its containers' fill).
void ApplySkin(SkinEngine& engine, QWidget* window, const ByteSet& picture, int veilAlpha);
// The same with the skin module's engine and the player's window, whose
// minimize and maximize boxes decide the caption buttons. Does nothing when
// the skin module has not started.
void ApplySkin(Window& window, const ByteSet& picture, int veilAlpha);

// The kind of a control by its name: the name without its trailing number
// ("分组框1" -> "分组框"), UTF-8.
std::string ControlTypeName(const QWidget* control);

}  // namespace vexo

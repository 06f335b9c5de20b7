#pragma once
// The push button's look: a milky rounded face with a glossy upper half, and
// its hot, focused, pressed and disabled looks, with the caption centred.
#include "skin/button_look.h"

namespace vexo::skin {

// Paints over the background already on `g`.
void PaintPushButton(ImgGraphics& g, const ButtonLook& look);

}  // namespace vexo::skin

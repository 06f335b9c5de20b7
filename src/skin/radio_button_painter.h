#pragma once
// The radio button's look: a round milky glyph, a theme-coloured dot when
// chosen, the hot glow of a check box, and the caption beside it.
#include "skin/button_look.h"

namespace vexo::skin {

void PaintRadioButton(ImgGraphics& g, const ButtonLook& look);

}  // namespace vexo::skin

#pragma once
// The check box's look: the 13 x 13 square glyph (with the tick glyph over it
// when ticked), a theme-coloured glow when hot, and the caption beside it.
#include "imaging/image.h"
#include "skin/button_look.h"

namespace vexo::skin {

void PaintCheckBox(ImgGraphics& g, const ButtonLook& look, const ImgImage& square,
                   const ImgImage& tick);

// The caption of a check box or radio button: left of it the glyph.
void DrawGlyphCaption(ImgGraphics& g, const ButtonLook& look);

}  // namespace vexo::skin

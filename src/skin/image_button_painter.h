#pragma once
// The image button's look: the picture of its state (normal, hot, pressed,
// disabled; a missing one falls back to the normal picture) centred over the
// background, with no face of its own.
#include <vector>

#include "imaging/bitmap.h"
#include "skin/button_look.h"

namespace vexo::skin {

void PaintImageButton(ImgGraphics& g, const ButtonLook& look, const std::vector<ImgBitmap>& images);

}  // namespace vexo::skin

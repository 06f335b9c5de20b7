#pragma once
// What the button painters draw from, and the parts they share: the rounded
// face, the disabled look and the text.
#include <QSizeF>

#include "imaging/graphics.h"
#include "imaging/path.h"
#include "platform/text.h"
#include "skin/colour_ref.h"

namespace vexo::skin {

struct ButtonLook {
  QSizeF size;    // the button's size (logical pixels)
  int state = 0;  // kState... bits
  bool checked = false;
  Text text;
  Text fontName;
  float fontSize = 0;
  int fontStyle = 0;
  ColorRef textColour = 0;
  ColorRef themeColour = 0;
};

// The face: the rounded rectangle (0, 0, W - 1, H - 1) of corner size 5.
void AddFace(ImgPath& path, const QSizeF& size);
// The disabled look: silver under a three-colour gloss, outlined.
void PaintDisabledFace(ImgGraphics& g, const QSizeF& size);
// The text in the look's font and colour, in `rect` with the alignments
// (kStringAlignment...).
void DrawButtonText(ImgGraphics& g, const ButtonLook& look, float x, float y, float width,
                    float height, int align, int lineAlign);

}  // namespace vexo::skin

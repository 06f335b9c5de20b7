#pragma once
// The thin ring around an edit box's or a list's content: filled milky (or
// white), its line dark when idle, in the theme colour when focused, twice as
// wide in the theme colour while the mouse is over the control.
#include <QRect>
#include <QSizeF>

#include "imaging/graphics.h"
#include "skin/colour_ref.h"

namespace vexo::skin {

struct RingLook {
  QSizeF size;  // the control's outer size
  QRect inner;  // its content: the ring is what lies around it
  bool hot = false;
  bool focused = false;
  bool veil = false;  // a veil alpha was given: the ring is milky, not white
  int veilAlpha = 0;
  bool list = false;  // a list's line is stronger than an edit box's
  ColorRef themeColour = 0;
};

// Paints the ring over the background already on `g`; leaves the inner
// rectangle alone.
void PaintRing(ImgGraphics& g, const RingLook& look);

}  // namespace vexo::skin

#pragma once
// The slider's look: an optional rounded backdrop, a thin dark channel, a
// theme-coloured line for the part up to the knob, and a white knob that is a
// small dot, or a larger ball while the mouse is over the slider. No tick
// marks.
#include <QRect>
#include <QSizeF>

#include "imaging/graphics.h"
#include "skin/colour_ref.h"

namespace vexo::skin {

struct SliderLook {
  QSizeF size;
  QRect groove;  // the style's channel rectangle
  QRect handle;  // the style's handle rectangle: where the knob is grabbed
  bool atMaximum = false;
  bool hot = false;
  bool vertical = false;
  int tickPlacement = 0;  // kTicks...
  int option = 1;         // 0: no backdrop
  ColorRef themeColour = 0;
};

// The thin channel drawn inside the style's channel rectangle.
QRectF ChannelOf(const SliderLook& look);
// The knob's rectangle.
QRectF KnobOf(const SliderLook& look);

// Paints over the background already on `g`.
void PaintSlider(ImgGraphics& g, const SliderLook& look);

}  // namespace vexo::skin

#include "skin/check_box_painter.h"

#include "imaging/linear_brush.h"
#include "imaging/pen.h"
#include "skin/control_constants.h"

namespace vexo::skin {

namespace {

float F(double v) {
  return static_cast<float>(v);
}

}  // namespace

void DrawGlyphCaption(ImgGraphics& g, const ButtonLook& look) {
  DrawButtonText(g, look, kGlyphTextGap, kTextTop, F(look.size.width() - kGlyphTextReserve),
                 F(look.size.height()), kStringAlignmentNear, kStringAlignmentCenter);
}

void PaintCheckBox(ImgGraphics& g, const ButtonLook& look, const ImgImage& square,
                   const ImgImage& tick) {
  const int h = static_cast<int>(look.size.height());
  if ((look.state & kStateDisabled) != 0) {
    PaintDisabledFace(g, look.size);
  } else {
    const float top = F((h - kGlyphSize) / 2);
    g.DrawImageRect(square, 0, top, kGlyphSize, kGlyphSize);
    if (look.checked) g.DrawImageRect(tick, 0, top, kGlyphSize, kGlyphSize);
    if ((look.state & kStateHot) != 0) {
      const float fromY = F((h - (kGlyphSize - 1)) / 2 + 1);
      ImgLinearBrush glow;
      glow.Create(kGlyphHotStartX, fromY, kGlyphHotStartX + kGlyphHotSpanX, fromY + kGlyphHotSpanY,
                  ToArgb(look.themeColour, kGlyphHotAlpha), MakeArgb(0, 0, 0, 0));
      g.FillRectangle(glow, 0, top, kGlyphSize, kGlyphSize);
      for (int width : kGlyphRingWidths) {
        ImgPen ring;
        ring.Create(ToArgb(kFocusGlowColour, kGlyphRingAlpha), F(width));
        g.DrawRectangle(ring, 0, top, kGlyphSize, kGlyphSize);
      }
    }
  }
  DrawGlyphCaption(g, look);
}

}  // namespace vexo::skin

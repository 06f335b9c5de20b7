#include "skin/radio_button_painter.h"

#include "imaging/brush.h"
#include "imaging/linear_brush.h"
#include "imaging/pen.h"
#include "skin/check_box_painter.h"
#include "skin/control_constants.h"

namespace vexo::skin {

namespace {

float F(double v) {
  return static_cast<float>(v);
}

}  // namespace

void PaintRadioButton(ImgGraphics& g, const ButtonLook& look) {
  const int h = static_cast<int>(look.size.height());
  if ((look.state & kStateDisabled) != 0) {
    PaintDisabledFace(g, look.size);
    DrawGlyphCaption(g, look);
    return;
  }
  const float top = F((h - kGlyphSize) / 2);
  const float size = kGlyphSize - 1;
  const int smoothing = g.GetSmoothingMode();
  g.SetSmoothingMode(kSmoothingModeAntiAlias);
  ImgSolidBrush milk;
  milk.Create(MakeArgb(kRadioFillAlpha, 255, 255, 255));
  g.FillEllipse(milk, 0, top, size, size);
  if ((look.state & kStateHot) != 0) {
    ImgLinearBrush glow;
    glow.Create(kGlyphHotStartX, top + 1, kGlyphHotStartX + kGlyphHotSpanX,
                top + 1 + kGlyphHotSpanY, ToArgb(look.themeColour, kGlyphHotAlpha),
                MakeArgb(0, 0, 0, 0));
    g.FillEllipse(glow, 0, top, size, size);
  }
  ImgPen outline;
  outline.Create(MakeArgb(kRadioOutlineAlpha, 0, 0, 0), 1);
  g.DrawEllipse(outline, 0, top, size, size);
  if (look.checked) {
    ImgSolidBrush dot;
    dot.Create(ToArgb(look.themeColour));
    const float inset = (size - kRadioDot) / 2;
    g.FillEllipse(dot, inset, top + inset, kRadioDot, kRadioDot);
  }
  g.SetSmoothingMode(smoothing);
  DrawGlyphCaption(g, look);
}

}  // namespace vexo::skin

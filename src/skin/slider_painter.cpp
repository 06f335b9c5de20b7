#include "skin/slider_painter.h"

#include "imaging/brush.h"
#include "imaging/linear_brush.h"
#include "imaging/path.h"
#include "imaging/pen.h"
#include "skin/control_constants.h"
#include "skin/rounded_rect.h"

namespace vexo::skin {

namespace {

float F(double v) {
  return static_cast<float>(v);
}

float TickShift(int placement) {
  if (placement == kTicksTop) return kKnobShiftTicksTop;
  if (placement == kTicksBoth) return kKnobShiftTicksBoth;
  return 0;
}

void PaintBackdrop(ImgGraphics& g, const SliderLook& look) {
  const float w = F(look.size.width());
  const float h = F(look.size.height());
  ImgPath outer;
  outer.Create();
  AddRoundedRect(outer, 0, 0, w - 1, h - 1, kSliderCorner);
  ImgPen edge;
  edge.Create(MakeArgb(kSliderOutlineAlpha, 0, 0, 0), 1);
  g.DrawPath(edge, outer);
  ImgPath inner;
  inner.Create();
  AddRoundedRect(inner, 1, 1, w - 2, h - 2, kSliderInnerCorner);
  ImgLinearBrush fill;
  if (look.vertical) {
    fill.Create(0, 0, w - 1, 0, MakeArgb(kSliderBackdropTopAlpha, 255, 255, 255),
                MakeArgb(kSliderBackdropBottomAlpha, 0, 0, 0));
  } else {
    fill.Create(0, 0, 0, h - 1, MakeArgb(kSliderBackdropTopAlpha, 255, 255, 255),
                MakeArgb(kSliderBackdropBottomAlpha, 0, 0, 0));
  }
  g.FillPath(fill, inner);
}

}  // namespace

QRectF ChannelOf(const SliderLook& look) {
  const QRect& c = look.groove;
  if (look.vertical)
    return QRectF(c.left() + (c.width() - kChannelThickness) / 2, c.top(), kChannelThickness,
                  c.height());
  return QRectF(c.left(), c.top() + (c.height() - kChannelThickness) / 2, c.width(),
                kChannelThickness);
}

QRectF KnobOf(const SliderLook& look) {
  const QRectF channel = ChannelOf(look);
  const QRect& t = look.handle;
  const float shift = TickShift(look.tickPlacement);
  if (look.vertical) {
    if (look.hot)
      return QRectF(channel.x() - (kKnobHotSize - 3) / 2 + shift, t.top(), kKnobHotSize,
                    kKnobHotSize);
    return QRectF(channel.x() - (kKnobSize - 3) / 2.0,
                  t.top() + (look.atMaximum ? kKnobAtMaximumShift : 0), kKnobSize, kKnobSize);
  }
  if (look.hot)
    return QRectF(t.left(), channel.y() - kKnobHotRise + shift, kKnobHotSize, kKnobHotSize);
  return QRectF(t.left() + (look.atMaximum ? kKnobAtMaximumShift : 0), channel.y() - kKnobRise,
                kKnobSize, kKnobSize);
}

void PaintSlider(ImgGraphics& g, const SliderLook& look) {
  if (look.option != 0) PaintBackdrop(g, look);

  const QRectF channel = ChannelOf(look);
  const float length = F(look.vertical ? channel.height() : channel.width());
  ImgPath groove;
  groove.Create();
  AddRoundedRect(groove, F(channel.x()), F(channel.y()), F(channel.width()), F(channel.height()),
                 kChannelCorner);
  ImgLinearBrush dark;
  if (look.vertical) {
    dark.Create(F(channel.x()), F(channel.y()), F(channel.right()), F(channel.y()),
                MakeArgb(kChannelTopAlpha, 0, 0, 0), MakeArgb(kChannelBottomAlpha, 0, 0, 0));
  } else {
    dark.Create(F(channel.x()), F(channel.y()), F(channel.x()), F(channel.bottom()),
                MakeArgb(kChannelTopAlpha, 0, 0, 0), MakeArgb(kChannelBottomAlpha, 0, 0, 0));
  }
  g.FillPath(dark, groove);

  // The knob is round: drawn smoothed, whatever the surface's setting.
  const QRectF knob = KnobOf(look);
  const int smoothing = g.GetSmoothingMode();
  g.SetSmoothingMode(kSmoothingModeAntiAlias);
  ImgSolidBrush white;
  white.Create(MakeArgb(255, 255, 255, 255));
  g.FillEllipse(white, F(knob.x()), F(knob.y()), F(knob.width()), F(knob.height()));
  ImgLinearBrush shade;
  if (look.vertical) {
    shade.Create(F(knob.x()), F(look.handle.top()), F(knob.x()) + length, F(look.handle.top()),
                 MakeArgb(0, 255, 255, 255), MakeArgb(kKnobShadeAlpha, 0, 0, 0));
  } else {
    shade.Create(F(look.handle.left()), F(knob.y()), F(look.handle.left()), F(knob.y()) + length,
                 MakeArgb(0, 255, 255, 255), MakeArgb(kKnobShadeAlpha, 0, 0, 0));
  }
  g.FillEllipse(shade, F(knob.x()), F(knob.y()), F(knob.width()), F(knob.height()));
  ImgPen rim;
  rim.Create(MakeArgb(kKnobOutlineAlpha, 0, 0, 0), 1);
  g.DrawEllipse(rim, F(knob.x()), F(knob.y()), F(knob.width()), F(knob.height()));
  g.SetSmoothingMode(smoothing);

  const QRect& c = look.groove;
  const QRect& t = look.handle;
  const float extra = look.atMaximum ? kPlayedAtMaximumExtra : 0;
  ImgPen played;
  played.Create(ToArgb(look.themeColour, kPlayedAlpha), 1);
  if (look.vertical) {
    g.DrawRectangle(played, F(channel.x() + 1), F(c.top()), 1, F(t.top() - c.top() - 1) + extra);
  } else {
    g.DrawRectangle(played, F(c.left()), F(channel.y() + 1), F(t.left() - c.left() - 1) + extra, 1);
  }
}

}  // namespace vexo::skin

#include "skin/ring_painter.h"

#include "imaging/brush.h"
#include "imaging/pen.h"
#include "skin/control_constants.h"

namespace vexo::skin {

namespace {

float F(double v) {
  return static_cast<float>(v);
}

}  // namespace

void PaintRing(ImgGraphics& g, const RingLook& look) {
  const float w = F(look.size.width());
  const float h = F(look.size.height());
  g.SetClipRect(0, 0, w, h);
  g.SetClipRect(F(look.inner.x()), F(look.inner.y()), F(look.inner.width()), F(look.inner.height()),
                kCombineModeExclude);
  ImgSolidBrush fill;
  fill.Create(MakeArgb(look.veil ? look.veilAlpha : 255, 255, 255, 255));
  g.FillRectangle(fill, 0, 0, w, h);

  const int lineAlpha = look.list ? kListLineAlpha : kEditLineAlpha;
  const int idleAlpha = look.list ? kListIdleAlpha : kEditIdleAlpha;
  ImgPen line;
  if (look.hot) {
    line.Create(ToArgb(look.themeColour, lineAlpha), kHotLineWidth);
    g.DrawRectangle(line, 1, 1, w - 2, h - 2);
  } else {
    line.Create(look.focused ? ToArgb(look.themeColour, lineAlpha) : MakeArgb(idleAlpha, 0, 0, 0),
                1);
    g.DrawRectangle(line, 0, 0, w - 1, h - 1);
  }
  g.ResetClip();
}

}  // namespace vexo::skin

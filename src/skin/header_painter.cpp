#include "skin/header_painter.h"

#include <cmath>

#include "imaging/bitmap.h"
#include "imaging/brush.h"
#include "imaging/font.h"
#include "imaging/linear_brush.h"
#include "imaging/pen.h"
#include "imaging/string_format.h"
#include "skin/control_constants.h"

namespace vexo::skin {

namespace {

float F(double v) {
  return static_cast<float>(v);
}

void FillTile(ImgGraphics& g, const HeaderLook& look, const HeaderSection& s) {
  const float x = F(s.left);
  const float w = F(s.paintedWidth);
  const float h = F(look.height);
  ImgSolidBrush milk;
  milk.Create(MakeArgb(look.veil ? look.veilAlpha : 255, 255, 255, 255));
  g.FillRectangle(milk, x, 0, w, h);
  ImgLinearBrush tint;
  if (look.buttons) {
    tint.Create(0, 0, 0, h, MakeArgb(kHeaderButtonTopAlpha, 255, 255, 255),
                ToArgb(look.themeColour, kHeaderButtonBottomAlpha));
  } else {
    tint.Create(0, 0, 0, h, ToArgb(look.themeColour, kHeaderTopAlpha),
                ToArgb(look.themeColour, kHeaderBottomAlpha));
  }
  g.FillRectangle(tint, x, 0, w, h);
  if (!look.buttons) return;
  if (s.hot) {
    ImgLinearBrush glow;
    glow.Create(0, 0, 0, h, ToArgb(look.themeColour, kHeaderHotTopAlpha),
                MakeArgb(kHeaderHotBottomAlpha, 0, 0, 0));
    g.FillRectangle(glow, x, 0, F(s.width), h);
  }
  if (s.pressed) {
    ImgLinearBrush down;
    down.Create(0, 0, 0, h, MakeArgb(kHeaderPressedTopAlpha, 0, 0, 0),
                MakeArgb(kHeaderPressedBottomAlpha, 255, 255, 255));
    g.FillRectangle(down, x, 0, F(s.width), h);
  }
}

void DrawSeparator(ImgGraphics& g, const HeaderLook& look, const HeaderSection& s) {
  if (s.width < 1) return;
  const float x = F(s.left + s.width - 1);
  ImgLinearBrush fade;
  fade.Create(0, 0, 0, F(look.height), MakeArgb(kHeaderSeparatorTopAlpha, 0, 0, 0),
              MakeArgb(kHeaderSeparatorBottomAlpha, 255, 255, 255));
  ImgPen pen;
  pen.CreateFromBrush(fade, 1);
  g.DrawLine(pen, x, 0, x, F(look.height));
}

}  // namespace

int HeaderContentX(const HeaderSection& s, int imageWidth, int textWidth) {
  const bool fits = imageWidth + kHeaderMargin + textWidth < s.width;
  if (s.alignRight && fits) return s.width - imageWidth - textWidth;
  if (s.alignCentre && fits) return (s.width - imageWidth - kHeaderMargin - textWidth) / 2;
  return kHeaderMargin;
}

void PaintHeader(ImgGraphics& g, const HeaderLook& look) {
  ImgFont font;
  const bool hasFont = font.Create(look.fontName, look.fontSize, look.fontStyle, kUnitWorld);
  ImgStringFormat format;
  format.Create();
  format.SetTrimming(kStringTrimmingEllipsisCharacter);
  ImgSolidBrush ink;
  ink.Create(MakeArgb(255, 0, 0, 0));
  for (const HeaderSection& s : look.sections) {
    if (s.paintedWidth < 1) continue;
    FillTile(g, look, s);
    DrawSeparator(g, look, s);
    int textWidth = 1;
    if (hasFont && !s.text.empty()) {
      ImgTextMeasure measured;
      if (g.MeasureString(s.text, font, 0, 0, 0, 0, nullptr, &measured))
        textWidth = static_cast<int>(std::floor(measured.box.width())) + 1;
    }
    const QSizeF imageSize = s.image.isNull() ? QSizeF() : s.image.deviceIndependentSize();
    const int imageWidth = qRound(imageSize.width());
    const int x = HeaderContentX(s, imageWidth, textWidth);
    if (!s.image.isNull()) {
      ImgBitmap picture;
      picture.CreateFromPlatformBitmap(s.image);
      g.DrawImage(picture, F(s.left + x), F((look.height - qRound(imageSize.height())) / 2));
    }
    const float textWidthRoom = F(s.width - imageWidth - 2 * kHeaderMargin);
    if (hasFont && !s.text.empty() && textWidthRoom > 0) {
      g.DrawString(s.text, font, F(s.left + x + imageWidth), 0, textWidthRoom, F(look.height),
                   &format, ink);
    }
  }
}

}  // namespace vexo::skin

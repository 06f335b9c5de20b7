#include "skin/button_look.h"

#include "imaging/brush.h"
#include "imaging/font.h"
#include "imaging/linear_brush.h"
#include "imaging/pen.h"
#include "imaging/string_format.h"
#include "skin/control_constants.h"
#include "skin/rounded_rect.h"

namespace vexo::skin {

namespace {

float F(double v) {
  return static_cast<float>(v);
}

}  // namespace

void AddFace(ImgPath& path, const QSizeF& size) {
  AddRoundedRect(path, 0, 0, F(size.width() - 1), F(size.height() - 1), kFaceCorner);
}

void PaintDisabledFace(ImgGraphics& g, const QSizeF& size) {
  ImgSolidBrush silver;
  silver.Create(ToArgb(kDisabledSilver));
  g.FillRectangle(silver, 0, 0, F(size.width()), F(size.height()));
  ImgPath face;
  face.Create();
  AddFace(face, size);
  ImgLinearBrush gloss;
  gloss.Create(0, 0, 0, F(size.height() - 1), MakeArgb(kDisabledEdgeAlpha, 255, 255, 255),
               MakeArgb(kDisabledEdgeAlpha, 255, 255, 255));
  gloss.SetPresetBlend(
      {MakeArgb(kDisabledEdgeAlpha, 255, 255, 255), MakeArgb(kDisabledMiddleAlpha, 0, 0, 0),
       MakeArgb(kDisabledEdgeAlpha, 255, 255, 255)},
      {0.0F, kDisabledMiddleAt, 1.0F});
  g.FillPath(gloss, face);
  ImgPen outline;
  outline.Create(MakeArgb(kDisabledOutlineAlpha, 0, 0, 0), 1);
  g.DrawPath(outline, face);
}

void DrawButtonText(ImgGraphics& g, const ButtonLook& look, float x, float y, float width,
                    float height, int align, int lineAlign) {
  if (look.text.empty()) return;
  ImgFont font;
  if (!font.Create(look.fontName, look.fontSize, look.fontStyle, kUnitWorld)) return;
  ImgStringFormat format;
  format.Create();
  format.SetAlign(align);
  format.SetLineAlign(lineAlign);
  ImgSolidBrush ink;
  ink.Create(ToArgb(look.textColour));
  g.DrawString(look.text, font, x, y, width, height, &format, ink);
}

}  // namespace vexo::skin

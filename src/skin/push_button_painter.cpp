#include "skin/push_button_painter.h"

#include "imaging/brush.h"
#include "imaging/linear_brush.h"
#include "imaging/pen.h"
#include "skin/control_constants.h"
#include "skin/rounded_rect.h"

namespace vexo::skin {

namespace {

float F(double v) {
  return static_cast<float>(v);
}

void Outline(ImgGraphics& g, const ImgPath& face, Argb colour, float width = 1) {
  ImgPen pen;
  pen.Create(colour, width);
  g.DrawPath(pen, face);
}

}  // namespace

void PaintPushButton(ImgGraphics& g, const ButtonLook& look) {
  const float w = F(look.size.width());
  const float h = F(look.size.height());
  ImgPath face;
  face.Create();
  AddFace(face, look.size);
  ImgSolidBrush milk;
  milk.Create(MakeArgb(kFaceAlpha, 255, 255, 255));
  g.FillPath(milk, face);

  if ((look.state & kStateDisabled) != 0) {
    PaintDisabledFace(g, look.size);
  } else {
    ImgLinearBrush shade;
    shade.Create(0, 0, 0, h - 1, MakeArgb(0, 255, 255, 255),
                 MakeArgb(kFaceShadeAlpha, kShadeGrey, kShadeGrey, kShadeGrey));
    g.FillPath(shade, face);

    ImgPath upper;
    upper.Create();
    AddTopRoundedRect(upper, 0, 0, w - 1, F(static_cast<int>(h) / 2), kFaceCorner);
    ImgLinearBrush gloss;
    gloss.Create(0, 0, 0, F(static_cast<int>(h) / 2), MakeArgb(kGlossTopAlpha, 255, 255, 255),
                 MakeArgb(kGlossBottomAlpha, 255, 255, 255));
    g.FillPath(gloss, upper);

    if ((look.state & kStateHot) != 0) {
      ImgLinearBrush glow;
      glow.Create(0, 0, 0, h - 1, ToArgb(look.themeColour, kHotFillTopAlpha),
                  ToArgb(look.themeColour, kHotFillBottomAlpha));
      g.FillPath(glow, face);
      Outline(g, face, ToArgb(look.themeColour));
    } else if ((look.state & kStateFocus) != 0) {
      // The focus glow keeps its own colour whatever the theme.
      for (int width : kFocusGlowWidths)
        Outline(g, face, ToArgb(kFocusGlowColour, kFocusGlowAlpha), F(width));
      Outline(g, face, MakeArgb(kFocusOutlineAlpha, 0, 0, 0));
    } else {
      Outline(g, face, MakeArgb(kOutlineAlpha, 0, 0, 0));
    }

    if ((look.state & kStateSelected) != 0) {
      ImgPath inner;
      inner.Create();
      AddRoundedRect(inner, kPressedInset, kPressedInset, w - 3, h - 3, kFaceCorner);
      ImgLinearBrush pressed;
      pressed.Create(0, kPressedInset, 0, h - 1, ToArgb(look.themeColour, kPressedTopAlpha),
                     MakeArgb(kPressedBottomAlpha, 255, 255, 255));
      g.FillPath(pressed, inner);
    }
  }
  DrawButtonText(g, look, 0, kTextTop, w, h, kStringAlignmentCenter, kStringAlignmentCenter);
}

}  // namespace vexo::skin

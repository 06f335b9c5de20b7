#pragma once
// The list header's look: every section a tile over the picture, milky and
// tinted with the theme colour, with a soft separator at its right edge, its
// image and its text (top-aligned, cut with an ellipsis when it does not
// fit), and hot and pressed looks when the sections can be clicked.
#include <QImage>
#include <vector>

#include "imaging/graphics.h"
#include "platform/text.h"
#include "skin/colour_ref.h"

namespace vexo::skin {

struct HeaderSection {
  int left = 0;
  int width = 0;         // the section's own width
  int paintedWidth = 0;  // the tile's width (the last one may reach further)
  Text text;
  QImage image;
  bool alignRight = false;
  bool alignCentre = false;
  bool hot = false;
  bool pressed = false;
};

struct HeaderLook {
  int height = 0;
  std::vector<HeaderSection> sections;
  bool buttons = false;  // sections can be clicked
  bool veil = false;
  int veilAlpha = 0;
  ColorRef themeColour = 0;
  Text fontName;
  float fontSize = 0;
  int fontStyle = 0;
};

// The x of a section's image (or text) within its tile: right-aligned or
// centred when image, margin and text fit, else at the margin.
int HeaderContentX(const HeaderSection& section, int imageWidth, int textWidth);

// Paints every tile over the background already on `g`.
void PaintHeader(ImgGraphics& g, const HeaderLook& look);

}  // namespace vexo::skin

// The bottom bar of a skinned window (the player has none): a milky strip
// along the lower edge holding items side by side, each a picture and a text.
// The strip is part of the window's image; an item that changes is drawn
// again over the strip as it was before the items, alone.
#include <QWidget>

#include "imaging/bitmap.h"
#include "imaging/brush.h"
#include "imaging/font.h"
#include "imaging/graphics.h"
#include "imaging/pen.h"
#include "imaging/string_format.h"
#include "skin/skin_engine.h"

namespace vexo {

using namespace skin;

namespace {

float F(double v) {
  return static_cast<float>(v);
}

}  // namespace

void SkinEngine::AddBottomBar(int index, int height, const std::vector<BottomBarItem>& items) {
  WindowRecord* r = Record(index);
  if (r == nullptr || height <= 0) return;
  r->bottomBarHeight = height;
  r->bottomBarItems = items;
  LayoutBottomBar(index);
  r->fullRepaint = true;
}

void SkinEngine::SetBottomBarStyle(QWidget* window, std::optional<ColorRef> textColour,
                                   std::optional<ColorRef> fillColour, std::optional<int> fillAlpha,
                                   std::optional<Text> fontName, std::optional<float> fontSize,
                                   std::optional<int> fontStyle) {
  WindowRecord* r = Record(WindowIndexOf(window));
  if (r == nullptr) return;
  if (textColour) r->bottomBarTextColour = *textColour;
  if (fillColour) r->bottomBarFillColour = *fillColour;
  if (fillAlpha) r->bottomBarFillAlpha = *fillAlpha & 0xFF;
  if (fontName) r->bottomBarFont = *fontName;
  if (fontSize && *fontSize > 0) r->bottomBarFontSize = *fontSize;
  if (fontStyle) r->bottomBarFontStyle = *fontStyle;
  r->fullRepaint = true;
  window->update();
}

void SkinEngine::SetBottomBarItem(QWidget* window, int item, const Text& text,
                                  std::optional<ByteSet> image, std::optional<int> value) {
  const int index = WindowIndexOf(window);
  WindowRecord* r = Record(index);
  if (r == nullptr || item < 1 || item > static_cast<int>(r->bottomBarItems.size())) return;
  BottomBarItem& it = r->bottomBarItems[static_cast<std::size_t>(item - 1)];
  it.text = text;
  if (image) it.image = *image;
  if (value) it.value = *value;
  if (r->cache.IsEmpty() || r->cleanCaption.IsEmpty() || r->fullRepaint) {
    r->fullRepaint = true;
    window->update();
    return;
  }
  ImgGraphics g;
  g.CreateFromImage(r->cache);
  const QRect area = it.rect.toAlignedRect();
  RestoreCaptionArea(index, area, g);
  PaintBottomBarItem(index, g, item);
  window->update(area);
}

// The bottom bar lies along the lower edge; its items share its width.
void SkinEngine::LayoutBottomBar(int index) {
  WindowRecord* r = Record(index);
  if (r == nullptr || !r->window || r->bottomBarHeight <= 0) return;
  const int w = r->window->width();
  const int h = r->window->height();
  r->bottomBar = QRect(0, h - r->bottomBarHeight, w, r->bottomBarHeight);
  const auto count = static_cast<int>(r->bottomBarItems.size());
  for (int i = 0; i < count; ++i) {
    const double itemWidth = static_cast<double>(w) / count;
    r->bottomBarItems[static_cast<std::size_t>(i)].rect =
        QRectF(i * itemWidth, r->bottomBar.top(), itemWidth, r->bottomBarHeight);
  }
}

void SkinEngine::PaintBottomBar(int index, ImgGraphics& g) {
  WindowRecord* r = Record(index);
  if (r == nullptr || r->bottomBarHeight <= 0) return;
  const QRectF bar(r->bottomBar);
  ImgSolidBrush fill;
  fill.Create(ToArgb(r->bottomBarFillColour, r->bottomBarFillAlpha));
  g.FillRectangle(fill, F(bar.x()), F(bar.y()), F(bar.width()), F(bar.height()));
  ImgPen line;
  line.Create(MakeArgb(kBottomBarLineAlpha, 255, 255, 255), 1);
  g.DrawLine(line, F(bar.x()), F(bar.y()), F(bar.right() - 1), F(bar.y()));
}

void SkinEngine::PaintBottomBarItem(int index, ImgGraphics& g, int item) {
  WindowRecord* r = Record(index);
  if (r == nullptr || item < 1 || item > static_cast<int>(r->bottomBarItems.size())) return;
  const BottomBarItem& it = r->bottomBarItems[static_cast<std::size_t>(item - 1)];
  float x = F(it.rect.x() + kBottomBarGap);
  ImgBitmap picture;
  if (!it.image.empty() && picture.LoadFromBytes(it.image)) {
    const QSizeF size = picture.LogicalSize();
    g.DrawImage(picture, x, F(it.rect.y() + (it.rect.height() - size.height()) / 2));
    x += F(size.width() + kBottomBarGap);
  }
  if (it.text.empty()) return;
  ImgFont font;
  if (!font.Create(r->bottomBarFont, r->bottomBarFontSize, r->bottomBarFontStyle, kUnitWorld))
    return;
  ImgStringFormat format;
  format.Create();
  format.SetLineAlign(kStringAlignmentCenter);
  format.SetTrimming(kStringTrimmingEllipsisCharacter);
  ImgSolidBrush ink;
  ink.Create(ToArgb(r->bottomBarTextColour));
  const float room = F(it.rect.right()) - x;
  if (room > 0)
    g.DrawString(it.text, font, x, F(it.rect.y()), room, F(it.rect.height()), &format, ink);
}

}  // namespace vexo

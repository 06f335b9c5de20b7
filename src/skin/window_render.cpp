// The skinned window's cached image: shape, backdrop, border and title.
#include <QPainter>
#include <QRegion>
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "imaging/brush.h"
#include "imaging/font.h"
#include "imaging/graphics.h"
#include "imaging/linear_brush.h"
#include "imaging/path.h"
#include "imaging/pen.h"
#include "imaging/string_format.h"
#include "platform/controls/qt_text.h"
#include "skin/rounded_rect.h"
#include "skin/skin_engine.h"
#include "skin/window_properties.h"

namespace vexo {

using namespace skin;

namespace {

// A rectangle with rounded corners as the platform makes window regions of
// it: the right and bottom edges exclusive and one pixel in, each corner the
// quarter of an ellipse of `ew` x `eh` traced by the midpoint method, one row
// of the region per row of the ellipse.
QRegion RoundRectRegion(int left, int top, int right, int bottom, int ew, int eh) {
  --right;
  --bottom;
  ew = std::min(right - left, std::abs(ew));
  eh = std::min(bottom - top, std::abs(eh));
  if (ew < 2 || eh < 2) return QRegion(left, top, right - left, bottom - top);
  // The inset of each row of the upper half of the ellipse, from its middle row up.
  std::vector<int> inset(static_cast<std::size_t>(eh) + 1, 0);
  const long long a = ew - 1;
  const long long b = eh - 1;
  const long long stepX = 8 * b * b;
  const long long stepY = 8 * a * a;
  long long dx = 4 * b * b * (1 - a);
  long long dy = 4 * a * a * (1 + b % 2);
  long long err = dx + dy + a * a * (b % 2);
  int x = 0;
  int y = eh / 2;
  while (x <= ew / 2) {
    const long long twice = 2 * err;
    if (twice >= dx) {
      ++x;
      dx += stepX;
      err += dx;
    }
    if (twice <= dy) {
      ++y;
      dy += stepY;
      err += dy;
      inset[static_cast<std::size_t>(y)] = x;
    }
  }
  QRegion region(left, top + eh / 2, right - left, bottom - top - eh + 1);
  for (int i = 0; i < eh / 2; ++i) {
    const int cut = inset[static_cast<std::size_t>(b - i)];
    region += QRegion(left + cut, top + i, right - left - 2 * cut, 1);
    region += QRegion(left + cut, bottom - 1 - i, right - left - 2 * cut, 1);
  }
  return region;
}

// The window's shape: the rounded rectangle (0, 0, w + 1, h + 1) with 5 x 5
// corner ellipses, which covers the window's own w x h pixels less one at
// each corner.
QRegion RoundedWindowRegion(int w, int h) {
  return RoundRectRegion(0, 0, w + 1, h + 1, kWindowCornerEllipse, kWindowCornerEllipse);
}

float F(int v) {
  return static_cast<float>(v);
}

}  // namespace

const ImgImage* SkinEngine::PictureOf(const WindowRecord& record, int* layoutMode) const {
  *layoutMode = record.layoutMode;
  if (!record.ownDecoded.IsEmpty()) return &record.ownDecoded;
  if (!skinDecoded_.IsEmpty()) return &skinDecoded_;
  return nullptr;
}

void SkinEngine::RenderBackground(int index, bool copy) {
  WindowRecord* r = Record(index);
  if (r == nullptr || !r->window) return;
  QWidget* window = r->window;
  const int w = window->width();
  const int h = window->height();
  if (w <= 0 || h <= 0) return;

  if (r->translucentShape) {
    // The corners outside the shape are see-through where the platform shows
    // a translucent window, and no mask is needed.
    if (!window->mask().isEmpty()) window->clearMask();
  } else {
    const QRegion shape = RoundedWindowRegion(w, h);
    if (window->mask() != shape) window->setMask(shape);
  }

  // The image holds the window's own device pixels, so it is sharp on a
  // high-resolution screen.
  const qreal ratio = window->devicePixelRatioF();
  if (r->cache.IsEmpty() || r->cache.LogicalSize() != QSizeF(w, h) ||
      r->cache.DevicePixelRatio() != ratio) {
    const bool first = r->cache.IsEmpty();
    r->cache.CreateAtRatio(w, h, ratio, kPixelFormat32bppARGB);
    if (first) SetProp(window, kCkYcjdx, static_cast<long long>(r->cache.Handle()));
  }
  SetProp(window, kCkWtjbdx, static_cast<long long>(r->cache.Handle()));

  {
    ImgGraphics g;
    g.CreateFromImage(r->cache);
    PaintBackdrop(g, index);
    if (r->frameDrawn) PaintBorder(index, g);
    if (r->frameDrawn && r->bottomBarHeight > 0) PaintBottomBar(index, g);
  }
  if (r->frameDrawn) {
    // The clean copy, before the caption's title and buttons: a copy of its
    // own, so later drawing on the cache leaves it as it is. The caption
    // buttons and the bottom bar's items redraw over it.
    r->cleanCaption.CreateFromPlatformBitmap(r->cache.Picture().copy());
    ImgGraphics g;
    g.CreateFromImage(r->cache);
    if (r->titleShown) PaintTitle(index, g, nullptr, false);
    for (int i = 1; i <= static_cast<int>(r->buttons.size()); ++i)
      PaintCaptionButton(index, i, g, false, false, 0);
    for (int i = 1; i <= static_cast<int>(r->bottomBarItems.size()); ++i)
      PaintBottomBarItem(index, g, i);
  }
  ++r->renderCount;
  r->fullRepaint = false;
  if (copy) window->update();
}

void SkinEngine::BlitBackground(int index, QPainter& painter, const QRect& area) {
  WindowRecord* r = Record(index);
  if (r == nullptr || r->cache.IsEmpty()) return;
  const qreal ratio = r->cache.DevicePixelRatio();
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  painter.drawImage(QRectF(area), r->cache.Picture(),
                    QRectF(QPointF(area.topLeft()) * ratio, QSizeF(area.size()) * ratio));
}

void SkinEngine::PaintBackdrop(ImgGraphics& g, int index) {
  WindowRecord* r = Record(index);
  if (r == nullptr || !r->window) return;
  const int w = r->window->width();
  const int h = r->window->height();
  g.Clear(r->translucentShape ? kOutsideShapeTransparent : kOutsideShapeArgb);
  ImgPath shape;
  shape.Create();
  AddRoundedRect(shape, 0, 0, F(w), F(h), kBackdropCorner);
  g.SetClipPath(shape);
  ImgSolidBrush fill;
  fill.Create(ToArgb(r->ownDecoded.IsEmpty() ? settings_.skinColour : r->ownColour));
  g.FillPath(fill, shape);

  int mode = 0;
  if (const ImgImage* picture = PictureOf(*r, &mode)) {
    const float pw = F(static_cast<int>(picture->Width()));
    const float ph = F(static_cast<int>(picture->Height()));
    switch (mode) {
      case kLayoutTopLeft:
        g.DrawImageRect(*picture, 0, 0, pw, ph);
        break;
      case kLayoutTopRight:
        g.DrawImageRect(*picture, F(w) - pw, 0, pw, ph);
        break;
      case kLayoutCentred:
        g.DrawImageRect(*picture, F((w - static_cast<int>(pw)) / 2),
                        F((h - static_cast<int>(ph)) / 2), pw, ph);
        break;
      case kLayoutStretched:
        g.DrawImageRect(*picture, 0, 0, F(w), F(h));
        break;
      default: {
        // A row of copies from the left, every second one mirrored.
        ImgBitmap mirrored;
        picture->Clone(mirrored);
        mirrored.RotateFlip(kRotateNoneFlipX);
        bool flip = false;
        for (float x = 0; x < F(w) && pw > 0; x += pw, flip = !flip)
          g.DrawImageRect(flip ? static_cast<const ImgImage&>(mirrored) : *picture, x, 0, pw, ph);
        break;
      }
    }
  }
  if (r->topGloss) {
    ImgLinearBrush gloss;
    gloss.Create(0, 0, 0, F(r->captionHeight), MakeArgb(kTopGlossAlpha, 255, 255, 255),
                 MakeArgb(0, 255, 255, 255));
    g.FillRectangle(gloss, 0, 0, F(w), F(r->captionHeight));
  }
  g.ResetClip();
}

void SkinEngine::PaintBorder(int index, ImgGraphics& g) {
  WindowRecord* r = Record(index);
  if (r == nullptr || !r->window) return;
  const int w = r->window->width();
  const int h = r->window->height();
  ImgPen dark;
  dark.Create(MakeArgb(kBorderAlpha, 0, 0, 0), 1);
  ImgPath outer;
  outer.Create();
  AddRoundedRect(outer, 0, 0, F(w - 1), F(h - 1), kBorderOuterCorner);
  g.DrawPath(dark, outer);
  ImgPen light;
  light.Create(MakeArgb(kBorderAlpha, 255, 255, 255), 1);
  ImgPath inner;
  inner.Create();
  AddRoundedRect(inner, 1, 1, F(w - 3), F(h - 3), kBorderInnerCorner);
  g.DrawPath(light, inner);
}

void SkinEngine::PaintTitle(int index, ImgGraphics& g, const Text* text, bool live) {
  WindowRecord* r = Record(index);
  if (r == nullptr || !r->window) return;
  const int margin = settings_.captionMargin;
  const QRect area(margin + 6, margin + 5,
                   r->window->width() - r->stripWidth - kTitleAreaWidthReserve - 2 * margin,
                   kTitleAreaHeight);
  if (live) RestoreCaptionArea(index, area, g);
  if (!captionIcon_.IsEmpty())
    g.DrawImageRect(captionIcon_, F(kTitleIconX), F(kTitleIconY), F(kTitleIconSize),
                    F(kTitleIconSize));
  const Text title = text ? *text : FromQString(r->window->windowTitle());
  if (!title.empty()) {
    ImgFont font;
    font.Create(r->titleFont, r->titleSize > 0 ? r->titleSize : kTitleFontSizeUnset, r->titleStyle);
    ImgStringFormat format;
    format.Create();
    format.SetAlign(kStringAlignmentNear);
    format.SetLineAlign(kStringAlignmentNear);
    const float x = F(kTitleIconX + kTitleTextOffset);
    const float y = F(area.top());
    ImgSolidBrush glow;
    glow.Create(ToArgb(r->glowColour, kTitleGlowAlpha));
    const float shifts[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
    for (const auto& s : shifts)
      g.DrawString(title, font, x + s[0], y + s[1], F(area.width()), F(area.height()), &format,
                   glow);
    ImgSolidBrush ink;
    ink.Create(ToArgb(r->titleColour));
    g.DrawString(title, font, x, y, F(area.width()), F(area.height()), &format, ink);
  }
  if (live)
    r->window->update(area.united(QRect(kTitleIconX, kTitleIconY, kTitleIconSize, kTitleIconSize)));
}

}  // namespace vexo

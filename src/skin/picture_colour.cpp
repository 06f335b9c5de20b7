#include "skin/picture_colour.h"

#include "imaging/bitmap.h"
#include "imaging/graphics.h"
#include "imaging/image_formats.h"
#include "imaging/linear_brush.h"
#include "skin/skin_constants.h"

namespace vexo::skin {
namespace {

// Index of a random row or column among the last `margin` of `size`.
int PickAmongLast(std::mt19937& random, int size, int margin) {
  int first = (margin < 1 || margin >= size) ? 0 : size - margin;
  std::uniform_int_distribution<int> pick(first, size - 1);
  return pick(random);
}

}  // namespace

ColorRef MeanColour(const ImgImage& picture, std::mt19937& random, int samples, int columnMargin,
                    int rowMargin) {
  const QImage& image = picture.Picture();
  const int w = image.width();
  const int h = image.height();
  if (w <= 0 || h <= 0 || samples <= 0) return 0;
  // Decoded pictures with transparency are kept premultiplied; the mean is of
  // their own colours, so a translucent pixel counts as bright as it is drawn
  // opaque.
  const bool premultiplied = image.pixelFormat().premultiplied() == QPixelFormat::Premultiplied;
  long long red = 0, green = 0, blue = 0;
  for (int i = 0; i < samples; ++i) {
    QRgb pixel =
        image.pixel(PickAmongLast(random, w, columnMargin), PickAmongLast(random, h, rowMargin));
    if (premultiplied) pixel = qUnpremultiply(pixel);
    red += qRed(pixel);
    green += qGreen(pixel);
    blue += qBlue(pixel);
  }
  return MakeColorRef(static_cast<int>(red / samples), static_cast<int>(green / samples),
                      static_cast<int>(blue / samples));
}

ColorRef MeanColourOfBytes(const ByteSet& bytes, std::mt19937& random, int samples) {
  ImgBitmap picture;
  picture.LoadFromBytes(bytes);
  return MeanColour(picture, random, samples);
}

ByteSet EdgeFadedPicture(const ImgImage& picture, ColorRef skin, int layoutMode) {
  const int w = static_cast<int>(picture.Width());
  const int h = static_cast<int>(picture.Height());
  if (w <= 0 || h <= 0) return {};
  const int band = static_cast<int>(kEdgeFadeBand * w);
  ImgBitmap faded;
  if (!faded.Create(w, h, kPixelFormat32bppARGB)) return {};
  {
    ImgGraphics g;
    g.CreateFromImage(faded);
    g.DrawImageRect(picture, 0, 0, static_cast<float>(w), static_cast<float>(h));
    const Argb clearWhite = MakeArgb(0, 255, 255, 255);
    ImgLinearBrush side;
    if (layoutMode == kLayoutTopRight) {
      side.Create(0, 0, static_cast<float>(band), 0, ToArgb(skin), clearWhite);
      g.FillRectangle(side, 0, 0, static_cast<float>(band), static_cast<float>(h));
    } else {
      side.Create(static_cast<float>(w - band), 0, static_cast<float>(w), 0, clearWhite,
                  ToArgb(skin));
      g.FillRectangle(side, static_cast<float>(w - band + 1), 0, static_cast<float>(band),
                      static_cast<float>(h));
    }
    ImgLinearBrush bottom;
    bottom.Create(0, static_cast<float>(h - band), 0, static_cast<float>(h), ToArgb(skin, 0),
                  ToArgb(skin));
    g.FillRectangle(bottom, 0, static_cast<float>(h - band + 1), static_cast<float>(w),
                    static_cast<float>(band));
  }
  return faded.SaveToBytes(Text(kMimePng));
}

}  // namespace vexo::skin

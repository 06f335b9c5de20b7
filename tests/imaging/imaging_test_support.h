#pragma once
// Helpers of the imaging tests: pictures as byte sets, pixel comparison with
// a tolerance for antialiasing and rounding.
#include <QImage>
#include <cstdlib>
#include <string>

#include "imaging/constants.h"
#include "platform/text.h"

namespace vexo::test {

// The picture encoded in `format` ("PNG", "JPEG", "BMP").
ByteSet EncodedBytes(const QImage& image, const char* format);

// A width x height picture with a different colour in each quadrant: red top
// left, green top right, blue bottom left, white bottom right.
QImage QuadrantPicture(int width, int height);

// True when every channel of a and b differs by at most `tolerance`.
inline bool ColorNear(Argb a, Argb b, int tolerance) {
  return std::abs(ArgbAlpha(a) - ArgbAlpha(b)) <= tolerance &&
         std::abs(ArgbRed(a) - ArgbRed(b)) <= tolerance &&
         std::abs(ArgbGreen(a) - ArgbGreen(b)) <= tolerance &&
         std::abs(ArgbBlue(a) - ArgbBlue(b)) <= tolerance;
}

// Pixel (x, y) of `image` as non-premultiplied ARGB.
Argb PixelOf(const QImage& image, int x, int y);

// "AARRGGBB" for failure messages.
std::string Hex(Argb color);

}  // namespace vexo::test

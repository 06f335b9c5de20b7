#pragma once
// A bitmap object: an image whose pixels can be made, read and written, and
// handed to the platform as a plain bitmap.
#include <QImage>

#include "imaging/constants.h"
#include "imaging/image.h"

class QIcon;

namespace vexo {

class ImgBitmap : public ImgImage {
 public:
  ImgBitmap() = default;
  ~ImgBitmap() override = default;
  ImgBitmap(ImgBitmap&&) noexcept = default;
  ImgBitmap& operator=(ImgBitmap&&) noexcept = default;

  // A new width x height bitmap in `pixel_format` (kPixelFormat32bppARGB ...),
  // every pixel transparent black. A bitmap already held is released first.
  bool Create(int width, int height, int pixel_format = kPixelFormat32bppARGB);
  // The same for a high-resolution device: `width` x `height` logical pixels
  // of `ratio` x `ratio` pixels each (the picture has the ratio set; drawing
  // surfaces made on it draw in logical pixels).
  bool CreateAtRatio(int width, int height, double ratio, int pixel_format = kPixelFormat32bppARGB);
  // A bitmap holding a copy of a platform bitmap.
  bool CreateFromPlatformBitmap(const QImage& bitmap);
  // A width x height bitmap of `icon` (32-bit ARGB). Needs the GUI application.
  bool CreateFromIcon(const QIcon& icon, int width, int height);

  // A platform bitmap of the picture laid over `background` (transparent
  // black, 0, keeps the picture's own alpha). Null when empty.
  QImage ToPlatformBitmap(Argb background = 0) const;
  // Makes `out` a copy of the rectangle (x, y, width, height), which must lie
  // inside the bitmap.
  bool CloneArea(int x, int y, int width, int height, ImgBitmap& out) const;

  // The colour of pixel (x, y) as non-premultiplied ARGB; 0 when empty or
  // outside the bitmap.
  Argb GetPixel(int x, int y) const;
  bool SetPixel(int x, int y, Argb color);
  // Resolution in dots per inch (both above 0).
  bool SetResolution(float dpi_x, float dpi_y);
  // Replaces the picture by a copy rotated by `degrees` clockwise about its
  // centre, on a bitmap sized to the rotated bounds and filled with
  // `background` first.
  bool Rotate(float degrees, Argb background);
};

}  // namespace vexo

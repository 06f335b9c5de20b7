#pragma once
// An image object: a decoded picture, loaded from a file or from a byte set
// (then kept together with the stream of its bytes), drawable by a drawing
// surface, savable into a byte set or a file.
#include <QImage>
#include <memory>

#include "imaging/object.h"
#include "imaging/stream.h"
#include "platform/text.h"

namespace vexo {

class ImgGraphics;

class ImgImage : public ImgObject {
 public:
  ImgImage() = default;
  virtual ~ImgImage() = default;
  ImgImage(ImgImage&&) noexcept = default;
  ImgImage& operator=(ImgImage&&) noexcept = default;

  // Releases the picture and the stream it was loaded from. False, and nothing
  // happens, when the image is empty.
  bool Dispose();

  // Loads the picture in the file `path` (a system-code-page text). A picture
  // already held is released first. A file that is missing or not a picture
  // leaves the image empty and the last status non-zero.
  bool LoadFromFile(const Text& path);
  // Loads the picture in `bytes`: the bytes are copied into the image's own
  // stream, which lives as long as the picture. A picture already held is
  // released first; bytes that are not a picture leave the image empty.
  bool LoadFromBytes(const ByteSet& bytes);
  // Makes `out` a copy of this picture (with a copy of its bytes).
  bool Clone(ImgImage& out) const;

  // The picture encoded by the encoder named by `format` (a format identifier
  // such as kImageFormatPng, or a MIME type such as "image/png"); `quality`
  // 0..100 for JPEG, -1 for the default. Empty when the image is empty, no
  // encoder matches, or encoding fails.
  ByteSet SaveToBytes(const Text& format, int quality = -1) const;
  // The same, written to the file `path`.
  bool SaveToFile(const Text& path, const Text& format, int quality = -1) const;

  // Size in pixels, 0 when empty.
  unsigned Width() const;
  unsigned Height() const;
  // Pixels per logical pixel (1 unless made for a high-resolution device),
  // and the size in logical pixels.
  double DevicePixelRatio() const;
  QSizeF LogicalSize() const;
  // Resolution in dots per inch, 0 when empty.
  float HorizontalResolution() const;
  float VerticalResolution() const;
  // The pixel-format number (kPixelFormat...), 0 when empty.
  int PixelFormat() const;
  // Rotates by a multiple of 90 degrees clockwise and/or mirrors, in place
  // (kRotate90FlipNone, kRotateNoneFlipX ...).
  bool RotateFlip(int rotate_flip_type);

  // The stream the picture was loaded from (empty for files and made images).
  const ImgStream& Stream() const { return stream_; }
  // The picture in Qt's form; null when empty.
  const QImage& Picture() const;

 protected:
  // Takes `image` as the picture (releasing any earlier one) and records Ok.
  bool Adopt(QImage image, int pixel_format);
  // True when a picture is held; otherwise records InvalidParameter.
  bool CheckHeld() const;
  // The picture, shared with a drawing surface that paints on it.
  std::shared_ptr<QImage> image_;
  int pixel_format_ = 0;

 private:
  friend class ImgGraphics;
  bool Decode(const QByteArray& bytes);
  ImgStream stream_;
};

}  // namespace vexo

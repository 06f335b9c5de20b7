#include "imaging/image.h"

#include <QFile>
#include <QTransform>
#include <cmath>
#include <utility>

#include "imaging/constants.h"
#include "imaging/image_codec.h"
#include "imaging/qt_convert.h"
#include "imaging/status.h"

namespace vexo {
namespace {

constexpr double kMetersPerInch = 0.0254;

const QImage& NullImage() {
  static const QImage null_image;
  return null_image;
}

}  // namespace

bool ImgImage::Dispose() {
  if (IsEmpty()) return false;
  stream_.Release();
  image_.reset();
  pixel_format_ = 0;
  ClearHandle();
  return ImgRecord(kStatusOk);
}

bool ImgImage::Adopt(QImage image, int pixel_format) {
  image_ = std::make_shared<QImage>(std::move(image));
  pixel_format_ = pixel_format;
  TakeNewHandle();
  return ImgRecord(kStatusOk);
}

bool ImgImage::CheckHeld() const {
  return !IsEmpty() || ImgRecord(kStatusInvalidParameter);
}

bool ImgImage::Decode(const QByteArray& bytes) {
  QImage decoded = DecodePicture(bytes);
  if (decoded.isNull()) {
    return ImgRecord(bytes.isEmpty() ? kStatusInvalidParameter : kStatusUnknownImageFormat);
  }
  const int format = PixelFormatOf(decoded.format());
  return Adopt(ToDrawingFormat(std::move(decoded)), format);
}

bool ImgImage::LoadFromFile(const Text& path) {
  Dispose();
  QFile file(SystemToQString(path));
  if (path.empty() || !file.open(QIODevice::ReadOnly)) return ImgRecord(kStatusFileNotFound);
  return Decode(file.readAll());
}

bool ImgImage::LoadFromBytes(const ByteSet& bytes) {
  Dispose();
  stream_.Create(bytes);
  if (Decode(stream_.Data())) return true;
  // Nothing was decoded, so nothing reads from the stream: free it now.
  const int status = ImgLastStatus();
  stream_.Release();
  return ImgRecord(status);
}

bool ImgImage::Clone(ImgImage& out) const {
  if (!CheckHeld()) return false;
  out.Dispose();
  if (!stream_.IsEmpty()) out.stream_.Create(stream_.Data());
  return out.Adopt(*image_, pixel_format_);
}

ByteSet ImgImage::SaveToBytes(const Text& format, int quality) const {
  if (!CheckHeld()) return {};
  const char* encoder = FindEncoder(format);
  if (encoder == nullptr) {
    ImgRecord(kStatusUnknownImageFormat);
    return {};
  }
  QByteArray encoded;
  if (!EncodePicture(*image_, encoder, quality, &encoded)) {
    ImgRecord(kStatusGenericError);
    return {};
  }
  // The encoder writes into a fresh stream whose contents are handed back.
  ImgStream out;
  out.Create(std::move(encoded));
  return out.Contents();
}

bool ImgImage::SaveToFile(const Text& path, const Text& format, int quality) const {
  const ByteSet bytes = SaveToBytes(format, quality);
  if (bytes.empty()) return false;
  QFile file(SystemToQString(path));
  if (path.empty() || !file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
    return ImgRecord(kStatusAccessDenied);
  }
  const auto size = static_cast<qint64>(bytes.size());
  if (file.write(reinterpret_cast<const char*>(bytes.data()), size) != size) {
    return ImgRecord(kStatusWin32Error);
  }
  return ImgRecord(kStatusOk);
}

unsigned ImgImage::Width() const {
  if (!CheckHeld()) return 0;
  ImgRecord(kStatusOk);
  return static_cast<unsigned>(image_->width());
}

unsigned ImgImage::Height() const {
  if (!CheckHeld()) return 0;
  ImgRecord(kStatusOk);
  return static_cast<unsigned>(image_->height());
}

double ImgImage::DevicePixelRatio() const {
  return image_ ? image_->devicePixelRatio() : 1.0;
}

QSizeF ImgImage::LogicalSize() const {
  return image_ ? image_->deviceIndependentSize() : QSizeF();
}

float ImgImage::HorizontalResolution() const {
  if (!CheckHeld()) return 0;
  ImgRecord(kStatusOk);
  return static_cast<float>(std::round(image_->dotsPerMeterX() * kMetersPerInch));
}

float ImgImage::VerticalResolution() const {
  if (!CheckHeld()) return 0;
  ImgRecord(kStatusOk);
  return static_cast<float>(std::round(image_->dotsPerMeterY() * kMetersPerInch));
}

int ImgImage::PixelFormat() const {
  if (!CheckHeld()) return 0;
  ImgRecord(kStatusOk);
  return pixel_format_;
}

bool ImgImage::RotateFlip(int rotate_flip_type) {
  if (!CheckHeld()) return false;
  if (rotate_flip_type < kRotateNoneFlipNone || rotate_flip_type > kRotate270FlipX) {
    return ImgRecord(kStatusInvalidParameter);
  }
  // The low two bits are quarter turns clockwise, bit 2 a left-right mirror
  // applied after the turn.
  const int quarter_turns = rotate_flip_type & 3;
  const bool mirror = (rotate_flip_type & 4) != 0;
  QImage result = *image_;
  if (quarter_turns != 0) {
    result = result.transformed(QTransform().rotate(90.0 * quarter_turns));
  }
  if (mirror) result.mirror(true, false);
  *image_ = std::move(result);
  return ImgRecord(kStatusOk);
}

const QImage& ImgImage::Picture() const {
  return image_ ? *image_ : NullImage();
}

}  // namespace vexo

#include "imaging/bitmap.h"

#include <QGuiApplication>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QTransform>
#include <cmath>

#include "imaging/image_codec.h"
#include "imaging/qt_convert.h"
#include "imaging/status.h"

namespace vexo {
namespace {

constexpr double kMetersPerInch = 0.0254;
// Largest side of a bitmap the objects make; larger requests are refused
// instead of exhausting memory.
constexpr int kMaxBitmapSide = 32767;

bool ValidSize(int width, int height) {
  return width > 0 && height > 0 && width <= kMaxBitmapSide && height <= kMaxBitmapSide;
}

// The Qt storage of each pixel format the objects make. 32-bit ARGB bitmaps
// are kept premultiplied, which Qt draws fastest; pixels read back are
// converted, so callers see plain ARGB.
QImage::Format StorageOf(int pixel_format) {
  switch (pixel_format) {
    case kPixelFormat32bppARGB:
    case kPixelFormat32bppPARGB:
      return QImage::Format_ARGB32_Premultiplied;
    case kPixelFormat32bppRGB:
      return QImage::Format_RGB32;
    case kPixelFormat24bppRGB:
      return QImage::Format_RGB888;
    case kPixelFormat16bppRGB565:
      return QImage::Format_RGB16;
    default:
      return QImage::Format_Invalid;
  }
}

}  // namespace

bool ImgBitmap::Create(int width, int height, int pixel_format) {
  Dispose();
  const QImage::Format storage = StorageOf(pixel_format);
  if (!ValidSize(width, height) || storage == QImage::Format_Invalid) {
    return ImgRecord(kStatusInvalidParameter);
  }
  QImage image(width, height, storage);
  if (image.isNull()) return ImgRecord(kStatusOutOfMemory);
  image.fill(0);
  return Adopt(std::move(image), pixel_format);
}

bool ImgBitmap::CreateAtRatio(int width, int height, double ratio, int pixel_format) {
  if (!(ratio > 0)) {
    Dispose();
    return ImgRecord(kStatusInvalidParameter);
  }
  const auto pixels = [ratio](int logical) { return static_cast<int>(std::ceil(logical * ratio)); };
  if (!Create(pixels(width), pixels(height), pixel_format)) return false;
  image_->setDevicePixelRatio(ratio);
  return true;
}

bool ImgBitmap::CreateFromPlatformBitmap(const QImage& bitmap) {
  Dispose();
  if (bitmap.isNull()) return ImgRecord(kStatusInvalidParameter);
  return Adopt(ToDrawingFormat(bitmap), PixelFormatOf(bitmap.format()));
}

bool ImgBitmap::CreateFromIcon(const QIcon& icon, int width, int height) {
  Dispose();
  if (qGuiApp == nullptr) return ImgRecord(kStatusNotInitialized);
  if (icon.isNull() || !ValidSize(width, height)) return ImgRecord(kStatusInvalidParameter);
  QImage image = icon.pixmap(QSize(width, height)).toImage();
  if (image.isNull()) return ImgRecord(kStatusInvalidParameter);
  if (image.size() != QSize(width, height)) {
    image = image.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  }
  image.convertTo(QImage::Format_ARGB32_Premultiplied);
  return Adopt(std::move(image), kPixelFormat32bppARGB);
}

QImage ImgBitmap::ToPlatformBitmap(Argb background) const {
  if (!CheckHeld()) return QImage();
  QImage out(image_->size(), QImage::Format_ARGB32_Premultiplied);
  out.fill(ToQColor(background));
  {
    QPainter painter(&out);
    painter.drawImage(0, 0, *image_);
  }
  ImgRecord(kStatusOk);
  return out;
}

bool ImgBitmap::CloneArea(int x, int y, int width, int height, ImgBitmap& out) const {
  if (!CheckHeld()) return false;
  const QRect area(x, y, width, height);
  if (width <= 0 || height <= 0 || !image_->rect().contains(area)) {
    return ImgRecord(kStatusInvalidParameter);
  }
  out.Dispose();
  return out.Adopt(image_->copy(area), pixel_format_);
}

Argb ImgBitmap::GetPixel(int x, int y) const {
  if (!CheckHeld()) return 0;
  if (!image_->valid(x, y)) {
    ImgRecord(kStatusInvalidParameter);
    return 0;
  }
  ImgRecord(kStatusOk);
  return ToArgb(image_->pixelColor(x, y));
}

bool ImgBitmap::SetPixel(int x, int y, Argb color) {
  if (!CheckHeld()) return false;
  if (!image_->valid(x, y)) return ImgRecord(kStatusInvalidParameter);
  image_->setPixelColor(x, y, ToQColor(color));
  return ImgRecord(kStatusOk);
}

bool ImgBitmap::SetResolution(float dpi_x, float dpi_y) {
  if (!CheckHeld()) return false;
  if (!(dpi_x > 0) || !(dpi_y > 0)) return ImgRecord(kStatusInvalidParameter);
  image_->setDotsPerMeterX(static_cast<int>(std::lround(dpi_x / kMetersPerInch)));
  image_->setDotsPerMeterY(static_cast<int>(std::lround(dpi_y / kMetersPerInch)));
  return ImgRecord(kStatusOk);
}

bool ImgBitmap::Rotate(float degrees, Argb background) {
  if (!CheckHeld()) return false;
  const QImage& source = *image_;
  const QTransform turn = QTransform().rotate(degrees);
  const QRect bounds = turn.mapRect(QRectF(source.rect())).toAlignedRect();
  QImage rotated(bounds.size(), QImage::Format_ARGB32_Premultiplied);
  rotated.setDotsPerMeterX(source.dotsPerMeterX());
  rotated.setDotsPerMeterY(source.dotsPerMeterY());
  rotated.fill(ToQColor(background));
  {
    QPainter painter(&rotated);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.translate(rotated.width() / 2.0, rotated.height() / 2.0);
    painter.rotate(degrees);
    painter.translate(-source.width() / 2.0, -source.height() / 2.0);
    painter.drawImage(0, 0, source);
  }
  *image_ = std::move(rotated);
  pixel_format_ = kPixelFormat32bppARGB;
  return ImgRecord(kStatusOk);
}

}  // namespace vexo

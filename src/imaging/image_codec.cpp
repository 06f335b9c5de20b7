#include "imaging/image_codec.h"

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>
#include <algorithm>
#include <cctype>
#include <future>
#include <mutex>
#include <optional>
#include <string_view>
#include <thread>

#include "imaging/constants.h"
#include "imaging/image_formats.h"

namespace vexo {
namespace {

struct Encoder {
  const char* format_id;
  const char* mime;
  const char* qt_format;
};

constexpr Encoder kEncoders[] = {
    {kImageFormatPng, kMimePng, "png"},
    {kImageFormatJpeg, kMimeJpeg, "jpeg"},
    {kImageFormatBmp, kMimeBmp, "bmp"},
};

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

QImage DecodeNow(const QByteArray& bytes) {
  if (bytes.isEmpty()) return QImage();
  QBuffer buffer;
  buffer.setData(bytes);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer);
  reader.setAutoTransform(false);
  return reader.read();
}

// The one picture being decoded ahead, until a DecodePicture takes it.
struct AheadDecode {
  QByteArray bytes;
  std::shared_future<QImage> image;
};

std::mutex g_aheadMutex;
std::optional<AheadDecode> g_ahead;

std::optional<std::shared_future<QImage>> TakeAhead(const QByteArray& bytes) {
  std::lock_guard lock(g_aheadMutex);
  if (!g_ahead || g_ahead->bytes != bytes) return std::nullopt;
  auto image = std::move(g_ahead->image);
  g_ahead.reset();
  return image;
}

}  // namespace

QImage DecodePicture(const QByteArray& bytes) {
  if (auto ahead = TakeAhead(bytes)) return ahead->get();
  return DecodeNow(bytes);
}

void DecodePictureAhead(QByteArray bytes) {
  if (bytes.isEmpty()) return;
  std::packaged_task<QImage()> task([bytes] { return DecodeNow(bytes); });
  std::shared_future<QImage> image = task.get_future().share();
  try {
    std::thread(std::move(task)).detach();
  } catch (const std::system_error&) {
    return;  // no thread to spare: the picture decodes when it is asked for
  }
  std::lock_guard lock(g_aheadMutex);
  g_ahead = AheadDecode{std::move(bytes), std::move(image)};
}

const char* FindEncoder(const Text& format) {
  for (const Encoder& e : kEncoders) {
    if (SameIgnoringCase(format, e.format_id) || SameIgnoringCase(format, e.mime)) {
      return e.qt_format;
    }
  }
  return nullptr;
}

bool EncodePicture(const QImage& image, const char* qt_format, int quality, QByteArray* out) {
  out->clear();
  QBuffer buffer(out);
  if (!buffer.open(QIODevice::WriteOnly)) return false;
  QImageWriter writer(&buffer, qt_format);
  if (quality >= 0) writer.setQuality(std::min(quality, 100));
  const bool ok = writer.write(image);
  if (!ok) out->clear();
  return ok;
}

int PixelFormatOf(QImage::Format format) {
  switch (format) {
    case QImage::Format_Indexed8:
    case QImage::Format_Mono:
    case QImage::Format_MonoLSB:
      return kPixelFormat8bppIndexed;
    case QImage::Format_RGB16:
      return kPixelFormat16bppRGB565;
    case QImage::Format_RGB888:
    case QImage::Format_BGR888:
      return kPixelFormat24bppRGB;
    case QImage::Format_RGB32:
      return kPixelFormat32bppRGB;
    case QImage::Format_ARGB32_Premultiplied:
      return kPixelFormat32bppPARGB;
    case QImage::Format_Invalid:
      return kPixelFormatUndefined;
    default:
      return kPixelFormat32bppARGB;
  }
}

QImage ToDrawingFormat(QImage image) {
  if (image.isNull()) return image;
  const QImage::Format target =
      image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
  if (image.format() != target) image.convertTo(target);
  return image;
}

}  // namespace vexo

#include "platform/controls/picture.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>

namespace vexo {
namespace {

QByteArray AsByteArray(const ByteSet& bytes) {
  return QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()),
                                 static_cast<qsizetype>(bytes.size()));
}

}  // namespace

QImage DecodePicture(const ByteSet& bytes) {
  if (bytes.empty()) return {};
  QByteArray data = AsByteArray(bytes);
  QBuffer buffer(&data);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer);
  reader.setDecideFormatFromContent(true);
  return reader.read();
}

bool IsAnimatedPicture(const ByteSet& bytes) {
  if (bytes.empty()) return false;
  QByteArray data = AsByteArray(bytes);
  QBuffer buffer(&data);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer);
  reader.setDecideFormatFromContent(true);
  return reader.supportsAnimation() && reader.imageCount() > 1;
}

}  // namespace vexo

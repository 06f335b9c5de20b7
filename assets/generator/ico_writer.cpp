#include "ico_writer.h"

#include <QDataStream>
#include <QIODevice>

QByteArray WriteIco(const QImage& source) {
  QImage image = source.convertToFormat(QImage::Format_ARGB32);
  const int w = image.width();
  const int h = image.height();
  const int maskStride = ((w + 31) / 32) * 4;
  const quint32 bitmapSize = 40 + static_cast<quint32>(w * h * 4 + maskStride * h);

  QByteArray out;
  QDataStream s(&out, QIODevice::WriteOnly);
  s.setByteOrder(QDataStream::LittleEndian);
  // Icon directory and its one entry.
  s << quint16(0) << quint16(1) << quint16(1);
  s << quint8(w >= 256 ? 0 : w) << quint8(h >= 256 ? 0 : h) << quint8(0) << quint8(0);
  s << quint16(1) << quint16(32) << bitmapSize << quint32(6 + 16);
  // Bitmap header: the height counts the colour rows and the mask rows.
  s << quint32(40) << qint32(w) << qint32(h * 2) << quint16(1) << quint16(32) << quint32(0)
    << quint32(w * h * 4) << qint32(0) << qint32(0) << quint32(0) << quint32(0);
  for (int y = h - 1; y >= 0; --y) {
    const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < w; ++x)
      s << quint8(qBlue(line[x])) << quint8(qGreen(line[x])) << quint8(qRed(line[x]))
        << quint8(qAlpha(line[x]));
  }
  for (int y = h - 1; y >= 0; --y) {
    const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    QByteArray row(maskStride, '\0');
    for (int x = 0; x < w; ++x)
      if (qAlpha(line[x]) == 0) row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
    s.writeRawData(row.constData(), row.size());
  }
  return out;
}

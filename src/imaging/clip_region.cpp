#include "imaging/clip_region.h"

#include <QImage>
#include <QPainter>
#include <vector>

#include "imaging/constants.h"

namespace vexo {

QRegion PixelRegionOf(const QPainterPath& device_path, const QRect& within) {
  const QRect bounds = device_path.boundingRect().toAlignedRect() & within;
  if (bounds.isEmpty()) return QRegion();
  QImage mask(bounds.size(), QImage::Format_Alpha8);
  mask.fill(0);
  {
    QPainter painter(&mask);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.translate(-bounds.topLeft());
    painter.fillPath(device_path, QColor(0, 0, 0, 255));
  }
  // One rectangle per run of inside pixels, rows top to bottom and runs left
  // to right: the banded order QRegion::setRects takes.
  std::vector<QRect> runs;
  for (int y = 0; y < mask.height(); ++y) {
    const uchar* row = mask.constScanLine(y);
    int x = 0;
    while (x < mask.width()) {
      while (x < mask.width() && row[x] == 0)
        ++x;
      const int start = x;
      while (x < mask.width() && row[x] != 0)
        ++x;
      if (x > start) runs.emplace_back(bounds.left() + start, bounds.top() + y, x - start, 1);
    }
  }
  QRegion region;
  region.setRects(runs.data(), static_cast<int>(runs.size()));
  return region;
}

bool CombinePixelRegions(const QRegion& current, const QRegion& other, int combine_mode,
                         QRegion* out) {
  switch (combine_mode) {
    case kCombineModeReplace:
      *out = other;
      return true;
    case kCombineModeIntersect:
      *out = current.intersected(other);
      return true;
    case kCombineModeUnion:
      *out = current.united(other);
      return true;
    case kCombineModeXor:
      *out = current.xored(other);
      return true;
    case kCombineModeExclude:
      *out = current.subtracted(other);
      return true;
    case kCombineModeComplement:
      *out = other.subtracted(current);
      return true;
    default:
      return false;
  }
}

}  // namespace vexo

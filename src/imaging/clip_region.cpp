#include "imaging/clip_region.h"

#include <QImage>
#include <QPainter>
#include <cstring>
#include <utility>
#include <vector>

#include "imaging/constants.h"

namespace vexo {
namespace {

// The mask value of a pixel inside the path.
constexpr uchar kInside = 255;

}  // namespace

QRegion PixelRegionOf(const QPainterPath& device_path, const QRect& within) {
  const QRect bounds = device_path.boundingRect().toAlignedRect() & within;
  if (bounds.isEmpty()) return QRegion();
  QImage mask(bounds.size(), QImage::Format_Grayscale8);
  mask.fill(0);
  {
    QPainter painter(&mask);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.translate(-bounds.topLeft());
    painter.fillPath(device_path, QColor(kInside, kInside, kInside));
  }
  // Runs of inside pixels, left to right, in bands of rows with the same runs
  // (a rounded window is a few bands): the y-x banded order that
  // QRegion::setRects takes, with as few rectangles as the shape needs.
  std::vector<QRect> runs;
  std::vector<std::pair<int, int>> band;  // (start, length) of the current band's runs
  std::vector<std::pair<int, int>> row_runs;
  std::size_t band_first = 0;
  for (int y = 0; y < mask.height(); ++y) {
    // The fill is aliased: inside pixels hold 255, the others 0, so both ends
    // of a run are found with memchr.
    const uchar* row = mask.constScanLine(y);
    const uchar* const end = row + mask.width();
    row_runs.clear();
    const uchar* p = row;
    while (p < end) {
      const auto* first = static_cast<const uchar*>(std::memchr(p, kInside, end - p));
      if (first == nullptr) break;
      const auto* past = static_cast<const uchar*>(std::memchr(first, 0, end - first));
      if (past == nullptr) past = end;
      row_runs.emplace_back(static_cast<int>(first - row), static_cast<int>(past - first));
      p = past;
    }
    if (y > 0 && row_runs == band && !band.empty()) {
      for (std::size_t i = band_first; i < runs.size(); ++i)
        runs[i].setHeight(runs[i].height() + 1);
      continue;
    }
    band = row_runs;
    band_first = runs.size();
    for (const auto& [start, length] : row_runs) {
      runs.emplace_back(bounds.left() + start, bounds.top() + y, length, 1);
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

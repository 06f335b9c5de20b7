#pragma once
// Clips of the drawing surface as regions of whole device pixels.
//
// Qt clips to paths with antialiased edges, which would let whatever lies
// under a clipped shape bleed through its edge pixels; the platform's clips
// are hard. So a clip path is rasterised here into whole pixels, a pixel being
// inside when its centre is.
#include <QPainterPath>
#include <QRect>
#include <QRegion>

namespace vexo {

// The pixels of `within` whose centres lie inside `device_path`.
QRegion PixelRegionOf(const QPainterPath& device_path, const QRect& within);

// Combines two pixel regions by an ImgCombineMode; false for an unknown mode.
bool CombinePixelRegions(const QRegion& current, const QRegion& other, int combine_mode,
                         QRegion* out);

}  // namespace vexo

#pragma once
// A region object: an area made of rectangles and paths, combined with the
// set operations; a drawing surface can clip to it or fill it. A new region is
// infinite (it covers the whole plane).
#include <QPainterPath>
#include <QRectF>
#include <QRegion>

#include "imaging/constants.h"
#include "imaging/object.h"

namespace vexo {

class ImgPath;

class ImgRegion : public ImgObject {
 public:
  ImgRegion() = default;
  ~ImgRegion() = default;
  ImgRegion(ImgRegion&&) noexcept = default;
  ImgRegion& operator=(ImgRegion&&) noexcept = default;

  // A new infinite region. A region already held is released first.
  bool Create();
  bool CreateFromRect(float x, float y, float width, float height);
  bool CreateFromPath(const ImgPath& path);
  // A region covering a platform region.
  bool CreateFromPlatformRegion(const QRegion& region);
  // Releases the region. False, and nothing happens, when empty.
  bool Delete();
  bool Clone(ImgRegion& out) const;

  bool SetInfinite();
  bool SetEmpty();
  // Combines this region with another area (kCombineModeIntersect ...).
  bool CombineRect(float x, float y, float width, float height, int combine_mode);
  bool CombinePath(const ImgPath& path, int combine_mode);
  bool CombineRegion(const ImgRegion& other, int combine_mode);
  bool Translate(float dx, float dy);

  // The bounding rectangle, empty for an empty region.
  QRectF GetBounds() const;
  bool IsEmptyRegion() const;
  bool IsInfinite() const;
  bool IsVisible(float x, float y) const;
  // The region as a platform region (whole pixels: those whose centre is in).
  QRegion ToPlatformRegion() const;

  // The area in Qt's form (the infinite region is a very large rectangle).
  const QPainterPath& Area() const { return area_; }

  // Combines `current` and `other` by `combine_mode`; false for an unknown
  // mode. Shared with the drawing surface's clip.
  static bool Combine(const QPainterPath& current, const QPainterPath& other, int combine_mode,
                      QPainterPath* out);
  // The area of an infinite region.
  static QPainterPath InfiniteArea();

 private:
  bool CheckHeld() const;
  bool CombineArea(const QPainterPath& other, int combine_mode);

  QPainterPath area_;
  bool infinite_ = false;
};

}  // namespace vexo

#pragma once
// A path gradient brush: the centre colour at the centre point fades to the
// surround colour at the outline of a path. The fade runs over the ellipse
// that fits the path's bounding rectangle (exact for ellipses and circles, a
// close likeness for other shapes); with several surround colours the first
// is used for the whole outline. Outside the path the brush paints nothing.
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <vector>

#include "imaging/brush.h"

namespace vexo {

class ImgPath;

class ImgPathBrush : public ImgBrush {
 public:
  ImgPathBrush() = default;
  ~ImgPathBrush() override = default;
  ImgPathBrush(ImgPathBrush&&) noexcept = default;
  ImgPathBrush& operator=(ImgPathBrush&&) noexcept = default;

  // A brush over the outline of `path` (which must hold at least one figure):
  // centre colour opaque black, surround colour opaque white, centre point the
  // centre of the bounds. A brush already held is released first.
  bool CreateFromPath(const ImgPath& path);

  Argb GetCenterColor() const;
  bool SetCenterColor(Argb color);
  // Sets up to the path's point count of surround colours; returns false
  // (InvalidParameter) for none or too many.
  bool SetSurroundColors(const std::vector<Argb>& colors);
  std::vector<Argb> GetSurroundColors() const;
  QPointF GetCenterPoint() const;
  bool SetCenterPoint(QPointF center);
  // The bounding rectangle of the path.
  QRectF GetRect() const;
  const QPainterPath* Outline() const override { return IsEmpty() ? nullptr : &outline_; }

 private:
  void OnRelease() override;
  void Rebuild();

  QPainterPath outline_;
  QPointF center_;
  Argb center_color_ = 0;
  std::vector<Argb> surround_colors_;
};

}  // namespace vexo

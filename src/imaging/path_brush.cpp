#include "imaging/path_brush.h"

#include <QRadialGradient>
#include <QTransform>

#include "imaging/path.h"
#include "imaging/qt_convert.h"
#include "imaging/status.h"

namespace vexo {
namespace {

constexpr Argb kDefaultCenterColor = MakeArgb(255, 0, 0, 0);
constexpr Argb kDefaultSurroundColor = MakeArgb(255, 255, 255, 255);

}  // namespace

bool ImgPathBrush::CreateFromPath(const ImgPath& path) {
  Delete();
  if (path.IsEmpty() || path.Figures().elementCount() == 0 ||
      path.Figures().boundingRect().isEmpty()) {
    return ImgRecord(kStatusInvalidParameter);
  }
  outline_ = path.Figures();
  center_ = outline_.boundingRect().center();
  center_color_ = kDefaultCenterColor;
  surround_colors_ = {kDefaultSurroundColor};
  Adopt(QBrush(), kBrushTypePathGradient);
  Rebuild();
  return ImgRecord(kStatusOk);
}

void ImgPathBrush::OnRelease() {
  outline_ = QPainterPath();
  surround_colors_.clear();
}

void ImgPathBrush::Rebuild() {
  // A unit circle mapped onto the ellipse of the bounds; the focal point is
  // the centre point in the same unit space.
  const QRectF bounds = outline_.boundingRect();
  const double rx = bounds.width() / 2;
  const double ry = bounds.height() / 2;
  const QPointF focal((center_.x() - bounds.center().x()) / rx,
                      (center_.y() - bounds.center().y()) / ry);
  QRadialGradient gradient(QPointF(0, 0), 1.0, focal);
  gradient.setInterpolationMode(QGradient::ComponentInterpolation);
  gradient.setColorAt(0.0, ToQColor(center_color_));
  gradient.setColorAt(1.0, ToQColor(surround_colors_.front()));
  QBrush brush(gradient);
  brush.setTransform(QTransform(rx, 0, 0, ry, bounds.center().x(), bounds.center().y()));
  brush_ = brush;
}

Argb ImgPathBrush::GetCenterColor() const {
  if (!CheckHeld()) return 0;
  ImgRecord(kStatusOk);
  return center_color_;
}

bool ImgPathBrush::SetCenterColor(Argb color) {
  if (!CheckHeld()) return false;
  center_color_ = color;
  Rebuild();
  return ImgRecord(kStatusOk);
}

bool ImgPathBrush::SetSurroundColors(const std::vector<Argb>& colors) {
  if (!CheckHeld()) return false;
  if (colors.empty() || colors.size() > static_cast<std::size_t>(outline_.elementCount())) {
    return ImgRecord(kStatusInvalidParameter);
  }
  surround_colors_ = colors;
  Rebuild();
  return ImgRecord(kStatusOk);
}

std::vector<Argb> ImgPathBrush::GetSurroundColors() const {
  if (!CheckHeld()) return {};
  ImgRecord(kStatusOk);
  return surround_colors_;
}

QPointF ImgPathBrush::GetCenterPoint() const {
  if (!CheckHeld()) return {};
  ImgRecord(kStatusOk);
  return center_;
}

bool ImgPathBrush::SetCenterPoint(QPointF center) {
  if (!CheckHeld()) return false;
  center_ = center;
  Rebuild();
  return ImgRecord(kStatusOk);
}

QRectF ImgPathBrush::GetRect() const {
  if (!CheckHeld()) return {};
  ImgRecord(kStatusOk);
  return outline_.boundingRect();
}

}  // namespace vexo

#include "imaging/region.h"

#include <QPolygonF>

#include "imaging/path.h"
#include "imaging/status.h"

namespace vexo {
namespace {

// The platform's infinite region reaches this far in every direction.
constexpr double kInfiniteReach = 4194304.0;

}  // namespace

QPainterPath ImgRegion::InfiniteArea() {
  QPainterPath area;
  area.addRect(QRectF(-kInfiniteReach, -kInfiniteReach, 2 * kInfiniteReach, 2 * kInfiniteReach));
  return area;
}

bool ImgRegion::Combine(const QPainterPath& current, const QPainterPath& other, int combine_mode,
                        QPainterPath* out) {
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
      *out = current.subtracted(other).united(other.subtracted(current));
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

bool ImgRegion::CheckHeld() const {
  return !IsEmpty() || ImgRecord(kStatusInvalidParameter);
}

bool ImgRegion::Create() {
  Delete();
  area_ = InfiniteArea();
  infinite_ = true;
  TakeNewHandle();
  return ImgRecord(kStatusOk);
}

bool ImgRegion::CreateFromRect(float x, float y, float width, float height) {
  Delete();
  area_ = QPainterPath();
  if (width > 0 && height > 0) area_.addRect(QRectF(x, y, width, height));
  infinite_ = false;
  TakeNewHandle();
  return ImgRecord(kStatusOk);
}

bool ImgRegion::CreateFromPath(const ImgPath& path) {
  Delete();
  if (path.IsEmpty()) return ImgRecord(kStatusInvalidParameter);
  area_ = path.Figures();
  infinite_ = false;
  TakeNewHandle();
  return ImgRecord(kStatusOk);
}

bool ImgRegion::CreateFromPlatformRegion(const QRegion& region) {
  Delete();
  area_ = QPainterPath();
  area_.addRegion(region);
  infinite_ = false;
  TakeNewHandle();
  return ImgRecord(kStatusOk);
}

bool ImgRegion::Delete() {
  if (IsEmpty()) return false;
  area_ = QPainterPath();
  infinite_ = false;
  ClearHandle();
  return ImgRecord(kStatusOk);
}

bool ImgRegion::Clone(ImgRegion& out) const {
  if (!CheckHeld()) return false;
  out.Create();
  out.area_ = area_;
  out.infinite_ = infinite_;
  return ImgRecord(kStatusOk);
}

bool ImgRegion::SetInfinite() {
  if (!CheckHeld()) return false;
  area_ = InfiniteArea();
  infinite_ = true;
  return ImgRecord(kStatusOk);
}

bool ImgRegion::SetEmpty() {
  if (!CheckHeld()) return false;
  area_ = QPainterPath();
  infinite_ = false;
  return ImgRecord(kStatusOk);
}

bool ImgRegion::CombineArea(const QPainterPath& other, int combine_mode) {
  if (!CheckHeld()) return false;
  QPainterPath result;
  if (!Combine(area_, other, combine_mode, &result)) return ImgRecord(kStatusInvalidParameter);
  area_ = result;
  infinite_ = false;
  return ImgRecord(kStatusOk);
}

bool ImgRegion::CombineRect(float x, float y, float width, float height, int combine_mode) {
  QPainterPath rect;
  if (width > 0 && height > 0) rect.addRect(QRectF(x, y, width, height));
  return CombineArea(rect, combine_mode);
}

bool ImgRegion::CombinePath(const ImgPath& path, int combine_mode) {
  if (path.IsEmpty()) return ImgRecord(kStatusInvalidParameter);
  return CombineArea(path.Figures(), combine_mode);
}

bool ImgRegion::CombineRegion(const ImgRegion& other, int combine_mode) {
  if (other.IsEmpty()) return ImgRecord(kStatusInvalidParameter);
  if (other.infinite_ && combine_mode == kCombineModeReplace) {
    if (!CheckHeld()) return false;
    return SetInfinite();
  }
  return CombineArea(other.area_, combine_mode);
}

bool ImgRegion::Translate(float dx, float dy) {
  if (!CheckHeld()) return false;
  if (!infinite_) area_.translate(dx, dy);
  return ImgRecord(kStatusOk);
}

QRectF ImgRegion::GetBounds() const {
  if (!CheckHeld()) return {};
  ImgRecord(kStatusOk);
  return area_.boundingRect();
}

bool ImgRegion::IsEmptyRegion() const {
  if (!CheckHeld()) return false;
  ImgRecord(kStatusOk);
  return area_.isEmpty() || area_.boundingRect().isEmpty();
}

bool ImgRegion::IsInfinite() const {
  if (!CheckHeld()) return false;
  ImgRecord(kStatusOk);
  return infinite_;
}

bool ImgRegion::IsVisible(float x, float y) const {
  if (!CheckHeld()) return false;
  ImgRecord(kStatusOk);
  return area_.contains(QPointF(x, y));
}

QRegion ImgRegion::ToPlatformRegion() const {
  if (!CheckHeld()) return {};
  ImgRecord(kStatusOk);
  return QRegion(area_.toFillPolygon().toPolygon(), area_.fillRule());
}

}  // namespace vexo

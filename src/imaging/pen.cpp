#include "imaging/pen.h"

#include "imaging/brush.h"
#include "imaging/qt_convert.h"
#include "imaging/status.h"

namespace vexo {
namespace {

bool ValidPenUnit(int unit) {
  // A pen measures in world units or pixels; the page units make no sense here.
  return unit == kUnitWorld || unit == kUnitPixel;
}

}  // namespace

bool ImgPen::CheckHeld() const {
  return !IsEmpty() || ImgRecord(kStatusInvalidParameter);
}

bool ImgPen::Adopt(const QBrush& brush, float width, int unit) {
  if (width < 0 || !ValidPenUnit(unit)) return ImgRecord(kStatusInvalidParameter);
  pen_ = QPen(brush, width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
  pen_.setMiterLimit(10.0);
  pen_.setCosmetic(unit == kUnitPixel);
  TakeNewHandle();
  return ImgRecord(kStatusOk);
}

bool ImgPen::Create(Argb color, float width, int unit) {
  Delete();
  return Adopt(QBrush(ToQColor(color)), width, unit);
}

bool ImgPen::CreateFromBrush(const ImgBrush& brush, float width, int unit) {
  Delete();
  if (brush.IsEmpty()) return ImgRecord(kStatusInvalidParameter);
  return Adopt(brush.Paint(), width, unit);
}

bool ImgPen::Delete() {
  if (IsEmpty()) return false;
  pen_ = QPen();
  ClearHandle();
  return ImgRecord(kStatusOk);
}

bool ImgPen::Clone(ImgPen& out) const {
  if (!CheckHeld()) return false;
  out.Delete();
  out.pen_ = pen_;
  out.TakeNewHandle();
  return ImgRecord(kStatusOk);
}

float ImgPen::GetWidth() const {
  if (!CheckHeld()) return 0;
  ImgRecord(kStatusOk);
  return static_cast<float>(pen_.widthF());
}

bool ImgPen::SetWidth(float width) {
  if (!CheckHeld()) return false;
  if (width < 0) return ImgRecord(kStatusInvalidParameter);
  pen_.setWidthF(width);
  return ImgRecord(kStatusOk);
}

Argb ImgPen::GetColor() const {
  if (!CheckHeld()) return 0;
  if (pen_.brush().style() != Qt::SolidPattern) {
    ImgRecord(kStatusInvalidParameter);
    return 0;
  }
  ImgRecord(kStatusOk);
  return ToArgb(pen_.color());
}

bool ImgPen::SetColor(Argb color) {
  if (!CheckHeld()) return false;
  pen_.setBrush(QBrush(ToQColor(color)));
  return ImgRecord(kStatusOk);
}

bool ImgPen::SetBrush(const ImgBrush& brush) {
  if (!CheckHeld()) return false;
  if (brush.IsEmpty()) return ImgRecord(kStatusInvalidParameter);
  pen_.setBrush(brush.Paint());
  return ImgRecord(kStatusOk);
}

}  // namespace vexo

#include "imaging/brush.h"

#include "imaging/qt_convert.h"
#include "imaging/status.h"

namespace vexo {

bool ImgBrush::Delete() {
  if (IsEmpty()) return false;
  brush_ = QBrush();
  type_ = 0;
  OnRelease();
  ClearHandle();
  return ImgRecord(kStatusOk);
}

int ImgBrush::GetBrushType() const {
  if (!CheckHeld()) return 0;
  ImgRecord(kStatusOk);
  return type_;
}

bool ImgBrush::CheckHeld() const {
  return !IsEmpty() || ImgRecord(kStatusInvalidParameter);
}

void ImgBrush::Adopt(const QBrush& brush, int type) {
  brush_ = brush;
  type_ = type;
  TakeNewHandle();
}

bool ImgSolidBrush::Create(Argb color) {
  Delete();
  Adopt(QBrush(ToQColor(color)), kBrushTypeSolidColor);
  return ImgRecord(kStatusOk);
}

bool ImgSolidBrush::SetColor(Argb color) {
  if (!CheckHeld()) return false;
  brush_.setColor(ToQColor(color));
  return ImgRecord(kStatusOk);
}

Argb ImgSolidBrush::GetColor() const {
  if (!CheckHeld()) return 0;
  ImgRecord(kStatusOk);
  return ToArgb(brush_.color());
}

}  // namespace vexo

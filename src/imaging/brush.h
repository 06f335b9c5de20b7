#pragma once
// The brush objects: what fills shapes and text. Every brush kind shares the
// release operation and the brush-type query; `ImgSolidBrush` is one colour.
#include <QBrush>
#include <QPainterPath>

#include "imaging/constants.h"
#include "imaging/object.h"

namespace vexo {

class ImgBrush : public ImgObject {
 public:
  virtual ~ImgBrush() = default;

  // Releases the brush. False, and nothing happens, when empty.
  bool Delete();
  // The brush kind (kBrushTypeSolidColor ...), 0 when empty.
  int GetBrushType() const;
  // The brush in Qt's form (Qt::NoBrush when empty).
  const QBrush& Paint() const { return brush_; }
  // The area outside which the brush paints nothing, when it has one.
  virtual const QPainterPath* Outline() const { return nullptr; }

 protected:
  ImgBrush() = default;
  ImgBrush(ImgBrush&&) noexcept = default;
  ImgBrush& operator=(ImgBrush&&) noexcept = default;

  bool CheckHeld() const;
  // Takes `brush` as the new native brush of kind `type`.
  void Adopt(const QBrush& brush, int type);
  // The kind may drop its own data here when the brush is released.
  virtual void OnRelease() {}

  QBrush brush_;
  int type_ = 0;
};

class ImgSolidBrush : public ImgBrush {
 public:
  ImgSolidBrush() = default;
  ~ImgSolidBrush() override = default;
  ImgSolidBrush(ImgSolidBrush&&) noexcept = default;
  ImgSolidBrush& operator=(ImgSolidBrush&&) noexcept = default;

  // A brush of the colour `color` (0xAARRGGBB). A brush already held is
  // released first.
  bool Create(Argb color);
  bool SetColor(Argb color);
  // The colour, 0 when empty.
  Argb GetColor() const;
};

}  // namespace vexo

#pragma once
// A pen object: how lines and outlines are stroked, with a colour or a brush
// and a width. Ends are flat and corners mitred.
#include <QPen>

#include "imaging/constants.h"
#include "imaging/object.h"

namespace vexo {

class ImgBrush;

class ImgPen : public ImgObject {
 public:
  ImgPen() = default;
  ~ImgPen() = default;
  ImgPen(ImgPen&&) noexcept = default;
  ImgPen& operator=(ImgPen&&) noexcept = default;

  // A pen of `color` (0xAARRGGBB) and `width` in world units (0 draws the
  // thinnest line). A pen already held is released first.
  bool Create(Argb color, float width, int unit = kUnitWorld);
  // A pen that paints its stroke with `brush` (which must hold a brush).
  bool CreateFromBrush(const ImgBrush& brush, float width, int unit = kUnitWorld);
  // Releases the pen. False, and nothing happens, when empty.
  bool Delete();
  bool Clone(ImgPen& out) const;

  float GetWidth() const;
  bool SetWidth(float width);
  // The colour of a colour pen, 0 when empty.
  Argb GetColor() const;
  bool SetColor(Argb color);
  bool SetBrush(const ImgBrush& brush);

  // The pen in Qt's form.
  const QPen& Stroke() const { return pen_; }

 private:
  bool CheckHeld() const;
  bool Adopt(const QBrush& brush, float width, int unit);

  QPen pen_;
};

}  // namespace vexo

#pragma once
// A font object: a family, an em size in a unit, and style bits (bold,
// italic, underline, strikeout).
#include <QFont>
#include <QString>

#include "imaging/constants.h"
#include "imaging/object.h"
#include "platform/text.h"

class QPaintDevice;

namespace vexo {

class ImgFontFamily;

// The resolution pages are measured at when no device says otherwise.
inline constexpr double kStandardDpi = 96.0;

class ImgFont : public ImgObject {
 public:
  ImgFont() = default;
  ~ImgFont() = default;
  ImgFont(ImgFont&&) noexcept = default;
  ImgFont& operator=(ImgFont&&) noexcept = default;

  // A font of the family named `family` (system code page), `size` in `unit`
  // (kUnitWorld, kUnitPixel, kUnitPoint ...; not kUnitDisplay) and `style`
  // bits. A family that is not installed is drawn with a substitute (see
  // ImgFontFamily). A font already held is released first.
  bool Create(const Text& family, float size, int style = kFontStyleRegular, int unit = kUnitPoint);
  bool CreateFromFamily(const ImgFontFamily& family, float size, int style = kFontStyleRegular,
                        int unit = kUnitPoint);
  // The font of a control (its platform font), measured on `device` (the
  // standard resolution when null): its family, its em height in pixels (unit
  // world) and its style.
  bool CreateFromPlatformFont(const QFont& font, const QPaintDevice* device = nullptr);
  // Releases the font. False, and nothing happens, when empty.
  bool Delete();
  bool Clone(ImgFont& out) const;

  // Makes `family` the font's family.
  bool GetFamily(ImgFontFamily& family) const;
  int GetStyle() const;
  float GetSize() const;
  int GetUnit() const;
  // Line spacing in pixels at `dpi`.
  float GetHeight(double dpi = kStandardDpi) const;

  // The font in Qt's form for a device of `dpi` dots per inch.
  QFont ToQFont(double dpi) const;
  // The em size in pixels at `dpi`.
  double EmPixels(double dpi) const;

 private:
  bool CheckHeld() const;
  bool Adopt(const QString& family, float size, int style, int unit);

  QString family_;
  float size_ = 0;
  int style_ = 0;
  int unit_ = 0;
};

}  // namespace vexo

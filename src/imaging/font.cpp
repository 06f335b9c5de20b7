#include "imaging/font.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPaintDevice>
#include <algorithm>
#include <cmath>

#include "imaging/font_family.h"
#include "imaging/qt_convert.h"
#include "imaging/status.h"

namespace vexo {
namespace {

constexpr double kPointsPerInch = 72.0;
constexpr double kDocumentUnitsPerInch = 300.0;
constexpr double kMillimetersPerInch = 25.4;
constexpr int kStyleBits =
    kFontStyleBold | kFontStyleItalic | kFontStyleUnderline | kFontStyleStrikeout;

bool ValidFontUnit(int unit) {
  return unit >= kUnitWorld && unit <= kUnitMillimeter && unit != kUnitDisplay;
}

}  // namespace

bool ImgFont::CheckHeld() const {
  return !IsEmpty() || ImgRecord(kStatusInvalidParameter);
}

bool ImgFont::Adopt(const QString& family, float size, int style, int unit) {
  if (qGuiApp == nullptr) return ImgRecord(kStatusNotInitialized);
  if (family.trimmed().isEmpty()) return ImgRecord(kStatusFontFamilyNotFound);
  if (!(size > 0) || !ValidFontUnit(unit)) return ImgRecord(kStatusInvalidParameter);
  family_ = family;
  size_ = size;
  style_ = style & kStyleBits;
  unit_ = unit;
  TakeNewHandle();
  return ImgRecord(kStatusOk);
}

bool ImgFont::Create(const Text& family, float size, int style, int unit) {
  Delete();
  return Adopt(SystemToQString(family), size, style, unit);
}

bool ImgFont::CreateFromFamily(const ImgFontFamily& family, float size, int style, int unit) {
  Delete();
  if (family.IsEmpty()) return ImgRecord(kStatusInvalidParameter);
  return Adopt(family.Name(), size, style, unit);
}

bool ImgFont::CreateFromPlatformFont(const QFont& font, const QPaintDevice* device) {
  Delete();
  const double dpi = device != nullptr ? device->logicalDpiY() : kStandardDpi;
  double pixels = font.pixelSize();
  if (pixels <= 0) pixels = font.pointSizeF() * dpi / kPointsPerInch;
  int style = kFontStyleRegular;
  if (font.weight() >= QFont::DemiBold) style |= kFontStyleBold;
  if (font.italic()) style |= kFontStyleItalic;
  if (font.underline()) style |= kFontStyleUnderline;
  if (font.strikeOut()) style |= kFontStyleStrikeout;
  return Adopt(font.family(), static_cast<float>(pixels), style, kUnitWorld);
}

bool ImgFont::Delete() {
  if (IsEmpty()) return false;
  family_.clear();
  size_ = 0;
  style_ = 0;
  unit_ = 0;
  ClearHandle();
  return ImgRecord(kStatusOk);
}

bool ImgFont::Clone(ImgFont& out) const {
  if (!CheckHeld()) return false;
  out.Delete();
  return out.Adopt(family_, size_, style_, unit_);
}

bool ImgFont::GetFamily(ImgFontFamily& family) const {
  if (!CheckHeld()) return false;
  return family.CreateFromQtName(family_);
}

int ImgFont::GetStyle() const {
  if (!CheckHeld()) return 0;
  ImgRecord(kStatusOk);
  return style_;
}

float ImgFont::GetSize() const {
  if (!CheckHeld()) return 0;
  ImgRecord(kStatusOk);
  return size_;
}

int ImgFont::GetUnit() const {
  if (!CheckHeld()) return 0;
  ImgRecord(kStatusOk);
  return unit_;
}

float ImgFont::GetHeight(double dpi) const {
  if (!CheckHeld()) return 0;
  ImgRecord(kStatusOk);
  return static_cast<float>(QFontMetricsF(ToQFont(dpi)).lineSpacing());
}

double ImgFont::EmPixels(double dpi) const {
  switch (unit_) {
    case kUnitPoint:
      return size_ * dpi / kPointsPerInch;
    case kUnitInch:
      return size_ * dpi;
    case kUnitDocument:
      return size_ * dpi / kDocumentUnitsPerInch;
    case kUnitMillimeter:
      return size_ * dpi / kMillimetersPerInch;
    default:  // world and pixel units
      return size_;
  }
}

QFont ImgFont::ToQFont(double dpi) const {
  QFont font;
  font.setFamilies(FontFamilies(family_));
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(EmPixels(dpi)))));
  font.setBold((style_ & kFontStyleBold) != 0);
  font.setItalic((style_ & kFontStyleItalic) != 0);
  font.setUnderline((style_ & kFontStyleUnderline) != 0);
  font.setStrikeOut((style_ & kFontStyleStrikeout) != 0);
  return font;
}

}  // namespace vexo

#include "skin/control_font.h"

#include <QFont>

#include "imaging/constants.h"
#include "imaging/font.h"
#include "platform/controls/qt_text.h"
#include "platform/system_text.h"

namespace vexo::skin {

namespace {

constexpr double kPointsPerInch = 72.0;

int StyleBits(const QFont& font) {
  int bits = kFontStyleRegular;
  if (font.bold()) bits |= kFontStyleBold;
  if (font.italic()) bits |= kFontStyleItalic;
  if (font.underline()) bits |= kFontStyleUnderline;
  if (font.strikeOut()) bits |= kFontStyleStrikeout;
  return bits;
}

float Pixels(const QFont& font) {
  if (font.pixelSize() > 0) return static_cast<float>(font.pixelSize());
  return static_cast<float>(font.pointSizeF() * kStandardDpi / kPointsPerInch);
}

}  // namespace

ControlFont FontOfControl(const QWidget* control) {
  const QFont font = control->font();
  return {FromQString(font.family()), Pixels(font), StyleBits(font)};
}

ControlFont FontOfControlOr(const QWidget* control, const char* defaultNameUtf8,
                            float defaultSize) {
  if (!control->testAttribute(Qt::WA_SetFont)) return {Sys(defaultNameUtf8), defaultSize, 0};
  ControlFont font = FontOfControl(control);
  if (font.name.empty()) font.name = Sys(defaultNameUtf8);
  if (font.size <= 0) font.size = defaultSize;
  return font;
}

}  // namespace vexo::skin

#include "imaging/font_family.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <cmath>

#include "imaging/constants.h"
#include "imaging/qt_convert.h"
#include "imaging/status.h"

namespace vexo {
namespace {

// The em size design metrics are given in.
constexpr int kDesignEm = 2048;

// Installed families that carry the Chinese glyphs the player's texts need,
// in order of preference.
const QStringList& CjkFallbacks() {
  static const QStringList families = {
      QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC"),
      QStringLiteral("Noto Sans SC"),        QStringLiteral("Source Han Sans SC"),
      QStringLiteral("WenQuanYi Zen Hei"),   QStringLiteral("AR PL UMing CN")};
  return families;
}

QFont DesignFont(const QString& name, int style) {
  QFont font;
  font.setFamilies(FontFamilies(name));
  font.setPixelSize(kDesignEm);
  font.setBold((style & kFontStyleBold) != 0);
  font.setItalic((style & kFontStyleItalic) != 0);
  return font;
}

QString GenericFamily(QFont::StyleHint hint) {
  QFont font;
  font.setStyleHint(hint);
  font.setFamily(font.defaultFamily());
  return QFontInfo(font).family();
}

}  // namespace

QStringList FontFamilies(const QString& name) {
  QStringList families;
  if (!name.isEmpty()) families.append(name);
  families.append(CjkFallbacks());
  return families;
}

bool ImgFontFamily::CheckHeld() const {
  return !IsEmpty() || ImgRecord(kStatusInvalidParameter);
}

bool ImgFontFamily::CreateFromQtName(const QString& name) {
  Delete();
  if (qGuiApp == nullptr) return ImgRecord(kStatusNotInitialized);
  if (name.trimmed().isEmpty()) return ImgRecord(kStatusFontFamilyNotFound);
  name_ = name;
  TakeNewHandle();
  return ImgRecord(kStatusOk);
}

bool ImgFontFamily::Create(const Text& name) {
  return CreateFromQtName(SystemToQString(name));
}

bool ImgFontFamily::CreateGenericSansSerif() {
  if (qGuiApp == nullptr) return ImgRecord(kStatusNotInitialized);
  return CreateFromQtName(GenericFamily(QFont::SansSerif));
}

bool ImgFontFamily::CreateGenericSerif() {
  if (qGuiApp == nullptr) return ImgRecord(kStatusNotInitialized);
  return CreateFromQtName(GenericFamily(QFont::Serif));
}

bool ImgFontFamily::CreateGenericMonospace() {
  if (qGuiApp == nullptr) return ImgRecord(kStatusNotInitialized);
  return CreateFromQtName(QFontDatabase::systemFont(QFontDatabase::FixedFont).family());
}

bool ImgFontFamily::Delete() {
  if (IsEmpty()) return false;
  name_.clear();
  ClearHandle();
  return ImgRecord(kStatusOk);
}

bool ImgFontFamily::Clone(ImgFontFamily& out) const {
  if (!CheckHeld()) return false;
  return out.CreateFromQtName(name_);
}

Text ImgFontFamily::GetName() const {
  if (!CheckHeld()) return {};
  ImgRecord(kStatusOk);
  return QStringToSystem(name_);
}

bool ImgFontFamily::IsInstalled() const {
  if (!CheckHeld()) return false;
  ImgRecord(kStatusOk);
  return QFontDatabase::hasFamily(name_);
}

int ImgFontFamily::GetEmHeight(int /*style*/) const {
  if (!CheckHeld()) return 0;
  ImgRecord(kStatusOk);
  return kDesignEm;
}

int ImgFontFamily::GetCellAscent(int style) const {
  if (!CheckHeld()) return 0;
  ImgRecord(kStatusOk);
  return static_cast<int>(std::lround(QFontMetricsF(DesignFont(name_, style)).ascent()));
}

int ImgFontFamily::GetCellDescent(int style) const {
  if (!CheckHeld()) return 0;
  ImgRecord(kStatusOk);
  return static_cast<int>(std::lround(QFontMetricsF(DesignFont(name_, style)).descent()));
}

int ImgFontFamily::GetLineSpacing(int style) const {
  if (!CheckHeld()) return 0;
  ImgRecord(kStatusOk);
  return static_cast<int>(std::lround(QFontMetricsF(DesignFont(name_, style)).lineSpacing()));
}

}  // namespace vexo

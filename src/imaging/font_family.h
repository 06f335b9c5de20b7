#pragma once
// A font family object: a family name and its design metrics.
//
// The player names the families of the platform it was made for ("宋体" ...).
// A family that is not installed is still accepted: its glyphs come from the
// installed CJK family that fits best (see FontFamilies), so texts always
// show, as they would on the player's own platform.
#include <QString>
#include <QStringList>

#include "imaging/object.h"
#include "platform/text.h"

namespace vexo {

class ImgFontFamily : public ImgObject {
 public:
  ImgFontFamily() = default;
  ~ImgFontFamily() = default;
  ImgFontFamily(ImgFontFamily&&) noexcept = default;
  ImgFontFamily& operator=(ImgFontFamily&&) noexcept = default;

  // The family named `name` (system code page). An empty name is
  // FontFamilyNotFound. A family already held is released first.
  bool Create(const Text& name);
  // The generic families.
  bool CreateGenericSansSerif();
  bool CreateGenericSerif();
  bool CreateGenericMonospace();
  // Releases the family. False, and nothing happens, when empty.
  bool Delete();
  bool Clone(ImgFontFamily& out) const;

  // The family name as given (system code page), empty when empty.
  Text GetName() const;
  // Whether the family is installed itself (not only through a substitute).
  bool IsInstalled() const;
  // Design metrics in design units of an em of 2048, for a style (bits).
  int GetEmHeight(int style) const;
  int GetCellAscent(int style) const;
  int GetCellDescent(int style) const;
  int GetLineSpacing(int style) const;

  // The name in Qt's form.
  const QString& Name() const { return name_; }
  // Sets the family from a Qt name (used when a font reports its family).
  bool CreateFromQtName(const QString& name);

 private:
  bool CheckHeld() const;

  QString name_;
};

// The families Qt should try for `name`, in order: the name itself, then the
// installed CJK families that stand in for the platform's Chinese fonts.
QStringList FontFamilies(const QString& name);

}  // namespace vexo

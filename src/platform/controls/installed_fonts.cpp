#include "platform/controls/installed_fonts.h"

#include <QFontDatabase>
#include <QSet>

namespace vexo {
namespace {

// The installed families, read once from the font database. A plain list
// lookup: asking the database whether it has a family goes through the
// system's alias rules on every call, which costs more than the search it
// saves.
const QSet<QString>& InstalledFamilyNames() {
  static const QSet<QString> names = [] {
    QSet<QString> set;
    for (const QString& family : QFontDatabase::families())
      set.insert(family.toCaseFolded());
    return set;
  }();
  return names;
}

}  // namespace

QStringList InstalledFamilies(const QStringList& wanted) {
  QStringList installed;
  for (const QString& family : wanted) {
    if (InstalledFamilyNames().contains(family.toCaseFolded())) installed << family;
  }
  return installed.isEmpty() ? wanted : installed;
}

}  // namespace vexo

#include "platform/controls/installed_fonts.h"

#include <QFontDatabase>

namespace vexo {

QStringList InstalledFamilies(const QStringList& wanted) {
  QStringList installed;
  for (const QString& family : wanted) {
    if (QFontDatabase::hasFamily(family)) installed << family;
  }
  return installed.isEmpty() ? wanted : installed;
}

}  // namespace vexo

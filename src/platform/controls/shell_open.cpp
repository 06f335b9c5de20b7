#include "platform/controls/shell_open.h"

#include <QDesktopServices>
#include <QUrl>

#include "platform/controls/qt_text.h"
#include "platform/controls/ui_thread.h"

namespace vexo {

bool OpenWithDefaultHandler(const Text& address) {
  return CallOnUi([&] { return QDesktopServices::openUrl(QUrl(ToQString(address))); });
}

}  // namespace vexo

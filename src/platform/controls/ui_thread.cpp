#include "platform/controls/ui_thread.h"

namespace vexo {

bool OnUiThread() {
  QCoreApplication* app = QCoreApplication::instance();
  return app == nullptr || QThread::currentThread() == app->thread();
}

}  // namespace vexo

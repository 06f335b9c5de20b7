#include "platform/controls/ui_thread.h"

#include <memory>

namespace vexo {

void PostToUi(std::function<void()> fn) {
  QObject* context = QCoreApplication::instance();
  if (context == nullptr) {
    fn();
    return;
  }
  // As in CallOnUi: the posting thread's state before the post happens before
  // the call, in a form thread checkers see.
  auto handover = std::make_shared<std::atomic<int>>(1);
  handover->store(1, std::memory_order_release);
  QMetaObject::invokeMethod(
      context,
      [handover, fn = std::move(fn)] {
        (void)handover->load(std::memory_order_acquire);
        fn();
      },
      Qt::QueuedConnection);
}

bool OnUiThread() {
  QCoreApplication* app = QCoreApplication::instance();
  return app == nullptr || QThread::currentThread() == app->thread();
}

}  // namespace vexo

#include "platform/controls/ui_thread.h"

#include <memory>

namespace vexo {

namespace {

// A posted call and the flag that hands it over.
struct PostedCall {
  explicit PostedCall(std::function<void()> call) : fn(std::move(call)) {}
  std::atomic<int> handover{0};
  std::function<void()> fn;
};

}  // namespace

void PostToUi(std::function<void()> fn) {
  QObject* context = QCoreApplication::instance();
  if (context == nullptr) {
    fn();
    return;
  }
  // As in CallOnUi: the call and everything the posting thread did before it
  // happen before the call runs, in a form thread checkers see. Qt's own
  // event only carries a shared pointer to it.
  auto call = std::make_shared<PostedCall>(std::move(fn));
  call->handover.store(1, std::memory_order_release);
  QMetaObject::invokeMethod(
      context,
      [call] {
        (void)call->handover.load(std::memory_order_acquire);
        call->fn();
      },
      Qt::QueuedConnection);
}

bool OnUiThread() {
  QCoreApplication* app = QCoreApplication::instance();
  return app == nullptr || QThread::currentThread() == app->thread();
}

}  // namespace vexo

#pragma once
// Carrying calls to the user-interface thread. Controls live on that thread;
// worker code calls controls directly and the control forwards the call here.
#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>
#include <type_traits>
#include <utility>

namespace vexo {

// True on the thread that runs the application's event loop (or when no
// application exists, so plain code and tests without one call straight through).
bool OnUiThread();

// Runs `fn` on the user-interface thread and returns its result. On that thread
// it runs at once; from another thread the caller waits until the
// user-interface thread has run it. The user-interface thread never waits for a
// worker, so this cannot deadlock while its event loop runs.
template <class F>
auto CallOnUi(F&& fn) -> std::invoke_result_t<F&> {
  using R = std::invoke_result_t<F&>;
  if (OnUiThread()) return fn();
  QObject* context = QCoreApplication::instance();
  if constexpr (std::is_void_v<R>) {
    QMetaObject::invokeMethod(context, std::forward<F>(fn), Qt::BlockingQueuedConnection);
  } else {
    R result{};
    QMetaObject::invokeMethod(
        context, [&] { result = fn(); }, Qt::BlockingQueuedConnection);
    return result;
  }
}

}  // namespace vexo

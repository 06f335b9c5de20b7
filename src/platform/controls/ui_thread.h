#pragma once
// Carrying calls to the user-interface thread. Controls live on that thread;
// worker code calls controls directly and the control forwards the call here.
#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>
#include <atomic>
#include <functional>
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
  // Qt hands the call over under locks of its own; this release/acquire pair
  // states the same ordering in a form thread checkers see: the worker's state
  // before the call happens before the call, the call before the worker reads
  // its result.
  std::atomic<int> handover{0};
  if constexpr (std::is_void_v<R>) {
    handover.store(1, std::memory_order_release);
    QMetaObject::invokeMethod(
        context,
        [&] {
          (void)handover.load(std::memory_order_acquire);
          fn();
          handover.store(2, std::memory_order_release);
        },
        Qt::BlockingQueuedConnection);
    (void)handover.load(std::memory_order_acquire);
  } else {
    R result{};
    handover.store(1, std::memory_order_release);
    QMetaObject::invokeMethod(
        context,
        [&] {
          (void)handover.load(std::memory_order_acquire);
          result = fn();
          handover.store(2, std::memory_order_release);
        },
        Qt::BlockingQueuedConnection);
    (void)handover.load(std::memory_order_acquire);
    return result;
  }
}

// Runs `fn` on the user-interface thread once it gets back to its event loop,
// and returns at once, from any thread (also from the user-interface thread
// itself: the call then waits for the handler under way to return). Nothing
// waits for it; calls posted from one thread run in the order they were posted.
// Without an application it runs at once.
void PostToUi(std::function<void()> fn);

}  // namespace vexo

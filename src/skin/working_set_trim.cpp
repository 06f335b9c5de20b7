#include "skin/working_set_trim.h"

#include <atomic>
#include <thread>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace vexo {

namespace {

std::atomic<bool> running{false};
std::atomic<int> started{0};

}  // namespace

void ReleaseFreeHeapPages() {
#if defined(__GLIBC__)
  malloc_trim(0);
#endif
}

bool TrimWorkingSet(std::function<void()> release) {
  bool idle = false;
  if (!running.compare_exchange_strong(idle, true, std::memory_order_acq_rel)) return false;
  started.fetch_add(1, std::memory_order_relaxed);
  std::thread([release = std::move(release)] {
    if (release) release();
    running.store(false, std::memory_order_release);
  }).detach();
  return true;
}

bool WorkingSetTrimRunning() {
  return running.load(std::memory_order_acquire);
}

int WorkingSetTrimsStarted() {
  return started.load(std::memory_order_relaxed);
}

}  // namespace vexo

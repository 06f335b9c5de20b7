#include "playback/start_thread.h"

#include <atomic>
#include <system_error>
#include <utility>

namespace vexo {
namespace {

std::atomic<int> g_running{0};

}  // namespace

int RunningThreadCount() {
  return g_running.load();
}

bool StartThread(std::function<void()> routine, std::thread* handle) {
  if (!routine) return false;
  std::thread thread;
  g_running.fetch_add(1);
  try {
    thread = std::thread([routine = std::move(routine)] {
      routine();
      g_running.fetch_sub(1);
    });
  } catch (const std::system_error&) {
    g_running.fetch_sub(1);
    return false;  // no thread to spare
  }
  if (handle == nullptr) {
    thread.detach();
    return true;
  }
  if (handle->joinable()) handle->detach();
  *handle = std::move(thread);
  return true;
}

bool StartThread(std::function<void(int)> routine, int parameter, std::thread* handle) {
  if (!routine) return false;
  return StartThread([routine = std::move(routine), parameter] { routine(parameter); }, handle);
}

}  // namespace vexo

#include "playback/start_thread.h"

#include <system_error>
#include <utility>

namespace vexo {

bool StartThread(std::function<void()> routine, std::thread* handle) {
  if (!routine) return false;
  std::thread thread;
  try {
    thread = std::thread(std::move(routine));
  } catch (const std::system_error&) {
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

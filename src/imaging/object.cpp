#include "imaging/object.h"

#include <atomic>

namespace vexo {
namespace {

std::atomic<ImgHandle> g_next_handle{1};

}  // namespace

void ImgObject::TakeNewHandle() {
  handle_ = g_next_handle.fetch_add(1, std::memory_order_relaxed);
}

}  // namespace vexo

#include "imaging/status.h"

#include <atomic>

namespace vexo {
namespace {

// Shared by all imaging objects; atomic so that a stray call from another
// thread cannot tear it, although the skin engine uses the objects on the
// user-interface thread only.
std::atomic<int> g_last_status{kStatusOk};

}  // namespace

int ImgLastStatus() {
  return g_last_status.load(std::memory_order_relaxed);
}

bool ImgRecord(int status) {
  g_last_status.store(status, std::memory_order_relaxed);
  return status == kStatusOk;
}

}  // namespace vexo

#pragma once
// The library of a running server: loaded once on a background thread, read
// by every request thread. Requests that arrive before it is ready wait.
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

#include "service/catalogue.h"
#include "service/library_source.h"

namespace vexo::service {

class LibraryHolder {
 public:
  // Loads the library of `source` (on the calling thread) and publishes it;
  // each problem met is passed to `warn`.
  void Load(const LibrarySource& source, const std::function<void(const std::string&)>& warn);

  // The library, once loaded; empty when `limit` passes first or the holder
  // was abandoned.
  std::shared_ptr<Catalogue> Wait(std::chrono::milliseconds limit) const;
  // The library if it is loaded, without waiting.
  std::shared_ptr<Catalogue> Current() const;

  // The server stops: a load under way ends early and waiting requests give
  // up at once.
  void Abandon();

 private:
  mutable std::mutex mutex_;
  mutable std::condition_variable ready_;
  std::shared_ptr<Catalogue> catalogue_;
  bool abandoned_ = false;
  std::atomic<bool> cancel_{false};
};

}  // namespace vexo::service

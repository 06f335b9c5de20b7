#pragma once
// Play and search counts on their way into the store. Requests add counts
// without waiting; a thread of the recorder gathers them for a moment and
// writes each batch in one transaction. While the store is out of reach the
// counts wait and are written once it is back, so none is lost while the
// service runs.
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <unordered_map>

#include "service/catalogue_store.h"

namespace vexo::service {

class CountRecorder {
 public:
  // `written` is called on the recorder's thread after each batch is stored;
  // `warn` receives the problems met.
  CountRecorder(std::shared_ptr<CatalogueStore> store, std::int64_t library,
                std::function<void()> written, std::function<void(const std::string&)> warn);
  // Writes what is pending (once more if the store is back) and ends.
  ~CountRecorder();
  CountRecorder(const CountRecorder&) = delete;
  CountRecorder& operator=(const CountRecorder&) = delete;

  void AddPlay(std::int64_t id);
  void AddSearch(std::int64_t id);
  // Waits until every count added before the call is stored; false when
  // `limit` passed first.
  bool Flush(std::chrono::milliseconds limit);
  // No more calls of `written` from here on.
  void Detach();

 private:
  void Run();
  void Add(std::int64_t id, std::uint64_t plays, std::uint64_t searches);
  bool WriteBatch(std::unique_lock<std::mutex>& lock);

  std::shared_ptr<CatalogueStore> store_;
  std::int64_t library_;
  std::mutex callback_mutex_;
  std::function<void()> written_callback_;
  std::function<void(const std::string&)> warn_;

  std::mutex mutex_;
  std::condition_variable wake_;
  std::condition_variable stored_;
  std::unordered_map<std::int64_t, CountDelta> pending_;
  std::uint64_t added_ = 0;    // counts added so far
  std::uint64_t written_ = 0;  // of those, the ones stored
  bool hurry_ = false;         // a flush waits: write without gathering
  bool stopping_ = false;
  std::thread thread_;
};

}  // namespace vexo::service

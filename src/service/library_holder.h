#pragma once
// The library of a running server. A thread of the server opens the store,
// brings the library up to date with its folder and publishes the cache;
// it then keeps the cache current: it scans the folder again when the watch
// reports a change, and rebuilds the cache when the library changed or the
// counts moved the popularity order (here or, on a shared database, in
// another service). Requests take the cache as it stands.
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

#include "service/catalogue.h"
#include "service/catalogue_store.h"
#include "service/count_recorder.h"
#include "service/library_source.h"
#include "service/library_sync.h"
#include "service/library_view.h"
#include "service/store_settings.h"

namespace vexo::service {

struct LibrarySettings {
  LibrarySource source;
  StoreSettings store;
  // A store already opened; `store` is used when this is empty.
  std::shared_ptr<CatalogueStore> opened_store;
  // Keep watching a music folder for changes.
  bool watch = true;
  std::function<void(const std::string&)> warn;
  // After each scan of the folder.
  std::function<void(const SyncReport&)> synced;
  // Once the library is first ready, with its size.
  std::function<void(std::size_t songs)> loaded;
};

// What a request holds while it runs: the cache, and the store behind it.
struct LibraryAccess {
  std::shared_ptr<Catalogue> cache;
  std::shared_ptr<CatalogueStore> store;
  std::int64_t library = 0;
  std::shared_ptr<CountRecorder> counts;

  LibraryView View() const { return {*cache, *store, library, counts.get()}; }
};

class LibraryHolder {
 public:
  // Runs on the calling thread until Abandon(): the first load, then keeping
  // the cache current.
  void Run(LibrarySettings settings);

  // The library once loaded; empty when `limit` passes first, the holder was
  // abandoned, or the library could not be opened.
  std::shared_ptr<const LibraryAccess> Wait(std::chrono::milliseconds limit) const;
  // The library if it is loaded, without waiting.
  std::shared_ptr<const LibraryAccess> Current() const;
  // Why the library could not be opened; empty while it could.
  std::string Failure() const;

  // Waits until every count taken so far is in the store; false when `limit`
  // passed first.
  bool FlushCounts(std::chrono::milliseconds limit) const;

  // The server stops: a load under way ends early, waiting requests give up
  // at once, and Run() returns.
  void Abandon();

 private:
  void FirstLoad(LibrarySettings& settings);
  void KeepCurrent(const LibrarySettings& settings);
  void Rebuild();
  void Publish(std::shared_ptr<Catalogue> cache);
  void FolderChanged();
  void StoreChanged(std::int64_t library, StoreChange change);

  mutable std::mutex mutex_;
  mutable std::condition_variable ready_;
  std::condition_variable wake_;
  std::shared_ptr<const LibraryAccess> current_;
  std::string failure_;
  bool abandoned_ = false;
  std::atomic<bool> cancel_{false};

  // Set by the first load, then read only.
  std::shared_ptr<CatalogueStore> store_;
  std::int64_t library_ = 0;
  std::shared_ptr<CountRecorder> counts_;
  std::filesystem::path folder_;

  // What the maintenance loop has to do (under mutex_).
  using Clock = std::chrono::steady_clock;
  bool folder_changed_ = false;
  Clock::time_point first_change_{};
  Clock::time_point last_change_{};
  bool library_changed_ = false;
  bool counts_changed_ = false;
  Clock::time_point last_rebuild_{};
};

}  // namespace vexo::service

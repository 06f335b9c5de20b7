#include "service/library_holder.h"

#include <algorithm>

#include "service/catalogue_loading.h"
#include "service/folder_watch.h"
#include "service/store_constants.h"

namespace vexo::service {

namespace fs = std::filesystem;

void LibraryHolder::Run(LibrarySettings settings) {
  if (!settings.warn) settings.warn = [](const std::string&) {};
  FirstLoad(settings);
  if (!Current()) return;
  KeepCurrent(settings);
  // Nothing calls back into the holder once it stops; the recorder writes
  // its last counts when the last request lets go of it.
  store_->Listen({});
  counts_->Detach();
}

void LibraryHolder::FirstLoad(LibrarySettings& settings) {
  std::error_code ec;
  folder_ = fs::absolute(settings.source.folder, ec).lexically_normal();
  if (!settings.opened_store) {
    try {
      settings.opened_store = OpenStore(settings.store);
    } catch (const StoreError& error) {
      if (!settings.store.memory_if_unusable) {
        settings.warn(error.what());
        std::lock_guard lock(mutex_);
        failure_ = error.what();
        ready_.notify_all();
        return;
      }
      settings.warn(std::string(error.what()) + "; the catalogue is kept in memory for this run");
      settings.opened_store = OpenStore(StoreSettings{});
    }
  }
  auto retry_wait = kReconnectFirstWait;
  while (!cancel_) {
    try {
      store_ = settings.opened_store;
      library_ = store_->OpenLibrary(folder_.generic_string());
      std::vector<std::string> warnings;
      const auto report =
          SyncLibrary(*store_, library_, folder_, settings.store.reindex, warnings, &cancel_);
      for (const auto& warning : warnings)
        settings.warn(warning);
      if (cancel_) return;
      if (report.changed) store_->Announce(library_, StoreChange::kLibrary);
      if (settings.synced) settings.synced(report);
      counts_ = std::make_shared<CountRecorder>(
          store_, library_,
          [this] {
            {
              std::lock_guard lock(mutex_);
              counts_changed_ = true;
            }
            wake_.notify_all();
          },
          settings.warn);
      Publish(BuildCatalogue(*store_, library_, folder_));
      break;
    } catch (const StoreError& error) {
      settings.warn(error.what());
      if (!error.Unavailable()) {
        // A store that cannot be used stays so: requests are refused at
        // once instead of waiting.
        std::lock_guard lock(mutex_);
        failure_ = error.what();
        ready_.notify_all();
        return;
      }
      // The database went away during the first load: try again.
      std::unique_lock lock(mutex_);
      wake_.wait_for(lock, retry_wait, [this] { return abandoned_; });
      retry_wait = std::min(retry_wait * 2, kReconnectLastWait);
    }
  }
  if (settings.loaded) {
    if (const auto current = Current()) settings.loaded(current->cache->Size());
  }
}

void LibraryHolder::Publish(std::shared_ptr<Catalogue> cache) {
  auto access = std::make_shared<LibraryAccess>();
  access->cache = std::move(cache);
  access->store = store_;
  access->library = library_;
  access->counts = counts_;
  {
    std::lock_guard lock(mutex_);
    current_ = std::move(access);
    last_rebuild_ = Clock::now();
  }
  ready_.notify_all();
}

void LibraryHolder::Rebuild() {
  Publish(BuildCatalogue(*store_, library_, folder_));
}

void LibraryHolder::FolderChanged() {
  {
    std::lock_guard lock(mutex_);
    const auto now = Clock::now();
    if (!folder_changed_) first_change_ = now;
    folder_changed_ = true;
    last_change_ = now;
  }
  wake_.notify_all();
}

void LibraryHolder::StoreChanged(std::int64_t library, StoreChange change) {
  if (library != 0 && library != library_) return;
  {
    std::lock_guard lock(mutex_);
    if (change == StoreChange::kCounts) {
      counts_changed_ = true;
    } else {
      library_changed_ = true;
    }
  }
  wake_.notify_all();
}

void LibraryHolder::KeepCurrent(const LibrarySettings& settings) {
  std::unique_ptr<FolderWatch> watch;
  if (settings.watch && !IsGeneratedLibrary(folder_)) {
    std::string problem;
    watch = WatchFolder(
        folder_, [this] { FolderChanged(); }, problem);
    if (!watch) settings.warn(problem);
  }
  store_->Listen(
      [this](std::int64_t library, StoreChange change) { StoreChanged(library, change); });

  auto retry_wait = kReconnectFirstWait;
  std::unique_lock lock(mutex_);
  while (!abandoned_) {
    // The next moment something is due: a quiet folder after a change, or
    // the next popularity refresh.
    const auto scan_due = folder_changed_
                              ? std::min(last_change_ + kWatchQuiet, first_change_ + kWatchLatest)
                              : Clock::time_point::max();
    auto due = scan_due;
    if (library_changed_) due = Clock::now();
    if (counts_changed_) due = std::min(due, last_rebuild_ + kPopularityRefresh);
    if (due == Clock::time_point::max()) {
      wake_.wait(lock);
      continue;
    }
    if (Clock::now() < due) {
      wake_.wait_until(lock, due);
      continue;
    }
    const bool scan = folder_changed_ && Clock::now() >= scan_due;
    folder_changed_ = folder_changed_ && !scan;
    bool rebuild = library_changed_ || counts_changed_;
    library_changed_ = false;
    counts_changed_ = false;
    lock.unlock();
    try {
      if (scan) {
        std::vector<std::string> warnings;
        const auto report = SyncLibrary(*store_, library_, folder_, false, warnings, &cancel_);
        for (const auto& warning : warnings)
          settings.warn(warning);
        if (report.changed) store_->Announce(library_, StoreChange::kLibrary);
        if (settings.synced) settings.synced(report);
        rebuild = rebuild || report.changed;
      }
      if (rebuild) Rebuild();
      retry_wait = kReconnectFirstWait;
      lock.lock();
    } catch (const StoreError& error) {
      settings.warn(error.what());
      lock.lock();
      // Keep what was due and try again after a pause.
      folder_changed_ = folder_changed_ || scan;
      library_changed_ = true;
      wake_.wait_for(lock, retry_wait, [this] { return abandoned_; });
      retry_wait = std::min(retry_wait * 2, kReconnectLastWait);
    }
  }
  lock.unlock();
  watch.reset();
}

std::shared_ptr<const LibraryAccess> LibraryHolder::Wait(std::chrono::milliseconds limit) const {
  std::unique_lock lock(mutex_);
  ready_.wait_for(lock, limit,
                  [this] { return current_ != nullptr || abandoned_ || !failure_.empty(); });
  return abandoned_ ? nullptr : current_;
}

std::shared_ptr<const LibraryAccess> LibraryHolder::Current() const {
  std::lock_guard lock(mutex_);
  return current_;
}

std::string LibraryHolder::Failure() const {
  std::lock_guard lock(mutex_);
  return failure_;
}

bool LibraryHolder::FlushCounts(std::chrono::milliseconds limit) const {
  const auto current = Current();
  return !current || !current->counts || current->counts->Flush(limit);
}

void LibraryHolder::Abandon() {
  cancel_ = true;
  {
    std::lock_guard lock(mutex_);
    abandoned_ = true;
  }
  ready_.notify_all();
  wake_.notify_all();
}

}  // namespace vexo::service

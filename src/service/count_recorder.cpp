#include "service/count_recorder.h"

#include <algorithm>
#include <vector>

#include "service/store_constants.h"

namespace vexo::service {

CountRecorder::CountRecorder(std::shared_ptr<CatalogueStore> store, std::int64_t library,
                             std::function<void()> written,
                             std::function<void(const std::string&)> warn)
    : store_(std::move(store)),
      library_(library),
      written_callback_(std::move(written)),
      warn_(std::move(warn)),
      thread_([this] { Run(); }) {}

CountRecorder::~CountRecorder() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_all();
  thread_.join();
}

void CountRecorder::AddPlay(std::int64_t id) {
  Add(id, 1, 0);
}

void CountRecorder::AddSearch(std::int64_t id) {
  Add(id, 0, 1);
}

void CountRecorder::Add(std::int64_t id, std::uint64_t plays, std::uint64_t searches) {
  {
    std::lock_guard lock(mutex_);
    auto& delta = pending_[id];
    delta.id = id;
    delta.plays += plays;
    delta.searches += searches;
    ++added_;
  }
  wake_.notify_all();
}

void CountRecorder::Detach() {
  std::lock_guard lock(callback_mutex_);
  written_callback_ = nullptr;
}

bool CountRecorder::Flush(std::chrono::milliseconds limit) {
  std::unique_lock lock(mutex_);
  const auto target = added_;
  hurry_ = true;
  wake_.notify_all();
  const bool done = stored_.wait_for(lock, limit, [&] { return written_ >= target; });
  hurry_ = false;
  return done;
}

// Writes the pending counts; on failure they go back to wait. Called and
// returns with the lock held.
bool CountRecorder::WriteBatch(std::unique_lock<std::mutex>& lock) {
  std::vector<CountDelta> batch;
  batch.reserve(pending_.size());
  for (const auto& [id, delta] : pending_)
    batch.push_back(delta);
  pending_.clear();
  const auto covered = added_;
  lock.unlock();
  // One order for every writer, so two services adding to the same songs
  // never wait on each other in a circle.
  std::sort(batch.begin(), batch.end(),
            [](const CountDelta& a, const CountDelta& b) { return a.id < b.id; });
  std::string problem;
  try {
    store_->AddCounts(library_, batch);
    store_->Announce(library_, StoreChange::kCounts);
  } catch (const StoreError& error) {
    problem = error.what();
  }
  lock.lock();
  if (!problem.empty()) {
    for (const auto& delta : batch) {
      auto& back = pending_[delta.id];
      back.id = delta.id;
      back.plays += delta.plays;
      back.searches += delta.searches;
    }
    lock.unlock();
    if (warn_) warn_("counts not stored yet: " + problem);
    lock.lock();
    return false;
  }
  written_ = std::max(written_, covered);
  lock.unlock();
  stored_.notify_all();
  {
    std::lock_guard callback_lock(callback_mutex_);
    if (written_callback_) written_callback_();
  }
  lock.lock();
  return true;
}

void CountRecorder::Run() {
  std::unique_lock lock(mutex_);
  auto retry_wait = kReconnectFirstWait;
  while (true) {
    wake_.wait(lock, [&] { return !pending_.empty() || stopping_; });
    if (pending_.empty()) break;
    if (!stopping_ && !hurry_) {
      // Gather the counts of the next moment into the same write.
      wake_.wait_for(lock, kCountWriteDelay, [&] { return stopping_ || hurry_; });
    }
    if (WriteBatch(lock)) {
      retry_wait = kReconnectFirstWait;
      continue;
    }
    if (stopping_) {
      if (!pending_.empty() && warn_) {
        lock.unlock();
        warn_("counts could not be stored before the service stopped");
        lock.lock();
      }
      break;
    }
    wake_.wait_for(lock, retry_wait, [&] { return stopping_; });
    retry_wait = std::min(retry_wait * 2, kReconnectLastWait);
  }
}

}  // namespace vexo::service

#include "service/library_holder.h"

namespace vexo::service {

void LibraryHolder::Load(const LibrarySource& source,
                         const std::function<void(const std::string&)>& warn) {
  std::vector<std::string> warnings;
  auto catalogue = LoadCatalogue(source, warnings, &cancel_);
  for (const auto& warning : warnings)
    warn(warning);
  {
    std::lock_guard lock(mutex_);
    catalogue_ = std::move(catalogue);
  }
  ready_.notify_all();
}

std::shared_ptr<Catalogue> LibraryHolder::Wait(std::chrono::milliseconds limit) const {
  std::unique_lock lock(mutex_);
  ready_.wait_for(lock, limit, [this] { return catalogue_ != nullptr || abandoned_; });
  return abandoned_ ? nullptr : catalogue_;
}

std::shared_ptr<Catalogue> LibraryHolder::Current() const {
  std::lock_guard lock(mutex_);
  return catalogue_;
}

void LibraryHolder::Abandon() {
  cancel_ = true;
  {
    std::lock_guard lock(mutex_);
    abandoned_ = true;
  }
  ready_.notify_all();
}

}  // namespace vexo::service

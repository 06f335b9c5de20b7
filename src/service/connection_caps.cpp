#include "service/connection_caps.h"

namespace vexo::service {

bool ConnectionCaps::Admit(const std::string& address) {
  std::lock_guard lock(mutex_);
  if (open_ >= total_limit_) return false;
  auto& from_address = by_address_[address];
  if (from_address >= address_limit_) return false;
  ++from_address;
  ++open_;
  return true;
}

void ConnectionCaps::Release(const std::string& address) {
  std::lock_guard lock(mutex_);
  const auto it = by_address_.find(address);
  if (it == by_address_.end()) return;
  if (--it->second == 0) by_address_.erase(it);
  --open_;
}

std::size_t ConnectionCaps::Open() const {
  std::lock_guard lock(mutex_);
  return open_;
}

}  // namespace vexo::service

#pragma once
// How many connections the service holds at once: in total, and from one
// client address, so one greedy client cannot take every place.
#include <cstddef>
#include <mutex>
#include <string>
#include <unordered_map>

namespace vexo::service {

class ConnectionCaps {
 public:
  ConnectionCaps(std::size_t total, std::size_t per_address)
      : total_limit_(total), address_limit_(per_address) {}

  // Takes a place for a connection from `address`; false when a cap is
  // reached.
  bool Admit(const std::string& address);
  // Gives the place back when the connection ends.
  void Release(const std::string& address);
  std::size_t Open() const;

 private:
  const std::size_t total_limit_;
  const std::size_t address_limit_;
  mutable std::mutex mutex_;
  std::size_t open_ = 0;
  std::unordered_map<std::string, std::size_t> by_address_;
};

}  // namespace vexo::service

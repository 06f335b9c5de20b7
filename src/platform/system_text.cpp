#include "platform/system_text.h"

#include <mutex>
#include <string>
#include <unordered_map>

#include "platform/codepage.h"

namespace vexo {

const Text& Sys(std::string_view utf8) {
  static std::mutex mutex;
  static std::unordered_map<std::string, Text> converted;  // nodes never move
  std::lock_guard lock(mutex);
  auto it = converted.find(std::string(utf8));
  if (it == converted.end()) it = converted.emplace(std::string(utf8), Utf8ToSystem(utf8)).first;
  return it->second;
}

}  // namespace vexo

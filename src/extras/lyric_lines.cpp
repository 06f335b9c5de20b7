#include "extras/lyric_lines.h"

#include <utility>

namespace vexo {

SharedLyricLines::SharedLyricLines() : lines_(std::make_shared<const LyricList>()) {}

std::shared_ptr<const LyricList> SharedLyricLines::Snapshot() const {
  return lines_.load(std::memory_order_acquire);
}

void SharedLyricLines::Replace(LyricList lines) {
  lines_.store(std::make_shared<const LyricList>(std::move(lines)), std::memory_order_release);
}

void SharedLyricLines::Clear() {
  Replace({});
}

}  // namespace vexo

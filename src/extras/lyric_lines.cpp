#include "extras/lyric_lines.h"

#include <utility>

namespace vexo {

SharedLyricLines::SharedLyricLines() : lines_(std::make_shared<const LyricList>()) {}

std::shared_ptr<const LyricList> SharedLyricLines::Snapshot() const {
  const std::lock_guard lock(mutex_);
  return lines_;
}

void SharedLyricLines::Replace(LyricList lines) {
  auto fresh = std::make_shared<const LyricList>(std::move(lines));
  {
    const std::lock_guard lock(mutex_);
    lines_.swap(fresh);
  }
  // The old list (now in `fresh`) is released here, outside the lock; a
  // reader that still holds it keeps it alive.
}

void SharedLyricLines::Clear() {
  Replace({});
}

}  // namespace vexo

#pragma once
// The lines of the current lyrics, shared between the lyrics worker, which
// replaces them, and the lyrics timer, which reads them. A list is immutable
// once published and is swapped as a whole: a reader takes a shared pointer to
// the complete old list or the complete new one, and a list stays alive as long
// as anyone still reads it. The swap itself is a pointer exchange under a small
// lock, held for no longer than copying the pointer.
#include <memory>
#include <mutex>
#include <vector>

#include "platform/text.h"

namespace vexo {

using LyricList = std::vector<Text>;

class SharedLyricLines {
 public:
  SharedLyricLines();
  SharedLyricLines(const SharedLyricLines&) = delete;
  SharedLyricLines& operator=(const SharedLyricLines&) = delete;

  // The list as it stands now; never null.
  std::shared_ptr<const LyricList> Snapshot() const;
  // Publishes `lines` as the new list.
  void Replace(LyricList lines);
  // Publishes a new empty list.
  void Clear();

 private:
  mutable std::mutex mutex_;
  std::shared_ptr<const LyricList> lines_;
};

}  // namespace vexo

#pragma once
// Writing a downloaded song: one writer per file name at a time, and a file
// that is either replaced whole or left as it was.
#include <QLockFile>
#include <QString>

#include "platform/text.h"

namespace vexo {

// The exclusive right to write one file, held while the object lives: a lock
// file "<file>.lock" beside it. Another holder (in this program or another)
// makes Held() false at once; a lock left behind by a program that died is
// taken over.
class SongFileLock {
 public:
  explicit SongFileLock(const QString& file);
  bool Held() const { return held_; }

 private:
  QLockFile lock_;
  bool held_ = false;
};

// Writes `bytes` to a temporary file in the same folder and renames it over
// `file` once complete, so `file` holds either its old contents or all of the
// new ones. False (and `file` untouched) when anything fails.
bool ReplaceFileWith(const QString& file, const ByteSet& bytes);

}  // namespace vexo

#pragma once
// Writing a downloaded song: one writer per file name at a time, and a file
// that is either replaced whole or left as it was.
#include <QLockFile>
#include <QSaveFile>
#include <QString>
#include <cstddef>
#include <cstdint>

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

// New contents for `file`, written as they arrive into a temporary file in
// the same folder and put in place by Commit, so `file` holds either its old
// contents or all of the new ones. Nothing is created before Open; a writer
// destroyed without a successful Commit removes its temporary file.
class SongFileWriter {
 public:
  explicit SongFileWriter(const QString& file);
  // Creates the temporary file; false when it cannot be.
  bool Open();
  bool Write(const std::uint8_t* data, std::size_t size);
  std::size_t BytesWritten() const { return written_; }
  // Flushes the new contents to the disk and renames them over the file;
  // false (and the file untouched) when that fails or nothing was opened.
  bool Commit();
  // Drops the temporary file; the file stays as it was.
  void Cancel();

 private:
  QSaveFile out_;
  std::size_t written_ = 0;
};

}  // namespace vexo

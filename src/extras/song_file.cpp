#include "extras/song_file.h"

#include "extras/extras_constants.h"

namespace vexo {

namespace {

// Age-based staleness off: a long download keeps its lock for as long as it
// runs. A lock whose owner process is gone still counts as stale.
constexpr int kNeverStaleByAge = 0;
constexpr int kDontWait = 0;

QString LockFileName(const QString& file) {
  return file + QLatin1StringView(kDownloadLockSuffix.data(),
                                  static_cast<qsizetype>(kDownloadLockSuffix.size()));
}

}  // namespace

SongFileLock::SongFileLock(const QString& file) : lock_(LockFileName(file)) {
  lock_.setStaleLockTime(kNeverStaleByAge);
  held_ = lock_.tryLock(kDontWait);
}

SongFileWriter::SongFileWriter(const QString& file) : out_(file) {
  // Never write into the file itself, even where a temporary file cannot be
  // made beside it.
  out_.setDirectWriteFallback(false);
}

bool SongFileWriter::Open() {
  return out_.isOpen() || out_.open(QIODevice::WriteOnly);
}

bool SongFileWriter::Write(const std::uint8_t* data, std::size_t size) {
  if (!out_.isOpen()) return false;
  const auto length = static_cast<qint64>(size);
  if (out_.write(reinterpret_cast<const char*>(data), length) != length) return false;
  written_ += size;
  return true;
}

bool SongFileWriter::Commit() {
  return out_.isOpen() && out_.commit();
}

void SongFileWriter::Cancel() {
  if (out_.isOpen()) out_.cancelWriting();
}

}  // namespace vexo

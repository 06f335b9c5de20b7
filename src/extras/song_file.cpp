#include "extras/song_file.h"

#include <QSaveFile>

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

bool ReplaceFileWith(const QString& file, const ByteSet& bytes) {
  QSaveFile out(file);
  out.setDirectWriteFallback(false);
  if (!out.open(QIODevice::WriteOnly)) return false;
  const auto size = static_cast<qint64>(bytes.size());
  if (out.write(reinterpret_cast<const char*>(bytes.data()), size) != size) {
    out.cancelWriting();
    return false;
  }
  return out.commit();
}

}  // namespace vexo

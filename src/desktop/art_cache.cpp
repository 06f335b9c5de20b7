#include "desktop/art_cache.h"

#include <QBuffer>
#include <QByteArray>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QSaveFile>
#include <QUrl>
#include <map>
#include <utility>

#include "platform/controls/ui_thread.h"
#include "playback/start_thread.h"

namespace vexo::desktop {
namespace {

QByteArray AsByteArray(const ByteSet& bytes) {
  return QByteArray(reinterpret_cast<const char*>(bytes.data()),
                    static_cast<qsizetype>(bytes.size()));
}

// The file extension of the picture's format; empty when it does not decode.
QString PictureExtension(QByteArray& data) {
  QBuffer buffer(&data);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer);
  if (!reader.canRead()) return {};
  const QByteArray format = reader.format();
  if (format == "jpeg") return QStringLiteral("jpg");
  return QString::fromLatin1(format);
}

constexpr qsizetype kHashDigits = 40;

// A saved picture's own name: <sha1>.<format>; a picture still being written
// has a temporary name and is left alone.
bool IsPictureName(const QFileInfo& file) {
  return file.baseName().size() == kHashDigits && !file.completeSuffix().contains(QLatin1Char('.'));
}

void KeepNewest(const QDir& dir, const QString& justWritten) {
  int kept = 1;  // the picture just written stays whatever its time
  for (const QFileInfo& file : dir.entryInfoList(QDir::Files, QDir::Time)) {
    if (!IsPictureName(file) || file.absoluteFilePath() == justWritten) continue;
    if (kept < kKeptPictures) {
      ++kept;
    } else {
      QFile::remove(file.absoluteFilePath());
    }
  }
}

}  // namespace

// What the workers report back to: the addresses of saved pictures by content.
// Outlives the cache while a worker still runs.
struct ArtCache::Shared {
  std::function<void()> onSaved;
  std::map<QByteArray, QString> urls;  // sha1 -> address ("" while saving)
};

ArtCache::ArtCache(QString folder, std::function<void()> onSaved)
    : folder_(std::move(folder)), shared_(std::make_shared<Shared>()) {
  shared_->onSaved = std::move(onSaved);
}

ArtCache::~ArtCache() = default;

QString SavePicture(const QString& folder, const ByteSet& picture) {
  QByteArray data = AsByteArray(picture);
  const QString extension = PictureExtension(data);
  if (extension.isEmpty()) return {};
  QDir dir(folder);
  if (!dir.mkpath(QStringLiteral("."))) return {};
  const QString name =
      QString::fromLatin1(QCryptographicHash::hash(data, QCryptographicHash::Sha1).toHex() + '.' +
                          extension.toLatin1());
  const QString path = dir.absoluteFilePath(name);
  if (QFileInfo::exists(path)) {
    // Saved by an earlier run: it becomes the newest, so the folder keeps it.
    QFile file(path);
    if (file.open(QIODevice::ReadWrite))
      file.setFileTime(QDateTime::currentDateTime(), QFileDevice::FileModificationTime);
  } else {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit())
      return {};
  }
  KeepNewest(dir, path);
  return path;
}

QString ArtCache::UrlFor(const ByteSet& picture) {
  if (picture.empty()) return {};
  const QByteArray key = QCryptographicHash::hash(AsByteArray(picture), QCryptographicHash::Sha1);
  auto found = shared_->urls.find(key);
  if (found != shared_->urls.end()) {
    // Saved before, and still there unless the folder has let it go since.
    if (found->second.isEmpty() || QFileInfo::exists(QUrl(found->second).toLocalFile()))
      return found->second;
    shared_->urls.erase(found);
  }
  shared_->urls.emplace(key, QString());
  std::weak_ptr<Shared> weak = shared_;
  StartThread([weak, key, folder = folder_, picture] {
    const QString path = SavePicture(folder, picture);
    PostToUi([weak, key, path] {
      auto shared = weak.lock();
      // A picture that cannot be saved stays without an address this run.
      if (!shared || path.isEmpty()) return;
      shared->urls[key] = QUrl::fromLocalFile(path).toString();
      if (shared->onSaved) shared->onSaved();
    });
  });
  return {};
}

}  // namespace vexo::desktop

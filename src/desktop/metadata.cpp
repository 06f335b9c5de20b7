#include "desktop/metadata.h"

#include <QStringList>

#include "desktop/mpris_names.h"
#include "platform/controls/qt_text.h"

namespace vexo::desktop {
namespace {

constexpr QLatin1StringView kRowPathPrefix{"/org/example/vexo/row/"};
constexpr char kHexDigits[] = "0123456789abcdef";
constexpr int kHighNibbleShift = 4;
constexpr unsigned kNibbleMask = 0xF;

bool IsPathCharacter(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

QString PathElement(const Text& id) {
  QString element;
  for (unsigned char c : id) {
    if (IsPathCharacter(c)) {
      element += QLatin1Char(static_cast<char>(c));
    } else {
      element += QLatin1Char('_');
      element += QLatin1Char(kHexDigits[c >> kHighNibbleShift]);
      element += QLatin1Char(kHexDigits[c & kNibbleMask]);
    }
  }
  return element;
}

}  // namespace

QDBusObjectPath TrackIdOf(const SongShown& song) {
  if (song.row < 0) return QDBusObjectPath(QString(kNoTrackPath));
  if (song.id.empty()) return QDBusObjectPath(QString(kRowPathPrefix) + QString::number(song.row));
  return QDBusObjectPath(QString(kSongPathPrefix) + PathElement(song.id));
}

QVariantMap MetadataOf(const SongShown& song, const QString& artUrl) {
  QVariantMap map;
  map.insert(QStringLiteral("mpris:trackid"), QVariant::fromValue(TrackIdOf(song)));
  if (song.row < 0) return map;
  map.insert(QStringLiteral("xesam:title"), ToQString(song.name));
  if (!song.singer.empty())
    map.insert(QStringLiteral("xesam:artist"), QStringList{ToQString(song.singer)});
  if (!song.url.empty()) map.insert(QStringLiteral("xesam:url"), ToQString(song.url));
  if (song.lengthUs > 0)
    map.insert(QStringLiteral("mpris:length"), QVariant::fromValue(qlonglong{song.lengthUs}));
  if (!artUrl.isEmpty()) map.insert(QStringLiteral("mpris:artUrl"), artUrl);
  return map;
}

}  // namespace vexo::desktop

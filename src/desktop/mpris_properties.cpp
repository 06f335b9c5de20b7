#include "desktop/mpris_properties.h"

#include <QStringList>

#include "desktop/metadata.h"
#include "desktop/mpris_names.h"

namespace vexo::desktop {

QString StatusText(bool playing) {
  return playing ? QString(kStatusPlaying) : QString(kStatusStopped);
}

QString LoopText(bool singleLoop) {
  return singleLoop ? QString(kLoopTrack) : QString(kLoopNone);
}

QVariantMap RootProperties() {
  return {
      {QStringLiteral("CanQuit"), true},
      {QStringLiteral("CanRaise"), true},
      {QStringLiteral("HasTrackList"), false},
      {QStringLiteral("Identity"), QString(kIdentity)},
      {QStringLiteral("DesktopEntry"), QString(kDesktopEntryId)},
      // Songs come from the song list only: nothing is opened by address.
      {QStringLiteral("SupportedUriSchemes"), QStringList()},
      {QStringLiteral("SupportedMimeTypes"), QStringList()},
  };
}

QVariantMap PlayerProperties(const PlayerSnapshot& s, const QString& artUrl,
                             std::int64_t positionUs) {
  return {
      {QString(kPlaybackStatus), StatusText(s.playing)},
      {QString(kLoopStatus), LoopText(s.singleLoop)},
      {QString(kRate), kPlayRate},
      {QString(kShuffle), s.random},
      {QString(kMetadata), MetadataOf(s.song, artUrl)},
      {QString(kVolume), kFullVolume},
      {QString(kPosition), QVariant::fromValue(qlonglong{positionUs})},
      {QStringLiteral("MinimumRate"), kPlayRate},
      {QStringLiteral("MaximumRate"), kPlayRate},
      {QStringLiteral("CanGoNext"), true},
      {QStringLiteral("CanGoPrevious"), true},
      {QStringLiteral("CanPlay"), true},
      // A stop rewinds: the player cannot pause and go on.
      {QStringLiteral("CanPause"), false},
      {QStringLiteral("CanSeek"), true},
      {QStringLiteral("CanControl"), true},
  };
}

QVariantMap ChangedPlayerProperties(const PlayerSnapshot& before, const QString& artBefore,
                                    const PlayerSnapshot& after, const QString& artAfter) {
  QVariantMap changed;
  if (before.playing != after.playing)
    changed.insert(QString(kPlaybackStatus), StatusText(after.playing));
  if (before.singleLoop != after.singleLoop)
    changed.insert(QString(kLoopStatus), LoopText(after.singleLoop));
  if (before.random != after.random) changed.insert(QString(kShuffle), after.random);
  if (before.song != after.song || artBefore != artAfter)
    changed.insert(QString(kMetadata), MetadataOf(after.song, artAfter));
  return changed;
}

bool IsWritablePlayerProperty(const QString& name) {
  return name == kLoopStatus || name == kShuffle || name == kRate || name == kVolume;
}

}  // namespace vexo::desktop

#pragma once
// The song the media controls show, in the form MPRIS gives it: a track id and
// the Metadata map of xesam and mpris fields.
#include <QDBusObjectPath>
#include <QString>
#include <QVariantMap>

#include "desktop/player_snapshot.h"

namespace vexo::desktop {

// The song's track id: an object path that names the song by its identifier
// (bytes outside [A-Za-z0-9] written as "_" and two hex digits), or by its row
// when it has none; the "no track" path when there is no song.
QDBusObjectPath TrackIdOf(const SongShown& song);

// mpris:trackid, xesam:title, xesam:artist, xesam:url, mpris:length (once
// known) and mpris:artUrl (when given); only the track id when there is no song.
QVariantMap MetadataOf(const SongShown& song, const QString& artUrl);

}  // namespace vexo::desktop

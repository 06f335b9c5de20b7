#pragma once
// The properties of the player's two interfaces and their values, from what
// the player shows.
#include <QString>
#include <QVariantMap>
#include <cstdint>

#include "desktop/player_snapshot.h"

namespace vexo::desktop {

// PlaybackStatus: the player has no pause; a song plays or nothing does.
inline constexpr QLatin1StringView kStatusPlaying{"Playing"};
inline constexpr QLatin1StringView kStatusStopped{"Stopped"};
// LoopStatus: single loop repeats the song; the list is never repeated.
inline constexpr QLatin1StringView kLoopTrack{"Track"};
inline constexpr QLatin1StringView kLoopNone{"None"};
inline constexpr QLatin1StringView kLoopPlaylist{"Playlist"};

// The one play rate and the full stream volume: the player keeps no volume of
// its own (its volume keys step the system's).
inline constexpr double kPlayRate = 1.0;
inline constexpr double kFullVolume = 1.0;

// Property names that change and are written.
inline constexpr QLatin1StringView kPlaybackStatus{"PlaybackStatus"};
inline constexpr QLatin1StringView kLoopStatus{"LoopStatus"};
inline constexpr QLatin1StringView kShuffle{"Shuffle"};
inline constexpr QLatin1StringView kMetadata{"Metadata"};
inline constexpr QLatin1StringView kPosition{"Position"};
inline constexpr QLatin1StringView kRate{"Rate"};
inline constexpr QLatin1StringView kVolume{"Volume"};

QString StatusText(bool playing);
QString LoopText(bool singleLoop);

// Every property of org.mpris.MediaPlayer2.
QVariantMap RootProperties();
// Every property of org.mpris.MediaPlayer2.Player.
QVariantMap PlayerProperties(const PlayerSnapshot& s, const QString& artUrl,
                             std::int64_t positionUs);

// The player properties that differ between two readings, with their new
// values (Position is read on demand and never announced).
QVariantMap ChangedPlayerProperties(const PlayerSnapshot& before, const QString& artBefore,
                                    const PlayerSnapshot& after, const QString& artAfter);

// True for the properties a client may set.
bool IsWritablePlayerProperty(const QString& name);

}  // namespace vexo::desktop

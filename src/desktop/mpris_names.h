#pragma once
// The names the player answers to on the session bus: its well-known name,
// its object, the two media player interfaces and the errors it replies with.
#include <QLatin1StringView>

namespace vexo::desktop {

// The player's well-known name; owning it also makes this the one player of
// the session.
inline constexpr QLatin1StringView kMprisBusName{"org.mpris.MediaPlayer2.vexo"};
inline constexpr QLatin1StringView kMprisObjectPath{"/org/mpris/MediaPlayer2"};
inline constexpr QLatin1StringView kRootInterface{"org.mpris.MediaPlayer2"};
inline constexpr QLatin1StringView kPlayerInterface{"org.mpris.MediaPlayer2.Player"};
inline constexpr QLatin1StringView kPropertiesInterface{"org.freedesktop.DBus.Properties"};
inline constexpr QLatin1StringView kIntrospectableInterface{"org.freedesktop.DBus.Introspectable"};

// The name the desktop knows the player by (its desktop entry, icon and
// AppStream component), set once by the build.
inline constexpr QLatin1StringView kDesktopEntryId{VEXO_APP_ID};
// The player's name as the desktop shows it.
inline constexpr QLatin1StringView kIdentity{"Vexo"};

// The track id of "no song".
inline constexpr QLatin1StringView kNoTrackPath{"/org/mpris/MediaPlayer2/TrackList/NoTrack"};
// Songs are named by their identifier under this path.
inline constexpr QLatin1StringView kSongPathPrefix{"/org/example/vexo/song/"};

// Errors of the bus and of the player.
inline constexpr QLatin1StringView kErrorUnknownMethod{"org.freedesktop.DBus.Error.UnknownMethod"};
inline constexpr QLatin1StringView kErrorUnknownInterface{
    "org.freedesktop.DBus.Error.UnknownInterface"};
inline constexpr QLatin1StringView kErrorUnknownProperty{
    "org.freedesktop.DBus.Error.UnknownProperty"};
inline constexpr QLatin1StringView kErrorReadOnly{"org.freedesktop.DBus.Error.PropertyReadOnly"};
inline constexpr QLatin1StringView kErrorInvalidArgs{"org.freedesktop.DBus.Error.InvalidArgs"};
inline constexpr QLatin1StringView kErrorNotSupported{"org.freedesktop.DBus.Error.NotSupported"};
inline constexpr QLatin1StringView kErrorStarting{"org.mpris.MediaPlayer2.vexo.Error.Starting"};
inline constexpr QLatin1StringView kErrorBusy{"org.mpris.MediaPlayer2.vexo.Error.Busy"};

}  // namespace vexo::desktop

#pragma once
// Keeps the bus in step with the player. The play rules and the controls raise
// no change events (the window's state lives in its controls), so the watch
// reads what the media controls show again: right after each request from the
// bus, and every kWatchIntervalMs for what changes at the window, at the end
// of a song or when a singer picture arrives. It announces what changed
// (PropertiesChanged) and a position that jumped (Seeked), as when the user
// drags the window's seek slider.
#include <QDBusConnection>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdint>

#include "desktop/art_cache.h"
#include "desktop/player_snapshot.h"

namespace vexo::desktop {

inline constexpr int kWatchIntervalMs = 250;
// A position this far from where playing on would have taken it was sought.
inline constexpr std::int64_t kSeekJumpUs = 1'500'000;

class ChangeWatch {
 public:
  // Reads the player once; from then on announces changes on `bus`. Singer
  // pictures are saved into `artFolder`.
  ChangeWatch(DesktopView& view, QDBusConnection bus, QString artFolder);
  ~ChangeWatch();
  ChangeWatch(const ChangeWatch&) = delete;
  ChangeWatch& operator=(const ChangeWatch&) = delete;

  // Reads the player and announces what changed since the last reading.
  void Check();
  // Announces a seek to `positionUs`, from which playing goes on.
  void AnnounceSeek(std::int64_t positionUs);

  const PlayerSnapshot& Current() const { return last_; }
  // The address of the shown singer picture's file; empty while there is none.
  const QString& ArtUrl() const { return lastArt_; }

 private:
  QString ArtFor(const PlayerSnapshot& s);
  void RestartPositionClock(std::int64_t positionUs);

  DesktopView& view_;
  QDBusConnection bus_;
  ArtCache art_;
  QTimer timer_;
  PlayerSnapshot last_;
  QString lastArt_;
  std::int64_t lastPositionUs_ = 0;
  QElapsedTimer positionClock_;
};

}  // namespace vexo::desktop

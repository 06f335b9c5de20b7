#pragma once
// What the desktop's media controls show of the player, read from the window's
// controls and the play state: is a song playing, which song, and the play mode.
#include <cstdint>

#include "desktop/desktop_view.h"

namespace vexo::desktop {

struct SongShown {
  // The song list row; -1 when there is no song to show.
  int row = -1;
  // Its cells.
  Text name;
  Text singer;
  Text id;
  Text url;
  // Length in microseconds; 0 while it is not known (a row not yet opened).
  std::int64_t lengthUs = 0;

  bool operator==(const SongShown&) const = default;
};

struct PlayerSnapshot {
  bool playing = false;
  // The play mode as the menu ticks it: single loop, random, else sequential.
  bool singleLoop = false;
  bool random = false;
  SongShown song;

  bool operator==(const PlayerSnapshot&) const = default;
};

// True while the media player plays a song.
bool IsPlaying(DesktopView& v);

// The song the media controls show. While a song plays, the row that holds
// the open medium: the row play started last (CurrentSongIndex), or the
// selected row once "下一曲" has stepped past the last row while that song
// plays on. While nothing plays, the selected row: the song the play button
// would start. -1: none.
int ShownRow(DesktopView& v, bool playing);

PlayerSnapshot ReadPlayer(DesktopView& v);

// Where the playing song is, in microseconds; 0 while nothing plays.
std::int64_t PositionUs(DesktopView& v);

}  // namespace vexo::desktop

#include "desktop/player_snapshot.h"

#include "extras/extras_constants.h"

namespace vexo::desktop {
namespace {

constexpr std::int64_t kUsPerMs = 1000;

void ReadCells(const ListView& list, SongShown& song) {
  song.name = list.Cell(song.row, kSongColumnName);
  song.singer = list.Cell(song.row, kSongColumnSinger);
  song.id = list.Cell(song.row, kSongColumnId);
  song.url = list.Cell(song.row, kSongColumnUrl);
}

}  // namespace

bool IsPlaying(DesktopView& v) {
  return v.player.媒体播放1.GetPlayState() == kPlayStatePlaying;
}

int ShownRow(DesktopView& v, bool playing) {
  const ListView& list = v.player.超级列表框1;
  const int selected = list.CurrentRow();
  if (!playing) return selected;
  // The playing song is the open medium: of the row play started last and the
  // selected row, the first that holds its URL.
  const int started = v.playback.CurrentSongIndex;
  const bool startedExists = started >= 0 && started < list.RowCount();
  for (int row : {startedExists ? started : -1, selected}) {
    if (row >= 0 && list.Cell(row, kSongColumnUrl) == v.playback.CurrentSongUrl) return row;
  }
  return startedExists ? started : selected;
}

PlayerSnapshot ReadPlayer(DesktopView& v) {
  PlayerSnapshot s;
  s.playing = IsPlaying(v);
  s.singleLoop = v.player.单曲循环.IsTicked();
  s.random = !s.singleLoop && v.player.随机播放.IsTicked();
  const int row = ShownRow(v, s.playing);
  if (row < 0) return s;
  s.song.row = row;
  ReadCells(v.player.超级列表框1, s.song);
  // Only the medium that is open has a length: the row play opened last.
  if (row == v.playback.CurrentSongIndex && !s.song.url.empty() &&
      s.song.url == v.playback.CurrentSongUrl) {
    s.song.lengthUs = static_cast<std::int64_t>(v.player.媒体播放1.GetLengthMs()) * kUsPerMs;
  }
  return s;
}

std::int64_t PositionUs(DesktopView& v) {
  if (!IsPlaying(v)) return 0;
  const int ms = v.player.媒体播放1.GetPositionMs();
  return ms < 0 ? 0 : static_cast<std::int64_t>(ms) * kUsPerMs;
}

}  // namespace vexo::desktop

#include "playback/play_control.h"

#include "platform/controls/message_box.h"
#include "platform/sound/system_volume.h"
#include "platform/system_text.h"
#include "playback/format_min_sec.h"
#include "playback/play_modes.h"

namespace vexo {
namespace {

constexpr int kMsPerSecond = 1000;
constexpr int kSliderToMinimum = -1;

const Text& TimeSeparator() {
  return Sys("｜");
}

}  // namespace

const Text& PlayCaption() {
  return Sys("播放");
}
const Text& StopCaption() {
  return Sys("停止");
}
const Text& IdleStatusText() {
  return Sys("等待播放");
}
const Text& IdleSingerText() {
  return Sys("歌手名");
}
const Text& IdleTimeText() {
  return Sys("00:00｜00:00");
}

void ShowIdle(PlayerView& v) {
  v.时钟1.SetInterval(0);
  v.滑块条1.SetPosition(kSliderToMinimum);
  v.按钮1.SetCaption(PlayCaption());
  v.透明标签2.SetText(IdleTimeText());
  v.透明标签1.SetText(IdleStatusText());
  v.透明标签3.SetText(IdleSingerText());
}

void StopSong(PlayerView& v) {
  v.媒体播放1.StopMedia();
  // The user asked for silence: the display goes idle at once and the
  // progress timer stops with it, so no tick mistakes the stop for the end
  // of the song and starts another one.
  ShowIdle(v);
}

void TogglePlay(PlayerView& v, PlaybackState& s) {
  // A click on 停止 stops whatever plays, whether or not a row is selected.
  if (v.按钮1.Caption() != PlayCaption()) {
    StopSong(v);
    return;
  }
  ListView& list = v.超级列表框1;
  // A run of failing rows tries one row after the other, one message each.
  while (true) {
    int row = list.CurrentRow();
    if (row == -1) {
      ShowMessage(Sys("请先选择歌曲播放"));
      return;
    }
    s.CurrentSongIndex = row;
    s.CurrentSongUrl = list.Cell(row, kSongColumnUrl);
    if (v.媒体播放1.OpenMedia(s.CurrentSongUrl)) break;
    // The attempt closed the song before it: nothing plays now, so nothing
    // of that song stays on display while the message shows.
    ShowIdle(v);
    ShowMessage(Sys("播放失败"));
    if (s.CurrentSongIndex + 1 >= list.RowCount()) return;  // the last row: stop trying
    // A handler that ran while the message showed may have started a song.
    if (v.按钮1.Caption() != PlayCaption()) return;
    list.SetCurrentRow(s.CurrentSongIndex + 1);
  }

  v.按钮1.SetCaption(StopCaption());
  v.媒体播放1.PlayMedia(kPlayFromCurrent);
  list.SetCurrentRow(s.CurrentSongIndex);
  int row = s.CurrentSongIndex;
  v.透明标签3.SetText(list.Cell(row, kSongColumnSinger));
  v.透明标签1.SetText(Sys("正在播放：") + list.Cell(row, kSongColumnName));
  v.滑块条1.SetMaximum(v.媒体播放1.GetLengthMs() / kMsPerSecond);
  v.时钟1.SetInterval(kProgressIntervalMs);
  if (s.startPictureWorker) s.startPictureWorker();
  if (s.startLyricsWorker) s.startLyricsWorker();
}

void PlaySelected(PlayerView& v, PlaybackState& s) {
  v.按钮1.SetCaption(PlayCaption());
  TogglePlay(v, s);
}

void ProgressTick(PlayerView& v, PlaybackState& s) {
  // A tick that was already on its way when the timer stopped (a stop, the
  // end of a song) belongs to no song.
  if (!v.时钟1.IsRunning()) return;
  MediaPlay& media = v.媒体播放1;
  int position = media.GetPositionMs();
  int elapsed = position < 0 ? 0 : position / kMsPerSecond;
  v.透明标签2.SetText(FormatMinSec(elapsed) + TimeSeparator() +
                      FormatMinSec(media.GetLengthSeconds()));
  v.滑块条1.SetPosition(media.GetPositionMs() / kMsPerSecond);
  if (media.GetPlayState() != kPlayStateStopped) return;

  ShowIdle(v);
  ChooseAfterSongEnd(v, s);
}

void SeekToSlider(PlayerView& v) {
  v.媒体播放1.PlayMedia(v.滑块条1.Position() * kMsPerSecond);
}

void VolumeUp() {
  StepSystemVolume(true);
}
void VolumeDown() {
  StepSystemVolume(false);
}

}  // namespace vexo

#include "app/event_table.h"

#include "app/global_state.h"
#include "app/main_window.h"
#include "app/shell_handlers.h"
#include "playback/play_control.h"
#include "playback/play_modes.h"

namespace vexo {

void WireEvents(MainWindow& w) {
  PlaybackState& ps = Globals()->playback;
  // Every handler gets the view anew: it is a handful of references.
  auto play = [&w, &ps](void (*handler)(PlayerView&, PlaybackState&)) {
    return [&w, &ps, handler] {
      PlayerView v = w.Player();
      handler(v, ps);
    };
  };
  auto mode = [&w](PlayMode m) {
    return [&w, m] {
      PlayerView v = w.Player();
      SetPlayMode(v, m);
    };
  };

  // The window.
  w.window.onCreated = [&w] { OnWindowCreated(w); };
  w.window.onMayClose = [&w] { return ConfirmClose(w); };

  // Play control, song list and play modes.
  w.按钮1.onClick = play(TogglePlay);
  w.按钮2.onClick = play(PlayPrevious);
  w.按钮3.onClick = play(PlayNext);
  w.滑块条1.onPositionChanged = [&w] {
    PlayerView v = w.Player();
    SeekToSlider(v);
  };
  w.时钟1.onTick = play(ProgressTick);
  w.超级列表框1.onDoubleClick = play(PlaySelected);
  w.超级列表框1.onRightButtonDown = [&w] { ShowSongMenu(w); };

  // Lyrics.
  w.时钟2.onTick = [] { /* lyrics timer tick */ };
  w.选择框2.onClick = [] { /* start LyricsWorker */ };

  // Shell.
  w.选择框1.onClick = [&w] { ApplyTopmost(w); };
  w.透明标签5.onLeftButtonDown = [&w] { OpenPromoPage(w); };

  // Charts, search and suggestions.
  w.按钮4.onClick = [] { /* chart 热歌榜 */ };
  w.按钮5.onClick = [] { /* chart 新歌榜 */ };
  w.按钮6.onClick = [] { /* chart 老歌榜 */ };
  w.按钮7.onClick = [] { /* chart 热搜榜 */ };
  w.编辑框1.onKeyDown = [](int, int) { /* search on Enter */ };
  w.编辑框1.onContentChanged = [] { /* RequestSuggestions */ };
  w.图形按钮1.onClick = [] { /* SearchSongs */ };
  w.列表框1.onItemChosen = [] { /* take the suggestion */ };

  // The pop-up menu.
  SongMenu& m = w.菜单;
  m.播放.onChosen = play(PlaySelected);
  m.上一曲.onChosen = play(PlayPrevious);
  m.下一曲.onChosen = play(PlayNext);
  m.增大音量.onChosen = VolumeUp;
  m.减少音量.onChosen = VolumeDown;
  m.单曲循环.onChosen = mode(PlayMode::kSingleLoop);
  m.顺序播放.onChosen = mode(PlayMode::kSequential);
  m.随机播放.onChosen = mode(PlayMode::kRandom);
  m.下载.onChosen = [] { /* start DownloadWorker */ };
  m.关于.onChosen = [&w] { ShowAbout(w); };
}

}  // namespace vexo

#include "app/event_table.h"

#include "app/main_window.h"
#include "app/shell_handlers.h"

namespace vexo {

void WireEvents(MainWindow& w) {
  // The window.
  w.window.onCreated = [&w] { OnWindowCreated(w); };
  w.window.onMayClose = [&w] { return ConfirmClose(w); };

  // Play control, song list and play modes.
  w.按钮1.onClick = [] { /* TogglePlay */ };
  w.按钮2.onClick = [] { /* PlayPrevious */ };
  w.按钮3.onClick = [] { /* PlayNext */ };
  w.滑块条1.onPositionChanged = [] { /* SeekToSlider */ };
  w.时钟1.onTick = [] { /* ProgressTick */ };
  w.超级列表框1.onDoubleClick = [] { /* PlaySelected */ };
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
  m.播放.onChosen = [] { /* PlaySelected */ };
  m.上一曲.onChosen = [] { /* PlayPrevious */ };
  m.下一曲.onChosen = [] { /* PlayNext */ };
  m.增大音量.onChosen = [] { /* VolumeUp */ };
  m.减少音量.onChosen = [] { /* VolumeDown */ };
  m.单曲循环.onChosen = [] { /* SetPlayMode */ };
  m.顺序播放.onChosen = [] { /* SetPlayMode */ };
  m.随机播放.onChosen = [] { /* SetPlayMode */ };
  m.下载.onChosen = [] { /* start DownloadWorker */ };
  m.关于.onChosen = [&w] { ShowAbout(w); };
}

}  // namespace vexo

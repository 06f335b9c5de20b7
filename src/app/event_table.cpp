#include "app/event_table.h"

#include "app/global_state.h"
#include "app/main_window.h"
#include "app/shell_handlers.h"
#include "catalogue/chart_lists.h"
#include "catalogue/search_box.h"
#include "extras/download_worker.h"
#include "extras/lyrics_display.h"
#include "extras/lyrics_worker.h"
#include "extras/picture_worker.h"
#include "playback/play_control.h"
#include "playback/play_modes.h"

namespace vexo {

void WireEvents(MainWindow& w) {
  PlaybackState& ps = Globals()->playback;
  CatalogueState& cs = Globals()->catalogue;
  ExtrasState& es = Globals()->extras;
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

  auto chart = [&w, &cs](Chart c) {
    return [&w, &cs, c] {
      CatalogueView v = w.Catalogue();
      ClickChartButton(v, cs, c);
    };
  };
  auto catalogue = [&w, &cs](auto handler) {
    return [&w, &cs, handler] {
      CatalogueView v = w.Catalogue();
      handler(v, cs);
    };
  };

  // Each song that starts fetches its singer's picture, then its lyrics.
  ps.startPictureWorker = [&w, &es] { StartPictureWorker(w.Picture(), es); };
  ps.startLyricsWorker = [&w, &es] { StartLyricsWorker(w.Lyrics(), es); };

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
  w.时钟2.onTick = [&w, &es] { LyricsTick(w.Lyrics(), es); };
  w.选择框2.onClick = [&w, &es] { OnLyricsBoxClicked(w.Lyrics(), es); };

  // Shell.
  w.选择框1.onClick = [&w] { ApplyTopmost(w); };
  w.透明标签5.onLeftButtonDown = [&w] { OpenPromoPage(w); };

  // Charts, search and suggestions.
  w.按钮4.onClick = chart(Chart::kHot);
  w.按钮5.onClick = chart(Chart::kNew);
  w.按钮6.onClick = chart(Chart::kOld);
  w.按钮7.onClick = chart(Chart::kHotSearches);
  w.编辑框1.onKeyDown = [&w, &cs](int keyCode, int shiftState) {
    CatalogueView v = w.Catalogue();
    SearchBoxKeyDown(v, cs, keyCode, shiftState);
  };
  w.编辑框1.onContentChanged = catalogue(RequestSuggestions);
  w.图形按钮1.onClick = catalogue([](CatalogueView& v, CatalogueState& s) { SearchSongs(v, s); });
  w.列表框1.onItemChosen = catalogue(TakeSuggestion);

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
  m.下载.onChosen = [&w, &es] { StartDownloadWorker(w.Download(), es); };
  m.关于.onChosen = [&w] { ShowAbout(w); };
}

}  // namespace vexo

#include "extras/lyrics_worker.h"

#include "extras/current_row.h"
#include "extras/extras_constants.h"
#include "extras/lyrics_answer.h"
#include "extras/service_address.h"
#include "net/http_request.h"
#include "playback/start_thread.h"

namespace vexo {

void LyricsWorker(const LyricsView& v, ExtrasState& s) {
  if (!v.选择框2.IsTicked()) {
    v.主窗口.SetHeight(kPlainWindowHeight);
    v.时钟2.SetInterval(kLyricsTimerStopped);
    return;
  }
  v.主窗口.SetHeight(kLyricsWindowHeight);

  const SongRowCells row = ReadCurrentRow(v.超级列表框1);
  const Text answer = HttpRequestText(LyricsUrl(ServiceBaseUrl(s.serviceAddress), row));
  const Text lyricText = LyricTextOf(answer);
  if (lyricText.empty()) {
    s.LyricLines.Clear();
    v.透明标签4.SetText(NoLyricsText(row));
    return;
  }
  s.LyricLines.Replace(SplitLyricText(lyricText));
  v.透明标签4.SetText(LyricsHeading(row));
  // A timer already at this interval keeps running undisturbed.
  v.时钟2.SetInterval(kLyricsTimerIntervalMs);
}

void StartLyricsWorker(const LyricsView& v, ExtrasState& s) {
  StartThread([v, &s] { LyricsWorker(v, s); });
}

}  // namespace vexo

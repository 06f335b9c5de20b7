#include "extras/lyrics_display.h"

#include "extras/extras_constants.h"
#include "extras/lyric_line_match.h"
#include "extras/lyrics_worker.h"
#include "platform/clock.h"
#include "platform/controls/wait_with_events.h"
#include "playback/format_min_sec.h"

namespace vexo {

namespace {

// Marks a tick as running for as long as it lives.
class TickMark {
 public:
  explicit TickMark(bool& running) : running_(running) { running_ = true; }
  ~TickMark() { running_ = false; }
  TickMark(const TickMark&) = delete;
  TickMark& operator=(const TickMark&) = delete;

 private:
  bool& running_;
};

constexpr int kMsPerSecond = 1000;

}  // namespace

void OnLyricsBoxClicked(const LyricsView& v, ExtrasState& s) {
  StartLyricsWorker(v, s);
}

Text LyricTimeText(int positionMs) {
  return FormatMinSec(positionMs < 0 ? 0 : positionMs / kMsPerSecond);
}

namespace {

// One pass over the lines for the second `time`.
void MatchSecond(const LyricsView& v, ExtrasState& s, const Text& time) {
  const auto lines = s.LyricLines.Snapshot();
  const std::size_t count = lines->size();
  for (std::size_t i = 0; i < count; ++i) {
    const std::optional<Text> text = TimedLyricText((*lines)[i], time);
    if (!text) continue;
    WaitWithEvents(kLyricShowDelayMs);
    if (s.LyricLines.Snapshot() != lines) return;
    if (*text == kHiddenLyricText) continue;
    v.透明标签4.SetText(*text);
  }
}

}  // namespace

void LyricsTick(const LyricsView& v, ExtrasState& s) {
  if (s.lyricsTickRunning) {
    s.lyricsTickDue = true;
    return;
  }
  const TickMark mark(s.lyricsTickRunning);
  Text handled;
  for (bool first = true;; first = false) {
    const Text time = LyricTimeText(v.媒体播放1.GetPositionMs());
    // A due tick for the second just handled (a paused song) is left to the
    // timer, as any other tick of that second.
    if (!first && time == handled) break;
    s.lyricsTickDue = false;
    const std::uint32_t started = TickCount();
    MatchSecond(v, s, time);
    handled = time;
    // A tick fell due during the waits when they outlasted the timer's
    // interval (the timer itself does not tick inside its own handler) or
    // when one was held off above: it runs now, for the second the song has
    // reached meanwhile, unless the lyrics were switched off.
    const int interval = v.时钟2.Interval();
    const bool fellDue =
        s.lyricsTickDue ||
        (interval > 0 && TickCount() - started >= static_cast<std::uint32_t>(interval));
    if (!fellDue || !v.时钟2.IsRunning()) break;
  }
  s.lyricsTickDue = false;
}

}  // namespace vexo

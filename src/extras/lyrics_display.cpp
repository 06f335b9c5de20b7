#include "extras/lyrics_display.h"

#include "extras/extras_constants.h"
#include "extras/lyric_line_match.h"
#include "extras/lyrics_worker.h"
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

void LyricsTick(const LyricsView& v, ExtrasState& s) {
  if (s.lyricsTickRunning) return;
  const TickMark mark(s.lyricsTickRunning);

  const Text time = LyricTimeText(v.媒体播放1.GetPositionMs());
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

}  // namespace vexo

#pragma once
// What the desktop's media controls ask of the player, each done through the
// control a user would use at the window: the play button, 上一曲 and 下一曲,
// the seek slider and the play-mode menu. The play rules behind them decide,
// with the same messages as at the window.
#include <cstdint>

#include "desktop/desktop_view.h"

namespace vexo::desktop {

// Presses the play button when nothing plays and it reads "播放": the
// selected row starts, or "请先选择歌曲播放" when no row is selected.
void Play(DesktopView& v);
// Presses the play button when it reads "停止": the song stops and rewinds.
void Stop(DesktopView& v);
// Presses the play button: it starts or stops, as at the window.
void PlayPause(DesktopView& v);
void Next(DesktopView& v);
void Previous(DesktopView& v);

// Seeks through the slider's rule: the thumb moves to the whole second nearest
// `targetUs`, where the slider keeps it within its range (from 1 s to the
// song's length), and the slider's handler seeks there, as a user's move of
// the thumb would. Answers the position sought in microseconds, or -1 when no
// song plays (nothing is sought then).
std::int64_t SeekTo(DesktopView& v, std::int64_t targetUs);

// Ticks "单曲循环" (on), or "顺序播放" when single loop is ticked (off).
void SetLoopTrack(DesktopView& v, bool on);
// Ticks "随机播放" (on), or "顺序播放" when random is ticked (off).
void SetShuffle(DesktopView& v, bool on);

// Shows the window, restored when it was minimised, above the others.
void RaiseWindow(Window& window);

}  // namespace vexo::desktop

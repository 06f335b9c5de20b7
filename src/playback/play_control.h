#pragma once
// Play control: the play/stop toggle, the progress timer, seeking and the
// volume steps.
#include "playback/player_view.h"

namespace vexo {

inline constexpr int kProgressIntervalMs = 1000;

void TogglePlay(PlayerView& v, PlaybackState& s);
void PlaySelected(PlayerView& v, PlaybackState& s);
void ProgressTick(PlayerView& v, PlaybackState& s);
void SeekToSlider(PlayerView& v);
void VolumeUp();
void VolumeDown();

// The texts play control shows.
const Text& PlayCaption();     // 播放
const Text& StopCaption();     // 停止
const Text& IdleStatusText();  // 等待播放
const Text& IdleSingerText();  // 歌手名
const Text& IdleTimeText();    // 00:00｜00:00

}  // namespace vexo

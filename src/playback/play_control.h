#pragma once
// Play control: the play/stop toggle, the progress timer, seeking and the
// volume steps.
#include "playback/player_view.h"

namespace vexo {

inline constexpr int kProgressIntervalMs = 1000;

// Plays the selected row when the play button reads 播放; otherwise stops the
// song (StopSong), whether or not a row is selected.
void TogglePlay(PlayerView& v, PlaybackState& s);
void PlaySelected(PlayerView& v, PlaybackState& s);
void ProgressTick(PlayerView& v, PlaybackState& s);
void SeekToSlider(PlayerView& v);
// Stops and rewinds the song and shows the idle display (ShowIdle); nothing
// plays next.
void StopSong(PlayerView& v);
// The idle display: progress timer stopped, slider at its minimum, caption
// 播放, labels 等待播放, 歌手名 and 00:00｜00:00. The end of a song, a stop and
// a failed open all leave the player showing this.
void ShowIdle(PlayerView& v);
void VolumeUp();
void VolumeDown();

// The texts play control shows.
const Text& PlayCaption();     // 播放
const Text& StopCaption();     // 停止
const Text& IdleStatusText();  // 等待播放
const Text& IdleSingerText();  // 歌手名
const Text& IdleTimeText();    // 00:00｜00:00

}  // namespace vexo

#pragma once
// The lyrics display: the click on the lyrics box and the lyrics timer's tick.
#include "extras/extras_state.h"
#include "extras/extras_views.h"
#include "platform/text.h"

namespace vexo {

// Click on 选择框2: starts a lyrics worker, which applies the switch, and
// returns at once.
void OnLyricsBoxClicked(const LyricsView& v, ExtrasState& s);

// The time text of a playback position: whole seconds as "mm:ss"; a failed
// position query (negative) reads as 0.
Text LyricTimeText(int positionMs);

// Tick of 时钟2, on the user-interface thread. Each line of LyricLines that
// holds the time text of the playback second anywhere in it, and splits at "]"
// into exactly a time tag and a text, puts its text (unless it is "?") on the
// lyric label one second later, the window working meanwhile. A tick that
// falls due while another tick waits runs right after it (several due ticks
// make one), with the position as it then stands, so lines one second apart
// all show. When LyricLines is replaced during a wait, the tick ends there:
// its lines belong to the song before.
void LyricsTick(const LyricsView& v, ExtrasState& s);

}  // namespace vexo

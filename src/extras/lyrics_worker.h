#pragma once
// The lyrics worker: applies the lyrics switch to the window and fetches the
// lyrics of the current row into LyricLines.
#include "extras/extras_state.h"
#include "extras/extras_views.h"

namespace vexo {

// One run of the worker on the calling thread (any thread):
// - box unticked: window 622 high, lyrics timer stopped;
// - box ticked: window 652 high, the current row's lyrics fetched; with lyrics
//   LyricLines is replaced by their lines, the label shows "name - singer" and
//   the timer runs at 500 ms; without, LyricLines is emptied (so an earlier
//   song's lines never show against this one) and the label shows
//   "name - singer 暂无歌词".
void LyricsWorker(const LyricsView& v, ExtrasState& s);

// Starts LyricsWorker on a thread of its own and returns at once. `s` and the
// controls must outlive the worker.
void StartLyricsWorker(const LyricsView& v, ExtrasState& s);

}  // namespace vexo

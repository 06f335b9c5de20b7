#pragma once
// The song download worker: saves the current row's song in its own format
// in the program's folder and reports the result in a message box.
#include <filesystem>

#include "extras/current_row.h"
#include "extras/extras_state.h"
#include "extras/extras_views.h"

namespace vexo {

// Saves the row's song as "<folder>/<name>_<id><extension>", the extension
// the answer's (SongFileExtension: ".flac" for a FLAC song, ".mp3" when it
// tells none), its bytes streamed to a temporary file as they arrive and put
// in place once all are in: true when the file now holds the whole body of a
// 2xx answer, whatever it is. False, with nothing written and an existing
// file left byte for byte, when the name is refused (DownloadTarget), another
// download of that song is under way,
// the answer's status is not 2xx, its body is empty, shorter than announced
// or broken off, or writing fails.
bool DownloadSong(const std::filesystem::path& folder, const SongRowCells& row);

// One run of the worker on the calling thread (any thread): DownloadSong into
// the program folder (ExtrasState::programFolder, else the running program's),
// then "下载成功" or "下载失败" in a message box owned by the main window; the
// worker ends once the box is closed.
void DownloadWorker(const DownloadView& v, const ExtrasState& s);

// Starts DownloadWorker on a thread of its own and returns at once. `s` and the
// controls must outlive the worker.
void StartDownloadWorker(const DownloadView& v, const ExtrasState& s);

}  // namespace vexo

#include "extras/download_worker.h"

#include "extras/download_target.h"
#include "extras/extras_constants.h"
#include "extras/song_file.h"
#include "net/http_request.h"
#include "platform/controls/message_box.h"
#include "platform/program_folder.h"
#include "platform/system_text.h"
#include "playback/start_thread.h"

namespace vexo {

bool DownloadSong(const std::filesystem::path& folder, const SongRowCells& row) {
  const std::optional<QString> target = DownloadTarget(folder, row.name, row.id);
  if (!target) return false;
  // Held from before the fetch until the file is in place, so a second
  // download of the same name fails at once instead of fetching in vain.
  const SongFileLock lock(*target);
  if (!lock.Held()) return false;
  if (row.url.empty()) return false;
  const ByteSet song = HttpRequestBytes(row.url);
  if (song.empty()) return false;
  return ReplaceFileWith(*target, song);
}

void DownloadWorker(const DownloadView& v, const ExtrasState& s) {
  const std::filesystem::path folder = s.programFolder.empty() ? ProgramFolder() : s.programFolder;
  const bool saved = DownloadSong(folder, ReadCurrentRow(v.超级列表框1));
  ShowMessage(Sys(saved ? kDownloadSucceededUtf8 : kDownloadFailedUtf8));
}

void StartDownloadWorker(const DownloadView& v, const ExtrasState& s) {
  StartThread([v, &s] { DownloadWorker(v, s); });
}

}  // namespace vexo

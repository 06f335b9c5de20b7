#include "extras/download_worker.h"

#include <QStandardPaths>

#include "extras/download_target.h"
#include "extras/extras_constants.h"
#include "extras/song_file.h"
#include "net/http_request.h"
#include "platform/controls/message_box.h"
#include "platform/program_folder.h"
#include "platform/system_text.h"
#include "playback/start_thread.h"

namespace vexo {

namespace {

constexpr long kFirstSuccessStatus = 200;
constexpr long kLastSuccessStatus = 299;

// The song's bytes go to the temporary file as they arrive; only a 2xx answer
// is taken, so an error page never starts one.
class SongSink final : public HttpBodySink {
 public:
  explicit SongSink(SongFileWriter& file) : file_(file) {}
  bool Begin(long status) override {
    if (status < kFirstSuccessStatus || status > kLastSuccessStatus) return false;
    return file_.Open();
  }
  bool Write(const std::uint8_t* data, std::size_t size) override {
    return file_.Write(data, size);
  }

 private:
  SongFileWriter& file_;
};

}  // namespace

bool DownloadSong(const std::filesystem::path& folder, const SongRowCells& row) {
  const std::optional<QString> target = DownloadTarget(folder, row.name, row.id);
  if (!target) return false;
  // Held from before the fetch until the file is in place, so a second
  // download of the same name fails at once instead of fetching in vain.
  const SongFileLock lock(*target);
  if (!lock.Held()) return false;
  if (row.url.empty()) return false;
  SongFileWriter file(*target);
  SongSink sink(file);
  HttpRequestOptions options;
  const HttpTransferResult fetched = HttpRequestToSink(row.url, options, sink);
  // A status other than 2xx, a body cut short of its announced length, a
  // transfer broken off or an empty body: nothing is put in place.
  if (!fetched.Succeeded() || file.BytesWritten() == 0) {
    file.Cancel();
    return false;
  }
  return file.Commit();
}

void DownloadWorker(const DownloadView& v, const ExtrasState& s) {
  const std::filesystem::path folder =
      s.programFolder.empty()
          ? DownloadFolder(
                ProgramFolder(),
                QStandardPaths::writableLocation(QStandardPaths::DownloadLocation).toStdU16String())
          : s.programFolder;
  const bool saved = DownloadSong(folder, ReadCurrentRow(v.超级列表框1));
  ShowMessage(Sys(saved ? kDownloadSucceededUtf8 : kDownloadFailedUtf8));
}

void StartDownloadWorker(const DownloadView& v, const ExtrasState& s) {
  StartThread([v, &s] { DownloadWorker(v, s); });
}

}  // namespace vexo

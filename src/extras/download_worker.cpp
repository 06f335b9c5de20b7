#include "extras/download_worker.h"

#include <QStandardPaths>
#include <optional>

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

// The song's bytes go to a temporary file as they arrive; only a 2xx answer
// is taken, so an error page never starts one. The file's name is settled
// once the answer's type is known: it ends in the song's own extension.
class SongSink final : public HttpBodySink {
 public:
  SongSink(const std::filesystem::path& folder, const SongRowCells& row)
      : folder_(folder), row_(row) {}
  bool Begin(long status, std::string_view contentType) override {
    if (status < kFirstSuccessStatus || status > kLastSuccessStatus) return false;
    const auto target =
        DownloadTarget(folder_, row_.name, row_.id, SongFileExtension(contentType, row_.url));
    if (!target) return false;
    file_.emplace(*target);
    return file_->Open();
  }
  bool Write(const std::uint8_t* data, std::size_t size) override {
    return file_ && file_->Write(data, size);
  }
  // Puts the new file in place when the transfer brought a whole non-empty
  // body; otherwise drops it.
  bool Finish(bool succeeded) {
    if (!file_) return false;
    if (!succeeded || file_->BytesWritten() == 0) {
      file_->Cancel();
      return false;
    }
    return file_->Commit();
  }

 private:
  const std::filesystem::path& folder_;
  const SongRowCells& row_;
  std::optional<SongFileWriter> file_;
};

}  // namespace

bool DownloadSong(const std::filesystem::path& folder, const SongRowCells& row) {
  // The name without its extension: refused names fail before any fetch.
  const std::optional<QString> base = DownloadTarget(folder, row.name, row.id, {});
  if (!base) return false;
  // Held from before the fetch until the file is in place, so a second
  // download of the same song fails at once instead of fetching in vain.
  const SongFileLock lock(*base);
  if (!lock.Held()) return false;
  if (row.url.empty()) return false;
  SongSink sink(folder, row);
  HttpRequestOptions options;
  const HttpTransferResult fetched = HttpRequestToSink(row.url, options, sink);
  // A status other than 2xx, a body cut short of its announced length, a
  // transfer broken off or an empty body: nothing is put in place.
  return sink.Finish(fetched.Succeeded());
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

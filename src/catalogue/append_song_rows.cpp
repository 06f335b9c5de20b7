#include "catalogue/append_song_rows.h"

#include <string>
#include <utility>

#include "catalogue/song_records.h"
#include "catalogue/timer_delay.h"
#include "playback/player_view.h"

namespace vexo {

namespace {

void AppendRow(ListView& list, const SongMatch& song) {
  const int row = list.InsertRow();
  list.SetCell(row, kSongColumnNumber, std::to_string(list.RowCount()));
  list.SetCell(row, kSongColumnName, song.name);
  list.SetCell(row, kSongColumnSinger, song.singer);
  list.SetCell(row, kSongColumnId, song.id);
  list.SetCell(row, kSongColumnUrl, song.url);
}

void AppendRows(ListView& list, const std::vector<SongMatch>& songs, int delayMs) {
  for (const SongMatch& song : songs) {
    AppendRow(list, song);
    TimerDelay(delayMs);
  }
}

// Clears the running flag however the append ends.
class AppendingScope {
 public:
  explicit AppendingScope(bool& flag) : flag_(flag) { flag_ = true; }
  ~AppendingScope() { flag_ = false; }
  AppendingScope(const AppendingScope&) = delete;
  AppendingScope& operator=(const AppendingScope&) = delete;

 private:
  bool& flag_;
};

}  // namespace

int AppendSongRows(ListView& 超级列表框1, CatalogueState& s) {
  std::vector<SongMatch> songs = SongRecordsOf(s.SongRegex, s.ResponseText);
  const int count = static_cast<int>(songs.size());
  if (s.appending) {
    if (!songs.empty()) s.pending.push_back({&超级列表框1, std::move(songs)});
    return count;
  }
  AppendingScope running(s.appending);
  AppendRows(超级列表框1, songs, s.rowDelayMs);
  while (!s.pending.empty()) {
    PendingSongs next = std::move(s.pending.front());
    s.pending.pop_front();
    AppendRows(*next.list, next.songs, s.rowDelayMs);
  }
  return count;
}

}  // namespace vexo

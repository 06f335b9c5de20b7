#pragma once
// The store that keeps the catalogue: every library's songs with the stamps
// of their files, the singer pictures, and the play and search counts. The
// store is the truth; the in-memory catalogue of a running service is a cache
// built from it. Two kinds exist, SQLite (one file, the default) and
// PostgreSQL (one database that several services share). Every method is
// safe to call from any thread and throws StoreError when the store cannot
// answer.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "service/song.h"

namespace vexo::service {

// The store could not answer: its file is unusable, or the database is out
// of reach. `Unavailable()` marks a fault that may pass (a lost connection).
class StoreError : public std::runtime_error {
 public:
  StoreError(const std::string& what, bool unavailable = false)
      : std::runtime_error(what), unavailable_(unavailable) {}
  bool Unavailable() const { return unavailable_; }

 private:
  bool unavailable_;
};

// A song as the store keeps it: paths relative to the library's folder, and
// the size and modification time of its audio file when it was last read.
struct StoredSong {
  Song song;  // audio_file and lyrics_file relative to the library folder
  std::uint64_t file_size = 0;
  std::int64_t file_time_ns = 0;
};

// The stamp of a song's audio file, for deciding whether to read it again.
struct FileStamp {
  std::int64_t id = 0;
  std::string path;  // relative to the library folder, '/'-separated
  std::uint64_t size = 0;
  std::int64_t time_ns = 0;
  std::string lyrics_path;
  std::string singer;
  bool picture_embedded = false;
};

// One write to a library, applied as a whole or not at all. Upserted songs
// keep the counts they have in the store; a new song starts with the counts
// it carries. A non-empty `pictures` list replaces the library's pictures
// when `replace_pictures` is set.
struct LibraryChanges {
  std::vector<StoredSong> upserts;
  std::vector<std::int64_t> removals;
  // Songs whose file is unchanged but whose lyrics file came or went.
  std::vector<std::pair<std::int64_t, std::string>> lyrics_paths;
  bool replace_pictures = false;
  std::vector<SingerPicture> pictures;  // files relative to the library folder
  std::optional<std::string> source_stamp;
  bool Empty() const {
    return upserts.empty() && removals.empty() && lyrics_paths.empty() && !replace_pictures &&
           !source_stamp;
  }
};

// Play and search counts to add to one song.
struct CountDelta {
  std::int64_t id = 0;
  std::uint64_t plays = 0;
  std::uint64_t searches = 0;
};

// One place of a chart.
struct ChartPlace {
  std::int64_t id = 0;
  std::uint64_t plays = 0;
};

// What changed in the store, as told to other services sharing it.
enum class StoreChange { kLibrary, kCounts, kReconnected };

class CatalogueStore {
 public:
  virtual ~CatalogueStore() = default;

  // "SQLite file ..." / "PostgreSQL database ...", for messages.
  virtual std::string Describe() const = 0;

  // The id of the library kept for `folder` (an absolute path), made when
  // the store has none yet.
  virtual std::int64_t OpenLibrary(const std::string& folder) = 0;
  // The stamp of the source the library was last filled from ("" for none).
  virtual std::string SourceStamp(std::int64_t library) = 0;
  // The stamps of every song of the library.
  virtual std::vector<FileStamp> Files(std::int64_t library) = 0;
  // The singer pictures of the library, files relative to its folder.
  virtual std::vector<SingerPicture> Pictures(std::int64_t library) = 0;
  virtual void Apply(std::int64_t library, const LibraryChanges& changes) = 0;
  // Every song (with its counts) and picture of the library.
  virtual void Load(std::int64_t library, std::vector<StoredSong>& songs,
                    std::vector<SingerPicture>& pictures) = 0;

  // Adds the deltas atomically: concurrent adders never lose a count.
  virtual void AddCounts(std::int64_t library, const std::vector<CountDelta>& deltas) = 0;
  // Places `offset` .. `offset + limit` of chart `chart` (an id the charts
  // know; see chart ids), and the number of songs in the library.
  virtual std::vector<ChartPlace> Chart(std::int64_t library, int chart, std::size_t offset,
                                        std::size_t limit, std::size_t& total) = 0;

  // Whether the store's text index answers a substring query of
  // `code_points` characters.
  virtual bool TextIndexServes(std::size_t code_points) const = 0;
  // Ids of the songs whose case-folded name or singer contains `folded`.
  virtual std::vector<std::int64_t> FindText(std::int64_t library, std::string_view folded) = 0;

  // Tells the other services sharing the store what changed, and calls
  // `changed` (on a thread of the store) when one of them says so, until
  // called with nothing. A store that only one process uses does neither.
  virtual void Announce(std::int64_t library, StoreChange change) = 0;
  virtual void Listen(std::function<void(std::int64_t library, StoreChange change)> changed) = 0;
};

}  // namespace vexo::service

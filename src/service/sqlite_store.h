#pragma once
// The catalogue store in one SQLite file (or, without a file, in memory for
// the life of the service). Readers run side by side on a small pool of
// connections; writes take the file's write lock one at a time.
#include <condition_variable>
#include <filesystem>
#include <memory>
#include <mutex>
#include <vector>

#include "service/catalogue_store.h"
#include "service/sqlite_connection.h"

namespace vexo::service {

class SqliteStore : public CatalogueStore {
 public:
  // Opens `file` (made, with its folder, when missing) and brings its schema
  // up to date; an empty path keeps the catalogue in memory. `reindex`
  // deletes the file first, for one that is damaged. Throws StoreError with
  // a message that names the file and the way out.
  static std::shared_ptr<SqliteStore> Open(const std::filesystem::path& file, bool reindex);

  std::string Describe() const override;
  std::int64_t OpenLibrary(const std::string& folder) override;
  std::string SourceStamp(std::int64_t library) override;
  std::vector<FileStamp> Files(std::int64_t library) override;
  std::vector<SingerPicture> Pictures(std::int64_t library) override;
  void Apply(std::int64_t library, const LibraryChanges& changes) override;
  void Load(std::int64_t library, std::vector<StoredSong>& songs,
            std::vector<SingerPicture>& pictures) override;
  void AddCounts(std::int64_t library, const std::vector<CountDelta>& deltas) override;
  std::vector<ChartPlace> Chart(std::int64_t library, int chart, std::size_t offset,
                                std::size_t limit, std::size_t& total) override;
  bool TextIndexServes(std::size_t code_points) const override;
  std::vector<std::int64_t> FindText(std::int64_t library, std::string_view folded) override;
  void Announce(std::int64_t, StoreChange) override {}
  void Listen(std::function<void(std::int64_t, StoreChange)>) override {}

 private:
  explicit SqliteStore(std::filesystem::path file);

  // A connection of the pool, lent to one caller.
  class Lease {
   public:
    explicit Lease(SqliteStore& store);
    ~Lease();
    SqliteConnection& operator*() const { return *connection_; }
    SqliteConnection* operator->() const { return connection_.get(); }

   private:
    SqliteStore& store_;
    std::unique_ptr<SqliteConnection> connection_;
  };

  std::unique_ptr<SqliteConnection> Connect() const;

  std::filesystem::path file_;
  std::size_t pool_limit_;
  std::mutex mutex_;
  std::condition_variable returned_;
  std::vector<std::unique_ptr<SqliteConnection>> idle_;
  std::size_t lent_ = 0;
};

// `text` as one FTS5 phrase: in double quotes, inner quotes doubled, so no
// character of a query acts as query syntax.
std::string Fts5Phrase(std::string_view text);

}  // namespace vexo::service

#pragma once
// The catalogue store in a PostgreSQL database that several services share.
// A small pool of connections serves the requests; a lost connection is made
// again with growing waits in between, and until then every call throws an
// unavailable StoreError (the requests answer 503). One more connection
// listens for the changes the other services announce.
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "service/catalogue_store.h"
#include "service/postgres_connection.h"

namespace vexo::service {

class PostgresStore : public CatalogueStore {
 public:
  // Connects to `url` and brings the catalogue's tables up to date. Throws
  // StoreError when the database cannot be reached or upgraded.
  static std::shared_ptr<PostgresStore> Open(const std::string& url);
  ~PostgresStore() override;

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
  void Announce(std::int64_t library, StoreChange change) override;
  void Listen(std::function<void(std::int64_t, StoreChange)> changed) override;

 private:
  explicit PostgresStore(std::string url);

  class Lease {
   public:
    explicit Lease(PostgresStore& store);
    ~Lease();
    PgConnection& operator*() const { return *connection_; }
    PgConnection* operator->() const { return connection_.get(); }

   private:
    PostgresStore& store_;
    std::unique_ptr<PgConnection> connection_;
  };

  // A new connection, unless the last attempt failed too recently.
  std::unique_ptr<PgConnection> Connect();
  void ListenLoop();

  std::string url_;
  std::string origin_;  // marks this service's own announcements

  std::mutex mutex_;
  std::condition_variable returned_;
  std::vector<std::unique_ptr<PgConnection>> idle_;
  std::size_t lent_ = 0;
  std::chrono::steady_clock::time_point next_attempt_{};
  std::chrono::milliseconds retry_wait_;

  std::function<void(std::int64_t, StoreChange)> changed_;
  std::atomic<bool> stopping_{false};
  std::thread listener_;
};

// `text` as a LIKE pattern that matches it anywhere: %, _ and \ inside it
// stand for themselves.
std::string ContainsPattern(std::string_view text);

// Lets this program open PostgreSQL catalogues through OpenStore.
void UsePostgresStores();

}  // namespace vexo::service

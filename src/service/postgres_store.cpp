#include "service/postgres_store.h"

#include "service/store_settings.h"

#include <libpq-fe.h>
#include <poll.h>

#include <random>

#include "service/postgres_schema.h"
#include "service/service_constants.h"
#include "service/store_constants.h"
#include "service/utf8.h"

namespace vexo::service {

namespace {

constexpr PgStatement kInsertLibrary{
    "insert_library", "INSERT INTO libraries (folder) VALUES ($1) ON CONFLICT (folder) DO NOTHING"};
constexpr PgStatement kFindLibrary{"find_library", "SELECT id FROM libraries WHERE folder = $1"};
constexpr PgStatement kSourceStamp{"source_stamp",
                                   "SELECT source_stamp FROM libraries WHERE id = $1"};
constexpr PgStatement kSetSourceStamp{"set_source_stamp",
                                      "UPDATE libraries SET source_stamp = $2 WHERE id = $1"};
constexpr PgStatement kFiles{
    "files",
    "SELECT id, path, size, mtime_ns, lyrics_path, singer, embedded_picture::integer FROM songs"
    " WHERE library_id = $1"};
constexpr PgStatement kUpsertSong{
    "upsert_song",
    "INSERT INTO songs (library_id, id, path, size, mtime_ns, name, singer, album, year, added,"
    " duration, bit_rate, lyrics_path, plays, searches, name_folded, singer_folded, format,"
    " embedded_lyrics, embedded_picture)"
    " VALUES ($1, $2, $3, $4, $5, $6, $7, $8, $9, $10, $11, $12, $13, $14, $15, $16, $17, $18,"
    " $19::integer::boolean, $20::integer::boolean)"
    " ON CONFLICT (library_id, id) DO UPDATE SET path = excluded.path, size = excluded.size,"
    " mtime_ns = excluded.mtime_ns, name = excluded.name, singer = excluded.singer,"
    " album = excluded.album, year = excluded.year, added = excluded.added,"
    " duration = excluded.duration, bit_rate = excluded.bit_rate,"
    " lyrics_path = excluded.lyrics_path, name_folded = excluded.name_folded,"
    " singer_folded = excluded.singer_folded, format = excluded.format,"
    " embedded_lyrics = excluded.embedded_lyrics, embedded_picture = excluded.embedded_picture"};
constexpr PgStatement kSetLyricsPath{
    "set_lyrics_path", "UPDATE songs SET lyrics_path = $3 WHERE library_id = $1 AND id = $2"};
constexpr PgStatement kRemoveSong{"remove_song",
                                  "DELETE FROM songs WHERE library_id = $1 AND id = $2"};
constexpr PgStatement kClearPictures{"clear_pictures",
                                     "DELETE FROM pictures WHERE library_id = $1"};
constexpr PgStatement kInsertPicture{
    "insert_picture",
    "INSERT INTO pictures (library_id, position, singer, path, embedded)"
    " VALUES ($1, $2, $3, $4, $5::integer::boolean)"};
constexpr PgStatement kLoadSongs{
    "load_songs",
    "SELECT id, path, size, mtime_ns, name, singer, album, year, added, duration, bit_rate,"
    " lyrics_path, plays, searches, format, embedded_lyrics::integer, embedded_picture::integer"
    " FROM songs WHERE library_id = $1 ORDER BY plays DESC, id"};
constexpr PgStatement kLoadPictures{
    "load_pictures",
    "SELECT singer, path, embedded::integer FROM pictures WHERE library_id = $1 ORDER BY position"};
// Adds a batch in one statement: the deltas come as three arrays.
// The rows are locked in the order of their ids before they are changed, so
// services adding to the same songs at once never wait on each other in a
// circle.
constexpr PgStatement kAddCounts{
    "add_counts",
    "WITH d (id, plays, searches) AS"
    " (SELECT * FROM unnest($2::bigint[], $3::bigint[], $4::bigint[])),"
    " locked AS (SELECT s.id FROM songs AS s JOIN d ON s.id = d.id"
    " WHERE s.library_id = $1 ORDER BY s.id FOR UPDATE OF s)"
    " UPDATE songs AS s SET plays = s.plays + d.plays, searches = s.searches + d.searches"
    " FROM d WHERE s.library_id = $1 AND s.id = d.id AND s.id IN (SELECT id FROM locked)"};
// How often counts are added again after losing to another transaction.
constexpr int kCountConflictTries = 5;
constexpr PgStatement kSongCount{"song_count", "SELECT count(*) FROM songs WHERE library_id = $1"};
constexpr PgStatement kChartHotOrder{"chart_hot",
                                     "SELECT id, plays FROM songs WHERE library_id = $1"
                                     " ORDER BY plays DESC, id LIMIT $2 OFFSET $3"};
constexpr PgStatement kChartNewOrder{"chart_new",
                                     "SELECT id, plays FROM songs WHERE library_id = $1"
                                     " ORDER BY added DESC, plays DESC, id LIMIT $2 OFFSET $3"};
constexpr PgStatement kChartOldOrder{
    "chart_old",
    "SELECT id, plays FROM songs WHERE library_id = $1"
    " ORDER BY (year = 0), year, plays DESC, id LIMIT $2 OFFSET $3"};
constexpr PgStatement kChartSearchedOrder{
    "chart_searched",
    "SELECT id, plays FROM songs WHERE library_id = $1"
    " ORDER BY searches DESC, plays DESC, id LIMIT $2 OFFSET $3"};
constexpr PgStatement kFindText{"find_text",
                                "SELECT id FROM songs WHERE library_id = $1 AND (name_folded LIKE "
                                "$2 OR singer_folded LIKE $2)"};
constexpr PgStatement kNotify{"notify", "SELECT pg_notify($1, $2)"};
// After this many songs written at once the planner's figures are renewed,
// so searches and charts keep using the right indexes.
constexpr std::size_t kAnalyzeAfterSongs = 1000;
constexpr const char* kListen = "LISTEN vexo_catalogue";
// How often the listener looks at its stop flag while the database is quiet.
constexpr int kListenPollMs = 100;

const PgStatement* ChartStatement(int chart) {
  switch (chart) {
    case kChartHot:
      return &kChartHotOrder;
    case kChartNew:
      return &kChartNewOrder;
    case kChartOld:
      return &kChartOldOrder;
    case kChartHotSearches:
      return &kChartSearchedOrder;
    default:
      return nullptr;
  }
}

std::string Number(std::int64_t value) {
  return std::to_string(value);
}

std::string Number(std::uint64_t value) {
  return std::to_string(value);
}

// A path relative to the library folder as a text column holds it. The
// database keeps UTF-8 only, and a file name need not be UTF-8 (archives
// unpacked from Windows hold GBK names): such a path is kept as "/" and its
// bytes percent-encoded. A relative path never starts with "/", so the two
// forms cannot meet.
constexpr char kEncodedPathMark = '/';

std::string StoredPath(const std::string& path) {
  if (IsValidUtf8(path)) return path;
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string text(1, kEncodedPathMark);
  for (const unsigned char c : path) {
    if (c < 0x80 && c != '%') {
      text.push_back(static_cast<char>(c));
    } else {
      text += '%';
      text += kHex[c >> 4];
      text += kHex[c & 15];
    }
  }
  return text;
}

std::string PathFromStore(const std::string& text) {
  if (text.empty() || text.front() != kEncodedPathMark) return text;
  const auto hex = [](char c) { return c <= '9' ? c - '0' : c - 'A' + 10; };
  std::string path;
  for (std::size_t i = 1; i < text.size(); ++i) {
    if (text[i] == '%' && i + 2 < text.size()) {
      path.push_back(static_cast<char>(hex(text[i + 1]) * 16 + hex(text[i + 2])));
      i += 2;
    } else {
      path.push_back(text[i]);
    }
  }
  return path;
}

// A flag as the statements take it: "1" or "0", cast to boolean.
std::string Flag(bool value) {
  return value ? "1" : "0";
}

// A PostgreSQL array literal of numbers, "{1,2,3}".
template <typename Field>
std::string NumberArray(const std::vector<CountDelta>& deltas, Field field) {
  std::string text = "{";
  for (std::size_t i = 0; i < deltas.size(); ++i) {
    if (i > 0) text.push_back(',');
    text += Number(field(deltas[i]));
  }
  text.push_back('}');
  return text;
}

const char* ChangeName(StoreChange change) {
  switch (change) {
    case StoreChange::kLibrary:
      return "library";
    case StoreChange::kCounts:
      return "counts";
    default:
      return "reconnected";
  }
}

}  // namespace

std::string ContainsPattern(std::string_view text) {
  std::string pattern = "%";
  for (const char c : text) {
    if (c == '%' || c == '_' || c == '\\') pattern.push_back('\\');
    pattern.push_back(c);
  }
  pattern.push_back('%');
  return pattern;
}

PostgresStore::PostgresStore(std::string url)
    : url_(std::move(url)), retry_wait_(kReconnectFirstWait) {
  std::random_device random;
  origin_ = std::to_string(random()) + "-" + std::to_string(random());
}

PostgresStore::~PostgresStore() {
  stopping_ = true;
  if (listener_.joinable()) listener_.join();
}

std::shared_ptr<PostgresStore> PostgresStore::Open(const std::string& url) {
  std::shared_ptr<PostgresStore> store(new PostgresStore(url));
  Lease connection(*store);
  UpgradePostgresSchema(*connection);
  return store;
}

std::unique_ptr<PgConnection> PostgresStore::Connect() {
  {
    std::lock_guard lock(mutex_);
    if (std::chrono::steady_clock::now() < next_attempt_) {
      throw StoreError("PostgreSQL: the database is out of reach; trying again shortly", true);
    }
  }
  try {
    auto connection = std::make_unique<PgConnection>(url_);
    std::lock_guard lock(mutex_);
    retry_wait_ = kReconnectFirstWait;
    return connection;
  } catch (const StoreError&) {
    std::lock_guard lock(mutex_);
    next_attempt_ = std::chrono::steady_clock::now() + retry_wait_;
    retry_wait_ = std::min(retry_wait_ * 2, kReconnectLastWait);
    throw;
  }
}

PostgresStore::Lease::Lease(PostgresStore& store) : store_(store) {
  std::unique_lock lock(store.mutex_);
  store.returned_.wait(lock,
                       [&] { return !store.idle_.empty() || store.lent_ < kPostgresConnections; });
  ++store.lent_;
  if (!store.idle_.empty()) {
    connection_ = std::move(store.idle_.back());
    store.idle_.pop_back();
  }
  lock.unlock();
  if (connection_ && connection_->Healthy()) return;
  connection_.reset();
  try {
    connection_ = store.Connect();
  } catch (...) {
    lock.lock();
    --store.lent_;
    store.returned_.notify_one();
    throw;
  }
}

PostgresStore::Lease::~Lease() {
  {
    std::lock_guard lock(store_.mutex_);
    --store_.lent_;
    // A broken connection is dropped; the next lease makes a new one.
    if (connection_->Healthy()) store_.idle_.push_back(std::move(connection_));
  }
  store_.returned_.notify_one();
}

std::string PostgresStore::Describe() const {
  return "PostgreSQL database";
}

std::int64_t PostgresStore::OpenLibrary(const std::string& folder) {
  Lease connection(*this);
  connection->Run(kInsertLibrary, {folder});
  const auto found = connection->Run(kFindLibrary, {folder});
  if (found.Rows() == 0) throw StoreError("PostgreSQL: the library of " + folder + " was not kept");
  return found.Int(0, 0);
}

std::string PostgresStore::SourceStamp(std::int64_t library) {
  Lease connection(*this);
  const auto result = connection->Run(kSourceStamp, {Number(library)});
  return result.Rows() > 0 ? result.Text(0, 0) : std::string();
}

std::vector<FileStamp> PostgresStore::Files(std::int64_t library) {
  Lease connection(*this);
  const auto rows = connection->Run(kFiles, {Number(library)});
  std::vector<FileStamp> files;
  files.reserve(static_cast<std::size_t>(rows.Rows()));
  for (int r = 0; r < rows.Rows(); ++r) {
    files.push_back({rows.Int(r, 0), PathFromStore(rows.Text(r, 1)),
                     static_cast<std::uint64_t>(rows.Int(r, 2)), rows.Int(r, 3),
                     PathFromStore(rows.Text(r, 4)), rows.Text(r, 5), rows.Int(r, 6) != 0});
  }
  return files;
}

std::vector<SingerPicture> PostgresStore::Pictures(std::int64_t library) {
  Lease connection(*this);
  const auto rows = connection->Run(kLoadPictures, {Number(library)});
  std::vector<SingerPicture> pictures;
  for (int r = 0; r < rows.Rows(); ++r)
    pictures.push_back({rows.Text(r, 0), PathFromStore(rows.Text(r, 1)), rows.Int(r, 2) != 0});
  return pictures;
}

void PostgresStore::Apply(std::int64_t library, const LibraryChanges& changes) {
  if (changes.Empty()) return;
  Lease connection(*this);
  const auto lib = Number(library);
  InPgTransaction(*connection, [&] {
    for (const auto& stored : changes.upserts) {
      const Song& s = stored.song;
      connection->Run(kUpsertSong, {lib,
                                    Number(s.id),
                                    StoredPath(s.audio_file.generic_string()),
                                    Number(stored.file_size),
                                    Number(stored.file_time_ns),
                                    s.name,
                                    s.singer,
                                    s.album,
                                    Number(std::int64_t{s.year}),
                                    s.added,
                                    Number(std::int64_t{s.duration_seconds}),
                                    Number(std::int64_t{s.bit_rate}),
                                    StoredPath(s.lyrics_file.generic_string()),
                                    Number(s.plays),
                                    Number(s.searches),
                                    FoldCase(s.name),
                                    FoldCase(s.singer),
                                    s.format,
                                    Flag(s.embedded_lyrics),
                                    Flag(s.embedded_picture)});
    }
    for (const auto& [id, path] : changes.lyrics_paths)
      connection->Run(kSetLyricsPath, {lib, Number(id), StoredPath(path)});
    for (const auto id : changes.removals)
      connection->Run(kRemoveSong, {lib, Number(id)});
    if (changes.replace_pictures) {
      connection->Run(kClearPictures, {lib});
      std::int64_t position = 0;
      for (const auto& picture : changes.pictures) {
        connection->Run(kInsertPicture,
                        {lib, Number(position++), picture.singer,
                         StoredPath(picture.file.generic_string()), Flag(picture.embedded)});
      }
    }
    if (changes.source_stamp) connection->Run(kSetSourceStamp, {lib, *changes.source_stamp});
  });
  if (changes.upserts.size() + changes.removals.size() >= kAnalyzeAfterSongs) {
    connection->Exec("ANALYZE songs");
  }
}

void PostgresStore::Load(std::int64_t library, std::vector<StoredSong>& songs,
                         std::vector<SingerPicture>& pictures) {
  Lease connection(*this);
  const auto lib = Number(library);
  InPgTransaction(*connection, [&] {
    connection->Exec("SET TRANSACTION ISOLATION LEVEL REPEATABLE READ");
    const auto rows = connection->Run(kLoadSongs, {lib});
    songs.reserve(songs.size() + static_cast<std::size_t>(rows.Rows()));
    for (int r = 0; r < rows.Rows(); ++r) {
      StoredSong stored;
      Song& s = stored.song;
      s.id = rows.Int(r, 0);
      s.audio_file = PathFromStore(rows.Text(r, 1));
      stored.file_size = static_cast<std::uint64_t>(rows.Int(r, 2));
      stored.file_time_ns = rows.Int(r, 3);
      s.name = rows.Text(r, 4);
      s.singer = rows.Text(r, 5);
      s.album = rows.Text(r, 6);
      s.year = static_cast<int>(rows.Int(r, 7));
      s.added = rows.Text(r, 8);
      s.duration_seconds = static_cast<int>(rows.Int(r, 9));
      s.bit_rate = static_cast<int>(rows.Int(r, 10));
      s.lyrics_file = PathFromStore(rows.Text(r, 11));
      s.plays = static_cast<std::uint64_t>(rows.Int(r, 12));
      s.searches = static_cast<std::uint64_t>(rows.Int(r, 13));
      s.format = rows.Text(r, 14);
      s.embedded_lyrics = rows.Int(r, 15) != 0;
      s.embedded_picture = rows.Int(r, 16) != 0;
      songs.push_back(std::move(stored));
    }
    const auto picture_rows = connection->Run(kLoadPictures, {lib});
    for (int r = 0; r < picture_rows.Rows(); ++r) {
      pictures.push_back({picture_rows.Text(r, 0), PathFromStore(picture_rows.Text(r, 1)),
                          picture_rows.Int(r, 2) != 0});
    }
  });
}

void PostgresStore::AddCounts(std::int64_t library, const std::vector<CountDelta>& deltas) {
  if (deltas.empty()) return;
  Lease connection(*this);
  const std::vector<std::string> parameters{
      Number(library), NumberArray(deltas, [](const CountDelta& d) { return d.id; }),
      NumberArray(deltas, [](const CountDelta& d) { return d.plays; }),
      NumberArray(deltas, [](const CountDelta& d) { return d.searches; })};
  for (int tries = 1;; ++tries) {
    try {
      connection->Run(kAddCounts, parameters);
      return;
    } catch (const PgConflictError&) {
      // The statement was rolled back whole: nothing was added yet.
      if (tries == kCountConflictTries) throw;
    }
  }
}

std::vector<ChartPlace> PostgresStore::Chart(std::int64_t library, int chart, std::size_t offset,
                                             std::size_t limit, std::size_t& total) {
  std::vector<ChartPlace> places;
  total = 0;
  const auto* order = ChartStatement(chart);
  if (!order) return places;
  Lease connection(*this);
  const auto lib = Number(library);
  InPgTransaction(*connection, [&] {
    connection->Exec("SET TRANSACTION ISOLATION LEVEL REPEATABLE READ");
    const auto count = connection->Run(kSongCount, {lib});
    total = static_cast<std::size_t>(count.Int(0, 0));
    const auto rows = connection->Run(*order, {lib, Number(static_cast<std::uint64_t>(limit)),
                                               Number(static_cast<std::uint64_t>(offset))});
    for (int r = 0; r < rows.Rows(); ++r)
      places.push_back({rows.Int(r, 0), static_cast<std::uint64_t>(rows.Int(r, 1))});
  });
  return places;
}

bool PostgresStore::TextIndexServes(std::size_t code_points) const {
  return code_points >= kTrigramLength;
}

std::vector<std::int64_t> PostgresStore::FindText(std::int64_t library, std::string_view folded) {
  Lease connection(*this);
  const auto rows = connection->Run(kFindText, {Number(library), ContainsPattern(folded)});
  std::vector<std::int64_t> ids;
  ids.reserve(static_cast<std::size_t>(rows.Rows()));
  for (int r = 0; r < rows.Rows(); ++r)
    ids.push_back(rows.Int(r, 0));
  return ids;
}

void PostgresStore::Announce(std::int64_t library, StoreChange change) {
  Lease connection(*this);
  connection->Run(kNotify,
                  {kChangeChannel, origin_ + " " + Number(library) + " " + ChangeName(change)});
}

void PostgresStore::Listen(std::function<void(std::int64_t, StoreChange)> changed) {
  if (!changed) {
    stopping_ = true;
    if (listener_.joinable()) listener_.join();
    return;
  }
  if (listener_.joinable()) return;
  changed_ = std::move(changed);
  listener_ = std::thread([this] { ListenLoop(); });
}

void PostgresStore::ListenLoop() {
  std::unique_ptr<PgConnection> connection;
  bool lost = false;
  auto wait = kReconnectFirstWait;
  while (!stopping_) {
    if (!connection || !connection->Healthy()) {
      connection.reset();
      try {
        connection = std::make_unique<PgConnection>(url_);
        connection->Exec(kListen);
        wait = kReconnectFirstWait;
        // Announcements made while this service was away are lost: what
        // they said is read anew.
        if (lost) changed_(0, StoreChange::kReconnected);
        lost = false;
      } catch (const StoreError&) {
        connection.reset();
        lost = true;
        for (auto waited = std::chrono::milliseconds(0); waited < wait && !stopping_;
             waited += std::chrono::milliseconds(kListenPollMs)) {
          std::this_thread::sleep_for(std::chrono::milliseconds(kListenPollMs));
        }
        wait = std::min(wait * 2, kReconnectLastWait);
        continue;
      }
    }
    pollfd socket{PQsocket(connection->Handle()), POLLIN, 0};
    if (poll(&socket, 1, kListenPollMs) <= 0) continue;
    if (!PQconsumeInput(connection->Handle())) {
      lost = true;
      continue;
    }
    while (PGnotify* note = PQnotifies(connection->Handle())) {
      const std::string payload = note->extra ? note->extra : "";
      PQfreemem(note);
      const auto first = payload.find(' ');
      const auto second = payload.find(' ', first + 1);
      if (first == std::string::npos || second == std::string::npos) continue;
      if (payload.compare(0, first, origin_) == 0) continue;  // this service's own
      std::int64_t library = 0;
      try {
        library = std::stoll(payload.substr(first + 1, second - first - 1));
      } catch (const std::exception&) {
        continue;
      }
      const auto kind = payload.substr(second + 1);
      changed_(library, kind == "counts" ? StoreChange::kCounts : StoreChange::kLibrary);
    }
  }
}

void UsePostgresStores() {
  UseDatabaseStores([](const std::string& url) -> std::shared_ptr<CatalogueStore> {
    return PostgresStore::Open(url);
  });
}

}  // namespace vexo::service

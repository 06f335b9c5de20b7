#include "service/sqlite_store.h"

#include "service/service_constants.h"
#include "service/sqlite_schema.h"
#include "service/store_constants.h"
#include "service/utf8.h"

namespace vexo::service {

namespace fs = std::filesystem;

namespace {

constexpr const char* kInsertLibrary =
    "INSERT INTO libraries (folder) VALUES (?1) ON CONFLICT (folder) DO NOTHING";
constexpr const char* kFindLibrary = "SELECT id FROM libraries WHERE folder = ?1";
constexpr const char* kSourceStamp = "SELECT source_stamp FROM libraries WHERE id = ?1";
constexpr const char* kSetSourceStamp = "UPDATE libraries SET source_stamp = ?2 WHERE id = ?1";
constexpr const char* kFiles =
    "SELECT id, path, size, mtime_ns, lyrics_path, singer, embedded_picture FROM songs"
    " WHERE library_id = ?1";
constexpr const char* kSetLyricsPath =
    "UPDATE songs SET lyrics_path = ?3 WHERE library_id = ?1 AND id = ?2";
constexpr const char* kUpsertSong =
    "INSERT INTO songs (library_id, id, path, size, mtime_ns, name, singer, album, year, added,"
    " duration, bit_rate, lyrics_path, plays, searches, name_folded, singer_folded, format,"
    " embedded_lyrics, embedded_picture)"
    " VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14, ?15, ?16, ?17, ?18,"
    " ?19, ?20)"
    " ON CONFLICT (library_id, id) DO UPDATE SET path = excluded.path, size = excluded.size,"
    " mtime_ns = excluded.mtime_ns, name = excluded.name, singer = excluded.singer,"
    " album = excluded.album, year = excluded.year, added = excluded.added,"
    " duration = excluded.duration, bit_rate = excluded.bit_rate,"
    " lyrics_path = excluded.lyrics_path, name_folded = excluded.name_folded,"
    " singer_folded = excluded.singer_folded, format = excluded.format,"
    " embedded_lyrics = excluded.embedded_lyrics, embedded_picture = excluded.embedded_picture";
constexpr const char* kRemoveSong = "DELETE FROM songs WHERE library_id = ?1 AND id = ?2";
constexpr const char* kClearPictures = "DELETE FROM pictures WHERE library_id = ?1";
constexpr const char* kInsertPicture =
    "INSERT INTO pictures (library_id, position, singer, path, embedded)"
    " VALUES (?1, ?2, ?3, ?4, ?5)";
constexpr const char* kLoadSongs =
    "SELECT id, path, size, mtime_ns, name, singer, album, year, added, duration, bit_rate,"
    " lyrics_path, plays, searches, format, embedded_lyrics, embedded_picture FROM songs"
    " WHERE library_id = ?1 ORDER BY plays DESC, id";
constexpr const char* kLoadPictures =
    "SELECT singer, path, embedded FROM pictures WHERE library_id = ?1 ORDER BY position";
constexpr const char* kAddCounts =
    "UPDATE songs SET plays = plays + ?3, searches = searches + ?4"
    " WHERE library_id = ?1 AND id = ?2";
constexpr const char* kSongCount = "SELECT count(*) FROM songs WHERE library_id = ?1";
constexpr const char* kChartHotOrder =
    "SELECT id, plays FROM songs WHERE library_id = ?1"
    " ORDER BY plays DESC, id LIMIT ?2 OFFSET ?3";
constexpr const char* kChartNewOrder =
    "SELECT id, plays FROM songs WHERE library_id = ?1"
    " ORDER BY added DESC, plays DESC, id LIMIT ?2 OFFSET ?3";
constexpr const char* kChartOldOrder =
    "SELECT id, plays FROM songs WHERE library_id = ?1"
    " ORDER BY year = 0, year, plays DESC, id LIMIT ?2 OFFSET ?3";
constexpr const char* kChartSearchedOrder =
    "SELECT id, plays FROM songs WHERE library_id = ?1"
    " ORDER BY searches DESC, plays DESC, id LIMIT ?2 OFFSET ?3";
// CROSS JOIN keeps the text index as the outer loop: the planner would
// otherwise run one index query per song of the library.
constexpr const char* kFindText =
    "SELECT songs.id FROM song_text CROSS JOIN songs ON songs.key = song_text.rowid"
    " WHERE song_text MATCH ?1 AND songs.library_id = ?2";

std::int64_t AsInt(std::uint64_t value) {
  return static_cast<std::int64_t>(value);
}

const char* ChartStatement(int chart) {
  switch (chart) {
    case kChartHot:
      return kChartHotOrder;
    case kChartNew:
      return kChartNewOrder;
    case kChartOld:
      return kChartOldOrder;
    case kChartHotSearches:
      return kChartSearchedOrder;
    default:
      return nullptr;
  }
}

void RemoveIndexFiles(const fs::path& file) {
  std::error_code ec;
  for (const char* suffix : {"", "-wal", "-shm", "-journal"}) {
    fs::remove(fs::path(file.string() + suffix), ec);
  }
}

}  // namespace

std::string Fts5Phrase(std::string_view text) {
  std::string phrase = "\"";
  for (const char c : text) {
    if (c == '"') phrase.push_back('"');
    phrase.push_back(c);
  }
  phrase.push_back('"');
  return phrase;
}

SqliteStore::SqliteStore(fs::path file)
    : file_(std::move(file)), pool_limit_(file_.empty() ? 1 : kSqliteConnections) {}

std::shared_ptr<SqliteStore> SqliteStore::Open(const fs::path& file, bool reindex) {
  if (!file.empty()) {
    std::error_code ec;
    if (reindex) RemoveIndexFiles(file);
    if (file.has_parent_path()) fs::create_directories(file.parent_path(), ec);
  }
  std::shared_ptr<SqliteStore> store(new SqliteStore(file));
  try {
    Lease connection(*store);
    if (!file.empty()) {
      auto& wal = connection->Statement("PRAGMA journal_mode = WAL");
      while (wal.Step()) {
      }
    }
    UpgradeSqliteSchema(*connection);
  } catch (const StoreError& error) {
    throw StoreError(store->Describe() + ": " + error.what());
  }
  return store;
}

std::unique_ptr<SqliteConnection> SqliteStore::Connect() const {
  auto connection = std::make_unique<SqliteConnection>(file_.string());
  connection->Exec("PRAGMA foreign_keys = ON; PRAGMA synchronous = NORMAL");
  return connection;
}

SqliteStore::Lease::Lease(SqliteStore& store) : store_(store) {
  std::unique_lock lock(store.mutex_);
  store.returned_.wait(lock,
                       [&] { return !store.idle_.empty() || store.lent_ < store.pool_limit_; });
  ++store.lent_;
  if (!store.idle_.empty()) {
    connection_ = std::move(store.idle_.back());
    store.idle_.pop_back();
    return;
  }
  lock.unlock();
  try {
    connection_ = store.Connect();
  } catch (...) {
    lock.lock();
    --store.lent_;
    store.returned_.notify_one();
    throw;
  }
}

SqliteStore::Lease::~Lease() {
  {
    std::lock_guard lock(store_.mutex_);
    --store_.lent_;
    store_.idle_.push_back(std::move(connection_));
  }
  store_.returned_.notify_one();
}

std::string SqliteStore::Describe() const {
  return file_.empty() ? std::string("SQLite catalogue in memory")
                       : "SQLite index file " + file_.string();
}

std::int64_t SqliteStore::OpenLibrary(const std::string& folder) {
  Lease connection(*this);
  connection->Statement(kInsertLibrary).Bind(1, folder).Step();
  auto& find = connection->Statement(kFindLibrary).Bind(1, folder);
  if (!find.Step()) throw StoreError(Describe() + ": the library of " + folder + " was not kept");
  const auto id = find.Int(0);
  find.Reset();
  return id;
}

std::string SqliteStore::SourceStamp(std::int64_t library) {
  Lease connection(*this);
  auto& stamp = connection->Statement(kSourceStamp).Bind(1, library);
  std::string text = stamp.Step() ? stamp.Text(0) : std::string();
  stamp.Reset();
  return text;
}

std::vector<FileStamp> SqliteStore::Files(std::int64_t library) {
  Lease connection(*this);
  std::vector<FileStamp> files;
  auto& rows = connection->Statement(kFiles).Bind(1, library);
  while (rows.Step()) {
    files.push_back({rows.Int(0), rows.Text(1), static_cast<std::uint64_t>(rows.Int(2)),
                     rows.Int(3), rows.Text(4), rows.Text(5), rows.Int(6) != 0});
  }
  return files;
}

std::vector<SingerPicture> SqliteStore::Pictures(std::int64_t library) {
  Lease connection(*this);
  std::vector<SingerPicture> pictures;
  auto& rows = connection->Statement(kLoadPictures).Bind(1, library);
  while (rows.Step())
    pictures.push_back({rows.Text(0), rows.Text(1), rows.Int(2) != 0});
  return pictures;
}

void SqliteStore::Apply(std::int64_t library, const LibraryChanges& changes) {
  if (changes.Empty()) return;
  Lease connection(*this);
  InWriteTransaction(*connection, [&] {
    for (const auto& stored : changes.upserts) {
      const Song& s = stored.song;
      connection->Statement(kUpsertSong)
          .Bind(1, library)
          .Bind(2, s.id)
          .Bind(3, s.audio_file.generic_string())
          .Bind(4, AsInt(stored.file_size))
          .Bind(5, stored.file_time_ns)
          .Bind(6, s.name)
          .Bind(7, s.singer)
          .Bind(8, s.album)
          .Bind(9, s.year)
          .Bind(10, s.added)
          .Bind(11, s.duration_seconds)
          .Bind(12, s.bit_rate)
          .Bind(13, s.lyrics_file.generic_string())
          .Bind(14, AsInt(s.plays))
          .Bind(15, AsInt(s.searches))
          .Bind(16, FoldCase(s.name))
          .Bind(17, FoldCase(s.singer))
          .Bind(18, s.format)
          .Bind(19, std::int64_t{s.embedded_lyrics})
          .Bind(20, std::int64_t{s.embedded_picture})
          .Step();
    }
    for (const auto& [id, path] : changes.lyrics_paths) {
      connection->Statement(kSetLyricsPath).Bind(1, library).Bind(2, id).Bind(3, path).Step();
    }
    for (const auto id : changes.removals) {
      connection->Statement(kRemoveSong).Bind(1, library).Bind(2, id).Step();
    }
    if (changes.replace_pictures) {
      connection->Statement(kClearPictures).Bind(1, library).Step();
      std::int64_t position = 0;
      for (const auto& picture : changes.pictures) {
        connection->Statement(kInsertPicture)
            .Bind(1, library)
            .Bind(2, position++)
            .Bind(3, picture.singer)
            .Bind(4, picture.file.generic_string())
            .Bind(5, std::int64_t{picture.embedded})
            .Step();
      }
    }
    if (changes.source_stamp) {
      connection->Statement(kSetSourceStamp).Bind(1, library).Bind(2, *changes.source_stamp).Step();
    }
  });
}

void SqliteStore::Load(std::int64_t library, std::vector<StoredSong>& songs,
                       std::vector<SingerPicture>& pictures) {
  Lease connection(*this);
  // One read transaction, so songs and pictures come from the same moment.
  InReadTransaction(*connection, [&] {
    auto& rows = connection->Statement(kLoadSongs).Bind(1, library);
    while (rows.Step()) {
      StoredSong stored;
      Song& s = stored.song;
      s.id = rows.Int(0);
      s.audio_file = rows.Text(1);
      stored.file_size = static_cast<std::uint64_t>(rows.Int(2));
      stored.file_time_ns = rows.Int(3);
      s.name = rows.Text(4);
      s.singer = rows.Text(5);
      s.album = rows.Text(6);
      s.year = static_cast<int>(rows.Int(7));
      s.added = rows.Text(8);
      s.duration_seconds = static_cast<int>(rows.Int(9));
      s.bit_rate = static_cast<int>(rows.Int(10));
      s.lyrics_file = rows.Text(11);
      s.plays = static_cast<std::uint64_t>(rows.Int(12));
      s.searches = static_cast<std::uint64_t>(rows.Int(13));
      s.format = rows.Text(14);
      s.embedded_lyrics = rows.Int(15) != 0;
      s.embedded_picture = rows.Int(16) != 0;
      songs.push_back(std::move(stored));
    }
    auto& picture_rows = connection->Statement(kLoadPictures).Bind(1, library);
    while (picture_rows.Step()) {
      pictures.push_back({picture_rows.Text(0), picture_rows.Text(1), picture_rows.Int(2) != 0});
    }
  });
}

void SqliteStore::AddCounts(std::int64_t library, const std::vector<CountDelta>& deltas) {
  if (deltas.empty()) return;
  Lease connection(*this);
  InWriteTransaction(*connection, [&] {
    for (const auto& delta : deltas) {
      connection->Statement(kAddCounts)
          .Bind(1, library)
          .Bind(2, delta.id)
          .Bind(3, AsInt(delta.plays))
          .Bind(4, AsInt(delta.searches))
          .Step();
    }
  });
}

std::vector<ChartPlace> SqliteStore::Chart(std::int64_t library, int chart, std::size_t offset,
                                           std::size_t limit, std::size_t& total) {
  std::vector<ChartPlace> places;
  total = 0;
  const char* order = ChartStatement(chart);
  if (!order) return places;
  Lease connection(*this);
  InReadTransaction(*connection, [&] {
    auto& count = connection->Statement(kSongCount).Bind(1, library);
    if (count.Step()) total = static_cast<std::size_t>(count.Int(0));
    count.Reset();
    auto& rows =
        connection->Statement(order).Bind(1, library).Bind(2, AsInt(limit)).Bind(3, AsInt(offset));
    while (rows.Step())
      places.push_back({rows.Int(0), static_cast<std::uint64_t>(rows.Int(1))});
  });
  return places;
}

bool SqliteStore::TextIndexServes(std::size_t code_points) const {
  return code_points >= kTrigramLength;
}

std::vector<std::int64_t> SqliteStore::FindText(std::int64_t library, std::string_view folded) {
  Lease connection(*this);
  std::vector<std::int64_t> ids;
  auto& rows = connection->Statement(kFindText).Bind(1, Fts5Phrase(folded)).Bind(2, library);
  while (rows.Step())
    ids.push_back(rows.Int(0));
  return ids;
}

}  // namespace vexo::service

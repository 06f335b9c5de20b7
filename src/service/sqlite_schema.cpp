#include "service/sqlite_schema.h"

#include <iterator>
#include <string>

#include "service/catalogue_store.h"

namespace vexo::service {

namespace {

// Step n brings a file from version n to n + 1.
constexpr const char* kSteps[] = {
    // 1: libraries, songs with the stamps of their files, singer pictures.
    R"(CREATE TABLE libraries (
         id INTEGER PRIMARY KEY,
         folder TEXT NOT NULL UNIQUE,
         source_stamp TEXT NOT NULL DEFAULT '');
       CREATE TABLE songs (
         key INTEGER PRIMARY KEY,
         library_id INTEGER NOT NULL REFERENCES libraries(id) ON DELETE CASCADE,
         id INTEGER NOT NULL,
         path TEXT NOT NULL,
         size INTEGER NOT NULL DEFAULT 0,
         mtime_ns INTEGER NOT NULL DEFAULT 0,
         name TEXT NOT NULL,
         singer TEXT NOT NULL,
         album TEXT NOT NULL DEFAULT '',
         year INTEGER NOT NULL DEFAULT 0,
         added TEXT NOT NULL DEFAULT '',
         duration INTEGER NOT NULL DEFAULT 0,
         bit_rate INTEGER NOT NULL DEFAULT 0,
         lyrics_path TEXT NOT NULL DEFAULT '',
         plays INTEGER NOT NULL DEFAULT 0,
         searches INTEGER NOT NULL DEFAULT 0,
         UNIQUE (library_id, id));
       CREATE TABLE pictures (
         library_id INTEGER NOT NULL REFERENCES libraries(id) ON DELETE CASCADE,
         position INTEGER NOT NULL,
         singer TEXT NOT NULL,
         path TEXT NOT NULL,
         PRIMARY KEY (library_id, position));)",
    // 2: the trigram index over the case-folded names and singers. Folding
    // lowers ASCII letters only, as SQLite's lower() does.
    R"(ALTER TABLE songs ADD COLUMN name_folded TEXT NOT NULL DEFAULT '';
       ALTER TABLE songs ADD COLUMN singer_folded TEXT NOT NULL DEFAULT '';
       UPDATE songs SET name_folded = lower(name), singer_folded = lower(singer);
       CREATE VIRTUAL TABLE song_text USING fts5(
         name_folded, singer_folded, content='songs', content_rowid='key',
         tokenize='trigram case_sensitive 1');
       INSERT INTO song_text(song_text) VALUES ('rebuild');
       CREATE TRIGGER song_text_insert AFTER INSERT ON songs BEGIN
         INSERT INTO song_text(rowid, name_folded, singer_folded)
           VALUES (new.key, new.name_folded, new.singer_folded);
       END;
       CREATE TRIGGER song_text_delete AFTER DELETE ON songs BEGIN
         INSERT INTO song_text(song_text, rowid, name_folded, singer_folded)
           VALUES ('delete', old.key, old.name_folded, old.singer_folded);
       END;
       CREATE TRIGGER song_text_update AFTER UPDATE OF name_folded, singer_folded ON songs BEGIN
         INSERT INTO song_text(song_text, rowid, name_folded, singer_folded)
           VALUES ('delete', old.key, old.name_folded, old.singer_folded);
         INSERT INTO song_text(rowid, name_folded, singer_folded)
           VALUES (new.key, new.name_folded, new.singer_folded);
       END;)",
    // 3: one index per chart order.
    R"(CREATE INDEX songs_hot ON songs (library_id, plays DESC, id);
       CREATE INDEX songs_new ON songs (library_id, added DESC, plays DESC, id);
       CREATE INDEX songs_old ON songs (library_id, year = 0, year, plays DESC, id);
       CREATE INDEX songs_searched ON songs (library_id, searches DESC, plays DESC, id);)",
    // 4: every music format: each song's format (its file's extension), and
    // whether its file holds lyrics and a front cover of its own; a singer
    // picture may be a music file's embedded cover. Files read before are
    // read once more (their stamps forgotten) so their embedded lyrics and
    // pictures are found; they keep their ids and counts.
    R"(ALTER TABLE songs ADD COLUMN format TEXT NOT NULL DEFAULT 'mp3';
       ALTER TABLE songs ADD COLUMN embedded_lyrics INTEGER NOT NULL DEFAULT 0;
       ALTER TABLE songs ADD COLUMN embedded_picture INTEGER NOT NULL DEFAULT 0;
       ALTER TABLE pictures ADD COLUMN embedded INTEGER NOT NULL DEFAULT 0;
       UPDATE songs SET mtime_ns = -1 WHERE size > 0;)",
};

// The version steps set, as fixed statements (PRAGMA takes no parameters).
constexpr const char* kSetVersion[] = {
    "PRAGMA user_version = 1",
    "PRAGMA user_version = 2",
    "PRAGMA user_version = 3",
    "PRAGMA user_version = 4",
};
static_assert(std::size(kSteps) == std::size(kSetVersion));

}  // namespace

int SqliteSchemaVersion() {
  return static_cast<int>(std::size(kSteps));
}

int SqliteFileVersion(SqliteConnection& connection) {
  auto& version = connection.Statement("PRAGMA user_version");
  const int value = version.Step() ? static_cast<int>(version.Int(0)) : 0;
  version.Reset();
  return value;
}

void UpgradeSqliteSchema(SqliteConnection& connection, int target) {
  const int version = SqliteFileVersion(connection);
  if (version > SqliteSchemaVersion()) {
    throw StoreError("SQLite: the index file has schema version " + std::to_string(version) +
                     ", newer than this program's " + std::to_string(SqliteSchemaVersion()) +
                     " (start with --reindex to rebuild it, or use a newer program)");
  }
  for (int step = version; step < target; ++step) {
    // Another program may upgrade the same file at the same time: the step
    // is taken only when the file is still before it once the write lock is
    // held.
    InWriteTransaction(connection, [&] {
      if (SqliteFileVersion(connection) != step) return;
      connection.Exec(kSteps[step]);
      connection.Exec(kSetVersion[step]);
    });
  }
}

}  // namespace vexo::service

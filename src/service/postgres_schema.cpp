#include "service/postgres_schema.h"

#include <iterator>
#include <string>

#include "service/catalogue_store.h"

namespace vexo::service {

namespace {

// Step n brings a database from version n to n + 1.
constexpr const char* kSteps[] = {
    // 1: libraries, songs with the stamps of their files, singer pictures.
    R"(CREATE TABLE libraries (
         id bigserial PRIMARY KEY,
         folder text NOT NULL UNIQUE,
         source_stamp text NOT NULL DEFAULT '');
       CREATE TABLE songs (
         library_id bigint NOT NULL REFERENCES libraries(id) ON DELETE CASCADE,
         id bigint NOT NULL,
         path text NOT NULL,
         size bigint NOT NULL DEFAULT 0,
         mtime_ns bigint NOT NULL DEFAULT 0,
         name text NOT NULL,
         singer text NOT NULL,
         album text NOT NULL DEFAULT '',
         year integer NOT NULL DEFAULT 0,
         added text NOT NULL DEFAULT '',
         duration integer NOT NULL DEFAULT 0,
         bit_rate integer NOT NULL DEFAULT 0,
         lyrics_path text NOT NULL DEFAULT '',
         plays bigint NOT NULL DEFAULT 0,
         searches bigint NOT NULL DEFAULT 0,
         PRIMARY KEY (library_id, id));
       CREATE TABLE pictures (
         library_id bigint NOT NULL REFERENCES libraries(id) ON DELETE CASCADE,
         position integer NOT NULL,
         singer text NOT NULL,
         path text NOT NULL,
         PRIMARY KEY (library_id, position));)",
    // 2: trigram indexes over the case-folded names and singers. Folding
    // lowers ASCII letters only. New entries go straight into the indexes
    // (no pending list that every search would have to read through).
    R"(CREATE EXTENSION IF NOT EXISTS pg_trgm;
       ALTER TABLE songs ADD COLUMN name_folded text NOT NULL DEFAULT '',
                         ADD COLUMN singer_folded text NOT NULL DEFAULT '';
       UPDATE songs SET
         name_folded = translate(name, 'ABCDEFGHIJKLMNOPQRSTUVWXYZ', 'abcdefghijklmnopqrstuvwxyz'),
         singer_folded = translate(singer, 'ABCDEFGHIJKLMNOPQRSTUVWXYZ', 'abcdefghijklmnopqrstuvwxyz');
       CREATE INDEX songs_name_text ON songs USING gin (name_folded gin_trgm_ops)
         WITH (fastupdate = off);
       CREATE INDEX songs_singer_text ON songs USING gin (singer_folded gin_trgm_ops)
         WITH (fastupdate = off);)",
    // 3: one index per chart order.
    R"(CREATE INDEX songs_hot ON songs (library_id, plays DESC, id);
       CREATE INDEX songs_new ON songs (library_id, added DESC, plays DESC, id);
       CREATE INDEX songs_old ON songs (library_id, (year = 0), year, plays DESC, id);
       CREATE INDEX songs_searched ON songs (library_id, searches DESC, plays DESC, id);)",
    // 4: every music format: each song's format (its file's extension), and
    // whether its file holds lyrics and a front cover of its own; a singer
    // picture may be a music file's embedded cover. Files read before are
    // read once more (their stamps forgotten) so their embedded lyrics and
    // pictures are found; they keep their ids and counts.
    R"(ALTER TABLE songs ADD COLUMN format text NOT NULL DEFAULT 'mp3',
                         ADD COLUMN embedded_lyrics boolean NOT NULL DEFAULT false,
                         ADD COLUMN embedded_picture boolean NOT NULL DEFAULT false;
       ALTER TABLE pictures ADD COLUMN embedded boolean NOT NULL DEFAULT false;
       UPDATE songs SET mtime_ns = -1 WHERE size > 0;)",
};

constexpr PgStatement kReadVersion{"schema_version",
                                   "SELECT coalesce(max(version), 0) FROM vexo_schema"};
constexpr PgStatement kSetVersion{"schema_set_version",
                                  "UPDATE vexo_schema SET version = $1::integer"};
constexpr const char* kMakeVersionTable =
    "CREATE TABLE IF NOT EXISTS vexo_schema (version integer NOT NULL);"
    "INSERT INTO vexo_schema SELECT 0 WHERE NOT EXISTS (SELECT 1 FROM vexo_schema)";
// One lock for every service that upgrades the same database.
constexpr const char* kUpgradeLock = "SELECT pg_advisory_xact_lock(7346290451)";

}  // namespace

int PostgresSchemaVersion() {
  return static_cast<int>(std::size(kSteps));
}

int PostgresDatabaseVersion(PgConnection& connection) {
  const auto result = connection.Run(kReadVersion, {});
  return result.Rows() > 0 ? static_cast<int>(result.Int(0, 0)) : 0;
}

void UpgradePostgresSchema(PgConnection& connection, int target) {
  InPgTransaction(connection, [&] {
    connection.Exec(kUpgradeLock);
    connection.Exec(kMakeVersionTable);
  });
  const int version = PostgresDatabaseVersion(connection);
  if (version > PostgresSchemaVersion()) {
    throw StoreError("PostgreSQL: the database has catalogue schema version " +
                     std::to_string(version) + ", newer than this program's " +
                     std::to_string(PostgresSchemaVersion()));
  }
  for (int step = version; step < target; ++step) {
    InPgTransaction(connection, [&] {
      connection.Exec(kUpgradeLock);
      // Another service may have taken this step while this one waited.
      if (PostgresDatabaseVersion(connection) != step) return;
      connection.Exec(kSteps[step]);
      connection.Run(kSetVersion, {std::to_string(step + 1)});
    });
  }
}

}  // namespace vexo::service

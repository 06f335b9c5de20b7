#pragma once
// The tables of an SQLite index file and their upgrades. The file's
// user_version is its schema version; opening a file brings it up to the
// newest version in place, one step per transaction.
#include "service/sqlite_connection.h"

namespace vexo::service {

// The version this program writes.
int SqliteSchemaVersion();
// The version of the file behind `connection`.
int SqliteFileVersion(SqliteConnection& connection);
// Applies every step after the file's version up to `target`. Throws
// StoreError for a file made by a newer program.
void UpgradeSqliteSchema(SqliteConnection& connection, int target = SqliteSchemaVersion());

}  // namespace vexo::service

#pragma once
// The tables of the catalogue in a PostgreSQL database and their upgrades.
// The version lives in the table vexo_schema; opening brings the database up
// to the newest version in place, one step per transaction, under a lock
// that keeps two services from upgrading at once.
#include "service/postgres_connection.h"

namespace vexo::service {

int PostgresSchemaVersion();
// The database's version (0 for a database without the catalogue).
int PostgresDatabaseVersion(PgConnection& connection);
// Applies every step after the database's version up to `target`. Throws
// StoreError for a database made by a newer program.
void UpgradePostgresSchema(PgConnection& connection, int target = PostgresSchemaVersion());

}  // namespace vexo::service

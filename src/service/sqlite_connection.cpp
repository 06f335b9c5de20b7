#include "service/sqlite_connection.h"

#include <sqlite3.h>

#include "service/catalogue_store.h"
#include "service/store_constants.h"

namespace vexo::service {

std::string SqliteProblem(sqlite3* db, int code) {
  std::string text = db ? sqlite3_errmsg(db) : sqlite3_errstr(code);
  switch (code & 0xff) {
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
      text += " (the index file is damaged; start with --reindex to rebuild it)";
      break;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
      text += " (another program holds the index file locked)";
      break;
    default:
      break;
  }
  return text;
}

namespace {

[[noreturn]] void Fail(sqlite3* db, int code) {
  throw StoreError("SQLite: " + SqliteProblem(db, code));
}

}  // namespace

SqliteStatement::SqliteStatement(sqlite3* db, const char* sql) : db_(db) {
  const int code = sqlite3_prepare_v3(db, sql, -1, SQLITE_PREPARE_PERSISTENT, &statement_, nullptr);
  if (code != SQLITE_OK) Fail(db, code);
}

SqliteStatement::~SqliteStatement() {
  sqlite3_finalize(statement_);
}

SqliteStatement& SqliteStatement::Bind(int index, std::int64_t value) {
  const int code = sqlite3_bind_int64(statement_, index, value);
  if (code != SQLITE_OK) Fail(db_, code);
  return *this;
}

SqliteStatement& SqliteStatement::Bind(int index, std::string_view text) {
  const int code = sqlite3_bind_text64(statement_, index, text.data(), text.size(),
                                       SQLITE_TRANSIENT, SQLITE_UTF8);
  if (code != SQLITE_OK) Fail(db_, code);
  return *this;
}

bool SqliteStatement::Step() {
  const int code = sqlite3_step(statement_);
  if (code == SQLITE_ROW) return true;
  if (code == SQLITE_DONE) return false;
  sqlite3_reset(statement_);
  Fail(db_, code);
}

std::int64_t SqliteStatement::Int(int column) const {
  return sqlite3_column_int64(statement_, column);
}

std::string SqliteStatement::Text(int column) const {
  const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement_, column));
  const int bytes = sqlite3_column_bytes(statement_, column);
  return text ? std::string(text, static_cast<std::size_t>(bytes)) : std::string();
}

void SqliteStatement::Reset() {
  sqlite3_reset(statement_);
  sqlite3_clear_bindings(statement_);
}

SqliteConnection::SqliteConnection(const std::string& file) {
  const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX |
                    (file.empty() ? SQLITE_OPEN_MEMORY : 0);
  const int code = sqlite3_open_v2(file.empty() ? ":memory:" : file.c_str(), &db_, flags, nullptr);
  if (code != SQLITE_OK) {
    const std::string problem = SqliteProblem(db_, code);
    sqlite3_close(db_);
    throw StoreError("SQLite: cannot open " + file + ": " + problem);
  }
  sqlite3_busy_timeout(db_, static_cast<int>(kSqliteBusyWait.count()));
  sqlite3_extended_result_codes(db_, 1);
}

SqliteConnection::~SqliteConnection() {
  statements_.clear();
  sqlite3_close(db_);
}

void SqliteConnection::Exec(const char* sql) {
  const int code = sqlite3_exec(db_, sql, nullptr, nullptr, nullptr);
  if (code != SQLITE_OK) Fail(db_, code);
}

SqliteStatement& SqliteConnection::Statement(const char* sql) {
  auto& slot = statements_[sql];
  if (!slot) slot = std::make_unique<SqliteStatement>(db_, sql);
  slot->Reset();
  return *slot;
}

}  // namespace vexo::service

#pragma once
// One connection to an SQLite database with its prepared statements. Every
// statement is fixed text given by the caller; values only ever travel as
// bound parameters. Not thread-safe: the SQLite store hands each connection
// to one thread at a time.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

struct sqlite3;
struct sqlite3_stmt;

namespace vexo::service {

class SqliteStatement {
 public:
  SqliteStatement(sqlite3* db, const char* sql);
  ~SqliteStatement();
  SqliteStatement(const SqliteStatement&) = delete;
  SqliteStatement& operator=(const SqliteStatement&) = delete;

  // Binding starts over after Reset(); indices count from 1.
  SqliteStatement& Bind(int index, std::int64_t value);
  SqliteStatement& Bind(int index, std::string_view text);
  // Moves to the next row; false when there is none. Throws StoreError.
  bool Step();
  std::int64_t Int(int column) const;
  std::string Text(int column) const;
  // Ready for the next use: rows and bindings cleared.
  void Reset();

 private:
  sqlite3* db_;
  sqlite3_stmt* statement_ = nullptr;
};

class SqliteConnection {
 public:
  // Opens (creating) `file`; an empty file name opens a private in-memory
  // database. Throws StoreError.
  explicit SqliteConnection(const std::string& file);
  ~SqliteConnection();
  SqliteConnection(const SqliteConnection&) = delete;
  SqliteConnection& operator=(const SqliteConnection&) = delete;

  sqlite3* Handle() const { return db_; }
  // Runs fixed statements with no parameters and no rows.
  void Exec(const char* sql);
  // The statement for `sql`, prepared once per connection and reset.
  SqliteStatement& Statement(const char* sql);

 private:
  sqlite3* db_ = nullptr;
  std::unordered_map<const char*, std::unique_ptr<SqliteStatement>> statements_;
};

// Runs `body` inside one write transaction on `connection`: committed when
// it returns, rolled back when it throws.
template <typename Body>
void InWriteTransaction(SqliteConnection& connection, Body&& body) {
  connection.Exec("BEGIN IMMEDIATE");
  try {
    body();
    connection.Exec("COMMIT");
  } catch (...) {
    try {
      connection.Exec("ROLLBACK");
    } catch (...) {
    }
    throw;
  }
}

// Runs `body` inside one read transaction, so every statement in it sees the
// same moment of the database.
template <typename Body>
void InReadTransaction(SqliteConnection& connection, Body&& body) {
  connection.Exec("BEGIN");
  try {
    body();
    connection.Exec("COMMIT");
  } catch (...) {
    try {
      connection.Exec("ROLLBACK");
    } catch (...) {
    }
    throw;
  }
}

// The message for an SQLite failure on `db`, with the way out where one
// exists (a file that is not an index: rebuild it).
std::string SqliteProblem(sqlite3* db, int code);

}  // namespace vexo::service

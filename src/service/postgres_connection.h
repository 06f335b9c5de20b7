#pragma once
// One connection to a PostgreSQL database and the statements prepared on
// it. Statements are fixed text with numbered parameters; values travel as
// parameters only. Not thread-safe: the store lends each connection to one
// thread at a time.
#include <cstdint>
#include <string>
#include <unordered_set>
#include <vector>

#include "service/catalogue_store.h"

typedef struct pg_conn PGconn;
typedef struct pg_result PGresult;

namespace vexo::service {

// A statement prepared under `name` on each connection that runs it.
struct PgStatement {
  const char* name;
  const char* sql;
};

class PgResult {
 public:
  explicit PgResult(PGresult* result) : result_(result) {}
  ~PgResult();
  PgResult(PgResult&& other) noexcept : result_(other.result_) { other.result_ = nullptr; }
  PgResult(const PgResult&) = delete;
  PgResult& operator=(const PgResult&) = delete;

  int Rows() const;
  std::int64_t Int(int row, int column) const;
  std::string Text(int row, int column) const;

 private:
  PGresult* result_;
};

// A statement the database gave up on because of other transactions at the
// same moment (a deadlock it broke, a serialization conflict): it succeeds
// when run again.
class PgConflictError : public StoreError {
 public:
  using StoreError::StoreError;
};

class PgConnection {
 public:
  // Connects to `url`. Throws StoreError (unavailable) when it cannot.
  explicit PgConnection(const std::string& url);
  ~PgConnection();
  PgConnection(const PgConnection&) = delete;
  PgConnection& operator=(const PgConnection&) = delete;

  PGconn* Handle() const { return connection_; }
  bool Healthy() const;
  // Runs a fixed statement without parameters (BEGIN, COMMIT, LISTEN, DDL).
  void Exec(const char* sql);
  // Runs `statement` with `parameters` (as text). Throws StoreError,
  // unavailable when the connection was lost, and PgConflictError when
  // another transaction got in the way.
  PgResult Run(const PgStatement& statement, const std::vector<std::string>& parameters);

 private:
  [[noreturn]] void Fail(const std::string& what, PGresult* result);
  PGconn* connection_ = nullptr;
  std::unordered_set<const char*> prepared_;
};

template <typename Body>
void InPgTransaction(PgConnection& connection, Body&& body) {
  connection.Exec("BEGIN");
  try {
    body();
    connection.Exec("COMMIT");
  } catch (...) {
    try {
      if (connection.Healthy()) connection.Exec("ROLLBACK");
    } catch (...) {
    }
    throw;
  }
}

}  // namespace vexo::service

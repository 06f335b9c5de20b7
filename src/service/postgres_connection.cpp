#include "service/postgres_connection.h"

#include <string_view>

#include <libpq-fe.h>

#include "service/catalogue_store.h"
#include "service/store_constants.h"

namespace vexo::service {

namespace {

// The SQLSTATE codes of a transaction that lost to another one.
constexpr std::string_view kSqlStateDeadlock = "40P01";
constexpr std::string_view kSqlStateSerialization = "40001";

std::string Trimmed(const char* message) {
  std::string text = message ? message : "";
  while (!text.empty() && (text.back() == '\n' || text.back() == ' '))
    text.pop_back();
  return text;
}

}  // namespace

PgResult::~PgResult() {
  PQclear(result_);
}

int PgResult::Rows() const {
  return PQntuples(result_);
}

std::int64_t PgResult::Int(int row, int column) const {
  return std::stoll(PQgetvalue(result_, row, column));
}

std::string PgResult::Text(int row, int column) const {
  return std::string(PQgetvalue(result_, row, column),
                     static_cast<std::size_t>(PQgetlength(result_, row, column)));
}

PgConnection::PgConnection(const std::string& url) {
  // The address's own settings come last and so win over these defaults.
  const std::string timeout = std::to_string(kPostgresConnectSeconds);
  const char* keys[] = {"connect_timeout", "application_name", "dbname", nullptr};
  const char* values[] = {timeout.c_str(), "vexo-catalogue", url.c_str(), nullptr};
  connection_ = PQconnectdbParams(keys, values, 1);
  if (!connection_ || PQstatus(connection_) != CONNECTION_OK) {
    const std::string problem =
        connection_ ? Trimmed(PQerrorMessage(connection_)) : "out of memory";
    PQfinish(connection_);
    connection_ = nullptr;
    throw StoreError("PostgreSQL: cannot connect: " + problem, true);
  }
  PQsetNoticeProcessor(
      connection_, [](void*, const char*) {}, nullptr);
  Exec("SET client_min_messages = warning");
}

PgConnection::~PgConnection() {
  PQfinish(connection_);
}

bool PgConnection::Healthy() const {
  return connection_ && PQstatus(connection_) == CONNECTION_OK;
}

void PgConnection::Fail(const std::string& what, PGresult* result) {
  std::string problem = Trimmed(result ? PQresultErrorMessage(result) : nullptr);
  if (problem.empty()) problem = Trimmed(PQerrorMessage(connection_));
  const char* state = result ? PQresultErrorField(result, PG_DIAG_SQLSTATE) : nullptr;
  const bool conflict = state && (std::string_view(state) == kSqlStateDeadlock ||
                                  std::string_view(state) == kSqlStateSerialization);
  PQclear(result);
  if (conflict) throw PgConflictError("PostgreSQL: " + what + ": " + problem);
  throw StoreError("PostgreSQL: " + what + ": " + problem, !Healthy());
}

void PgConnection::Exec(const char* sql) {
  PGresult* result = PQexec(connection_, sql);
  const auto status = result ? PQresultStatus(result) : PGRES_FATAL_ERROR;
  if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK) Fail(sql, result);
  PQclear(result);
}

PgResult PgConnection::Run(const PgStatement& statement,
                           const std::vector<std::string>& parameters) {
  if (!prepared_.contains(statement.name)) {
    PGresult* prepared = PQprepare(connection_, statement.name, statement.sql, 0, nullptr);
    if (!prepared || PQresultStatus(prepared) != PGRES_COMMAND_OK) {
      Fail(std::string("preparing ") + statement.name, prepared);
    }
    PQclear(prepared);
    prepared_.insert(statement.name);
  }
  std::vector<const char*> values;
  values.reserve(parameters.size());
  for (const auto& parameter : parameters)
    values.push_back(parameter.c_str());
  PGresult* result = PQexecPrepared(connection_, statement.name, static_cast<int>(values.size()),
                                    values.data(), nullptr, nullptr, 0);
  const auto status = result ? PQresultStatus(result) : PGRES_FATAL_ERROR;
  if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK) Fail(statement.name, result);
  return PgResult(result);
}

}  // namespace vexo::service

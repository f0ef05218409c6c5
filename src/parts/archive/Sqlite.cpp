#include "parts/archive/Sqlite.h"

#include <sqlite3.h>

#include <cmath>
#include <string>

namespace velkor::sim::sqlite {

namespace {

[[noreturn]] void Throw(sqlite3* db, int code) {
  throw Error(code, db ? sqlite3_errmsg(db) : sqlite3_errstr(code));
}

int Length(std::string_view s) {
  return static_cast<int>(s.size());
}

}  // namespace

void Database::Close::operator()(sqlite3* db) const {
  sqlite3_close_v2(db);
}

Database::Database(const std::string& file, int flags) {
  sqlite3* db = nullptr;
  const int rc = sqlite3_open_v2(file.c_str(), &db, flags, nullptr);
  db_.reset(db);  // a handle is returned even when opening fails
  if (rc != SQLITE_OK) Throw(db, rc);
  sqlite3_extended_result_codes(db, 1);
}

void Database::Execute(std::string_view sql) {
  const std::string text(sql);
  char* message = nullptr;
  const int rc = sqlite3_exec(db_.get(), text.c_str(), nullptr, nullptr, &message);
  if (rc == SQLITE_OK) return;
  const std::string what = message ? message : sqlite3_errstr(rc);
  sqlite3_free(message);
  throw Error(rc, what);
}

std::int64_t Database::LastInsertId() const {
  return sqlite3_last_insert_rowid(db_.get());
}

void Statement::Finalize::operator()(sqlite3_stmt* stmt) const {
  sqlite3_finalize(stmt);
}

Statement::Statement(const Database& db, std::string_view sql) {
  sqlite3_stmt* stmt = nullptr;
  const int rc = sqlite3_prepare_v2(db.handle(), sql.data(), Length(sql), &stmt, nullptr);
  stmt_.reset(stmt);
  if (rc != SQLITE_OK) Throw(db.handle(), rc);
}

void Statement::Fail(int code) const {
  Throw(sqlite3_db_handle(stmt_.get()), code);
}

Statement& Statement::Bind(int index, std::int64_t value) {
  if (int rc = sqlite3_bind_int64(stmt_.get(), index, value); rc != SQLITE_OK) Fail(rc);
  return *this;
}

Statement& Statement::Bind(int index, double value) {
  if (std::isnan(value)) return BindNull(index);
  if (int rc = sqlite3_bind_double(stmt_.get(), index, value); rc != SQLITE_OK) Fail(rc);
  return *this;
}

Statement& Statement::Bind(int index, std::string_view value) {
  const int rc =
      sqlite3_bind_text(stmt_.get(), index, value.data(), Length(value), SQLITE_TRANSIENT);
  if (rc != SQLITE_OK) Fail(rc);
  return *this;
}

Statement& Statement::BindNull(int index) {
  if (int rc = sqlite3_bind_null(stmt_.get(), index); rc != SQLITE_OK) Fail(rc);
  return *this;
}

bool Statement::Step() {
  const int rc = sqlite3_step(stmt_.get());
  if (rc == SQLITE_ROW) return true;
  if (rc == SQLITE_DONE) return false;
  sqlite3_reset(stmt_.get());
  Fail(rc);
}

void Statement::Reset() {
  sqlite3_reset(stmt_.get());
}

bool Statement::IsNull(int column) const {
  return sqlite3_column_type(stmt_.get(), column) == SQLITE_NULL;
}

std::int64_t Statement::Int64(int column) const {
  return sqlite3_column_int64(stmt_.get(), column);
}

double Statement::Double(int column) const {
  return sqlite3_column_double(stmt_.get(), column);
}

std::string Statement::Text(int column) const {
  const auto* text = sqlite3_column_text(stmt_.get(), column);
  const int size = sqlite3_column_bytes(stmt_.get(), column);
  return text ? std::string(reinterpret_cast<const char*>(text), static_cast<std::size_t>(size))
              : std::string();
}

Transaction::Transaction(Database& db) : db_(db) {
  db_.Execute("BEGIN IMMEDIATE");
}

Transaction::~Transaction() {
  if (!open_) return;
  try {
    db_.Execute("ROLLBACK");
  } catch (const Error&) {
    // SQLite may already have rolled back after the failure that got us here.
  }
}

void Transaction::Commit() {
  db_.Execute("COMMIT");
  open_ = false;
}

}  // namespace velkor::sim::sqlite

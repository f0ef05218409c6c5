// Thin owning wrappers around SQLite's C API: a connection, a prepared
// statement and a transaction. Failures throw sqlite::Error with SQLite's
// result code and message; callers give them their own context.
#pragma once

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace velkor::sim::sqlite {

class Error : public std::runtime_error {
 public:
  Error(int code, const std::string& message) : std::runtime_error(message), code_(code) {}
  // The primary result code (SQLITE_NOTADB, SQLITE_CANTOPEN, ...).
  int code() const { return code_ & 0xFF; }
  // The extended result code (SQLITE_READONLY_ROLLBACK, ...).
  int extended() const { return code_; }

 private:
  int code_;
};

class Database {
 public:
  // `flags` are sqlite3_open_v2 flags; the connection reports extended codes.
  Database(const std::string& file, int flags);
  sqlite3* handle() const { return db_.get(); }
  // Runs one or more statements that return no rows.
  void Execute(std::string_view sql);
  std::int64_t LastInsertId() const;

 private:
  struct Close {
    void operator()(sqlite3* db) const;
  };
  std::unique_ptr<sqlite3, Close> db_;
};

class Statement {
 public:
  Statement(const Database& db, std::string_view sql);

  // Parameters count from 1.
  Statement& Bind(int index, std::int64_t value);
  Statement& Bind(int index, double value);  // NaN is stored as NULL
  Statement& Bind(int index, std::string_view value);
  Statement& BindNull(int index);
  // True while a row is ready; false when the statement is done.
  bool Step();
  // Makes the statement ready to run again; bindings are kept.
  void Reset();

  bool IsNull(int column) const;
  std::int64_t Int64(int column) const;
  double Double(int column) const;
  std::string Text(int column) const;

 private:
  struct Finalize {
    void operator()(sqlite3_stmt* stmt) const;
  };
  [[noreturn]] void Fail(int code) const;
  std::unique_ptr<sqlite3_stmt, Finalize> stmt_;
};

// Resets a cached statement when the scope that runs it ends, so that a
// half-read query keeps no read transaction open.
class Running {
 public:
  explicit Running(Statement& statement) : statement_(statement) { statement_.Reset(); }
  Running(const Running&) = delete;
  Running& operator=(const Running&) = delete;
  ~Running() { statement_.Reset(); }
  Statement* operator->() const { return &statement_; }
  Statement& operator*() const { return statement_; }

 private:
  Statement& statement_;
};

// A write transaction that rolls back unless committed.
class Transaction {
 public:
  explicit Transaction(Database& db);
  Transaction(const Transaction&) = delete;
  Transaction& operator=(const Transaction&) = delete;
  ~Transaction();
  void Commit();

 private:
  Database& db_;
  bool open_ = true;
};

}  // namespace velkor::sim::sqlite

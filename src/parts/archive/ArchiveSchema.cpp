#include "parts/archive/ArchiveSchema.h"

#include <cstdint>
#include <string>

#include "parts/archive/ArchiveErrors.h"
#include "parts/archive/ArchiveSql.h"

namespace velkor::sim {

namespace {

std::int64_t QueryNumber(const sqlite::Database& db, std::string_view sql) {
  sqlite::Statement statement(db, sql);
  return statement.Step() ? statement.Int64(0) : 0;
}

void CreateSchema(sqlite::Database& db) {
  sqlite::Transaction transaction(db);
  db.Execute(archive_sql::kCreateSchema);
  db.Execute("PRAGMA user_version = " + std::to_string(archive_sql::kSchemaVersion));
  transaction.Commit();
}

}  // namespace

void EnsureArchiveSchema(sqlite::Database& db, std::string_view name, bool mayCreate) {
  const std::int64_t version = QueryNumber(db, "PRAGMA user_version");
  if (version == archive_sql::kSchemaVersion) return;
  if (version != 0) {
    archive_error::RaiseNotAnArchive(name, "schema version " + std::to_string(version) +
                                               ", expected " +
                                               std::to_string(archive_sql::kSchemaVersion));
  }
  if (QueryNumber(db, "SELECT count(*) FROM sqlite_master") != 0) {
    archive_error::RaiseNotAnArchive(name, "the database holds other tables");
  }
  if (!mayCreate) archive_error::RaiseNotAnArchive(name, "the database is empty");
  CreateSchema(db);
}

}  // namespace velkor::sim

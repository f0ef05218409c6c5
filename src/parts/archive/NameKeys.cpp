#include "parts/archive/NameKeys.h"

#include <sqlite3.h>

#include <cstdint>
#include <vector>

#include "parts/archive/ArchiveNames.h"
#include "platform/Utf8.h"

namespace velkor::sim::name_keys {

namespace {

constexpr std::string_view kInfoKey = "name_keys";

struct Row {
  std::int64_t id;
  std::string name;
};

std::vector<Row> Rows(const sqlite::Database& db, std::string_view sql) {
  std::vector<Row> rows;
  sqlite::Statement select(db, sql);
  while (select.Step()) rows.push_back({select.Int64(0), select.Text(1)});
  return rows;
}

void Rekey(sqlite::Database& db, std::string_view table, std::string_view nameColumn,
           std::string_view keyColumn) {
  const std::string from = " FROM " + std::string(table);
  const auto rows = Rows(db, "SELECT id, " + std::string(nameColumn) + from);
  sqlite::Statement update(db, "UPDATE " + std::string(table) + " SET " + std::string(keyColumn) +
                                   " = ?1 WHERE id = ?2");
  for (const Row& row : rows) {
    update.Reset();
    update.Bind(1, NameKey(row.name)).Bind(2, row.id);
    try {
      update.Step();
    } catch (const sqlite::Error& e) {
      // Another name of the table already has this key: keep the old one.
      if (e.code() != SQLITE_CONSTRAINT) throw;
    }
  }
}

}  // namespace

std::string CurrentVersion() {
  return "upper case of Unicode " + std::string(utf8::UnicodeVersion());
}

bool AreCurrent(const sqlite::Database& db) {
  sqlite::Statement get(db, "SELECT value FROM archive_info WHERE key = ?1");
  get.Bind(1, kInfoKey);
  return get.Step() && get.Text(0) == CurrentVersion();
}

void Refresh(sqlite::Database& db) {
  sqlite::Transaction transaction(db);
  Rekey(db, "servers", "name", "name_key");
  Rekey(db, "points", "tag", "tag_key");
  sqlite::Statement set(db,
                        "INSERT INTO archive_info (key, value) VALUES (?1, ?2) "
                        "ON CONFLICT (key) DO UPDATE SET value = excluded.value");
  set.Bind(1, kInfoKey).Bind(2, CurrentVersion()).Step();
  transaction.Commit();
}

std::optional<FoundPoint> FindByName(const sqlite::Database& db, std::string_view server,
                                     std::string_view tag) {
  const std::string serverKey = NameKey(server);
  const std::string tagKey = NameKey(tag);
  sqlite::Statement scan(db,
                         "SELECT p.id, p.units, s.name, p.tag FROM points p "
                         "JOIN servers s ON s.id = p.server_id ORDER BY p.id");
  while (scan.Step()) {
    if (NameKey(scan.Text(2)) != serverKey || NameKey(scan.Text(3)) != tagKey) continue;
    return FoundPoint{scan.Int64(0), scan.IsNull(1) ? std::string() : scan.Text(1)};
  }
  return std::nullopt;
}

}  // namespace velkor::sim::name_keys

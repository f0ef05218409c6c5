// The SQL of the archive database: its schema and the statements the store
// runs. docs/archive.md describes the tables.
#pragma once

#include <string_view>

namespace velkor::sim::archive_sql {

// Stored in PRAGMA user_version; a database with another version is refused.
inline constexpr int kSchemaVersion = 1;

// Names are matched on a key column (upper case, trimmed) rather than with
// COLLATE NOCASE, which folds ASCII letters only. Sample times are day counts
// (see parts/time/DayCount.h) so that the index orders them before 1899 too.
inline constexpr std::string_view kCreateSchema = R"sql(
CREATE TABLE servers (
  id       INTEGER PRIMARY KEY,
  name     TEXT NOT NULL,
  name_key TEXT NOT NULL UNIQUE
);
CREATE TABLE points (
  id          INTEGER PRIMARY KEY,
  server_id   INTEGER NOT NULL REFERENCES servers(id),
  tag         TEXT NOT NULL,
  tag_key     TEXT NOT NULL,
  description TEXT,
  units       TEXT,
  UNIQUE (server_id, tag_key)
);
CREATE TABLE samples (
  point_id INTEGER NOT NULL REFERENCES points(id),
  time     REAL NOT NULL,
  value    REAL,
  status   INTEGER NOT NULL DEFAULT 0,
  PRIMARY KEY (point_id, time)
) WITHOUT ROWID;
CREATE TABLE archive_info (
  key   TEXT PRIMARY KEY,
  value TEXT NOT NULL
) WITHOUT ROWID;
)sql";

inline constexpr std::string_view kFindServer = "SELECT id FROM servers WHERE name_key = ?1";
inline constexpr std::string_view kServerExists = "SELECT 1 FROM servers WHERE id = ?1";
inline constexpr std::string_view kInsertServer =
    "INSERT INTO servers (name, name_key) VALUES (?1, ?2)";

inline constexpr std::string_view kFindPointOfServer =
    "SELECT id FROM points WHERE server_id = ?1 AND tag_key = ?2";
inline constexpr std::string_view kFindPoint =
    "SELECT p.id, p.units FROM points p JOIN servers s ON s.id = p.server_id "
    "WHERE s.name_key = ?1 AND p.tag_key = ?2";
inline constexpr std::string_view kPointExists = "SELECT 1 FROM points WHERE id = ?1";
inline constexpr std::string_view kInsertPoint =
    "INSERT INTO points (server_id, tag, tag_key, description, units) "
    "VALUES (?1, ?2, ?3, ?4, ?5)";
inline constexpr std::string_view kListPoints =
    "SELECT s.name, p.tag, p.description, p.units FROM points p "
    "JOIN servers s ON s.id = p.server_id ORDER BY s.name_key, p.tag_key";

// ?1 point, ?2 and ?3 the bounds as day counts, both included.
inline constexpr std::string_view kReadRange =
    "SELECT time, value, status FROM samples "
    "WHERE point_id = ?1 AND time >= ?2 AND time <= ?3 ORDER BY time";
inline constexpr std::string_view kReadBefore =
    "SELECT time, value, status FROM samples "
    "WHERE point_id = ?1 AND time < ?2 ORDER BY time DESC LIMIT 1";
inline constexpr std::string_view kCountSamples =
    "SELECT count(*) FROM samples WHERE point_id = ?1";

// The insert takes rows of (point, time, value, status); a later value for
// a time already held replaces the earlier one.
inline constexpr std::string_view kInsertSamplesHead =
    "INSERT INTO samples (point_id, time, value, status) VALUES ";
inline constexpr std::string_view kInsertSamplesTail =
    " ON CONFLICT (point_id, time) DO UPDATE SET value = excluded.value, status = excluded.status";

inline constexpr std::string_view kSetInfo =
    "INSERT INTO archive_info (key, value) VALUES (?1, ?2) "
    "ON CONFLICT (key) DO UPDATE SET value = excluded.value";
inline constexpr std::string_view kGetInfo = "SELECT value FROM archive_info WHERE key = ?1";

}  // namespace velkor::sim::archive_sql

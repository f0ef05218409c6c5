// The errors the archive store raises. Each names the database, so that a
// message box or a log line says which file is at fault.
#pragma once

#include <cstdint>
#include <string_view>

#include "parts/archive/Sqlite.h"

namespace velkor::sim::archive_error {

// The runtime's "Invalid file format": the file is no archive database.
inline constexpr std::int32_t kInvalidFileFormat = 321;

// File not found (53): a database opened for reading does not exist.
[[noreturn]] void RaiseNotFound(std::string_view database);
// Invalid file format (321): not a SQLite file, or not this archive's schema.
[[noreturn]] void RaiseNotAnArchive(std::string_view database, std::string_view why);
// A failure of SQLite: Invalid file format (321) for a damaged file, Path/File
// access error (75) for anything else (cannot open, read-only, disk full).
[[noreturn]] void RaiseFromSqlite(std::string_view database, const sqlite::Error& error);
// Path/File access error (75): a crashed write left a journal that this
// process cannot roll back (no write access); says what to run.
[[noreturn]] void RaiseInterruptedWrite(std::string_view database, std::string_view why);
// Invalid procedure call (5): the caller passed something the archive refuses.
[[noreturn]] void RaiseBadArgument(std::string_view database, std::string_view what);

// Runs `body`, turning a SQLite failure into the archive's error.
template <class F>
decltype(auto) Guarded(std::string_view database, F&& body) {
  try {
    return body();
  } catch (const sqlite::Error& e) {
    RaiseFromSqlite(database, e);
  }
}

}  // namespace velkor::sim::archive_error

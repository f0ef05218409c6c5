// Checking and creating the archive schema when a database is opened.
#pragma once

#include <string_view>

#include "parts/archive/Sqlite.h"

namespace velkor::sim {

// Accepts a database that holds this archive's schema version. An empty
// database gets the schema when `mayCreate`; anything else (another version,
// other tables, an empty database opened for reading) raises Invalid file
// format (321) naming `name`. SQLite failures propagate as sqlite::Error.
void EnsureArchiveSchema(sqlite::Database& db, std::string_view name, bool mayCreate);

}  // namespace velkor::sim

// Name keys are the names in upper case, and upper case follows the Unicode
// version of the case mapping in use. An archive records the version its
// keys were made with; one made with another (or before versions were
// recorded, when only Latin, Greek and Cyrillic letters had a case) gets its
// keys made anew when it is opened for writing. Opened for reading, it is
// left as it is and names that miss their key are looked for by name.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "parts/archive/ArchiveTypes.h"
#include "parts/archive/Sqlite.h"

namespace velkor::sim::name_keys {

// The value recorded under "name_keys" in archive_info.
std::string CurrentVersion();

bool AreCurrent(const sqlite::Database& db);

// Makes every key anew in one transaction and records the version. A name
// whose new key another name of its table already has keeps its old key:
// both stay, and lookups find the first.
void Refresh(sqlite::Database& db);

struct FoundPoint {
  PointId id = 0;
  std::string units;
};

// The point whose server and tag match by their names rather than their
// keys, for archives whose keys are not current.
std::optional<FoundPoint> FindByName(const sqlite::Database& db, std::string_view server,
                                     std::string_view tag);

}  // namespace velkor::sim::name_keys

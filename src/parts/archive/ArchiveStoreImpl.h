// The connection and prepared statements behind an ArchiveStore; private to
// the store's source files.
#pragma once

#include <string>

#include "parts/archive/ArchiveStore.h"
#include "parts/archive/SampleWriter.h"
#include "parts/archive/Sqlite.h"

namespace velkor::sim {

struct ArchiveStore::Impl {
  // Preparing every statement up front also proves that the tables have the
  // columns this code expects.
  Impl(std::string name, sqlite::Database database);

  std::string name;
  sqlite::Database db;
  // False for an archive opened for reading whose name keys were made with
  // another case mapping (see NameKeys.h).
  bool keysCurrent = true;
  sqlite::Statement findServer;
  sqlite::Statement serverExists;
  sqlite::Statement insertServer;
  sqlite::Statement findPointOfServer;
  sqlite::Statement findPoint;
  sqlite::Statement pointExists;
  sqlite::Statement insertPoint;
  sqlite::Statement listPoints;
  sqlite::Statement readRange;
  sqlite::Statement readBefore;
  sqlite::Statement countSamples;
  sqlite::Statement setInfo;
  sqlite::Statement getInfo;
  SampleWriter writer;
};

}  // namespace velkor::sim

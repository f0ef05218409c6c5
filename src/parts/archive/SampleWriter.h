// Inserts samples in batches of many rows per statement execution, which
// is several times faster than one row per execution.
#pragma once

#include <span>

#include "parts/archive/ArchiveTypes.h"
#include "parts/archive/Sqlite.h"

namespace velkor::sim {

class SampleWriter {
 public:
  explicit SampleWriter(const sqlite::Database& db);
  // Inserts inside the caller's transaction; the times must be valid dates.
  void Write(PointId point, std::span<const Sample> samples);

 private:
  void Run(sqlite::Statement& statement, PointId point, std::span<const Sample> rows);

  sqlite::Statement batch_;
  sqlite::Statement single_;
};

}  // namespace velkor::sim

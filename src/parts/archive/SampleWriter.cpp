#include "parts/archive/SampleWriter.h"

#include <string>

#include "parts/archive/ArchiveSql.h"
#include "parts/time/DayCount.h"

namespace velkor::sim {

namespace {

constexpr std::size_t kBatchRows = 128;

// "(?1, ?2, ?3, ?4), (?1, ?5, ?6, ?7), ...": the point is bound once.
std::string InsertSql(std::size_t rows) {
  std::string sql(archive_sql::kInsertSamplesHead);
  for (std::size_t row = 0; row < rows; ++row) {
    const std::size_t first = 2 + 3 * row;
    if (row > 0) sql += ", ";
    sql += "(?1, ?" + std::to_string(first) + ", ?" + std::to_string(first + 1) + ", ?" +
           std::to_string(first + 2) + ")";
  }
  sql += archive_sql::kInsertSamplesTail;
  return sql;
}

}  // namespace

SampleWriter::SampleWriter(const sqlite::Database& db)
    : batch_(db, InsertSql(kBatchRows)), single_(db, InsertSql(1)) {}

void SampleWriter::Write(PointId point, std::span<const Sample> samples) {
  while (samples.size() >= kBatchRows) {
    Run(batch_, point, samples.first(kBatchRows));
    samples = samples.subspan(kBatchRows);
  }
  for (std::size_t i = 0; i < samples.size(); ++i) Run(single_, point, samples.subspan(i, 1));
}

void SampleWriter::Run(sqlite::Statement& statement, PointId point, std::span<const Sample> rows) {
  sqlite::Running running(statement);
  running->Bind(1, point);
  int index = 2;
  for (const Sample& sample : rows) {
    running->Bind(index++, ToDayCount(sample.time));
    running->Bind(index++, sample.value);
    running->Bind(index++, static_cast<std::int64_t>(sample.status));
  }
  running->Step();
}

}  // namespace velkor::sim

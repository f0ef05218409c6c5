#include <gtest/gtest.h>

#include <sqlite3.h>

#include <optional>
#include <string>
#include <vector>

#include "parts/archive/ArchiveSql.h"
#include "parts/archive/ArchiveStore.h"
#include "parts/archive/Sqlite.h"
#include "platform/VbError.h"
#include "unit/archive/ArchiveTestFiles.h"

namespace velkor::sim {
namespace {

using archive_test::ScratchFolder;

std::optional<VbError> ErrorOf(const std::filesystem::path& file, ArchiveAccess access) {
  try {
    ArchiveStore::Open(file, access);
  } catch (const VbError& e) {
    return e;
  }
  return std::nullopt;
}

void MakeDatabase(const std::filesystem::path& file, std::string_view sql) {
  sqlite::Database db(file.string(), SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
  db.Execute(sql);
}

TEST(ArchiveFile, WritingCreatesTheFileAndReadingFindsTheValues) {
  ScratchFolder folder;
  const auto file = folder / "plant.db";
  {
    ArchiveStore store = ArchiveStore::Open(file, ArchiveAccess::Write);
    const PointId point = store.AddPoint(store.AddServer("srv"), "tag");
    store.AppendValues(point, std::vector<Sample>{{DateValue{46363.25}, 1.5}});
  }
  {
    ArchiveStore store = ArchiveStore::Open(file, ArchiveAccess::Write);  // keeps what is there
    store.AddServer("other");
  }
  ArchiveStore store = ArchiveStore::Open(file, ArchiveAccess::Read);
  EXPECT_EQ(store.Name(), file.string());
  const RangeRead read = store.ReadRange("SRV", "TAG", DateValue{46363}, DateValue{46364});
  ASSERT_EQ(read.samples.size(), 1u);
  EXPECT_EQ(read.samples[0].value, 1.5);

  try {
    store.AddServer("new");
    FAIL();
  } catch (const VbError& e) {
    EXPECT_EQ(e.number(), 75);
    EXPECT_NE(e.description().find(file.string()), std::string::npos) << e.description();
  }
}

TEST(ArchiveFile, FilesThatHoldNoArchiveAreRefusedByName) {
  ScratchFolder folder;
  struct Row {
    std::filesystem::path file;
    ArchiveAccess access;
    std::int32_t number;
    std::string reason;
  };
  const auto text =
      folder.Write("text.db", "this is not a database, just some text to fill a page");
  const auto empty = folder.Write("empty.db", "");
  const auto foreign = folder / "foreign.db";
  MakeDatabase(foreign, "CREATE TABLE things (x)");
  const auto newer = folder / "newer.db";
  MakeDatabase(newer, "PRAGMA user_version = 7");
  const auto hollow = folder / "hollow.db";
  MakeDatabase(hollow, "PRAGMA user_version = 1; CREATE TABLE servers (id)");
  const std::vector<Row> rows{
      {folder / "missing.db", ArchiveAccess::Read, 53, "not found"},
      {text, ArchiveAccess::Read, 321, "not a valid archive"},
      {text, ArchiveAccess::Write, 321, "not a valid archive"},
      {empty, ArchiveAccess::Read, 321, "the database is empty"},
      {foreign, ArchiveAccess::Read, 321, "other tables"},
      {foreign, ArchiveAccess::Write, 321, "other tables"},
      {newer, ArchiveAccess::Write, 321, "schema version 7"},
      {hollow, ArchiveAccess::Read, 321, "not a valid archive"},
      {folder / "no" / "such" / "folder.db", ArchiveAccess::Write, 75, "unable to open"},
  };
  for (const auto& row : rows) {
    const auto error = ErrorOf(row.file, row.access);
    ASSERT_TRUE(error) << row.file;
    EXPECT_EQ(error->number(), row.number) << error->description();
    EXPECT_NE(error->description().find("\"" + row.file.string() + "\""), std::string::npos)
        << error->description();
    EXPECT_NE(error->description().find(row.reason), std::string::npos) << error->description();
  }
  EXPECT_FALSE(std::filesystem::exists(folder / "missing.db"));
  // An empty file is an empty database: writing makes it an archive.
  EXPECT_FALSE(ErrorOf(empty, ArchiveAccess::Write));
  EXPECT_FALSE(ErrorOf(empty, ArchiveAccess::Read));
}

std::string QueryPlan(const sqlite::Database& db, std::string_view sql) {
  sqlite::Statement explain(db, "EXPLAIN QUERY PLAN " + std::string(sql));
  std::string plan;
  while (explain.Step()) plan += explain.Text(3) + "\n";
  return plan;
}

TEST(ArchiveFile, LookupsAndRangeReadsSearchTheirIndexes) {
  ScratchFolder folder;
  const auto file = folder / "plan.db";
  ArchiveStore::Open(file, ArchiveAccess::Write);
  const sqlite::Database db(file.string(), SQLITE_OPEN_READONLY);
  for (const auto sql : {archive_sql::kReadRange, archive_sql::kReadBefore, archive_sql::kFindPoint,
                         archive_sql::kCountSamples}) {
    const std::string plan = QueryPlan(db, sql);
    EXPECT_EQ(plan.find("SCAN"), std::string::npos) << sql << "\n" << plan;
    EXPECT_EQ(plan.find("TEMP B-TREE"), std::string::npos) << sql << "\n" << plan;
  }
  EXPECT_NE(QueryPlan(db, archive_sql::kReadRange)
                .find("SEARCH samples USING PRIMARY KEY (point_id=? AND time>? AND time<?)"),
            std::string::npos);
}

}  // namespace
}  // namespace velkor::sim

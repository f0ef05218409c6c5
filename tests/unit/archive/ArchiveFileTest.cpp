#include <gtest/gtest.h>

#include <sqlite3.h>
#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

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

// A writer that dies inside a transaction (kill -9, a crash, a power cut)
// leaves a hot journal. Read-only connections cannot roll it back and used to
// fail every read with "attempt to write a readonly database".
// A crash made with fork, on POSIX systems.
#ifndef _WIN32
TEST(ArchiveFile, AWriteCutOffByACrashIsRolledBackByTheNextReader) {
  ScratchFolder folder;
  const auto file = folder / "plant.db";
  PointId point = 0;
  {
    ArchiveStore store = ArchiveStore::Open(file, ArchiveAccess::Write);
    point = store.AddPoint(store.AddServer("srv1"), "flow");
    const Sample sample{DateValue{46363.25}, 1.5, 0};
    store.AppendValues(point, std::span(&sample, 1));
  }
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    sqlite::Database db(file.string(), SQLITE_OPEN_READWRITE);
    db.Execute(
        "PRAGMA cache_size = 1; BEGIN; WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 "
        "FROM n WHERE i < 20000) INSERT INTO samples SELECT 1, 50000 + i, i, 0 FROM n;");
    _exit(std::filesystem::exists(file.string() + "-journal") ? 0 : 1);  // no commit, no close
  }
  int status = 0;
  waitpid(child, &status, 0);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "no journal was left";

  ArchiveStore store = ArchiveStore::Open(file, ArchiveAccess::Read);
  EXPECT_EQ(store.CountValues(point), 1);
  EXPECT_FALSE(std::filesystem::exists(file.string() + "-journal"));
}

#endif  // _WIN32

TEST(ArchiveFile, NamesWithControlCharactersOrBytesThatAreNotUtf8AreRefused) {
  ArchiveStore store = ArchiveStore::OpenInMemory();
  const ServerId server = store.AddServer("srv1");
  struct {
    std::string name;
    const char* message;
  } cases[] = {
      {"flow\r", "the tag name holds a control character (U+000D)"},
      {"fl\tow", "the tag name holds a control character (U+0009)"},
      {"flow\x7F", "the tag name holds a control character (U+007F)"},
      {"flow\xC2\x85", "the tag name holds a control character (U+0085)"},
      {"fl\xE9", "the tag name is not valid UTF-8"},
      {"\xED\xA0\x80", "the tag name is not valid UTF-8"},
      {"  ", "a tag needs a name"},
  };
  for (const auto& c : cases) {
    try {
      store.AddPoint(server, c.name);
      ADD_FAILURE() << c.message;
    } catch (const VbError& e) {
      EXPECT_EQ(e.number(), 5) << c.message;
      EXPECT_NE(e.description().find(c.message), std::string::npos) << e.description();
    }
  }
  EXPECT_THROW(store.AddServer("srv\n1"), VbError);
  EXPECT_NO_THROW(store.AddPoint(server,
                                 "Stra\xC3\x9F"
                                 "e \xCE\xB1"));  // UTF-8 letters
  EXPECT_EQ(store.ListPoints().size(), 1u);
}

TEST(ArchiveFile, ABatchStoresItsPointsAndValuesAllOrNone) {
  ArchiveStore store = ArchiveStore::OpenInMemory();
  const Sample good{DateValue{46363.25}, 1.0, 0};
  const Sample bad{DateValue{1e9}, 2.0, 0};
  const std::vector<NamedSamples> failing{{"srv1", "a", {good}}, {"srv1", "b", {good, bad}}};
  EXPECT_THROW(store.AppendBatch(failing), VbError);
  const std::vector<NamedSamples> badName{{"srv1", "a", {good}}, {"srv1", "b\r", {good}}};
  EXPECT_THROW(store.AppendBatch(badName), VbError);
  EXPECT_TRUE(store.ListPoints().empty());

  const std::vector<NamedSamples> batch{{"srv1", "a", {good}}, {"SRV1 ", "B", {good}}};
  store.AppendBatch(batch);
  const auto points = store.ListPoints();
  ASSERT_EQ(points.size(), 2u);
  EXPECT_EQ(points[1].server, "srv1");
  EXPECT_EQ(store.CountValues(*store.FindPoint("srv1", "b")), 1);
}

}  // namespace
}  // namespace velkor::sim

// Archives whose name keys were made by an older case mapping, which gave
// letters outside Latin-1, Latin Extended-A, Greek and Cyrillic no case.
#include <gtest/gtest.h>

#include <sqlite3.h>

#include <string>
#include <vector>

#include "parts/archive/ArchiveStore.h"
#include "parts/archive/Sqlite.h"
#include "unit/archive/ArchiveTestFiles.h"

namespace velkor::sim {
namespace {

using archive_test::ScratchFolder;

constexpr double kDay = 46363.0;

// An archive as the older mapping left it: "ștefan" keyed "șTEFAN", a second
// point "Ștefan" whose key "ȘTEFAN" the new mapping gives both, and "ǆemal"
// keyed "ǆEMAL".
std::filesystem::path OldArchive(const ScratchFolder& folder) {
  const auto file = folder / "old.db";
  {
    ArchiveStore store = ArchiveStore::Open(file, ArchiveAccess::Write);
    const ServerId server = store.AddServer("srv");
    const PointId first = store.AddPoint(server, "ștefan", PointDetails{"", "bar"});
    store.AppendValues(first, std::vector<Sample>{{DateValue{kDay + 0.25}, 1.0}});
  }
  sqlite::Database db(file.string(), SQLITE_OPEN_READWRITE);
  db.Execute(
      "UPDATE points SET tag_key = 'șTEFAN';"
      "INSERT INTO points (server_id, tag, tag_key) VALUES (1, 'Ștefan', 'ȘTEFAN');"
      "INSERT INTO samples (point_id, time, value) SELECT 2, time, 2.0 FROM samples;"
      "INSERT INTO points (server_id, tag, tag_key) VALUES (1, 'ǆemal', 'ǆEMAL');"
      "INSERT INTO samples (point_id, time, value) SELECT 3, time, 3.0 FROM samples "
      "WHERE point_id = 1;"
      "DELETE FROM archive_info WHERE key = 'name_keys';");
  return file;
}

std::vector<std::string> StoredKeys(const std::filesystem::path& file) {
  sqlite::Database db(file.string(), SQLITE_OPEN_READONLY);
  sqlite::Statement keys(db, "SELECT tag_key FROM points ORDER BY id");
  std::vector<std::string> found;
  while (keys.Step()) found.push_back(keys.Text(0));
  return found;
}

double ValueOf(const ArchiveStore& store, std::string_view tag) {
  const RangeRead read = store.ReadRange("SRV", tag, DateValue{kDay}, DateValue{kDay + 1});
  return read.samples.empty() ? -1.0 : read.samples[0].value;
}

TEST(ArchiveNameKeys, ReadingAnOldArchiveFindsNamesByThemselvesAndChangesNothing) {
  ScratchFolder folder;
  const auto file = OldArchive(folder);
  const ArchiveStore store = ArchiveStore::Open(file, ArchiveAccess::Read);
  // The second point holds the key both names have now; it is found first.
  EXPECT_EQ(ValueOf(store, "ȘTEFAN"), 2.0);
  EXPECT_EQ(ValueOf(store, "Ștefan"), 2.0);
  EXPECT_EQ(ValueOf(store, "ǄEMAL"), 3.0) << "its stale key misses; its name matches";
  EXPECT_EQ(ValueOf(store, "ǅemal"), 3.0);
  EXPECT_EQ(ValueOf(store, "nosuch"), -1.0);
  EXPECT_FALSE(store.Info("name_keys"));
  EXPECT_EQ(StoredKeys(file), (std::vector<std::string>{"șTEFAN", "ȘTEFAN", "ǆEMAL"}));
}

TEST(ArchiveNameKeys, WritingRemakesTheKeysAndKeepsClashingOnes) {
  ScratchFolder folder;
  const auto file = OldArchive(folder);
  {
    ArchiveStore store = ArchiveStore::Open(file, ArchiveAccess::Write);
    EXPECT_TRUE(store.Info("name_keys"));
    // "ștefan" would take the key "Ștefan" has: it keeps its old one.
    EXPECT_EQ(StoredKeys(file), (std::vector<std::string>{"șTEFAN", "ȘTEFAN", "ǄEMAL"}));
    EXPECT_EQ(store.ListPoints().size(), 3u);
    EXPECT_EQ(ValueOf(store, "ǆemal"), 3.0);
  }
  // Without a clash, the key follows the new mapping and a later import finds
  // the point instead of adding a second one.
  {
    sqlite::Database db(file.string(), SQLITE_OPEN_READWRITE);
    db.Execute(
        "DELETE FROM samples WHERE point_id = 2; DELETE FROM points WHERE id = 2;"
        "DELETE FROM archive_info WHERE key = 'name_keys';");
  }
  ArchiveStore store = ArchiveStore::Open(file, ArchiveAccess::Write);
  EXPECT_EQ(StoredKeys(file), (std::vector<std::string>{"ȘTEFAN", "ǄEMAL"}));
  const ServerId server = store.AddServer("SRV");
  EXPECT_EQ(store.AddPoint(server, "ȘTEFAN"), 1);
  EXPECT_EQ(ValueOf(store, "Ștefan"), 1.0);
  EXPECT_EQ(store.ReadRange("srv", "ștefan", DateValue{kDay}, DateValue{kDay + 1}).units, "bar");
}

}  // namespace
}  // namespace velkor::sim

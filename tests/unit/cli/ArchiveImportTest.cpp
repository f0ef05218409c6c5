#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "parts/csv/ArchiveCsv.h"
#include "parts/csv/ArchiveImport.h"
#include "parts/time/IsoDate.h"

namespace velkor::sim::csv {
namespace {

struct Imported {
  ImportSummary summary;
  std::vector<std::pair<std::int64_t, std::string>> badRows;
};

Imported Import(ArchiveStore& store, const std::string& text, std::size_t batchRows = 2,
                ImportOptions options = {}) {
  std::istringstream in(text);
  Imported out;
  options.batchRows = batchRows;
  options.onBadRow = [&](std::int64_t line, const std::string& why) {
    out.badRows.emplace_back(line, why);
  };
  out.summary = ImportArchiveCsv(in, store, options);
  return out;
}

std::vector<Sample> Values(const ArchiveStore& store, const char* server, const char* tag) {
  return store
      .ReadRange(server, tag, *ParseIsoDate("2026-01-01T00:00:00"),
                 *ParseIsoDate("2027-01-01T00:00:00"))
      .samples;
}

TEST(ArchiveImport, StoresGoodRowsInBatchesAndReportsBadOnesByLine) {
  ArchiveStore store = ArchiveStore::OpenInMemory();
  const auto imported = Import(store,
                               "\xEF\xBB\xBFserver,tag,time,value,status\r\n"
                               "srv1,a,2026-12-07T05:00:00,1,0\r\n"
                               "\r\n"
                               "srv1,a,2026-12-07T05:01:00,oops,0\r\n"
                               "SRV1 ,A,2026-12-07T05:02:00,3,\r\n"
                               "srv1,b,2026-12-07T05:00:00,,1\r\n"
                               "srv1,a,2026-12-07T05:00:00,10,2\r\n"
                               "srv1,\"b\n");
  EXPECT_EQ(imported.summary.lines, 8);
  EXPECT_EQ(imported.summary.imported, 4);
  EXPECT_EQ(imported.summary.skipped, 2);
  EXPECT_EQ(imported.summary.points, 2);
  ASSERT_EQ(imported.badRows.size(), 2u);
  EXPECT_EQ(imported.badRows[0].first, 4);
  EXPECT_NE(imported.badRows[0].second.find("oops"), std::string::npos);
  EXPECT_EQ(imported.badRows[1].first, 8);

  // Names match ignoring case and blanks; a later row for a time replaces the earlier one.
  const auto a = Values(store, "srv1", "a");
  ASSERT_EQ(a.size(), 2u);
  EXPECT_EQ(a[0].value, 10);
  EXPECT_EQ(a[0].status, 2);
  EXPECT_EQ(a[1].value, 3);
  const auto b = Values(store, "srv1", "b");
  ASSERT_EQ(b.size(), 1u);
  EXPECT_TRUE(std::isnan(b[0].value));
  EXPECT_EQ(b[0].status, 1);
}

TEST(ArchiveImport, AHeaderItCannotUseStopsTheImportBeforeAnyRow) {
  const char* texts[] = {"", "\n\n", "server,tag,time\nsrv1,a,2026-12-07\n",
                         "\"server,tag,time,value\n"};
  for (const char* text : texts) {
    ArchiveStore store = ArchiveStore::OpenInMemory();
    EXPECT_THROW(Import(store, text), CsvHeaderError) << text;
    EXPECT_TRUE(store.ListPoints().empty());
  }
}

TEST(ArchiveImport, ManyRowsOverSeveralBatchesAllArrive) {
  std::string text = "tag,server,value,time\n";
  for (int i = 0; i < 2500; ++i)
    text +=
        "p" + std::to_string(i % 3) + ",srv," + std::to_string(i) + ",2026-12-07T00:00:00" + "\n";
  ArchiveStore store = ArchiveStore::OpenInMemory();
  const auto imported = Import(store, text, 1000);
  // The same time for each point again and again: the last row of each wins.
  EXPECT_EQ(imported.summary.imported, 2500);
  EXPECT_EQ(imported.summary.points, 3);
  EXPECT_EQ(Values(store, "srv", "p0").front().value, 2499);
  EXPECT_EQ(Values(store, "srv", "p1").front().value, 2497);
}

// Six rows of three points, in batches of two.
const char* const kSixRows =
    "server,tag,time,value\n"
    "s,a,2026-12-07T05:00:00,1\n"
    "s,a,2026-12-07T05:01:00,2\n"
    "s,b,2026-12-07T05:00:00,3\n"
    "s,b,2026-12-07T05:01:00,4\n"
    "s,c,2026-12-07T05:00:00,5\n"
    "s,c,2026-12-07T05:01:00,6\n";

TEST(ArchiveImport, AStopKeepsWholeBatchesAndNoPointWithoutValues) {
  struct {
    int stopBeforeLine;
    std::int64_t stored;
    std::int64_t points;
  } cases[] = {{2, 0, 0}, {4, 2, 1}, {5, 2, 1}, {7, 4, 2}, {9, 6, 3}};
  for (const auto& c : cases) {
    ArchiveStore store = ArchiveStore::OpenInMemory();
    ImportOptions options;
    int asked = 0;
    options.stopRequested = [&] { return ++asked >= c.stopBeforeLine - 1; };
    const auto imported = Import(store, kSixRows, 2, options);
    EXPECT_EQ(imported.summary.interrupted, c.stopBeforeLine <= 8) << c.stopBeforeLine;
    EXPECT_EQ(imported.summary.imported, c.stored) << c.stopBeforeLine;
    EXPECT_EQ(imported.summary.points, c.points) << c.stopBeforeLine;
    EXPECT_EQ(static_cast<std::int64_t>(store.ListPoints().size()), c.points) << c.stopBeforeLine;
    for (const auto& point : store.ListPoints())
      EXPECT_GT(store.CountValues(*store.FindPoint(point.server, point.tag)), 0) << point.tag;
  }
}

TEST(ArchiveImport, FilesThatAreNoCsvTextAreNamedForWhatTheyAre) {
  struct {
    std::string text;
    const char* message;
  } cases[] = {
      {std::string("\xFF\xFEs\0e\0r\0v\0e\0r\0\n\0", 16), "UTF-16, which is not supported"},
      {std::string("s\0e\0r\0v\0e\0r\0,\0t\0", 16), "UTF-16, which is not supported"},
      {std::string("\x7F"
                   "ELF\x02\x01\0\0\0\0\n",
                   11),
       "NUL bytes"},
      {"server,tag,t\xE9me,value\n", "not UTF-8 text"},
      {"server;tag;time;value\ns;a;2026-12-07 05:00;1,5\n", "separated by ';'"},
  };
  for (const auto& c : cases) {
    ArchiveStore store = ArchiveStore::OpenInMemory();
    try {
      Import(store, c.text);
      ADD_FAILURE() << c.message << ": imported";
    } catch (const CsvHeaderError& e) {
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
      EXPECT_EQ(std::string(e.what()).find('\0'), std::string::npos) << c.message;
    }
  }
}

TEST(ArchiveImport, AnOverlongLineStopsTheImportAfterTheStoredBatches) {
  ArchiveStore store = ArchiveStore::OpenInMemory();
  ImportOptions options;
  options.maxLineBytes = 64;
  const std::string text = std::string(kSixRows) + std::string(65, 'x');
  try {
    Import(store, text, 4, options);
    ADD_FAILURE() << "imported";
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ(e.what(), "line 8 is longer than 64 bytes; is this a CSV file of samples?");
  }
  EXPECT_EQ(store.ListPoints().size(), 2u);  // the first batch of four rows
  // A line of exactly the limit, and a last line without a line break, read.
  const std::string row = "s,a,2026-12-07T05:02:00,7";
  const auto fits = Import(
      store, "server,tag,time,value\n" + row + std::string(64 - row.size(), ' '), 4, options);
  EXPECT_EQ(fits.summary.imported, 1);
}

TEST(ArchiveImport, RowsWithUnusableNamesOrRawBytesAreSkippedAndShownEscaped) {
  ArchiveStore store = ArchiveStore::OpenInMemory();
  const auto imported = Import(store,
                               "server,tag,time,value\n"
                               "s,flow\r,2026-12-07T05:00:00,1\r\n"
                               "s,fl\xE9,2026-12-07T05:00:00,1\n"
                               "s\x1B[2J,flow,2026-12-07T05:00:00,1\n"
                               "s,flow,2026-12-07T05:00:00,\x01\xFF\n"
                               "s,flow,2026-12-07T05:00:00," +
                                   std::string(5000, '9') + "x\n");
  ASSERT_EQ(imported.badRows.size(), 5u);
  EXPECT_EQ(imported.badRows[0].second, "the tag 'flow\\x0D' holds a control character (U+000D)");
  EXPECT_EQ(imported.badRows[1].second, "the tag 'fl\\xE9' is not valid UTF-8");
  EXPECT_EQ(imported.badRows[2].second,
            "the server 's\\x1B[2J' holds a control character (U+001B)");
  EXPECT_EQ(imported.badRows[3].second, "value '\\x01\\xFF' is not a number");
  EXPECT_LT(imported.badRows[4].second.size(), 100u);
  EXPECT_TRUE(store.ListPoints().empty());
}

}  // namespace
}  // namespace velkor::sim::csv

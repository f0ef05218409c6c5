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

Imported Import(ArchiveStore& store, const std::string& text, std::size_t batchRows = 2) {
  std::istringstream in(text);
  Imported out;
  ImportOptions options;
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

}  // namespace
}  // namespace velkor::sim::csv

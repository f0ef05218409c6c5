#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "parts/csv/ArchiveCsv.h"
#include "parts/csv/CsvLine.h"
#include "parts/time/IsoDate.h"
#include "unit/ScopedEnvironment.h"

namespace velkor::sim::csv {
namespace {

using Fields = std::vector<std::string>;

struct SplitCase {
  const char* line;
  Fields fields;
  bool fails;
};

TEST(CsvLine, SplitsFieldsAndQuotes) {
  const SplitCase cases[] = {
      {"a,b,c", {"a", "b", "c"}, false},
      {"", {""}, false},
      {"a,,", {"a", "", ""}, false},
      {"\"srv,1\",tag", {"srv,1", "tag"}, false},
      {"\"say \"\"hi\"\"\",x", {"say \"hi\"", "x"}, false},
      {"  \"q\"  , b ", {"q", " b "}, false},
      {"\"\",x", {"", "x"}, false},
      {"a\"b,c", {"a\"b", "c"}, false},
      {"\"open,x", {}, true},
      {"\"q\"x,y", {}, true},
  };
  for (const auto& c : cases) {
    const SplitLine split = SplitCsvLine(c.line);
    EXPECT_EQ(!split.error.empty(), c.fails) << c.line;
    if (!c.fails) {
      EXPECT_EQ(split.fields, c.fields) << c.line;
    }
  }
}

TEST(ArchiveCsvHeader, FindsColumnsInAnyOrderAndCase) {
  const ArchiveColumns columns = ReadArchiveHeader({" Time", "VALUE", "tag", "server"});
  EXPECT_EQ(columns.time, 0u);
  EXPECT_EQ(columns.value, 1u);
  EXPECT_EQ(columns.tag, 2u);
  EXPECT_EQ(columns.server, 3u);
  EXPECT_FALSE(columns.status.has_value());
  EXPECT_EQ(columns.count, 4u);
  EXPECT_EQ(ReadArchiveHeader({"server", "tag", "time", "value", "status"}).status, 4u);
}

TEST(ArchiveCsvHeader, RefusesMissingRepeatedAndUnknownColumns) {
  const Fields headers[] = {{"server", "tag", "time"},
                            {"server", "tag", "time", "value", "Value"},
                            {"server", "tag", "time", "value", "quality"},
                            {"server;tag;time;value"}};
  for (const auto& header : headers)
    EXPECT_THROW(ReadArchiveHeader(header), CsvHeaderError) << header.size();
}

struct RowCase {
  Fields fields;
  const char* time;  // expected ISO time; nullptr: the row is refused
  double value;      // NaN: a gap
  std::int32_t status;
};

TEST(ArchiveCsvRow, ReadsGoodRowsAndNamesWhatIsWrongWithBadOnes) {
  const ArchiveColumns columns = ReadArchiveHeader({"server", "tag", "time", "value", "status"});
  const double gap = NAN;
  const RowCase cases[] = {
      {{"srv1", "t1", "2026-12-07T05:00:00", "1.5", ""}, "2026-12-07T05:00:00", 1.5, 0},
      {{" srv1 ", " t1", " 2026-12-07 05:00 ", " -2e3 ", " 3 "}, "2026-12-07T05:00:00", -2000, 3},
      {{"srv1", "t1", "12/7/2026 6:00:00 AM", "+4", "0"}, "2026-12-07T06:00:00", 4, 0},
      {{"srv1", "t1", "2026-12-07T05:00:00", "", "1"}, "2026-12-07T05:00:00", gap, 1},
      {{"srv1", "t1", "2026-12-07T05:00:00", "1"}, nullptr, 0, 0},
      {{"", "t1", "2026-12-07T05:00:00", "1", ""}, nullptr, 0, 0},
      {{"srv1", " ", "2026-12-07T05:00:00", "1", ""}, nullptr, 0, 0},
      {{"srv1", "t1", "*-1h", "1", ""}, nullptr, 0, 0},
      {{"srv1", "t1", "t", "1", ""}, nullptr, 0, 0},
      {{"srv1", "t1", "-2d", "1", ""}, nullptr, 0, 0},
      {{"srv1", "t1", "yesterday", "1", ""}, nullptr, 0, 0},
      {{"srv1", "t1", "soon", "1", ""}, nullptr, 0, 0},
      {{"srv1", "t1", "2026-12-07T05:00:00", "abc", ""}, nullptr, 0, 0},
      {{"srv1", "t1", "2026-12-07T05:00:00", "nan", ""}, nullptr, 0, 0},
      {{"srv1", "t1", "2026-12-07T05:00:00", "inf", ""}, nullptr, 0, 0},
      {{"srv1", "t1", "2026-12-07T05:00:00", "1.5x", ""}, nullptr, 0, 0},
      {{"srv1", "t1", "2026-12-07T05:00:00", "1", "-1"}, nullptr, 0, 0},
      {{"srv1", "t1", "2026-12-07T05:00:00", "1", "1.5"}, nullptr, 0, 0},
  };
  for (const auto& c : cases) {
    const auto row = ReadArchiveRow(c.fields, columns);
    const std::string shown = c.fields.size() > 3 ? c.fields[2] + "|" + c.fields[3] : "short";
    if (!c.time) {
      ASSERT_TRUE(std::holds_alternative<std::string>(row)) << shown;
      EXPECT_FALSE(std::get<std::string>(row).empty()) << shown;
      continue;
    }
    ASSERT_TRUE(std::holds_alternative<ArchiveRow>(row)) << std::get<std::string>(row);
    const auto& read = std::get<ArchiveRow>(row);
    EXPECT_EQ(read.server, "srv1");
    EXPECT_EQ(read.tag, "t1");
    EXPECT_EQ(FormatIsoDate(read.sample.time), c.time) << shown;
    if (std::isnan(c.value)) {
      EXPECT_TRUE(std::isnan(read.sample.value)) << shown;
    } else {
      EXPECT_DOUBLE_EQ(read.sample.value, c.value) << shown;
    }
    EXPECT_EQ(read.sample.status, c.status) << shown;
  }
}

TEST(ArchiveCsvTime, AbsoluteFormsAreTheSameWhateverTheDay) {
  for (const char* text : {"2026-12-07", "7-Dec-2026 06:00:00", "Dec 7, 2026", "46363.25"})
    EXPECT_TRUE(ParseAbsoluteTime(text).has_value()) << text;
  for (const char* text : {"*", "today", "y-1h", "+8h", ""})
    EXPECT_FALSE(ParseAbsoluteTime(text).has_value()) << text;
}

// Sets the machine's time zone for one test.
class TimeZone {
 public:
  explicit TimeZone(const char* tz) {
    if (const char* old = std::getenv("TZ")) old_ = old;
    velkor::test::SetEnvironment("TZ", tz);
    tzset();
  }
  TimeZone(const TimeZone&) = delete;
  TimeZone& operator=(const TimeZone&) = delete;
  ~TimeZone() {
    velkor::test::SetEnvironment("TZ", old_);
    tzset();
  }

 private:
  std::optional<std::string> old_;
};

TEST(ArchiveCsvTime, IsoTimestampsWithAnyFractionAndZonesBecomeLocalTimes) {
  const TimeZone zone("XST-1");  // local time is UTC+1
  struct {
    const char* text;
    const char* local;
  } cases[] = {
      {"2026-12-07T05:00:00", "2026-12-07T05:00:00"},
      {"2026-12-07 05:00", "2026-12-07T05:00:00"},
      {"2026-12-07T05:00:00.5", "2026-12-07T05:00:00.500"},
      {"2026-12-07 05:00:00.123456", "2026-12-07T05:00:00.123"},
      {"2026-12-07T05:00:00,25", "2026-12-07T05:00:00.250"},
      {"2026-12-07T05:00:00Z", "2026-12-07T06:00:00"},
      {"2026-12-07t05:00:00z", "2026-12-07T06:00:00"},
      {"2026-12-07T05:00:00+01:00", "2026-12-07T05:00:00"},
      {"2026-12-07 05:00:00 +0200", "2026-12-07T04:00:00"},
      {"2026-12-07T05:00:00.75-03", "2026-12-07T09:00:00.750"},
      {"2026-12-07T23:30:00-01:00", "2026-12-08T01:30:00"},
#ifndef _WIN32  // the Windows C runtime knows no local time before 1970
      {"1850-06-01T12:00:00Z", "1850-06-01T13:00:00"},
#endif
  };
  for (const auto& c : cases) {
    const auto date = ParseAbsoluteTime(c.text);
    ASSERT_TRUE(date.has_value()) << c.text;
    EXPECT_EQ(FormatIsoDate(*date), c.local) << c.text;
  }
  for (const char* text :
       {"2026-12-07T05:00:00+1", "2026-12-07T05:00:00.", "2026-12-07T05:00:00+25:00",
        "2026-12-07T05:00:00Z x", "2026-12-07T24:00:00Z", "2026-02-30T05:00:00Z",
        "2026-12-07T05:00:00+01:0"})
    EXPECT_FALSE(ParseAbsoluteTime(text).has_value()) << text;
}

}  // namespace
}  // namespace velkor::sim::csv

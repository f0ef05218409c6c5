#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "parts/time/TimeText.h"
#include "platform/Conversions.h"
#include "platform/VbError.h"

namespace velkor::sim {
namespace {

constexpr double kHour = 1.0 / 24.0;
constexpr double kSecond = 1.0 / 86400.0;
constexpr double kTolerance = 1e-3 * kSecond;

double At(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
  return MakeDate({year, month, day, hour, minute, second}).value().serial;
}

// 2026-12-07 13:30:00, a Monday.
const DateValue kNow{At(2026, 12, 7, 13, 30)};

struct Good {
  std::string text;
  double expected;
};

TEST(TimeText, ReadsAnchorsAndOffsets) {
  const double now = kNow.serial;
  const std::vector<Good> rows{
      {"*", now},
      {"  *  ", now},
      {"*-8h", now - 8 * kHour},
      {"* - 8 h", now - 8 * kHour},
      {"*\t-\t8H", now - 8 * kHour},
      {"-8h", now - 8 * kHour},
      {"+1d", now + 1},
      {"*-1.5h", now - 1.5 * kHour},
      {"*-.5d", now - 0.5},
      {"*+30s", now + 30 * kSecond},
      {"*-90m", now - 1.5 * kHour},
      {"*-90M", now - 1.5 * kHour},
      {"*-2w", now - 14},
      {"*-1d+12h", now - 0.5},
      {"*+0s", now},
      {"t", At(2026, 12, 7)},
      {"TODAY", At(2026, 12, 7)},
      {"Today+6h", At(2026, 12, 7, 6)},
      {"t-1s", At(2026, 12, 6, 23, 59, 59)},
      {"y", At(2026, 12, 6)},
      {"Y - 2 d", At(2026, 12, 4)},
      {"yesterday+1d", At(2026, 12, 7)},
      {"2026-12-07T06:00:00", At(2026, 12, 7, 6)},
      {"2026-12-07t06:00:00", At(2026, 12, 7, 6)},
      {"2026-12-07 06:00", At(2026, 12, 7, 6)},
      {"2026-12-07", At(2026, 12, 7)},
      {"2026-12-07-1d", At(2026, 12, 6)},
      {"2026-12-07 06:00 - 6h", At(2026, 12, 7)},
      {"12/7/2026 6:00:00 AM", At(2026, 12, 7, 6)},
      {"12/7/2026 6:00:00 PM-1h", At(2026, 12, 7, 17)},
      {" 12/7/2026 6:00:00 am + 1 w ", At(2026, 12, 14, 6)},
      {"12/7/2026", At(2026, 12, 7)},
      {"6:00:00 AM", 0.25},
      {"7-Dec-2026 06:00:00", At(2026, 12, 7, 6)},
      {"7-dec-2026 06:00:00+1d", At(2026, 12, 8, 6)},
      {"Dec 7, 2026", At(2026, 12, 7)},
      {"46363.25", 46363.25},
      {"46363.25-6h", 46363.0},
      {" 46363 ", 46363.0},
      // Across day zero the serial's fraction counts the other way.
      {"12/30/1899 3:00:00 AM -6h", -1.875},
  };
  for (const auto& row : rows) {
    EXPECT_NEAR(ParseTimeText(row.text, kNow).serial, row.expected, kTolerance) << row.text;
  }
}

TEST(TimeText, ReadsBackEveryDateTheRuntimeWrites) {
  for (double serial : {46363.25, 46363.0, 0.25, 1.0, -1.25, -657434.0, 2958465.5, 36585.75}) {
    const std::string text = FormatDate(DateValue{serial});
    EXPECT_NEAR(ParseTimeText(text, kNow).serial, serial, kTolerance) << text;
  }
}

struct Bad {
  std::string text;
  std::int32_t number;
  std::string reason;  // part of the description
};

TEST(TimeText, RejectsTextsOutsideTheGrammar) {
  const std::string hugeNumber(400, '9');
  const std::vector<Bad> rows{
      {"", 13, "empty"},
      {"   ", 13, "empty"},
      {"**", 13, "expected + or - before \"*\""},
      {"*-8", 13, "\"-8\" has no unit"},
      {"*-1.5.5h", 13, "\"-1.5\" has no unit"},
      {"-1.25", 13, "\"-1.25\" has no unit"},  // a leading sign starts an offset
      {"-1.25+1h", 13, "\"-1.25\" has no unit"},
      {"*-h", 13, "\"-h\" has no number"},
      {"*+", 13, "\"+\" has no number"},
      {"*--8h", 13, "\"-\" has no number"},
      {"*-8x", 13, "unknown unit \"x\""},
      {"*-8hr", 13, "unknown unit \"hr\""},
      {"*-8 h h", 13, "expected + or - before \"h\""},
      {"* 8h", 13, "expected + or - before \"8h\""},
      {"*-8h*", 13, "expected + or - before \"*\""},
      {"t t", 13, "expected + or -"},
      {"todayx", 13, "neither a date"},
      {"abc", 13, "neither a date"},
      {"now", 13, "neither a date"},
      {"tomorrow", 13, "neither a date"},
      {"8h", 13, "neither a date"},
      {"1e5", 13, "neither a date"},
      {"2026-13-01", 13, "neither a date"},
      {"12/7/2026 25:00", 13, "neither a date"},
      {"*+3000000d", 6, "outside the years 100 to 9999"},
      {"12/31/9999 23:00:00 +2h", 6, "outside the years"},
      {"1/1/100-1s", 6, "outside the years"},
      {"9999999", 6, "outside the years"},
      {"*+" + hugeNumber + "d", 6, "outside the years"},
      {"*+" + hugeNumber + "d-" + hugeNumber + "d", 6, "outside the years"},
  };
  for (const auto& row : rows) {
    try {
      ParseTimeText(row.text, kNow);
      ADD_FAILURE() << "no error for " << row.text;
    } catch (const VbError& e) {
      EXPECT_EQ(e.number(), row.number) << row.text;
      const std::string quoted = "\"" + row.text.substr(0, 80);
      EXPECT_NE(e.description().find(quoted), std::string::npos) << e.description();
      EXPECT_NE(e.description().find(row.reason), std::string::npos) << e.description();
    }
  }
}

TEST(TimeText, LongTextsStayLinearAndMessagesShort) {
  std::string text = "*";
  for (int i = 0; i < 20000; ++i) text += "-1s";
  EXPECT_NEAR(ParseTimeText(text, kNow).serial, kNow.serial - 20000 * kSecond, kTolerance);

  const std::string junk(100000, '1');
  try {
    ParseTimeText(junk + "-", kNow);
    ADD_FAILURE();
  } catch (const VbError& e) {
    EXPECT_LT(e.description().size(), 200u);
  }
}

TEST(TimeText, BothBoundsOfARangeShareOneNow) {
  const TimeRange range = ParseTimeRange("*-8h", "*", kNow);
  EXPECT_NEAR(range.end.serial - range.start.serial, 8 * kHour, kTolerance);
  EXPECT_EQ(range.end, kNow);
  EXPECT_THROW(ParseTimeRange("*", "later", kNow), VbError);
}

}  // namespace
}  // namespace velkor::sim

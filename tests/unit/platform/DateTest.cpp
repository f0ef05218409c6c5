#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "platform/Conversions.h"
#include "unit/platform/RaisedNumber.h"

namespace velkor {
namespace {

using platform_test::RaisedNumber;

TEST(PlatformDate, FormatsTheGeneralDateForm) {
  const std::vector<std::pair<double, std::string>> rows{
      {0.0, "12:00:00 AM"},
      {0.5, "12:00:00 PM"},
      {0.25 + 5.0 / 1440 + 9.0 / 86400, "6:05:09 AM"},
      {0.75, "6:00:00 PM"},
      {1.0, "12/31/1899"},
      {-1.0, "12/29/1899"},
      {-1.25, "12/29/1899 6:00:00 AM"},
      {-0.25, "6:00:00 AM"},  // day zero, whichever side of it
      {3.34, "1/2/1900 8:09:36 AM"},
      {61.0, "3/1/1900"},
      {365.25, "12/30/1900 6:00:00 AM"},
      {1461.5, "12/31/1903 12:00:00 PM"},
      {-49192.24, "4/24/1765 5:45:36 AM"},
      {46363.25, "12/7/2026 6:00:00 AM"},
      {46363.0 + 13.0 / 24, "12/7/2026 1:00:00 PM"},
      {0.9999999999, "12/31/1899"},   // rounds up into the next day
      {59.5 / 86400, "12:01:00 AM"},  // half a second rounds up
      {59.49 / 86400, "12:00:59 AM"},
      {45000 + 0.5 / 86400, "3/15/2023 12:00:01 AM"},
      {-1 - 0.5 / 86400, "12/29/1899 12:00:01 AM"},
      {-657434.0, "1/1/100"},
      {-657434.5, "1/1/100 12:00:00 PM"},
      {2958465.0, "12/31/9999"},
      {2958465.99999, "12/31/9999 11:59:59 PM"},
  };
  for (const auto& [serial, text] : rows) {
    EXPECT_EQ(FormatDate(DateValue{serial}), text) << serial;
  }
}

TEST(PlatformDate, OutOfRangeSerialsOverflow) {
  for (double serial :
       {-657435.0, 2958466.0, 2958465.999999999, 1e308, -1e308,
        std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()}) {
    EXPECT_EQ(RaisedNumber([&] { FormatDate(DateValue{serial}); }), 6) << serial;
    EXPECT_EQ(RaisedNumber([&] { SplitDate(DateValue{serial}); }), 6) << serial;
  }
}

TEST(PlatformDate, MakeDateValidatesItsParts) {
  struct Case {
    DateParts parts;
    std::optional<double> serial;
  };
  const std::vector<Case> cases{
      {{1899, 12, 30, 0, 0, 0}, 0.0},         {{1900, 3, 1, 0, 0, 0}, 61.0},
      {{2000, 2, 29, 0, 0, 0}, 36585.0},      {{1899, 12, 29, 6, 0, 0}, -1.25},
      {{100, 1, 1, 0, 0, 0}, -657434.0},      {{9999, 12, 31, 0, 0, 0}, 2958465.0},
      {{1900, 2, 29, 0, 0, 0}, std::nullopt}, {{2025, 2, 29, 0, 0, 0}, std::nullopt},
      {{2025, 4, 31, 0, 0, 0}, std::nullopt}, {{2025, 0, 1, 0, 0, 0}, std::nullopt},
      {{2025, 13, 1, 0, 0, 0}, std::nullopt}, {{2025, 1, 0, 0, 0, 0}, std::nullopt},
      {{2025, 1, 1, 24, 0, 0}, std::nullopt}, {{2025, 1, 1, 0, 60, 0}, std::nullopt},
      {{2025, 1, 1, 0, 0, -1}, std::nullopt}, {{99, 12, 31, 0, 0, 0}, std::nullopt},
      {{10000, 1, 1, 0, 0, 0}, std::nullopt},
  };
  for (const auto& c : cases) {
    const auto made = MakeDate(c.parts);
    SCOPED_TRACE(std::to_string(c.parts.year) + "-" + std::to_string(c.parts.month) + "-" +
                 std::to_string(c.parts.day));
    ASSERT_EQ(made.has_value(), c.serial.has_value());
    if (made) {
      EXPECT_DOUBLE_EQ(made->serial, *c.serial);
    }
  }
}

TEST(PlatformDate, SplitAndMakeAreInverse) {
  for (double serial = -657434.0; serial <= 2958465.0; serial += 1234.5678) {
    const double whole = std::round(serial * 86400.0) / 86400.0;
    if (whole > -1.0 && whole < 0.0) continue;  // day zero reads back positive
    const auto made = MakeDate(SplitDate(DateValue{whole}));
    ASSERT_TRUE(made.has_value()) << whole;
    EXPECT_NEAR(made->serial, whole, 1e-9) << whole;
  }
}

TEST(PlatformDate, ParsesTheSupportedForms) {
  const std::vector<std::pair<std::string, double>> rows{
      {"12/7/2026", 46363.0},
      {"12/7/2026 6:00:00 AM", 46363.25},
      {" 12/7/2026 6:00:00 pm ", 46363.75},
      {"2026-12-07T06:00:00", 46363.25},
      {"2026-12-07 06:00", 46363.25},
      {"7-Dec-2026 06:00:00", 46363.25},
      {"7 December 2026", 46363.0},
      {"Dec 7, 2026", 46363.0},
      {"6:00:00 PM", 0.75},
      {"18:00", 0.75},
      {"12:00 AM", 0.0},
      {"12:00:00 PM", 0.5},
      {"6 PM", 0.75},
      {"12/7/2026 6 am", 46363.25},
      {"1/1/100", -657434.0},
      {"1/2/30", 10960.0},
      {"1/2/29", 47120.0},
      {"13-1-1970", 25581.0},
      {"1970-1-13", 25581.0},
      {"6/30/2011 01:20:34 PM", 40724.55594907407},
  };
  for (const auto& [text, serial] : rows) {
    const auto parsed = ParseDate(text);
    ASSERT_TRUE(parsed.has_value()) << text;
    EXPECT_NEAR(parsed->serial, serial, 1e-9) << text;
  }
}

TEST(PlatformDate, RejectsTextThatIsNoDate) {
  for (const std::string& text : std::vector<std::string>{
           "", "   ", "abc", "45000", "2/30/2026", "13/13/2026", "12/7", "25:00", "12:60",
           "6:00:00 XM", "12/7/2026 6", "6 XM", "1/1/10000", "2013-05-14 02:04:12.017",
           "12/7/2026x", "Foo 7, 2026", "99999999999/1/1", std::string(100000, '1'),
           std::string(100000, '/')}) {
    EXPECT_FALSE(ParseDate(text).has_value()) << text.substr(0, 40);
  }
}

}  // namespace
}  // namespace velkor

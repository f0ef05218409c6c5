#include <gtest/gtest.h>

#include <vector>

#include "parts/time/DayCount.h"

namespace velkor::sim {
namespace {

TEST(TimeDayCount, IsContinuousAcrossDayZero) {
  struct Row {
    double serial;
    double days;
  };
  const std::vector<Row> rows{
      {46363.25, 46363.25}, {0.0, 0.0},     {0.75, 0.75}, {-1.0, -1.0},
      {-1.25, -0.75},       {-1.75, -0.25}, {-2.5, -1.5}, {-0.25, 0.25},
  };
  for (const auto& row : rows) {
    EXPECT_DOUBLE_EQ(ToDayCount(DateValue{row.serial}), row.days) << row.serial;
    if (row.serial > -1.0 && row.serial < 0.0) continue;  // day zero written with a sign
    EXPECT_DOUBLE_EQ(FromDayCount(row.days).serial, row.serial) << row.serial;
  }
}

TEST(TimeDayCount, AddsAndTruncatesOnTheDayCount) {
  EXPECT_DOUBLE_EQ(AddDays(DateValue{0.125}, -0.25).serial, -1.875);  // 03:00 - 6h
  EXPECT_DOUBLE_EQ(AddDays(DateValue{-1.25}, 1.0 / 24.0 * 6).serial, -1.5);
  EXPECT_DOUBLE_EQ(AddDays(DateValue{-1.75}, 0.5).serial, 0.25);
  EXPECT_DOUBLE_EQ(StartOfDay(DateValue{46363.75}).serial, 46363.0);
  EXPECT_DOUBLE_EQ(StartOfDay(DateValue{-1.25}).serial, -1.0);
  EXPECT_DOUBLE_EQ(StartOfDay(DateValue{-0.25}).serial, 0.0);
  // Shown as midnight of the next day, so it belongs to that day.
  EXPECT_DOUBLE_EQ(StartOfDay(DateValue{46363.999999999}).serial, 46364.0);
}

}  // namespace
}  // namespace velkor::sim

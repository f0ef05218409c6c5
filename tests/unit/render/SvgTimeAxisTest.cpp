#include <gtest/gtest.h>

#include "parts/render/TimeAxis.h"
#include "platform/Conversions.h"

namespace velkor::sim {
namespace {

double Serial(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
  return MakeDate({year, month, day, hour, minute, second}).value().serial;
}

std::vector<std::string> Labels(double start, double end, int maxTicks = 8) {
  std::vector<std::string> labels;
  const auto window = MakeTimeWindow(DateValue{start}, DateValue{end});
  EXPECT_TRUE(window.has_value());
  if (!window) return labels;
  for (const TimeTick& tick : MakeTimeTicks(*window, maxTicks)) {
    EXPECT_GE(tick.days, window->start);
    EXPECT_LE(tick.days, window->end);
    labels.push_back(tick.label);
  }
  return labels;
}

using Strings = std::vector<std::string>;

TEST(SvgTimeAxis, ChoosesClockStepsForSpansBelowADay) {
  EXPECT_EQ(Labels(Serial(2026, 12, 7, 6), Serial(2026, 12, 7, 7)),
            (Strings{"12/7 06:00", "06:10", "06:20", "06:30", "06:40", "06:50", "07:00"}));
  EXPECT_EQ(Labels(Serial(2026, 12, 7, 6), Serial(2026, 12, 7, 14)),
            (Strings{"12/7 06:00", "08:00", "10:00", "12:00", "14:00"}));
  EXPECT_EQ(Labels(Serial(2026, 12, 7, 6), Serial(2026, 12, 7, 6, 1)),
            (Strings{"12/7 06:00:00", "06:00:10", "06:00:20", "06:00:30", "06:00:40", "06:00:50",
                     "06:01:00"}));
}

TEST(SvgTimeAxis, RepeatsTheDateWhereItChanges) {
  EXPECT_EQ(Labels(Serial(2026, 12, 7, 20, 30), Serial(2026, 12, 8, 4, 30)),
            (Strings{"12/7 22:00", "12/8 00:00", "02:00", "04:00"}));
}

TEST(SvgTimeAxis, ChoosesWeeksFromMondayForAMonth) {
  EXPECT_EQ(Labels(Serial(2026, 11, 15), Serial(2026, 12, 15)),
            (Strings{"11/16/2026", "11/23", "11/30", "12/7", "12/14"}));
}

TEST(SvgTimeAxis, ChoosesMonthsAndYearsForLongSpans) {
  EXPECT_EQ(Labels(Serial(2026, 1, 10), Serial(2026, 12, 31)),
            (Strings{"3/2026", "5/2026", "7/2026", "9/2026", "11/2026"}));
  EXPECT_EQ(Labels(Serial(2000, 1, 1), Serial(2030, 1, 1)),
            (Strings{"2000", "2005", "2010", "2015", "2020", "2025", "2030"}));
}

TEST(SvgTimeAxis, HandlesTinyHugeAndEarlyWindows) {
  const double t = Serial(2026, 12, 7, 6);
  // No whole second inside: the ends are labelled instead.
  EXPECT_EQ(Labels(t + 0.2 / 86400, t + 0.6 / 86400), (Strings{"12/7 06:00:00", "06:00:01"}));
  EXPECT_EQ(Labels(Serial(100, 1, 1), Serial(9999, 12, 31, 23, 59, 59), 6),
            (Strings{"2000", "4000", "6000", "8000"}));
  // Serials before 1899-12-30 count days back but hours forward.
  EXPECT_EQ(Labels(Serial(1899, 12, 29), Serial(1899, 12, 30, 12), 4),
            (Strings{"12/29 00:00", "12:00", "12/30 00:00", "12:00"}));
}

TEST(SvgTimeAxis, RejectsWindowsThatCannotBeDrawn) {
  EXPECT_FALSE(MakeTimeWindow(DateValue{5.0}, DateValue{5.0}));
  EXPECT_FALSE(MakeTimeWindow(DateValue{6.0}, DateValue{5.0}));
  EXPECT_FALSE(MakeTimeWindow(DateValue{std::nan("")}, DateValue{5.0}));
  EXPECT_FALSE(MakeTimeWindow(DateValue{0.0}, DateValue{1e300}));
}

}  // namespace
}  // namespace velkor::sim

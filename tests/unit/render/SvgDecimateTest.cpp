#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "parts/render/Decimate.h"

namespace velkor::sim {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
const TimeWindow kWindow{0.0, 1.0};
constexpr std::size_t kColumns = 500;

// n samples evenly over the window with a gentle wave.
std::vector<TracePoint> Wave(std::size_t n) {
  std::vector<TracePoint> points(n);
  for (std::size_t i = 0; i < n; ++i) {
    const double t = static_cast<double>(i) / static_cast<double>(n - 1);
    points[i] = {t, std::sin(t * 40.0), 0};
  }
  return points;
}

bool InTimeOrder(const std::vector<TracePoint>& line) {
  return std::is_sorted(line.begin(), line.end(),
                        [](const TracePoint& a, const TracePoint& b) { return a.time < b.time; });
}

bool Contains(const std::vector<TracePoint>& line, const TracePoint& wanted) {
  return std::any_of(line.begin(), line.end(), [&](const TracePoint& p) {
    return p.time == wanted.time && p.value == wanted.value;
  });
}

TEST(SvgDecimate, KeepsEverySampleWhileThereAreFewPerColumn) {
  const auto points = Wave(kColumns * 4);
  const DecimatedSamples out = Decimate(points, kWindow, kColumns);
  ASSERT_EQ(out.line.size(), points.size());
  EXPECT_TRUE(out.flagged.empty());
}

TEST(SvgDecimate, ASpikeAndADipInAMillionSamplesSurvive) {
  auto points = Wave(1'000'000);
  points[123'457].value = -1000.0;
  points[654'321].value = 1000.0;
  const DecimatedSamples out = Decimate(points, kWindow, kColumns);
  EXPECT_LE(out.line.size(), kColumns * 4);
  EXPECT_TRUE(InTimeOrder(out.line));
  EXPECT_TRUE(Contains(out.line, points[123'457]));
  EXPECT_TRUE(Contains(out.line, points[654'321]));
  EXPECT_TRUE(Contains(out.line, points.front()));
  EXPECT_TRUE(Contains(out.line, points.back()));
}

TEST(SvgDecimate, KeepsBreaksBetweenAndInsideColumns) {
  auto points = Wave(100'000);
  // A gap over many columns, and one sample-wide gap inside one column.
  for (std::size_t i = 30'000; i < 40'000; ++i) points[i].value = kNaN;
  points[70'001].value = kNaN;
  const DecimatedSamples out = Decimate(points, kWindow, kColumns);
  const auto breakBetween = [&](double from, double to) {
    return std::any_of(out.line.begin(), out.line.end(), [&](const TracePoint& p) {
      return std::isnan(p.value) && p.time > from && p.time < to;
    });
  };
  EXPECT_TRUE(breakBetween(points[29'999].time, points[40'000].time));
  EXPECT_TRUE(breakBetween(points[70'000].time, points[70'002].time));
  for (const TracePoint& p : out.line) {
    EXPECT_FALSE(p.time > points[30'000].time && p.time < points[39'999].time &&
                 std::isfinite(p.value));
  }
}

TEST(SvgDecimate, StaysSmallWhenEverySecondSampleIsMissing) {
  auto points = Wave(200'000);
  for (std::size_t i = 0; i < points.size(); i += 2) points[i].value = kNaN;
  points[100'001].value = 50.0;
  const DecimatedSamples out = Decimate(points, kWindow, kColumns);
  EXPECT_LE(out.line.size(), kColumns * 12);
  EXPECT_TRUE(InTimeOrder(out.line));
  EXPECT_TRUE(Contains(out.line, points[100'001]));
}

TEST(SvgDecimate, KeepsTheFirstFlaggedSampleOfEachBitPerColumn) {
  auto points = Wave(100'000);
  points[10].status = status::kQuestionable;
  points[11].status = status::kQuestionable | status::kAnnotated;
  points[12].status = status::kSubstituted;
  points[13].status = status::kSubstituted;
  points[50'000].status = status::kAnnotated;
  points[50'000].value = kNaN;  // nowhere to put a marker
  const DecimatedSamples out = Decimate(points, kWindow, kColumns);
  ASSERT_EQ(out.flagged.size(), 3u);
  EXPECT_EQ(out.flagged[0].time, points[10].time);
  EXPECT_EQ(out.flagged[1].time, points[11].time);
  EXPECT_EQ(out.flagged[2].time, points[12].time);
}

}  // namespace
}  // namespace velkor::sim

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "parts/render/OrderedSamples.h"
#include "parts/render/VisibleSamples.h"

namespace velkor::sim {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
const TimeWindow kWindow{2.0, 8.0};

TEST(SvgSamples, SortsStablyByTimeAndDropsSamplesWithoutATime) {
  const std::vector<TracePoint> points = {{3.0, 30.0, 0},
                                          {1.0, 10.0, 0},
                                          {kNaN, 99.0, 0},
                                          {3.0, 31.0, 0},
                                          {std::numeric_limits<double>::infinity(), 98.0, 0},
                                          {2.0, 20.0, 0}};
  const OrderedSamples ordered(points);
  std::vector<double> values;
  for (const TracePoint& p : ordered.points()) values.push_back(p.value);
  EXPECT_EQ(values, (std::vector<double>{10.0, 20.0, 30.0, 31.0}));
}

TEST(SvgSamples, OrdersSerialsBefore1900ByTheirRealTime) {
  // -1.75 is 1899-12-29 18:00, -1.25 is 06:00 of the same day.
  const std::vector<TracePoint> points = {{-1.75, 2.0, 0}, {-1.25, 1.0, 0}, {0.5, 3.0, 0}};
  const OrderedSamples ordered(points);
  std::vector<double> values;
  for (const TracePoint& p : ordered.points()) values.push_back(p.value);
  EXPECT_EQ(values, (std::vector<double>{1.0, 2.0, 3.0}));
}

TEST(SvgSamples, BorrowsSamplesThatAreAlreadyInOrder) {
  const std::vector<TracePoint> points = {{1.0, 1.0, 0}, {1.0, 2.0, 0}, {4.0, kNaN, 0}};
  const OrderedSamples ordered(points);
  EXPECT_EQ(ordered.points().data(), points.data());
}

TEST(SvgSamples, LinesCrossingTheWindowEdgesAreCutThere) {
  const std::vector<TracePoint> across = {{0.0, 0.0, 0}, {10.0, 100.0, 0}};
  const VisibleSamples line = SelectVisible(across, kWindow, false);
  EXPECT_TRUE(line.inside.empty());
  ASSERT_TRUE(line.entry && line.exit);
  EXPECT_DOUBLE_EQ(line.entry->time, 2.0);
  EXPECT_DOUBLE_EQ(line.entry->value, 20.0);
  EXPECT_DOUBLE_EQ(line.exit->time, 8.0);
  EXPECT_DOUBLE_EQ(line.exit->value, 80.0);

  const VisibleSamples steps = SelectVisible(across, kWindow, true);
  ASSERT_TRUE(steps.entry && steps.exit);
  EXPECT_DOUBLE_EQ(steps.entry->value, 0.0);
  EXPECT_DOUBLE_EQ(steps.exit->value, 0.0);
}

TEST(SvgSamples, NoLineCrossesAnEdgeNextToAGapOrAtASampleOnTheEdge) {
  const std::vector<TracePoint> gapBefore = {{1.0, kNaN, 0}, {5.0, 1.0, 0}, {9.0, kNaN, 0}};
  const VisibleSamples a = SelectVisible(gapBefore, kWindow, false);
  EXPECT_EQ(a.inside.size(), 1u);
  EXPECT_FALSE(a.entry || a.exit);
  // A step holds its value until the gap starts.
  const std::vector<TracePoint> holds = {{5.0, 1.0, 0}, {9.0, kNaN, 0}};
  EXPECT_TRUE(SelectVisible(holds, kWindow, true).exit);

  const std::vector<TracePoint> onEdges = {
      {1.0, 0.0, 0}, {2.0, 1.0, 0}, {8.0, 2.0, 0}, {9.0, 3.0, 0}};
  const VisibleSamples b = SelectVisible(onEdges, kWindow, false);
  EXPECT_EQ(b.inside.size(), 2u);
  EXPECT_FALSE(b.entry || b.exit);
}

TEST(SvgSamples, HugeValuesInterpolateWithoutOverflow) {
  const double max = std::numeric_limits<double>::max();
  const std::vector<TracePoint> points = {{0.0, -max, 0}, {10.0, max, 0}};
  const VisibleSamples line = SelectVisible(points, kWindow, false);
  ASSERT_TRUE(line.entry && line.exit);
  EXPECT_TRUE(std::isfinite(line.entry->value));
  EXPECT_TRUE(std::isfinite(line.exit->value));
}

}  // namespace
}  // namespace velkor::sim

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "parts/render/ValueAxis.h"

namespace velkor::sim {
namespace {

ValueExtent Extent(double low, double high) {
  ValueExtent extent;
  extent.Add(low);
  extent.Add(high);
  return extent;
}

std::vector<std::string> Labels(const ValueAxis& axis) {
  std::vector<std::string> labels;
  for (double tick : axis.ticks()) labels.push_back(axis.Label(tick));
  return labels;
}

// What every axis must satisfy, whatever its data.
void ExpectSound(const ValueAxis& axis, int maxTicks) {
  EXPECT_TRUE(std::isfinite(axis.low()) && std::isfinite(axis.high()));
  EXPECT_LT(axis.low(), axis.high());
  EXPECT_LE(axis.ticks().size(), static_cast<std::size_t>(maxTicks) + 1);
  for (double tick : axis.ticks()) {
    EXPECT_GE(tick, axis.low());
    EXPECT_LE(tick, axis.high());
    const double f = axis.Fraction(tick);
    EXPECT_TRUE(f >= 0.0 && f <= 1.0) << tick;
    const std::string label = axis.Label(tick);
    EXPECT_FALSE(label.empty());
    EXPECT_EQ(label.find("inf"), std::string::npos);
    EXPECT_EQ(label.find("nan"), std::string::npos);
  }
}

TEST(SvgValueAxis, UsesOneTwoFiveStepsWithAMarginAroundTheData) {
  const ValueAxis axis(Extent(0.0, 100.0), 6);
  ExpectSound(axis, 6);
  EXPECT_LT(axis.low(), 0.0);
  EXPECT_GT(axis.high(), 100.0);
  EXPECT_EQ(Labels(axis), (std::vector<std::string>{"0", "20", "40", "60", "80", "100"}));

  const ValueAxis fine(Extent(-0.3, 0.45), 8);
  ExpectSound(fine, 8);
  EXPECT_EQ(Labels(fine),
            (std::vector<std::string>{"-0.3", "-0.2", "-0.1", "0", "0.1", "0.2", "0.3", "0.4"}));
}

TEST(SvgValueAxis, GivesConstantValuesAndNoValuesARange) {
  struct Case {
    ValueExtent extent;
    double low, high;
  };
  const Case cases[] = {
      {Extent(50.0, 50.0), 45.0, 55.0},
      {Extent(-20.0, -20.0), -22.0, -18.0},
      {Extent(0.0, 0.0), -1.0, 1.0},
      {ValueExtent(), 0.0, 1.0},
  };
  for (const Case& c : cases) {
    const ValueAxis axis(c.extent, 5);
    ExpectSound(axis, 5);
    EXPECT_DOUBLE_EQ(axis.low(), c.low);
    EXPECT_DOUBLE_EQ(axis.high(), c.high);
  }
}

TEST(SvgValueAxis, StaysFiniteNearTheLimitsOfADouble) {
  const double max = std::numeric_limits<double>::max();
  const double denormal = std::numeric_limits<double>::denorm_min();
  const ValueExtent extents[] = {
      Extent(-max, max),          Extent(max, max),       Extent(1e300, 3e300),
      Extent(-1e300, -1e300),     Extent(1e-300, 3e-300), Extent(1e-300, 1e-300),
      Extent(denormal, denormal), Extent(0.0, denormal),  Extent(1.0, std::nextafter(1.0, 2.0)),
  };
  for (const ValueExtent& extent : extents) {
    SCOPED_TRACE(extent.high);
    const ValueAxis axis(extent, 6);
    ExpectSound(axis, 6);
    for (double v : {extent.low, extent.high}) {
      const double f = axis.Fraction(v);
      EXPECT_TRUE(f >= 0.0 && f <= 1.0) << v;
    }
  }
}

TEST(SvgValueAxis, WritesLargeAndSmallNumbersInScientificNotation) {
  EXPECT_EQ(Labels(ValueAxis(Extent(1e300, 2.9e300), 5)),
            (std::vector<std::string>{"1.0e+300", "1.5e+300", "2.0e+300", "2.5e+300"}));
  const auto small = Labels(ValueAxis(Extent(0.0, 3e-6), 4));
  EXPECT_EQ(small.back(), "3e-06");
}

}  // namespace
}  // namespace velkor::sim

// Which traces share a value scale, and where the scales go.
#include <gtest/gtest.h>

#include <limits>

#include "parts/render/ScaleLayout.h"
#include "parts/render/ValueScales.h"

namespace velkor::sim {
namespace {

using Groups = std::vector<std::vector<std::size_t>>;

ScaleInput Trace(double low, double high, std::string unit = {}) {
  ScaleInput input;
  input.extent.Add(low);
  input.extent.Add(high);
  input.unit = std::move(unit);
  return input;
}

ScaleInput NoValues() {
  return {};
}

Groups TracesOf(const std::vector<ScaleGroup>& groups) {
  Groups traces;
  for (const ScaleGroup& group : groups) traces.push_back(group.traces);
  return traces;
}

TEST(SvgScales, TracesGetScalesOfTheirOwnOnlyWhenOneWouldBeSqueezedTenfold) {
  struct Row {
    const char* fact;
    std::vector<ScaleInput> traces;
    Groups expected;
  };
  const Row rows[] = {
      {"alike ranges share", {Trace(0, 100), Trace(10, 90)}, {{0, 1}}},
      {"a pressure near 4 is no flat line under a temperature near 83",
       {Trace(3.5, 4.5, "bar"), Trace(80, 86, "degC")},
       {{0}, {1}}},
      {"alike ranges share whatever their units",
       {Trace(0, 100, "%"), Trace(20, 160, "degC")},
       {{0, 1}}},
      {"a trace spanning a tenth of the shared range still fits",
       {Trace(0, 100), Trace(45, 55)},
       {{0, 1}}},
      {"one spanning less does not", {Trace(0, 100), Trace(49, 51)}, {{0}, {1}}},
      {"constants are near one another", {Trace(5, 5), Trace(5.2, 5.2)}, {{0, 1}}},
      {"the same unit shares while ranges stay alike",
       {Trace(3.5, 4.5, "bar"), Trace(80, 86, "degC"), Trace(3, 5, "bar")},
       {{0, 2}, {1}}},
      {"the same unit far apart does not",
       {Trace(3.5, 4.5, "bar"), Trace(350, 370, "bar")},
       {{0}, {1}}},
      {"two units never share once scales split",
       {Trace(3.5, 4.5, "bar"), Trace(80, 86, "degC"), Trace(3, 5, "m")},
       {{0}, {1}, {2}}},
      {"traces without units cluster by range",
       {Trace(0, 10), Trace(1000, 1010), Trace(40, 50)},
       {{0, 2}, {1}}},
      {"traces without values are in no group",
       {NoValues(), Trace(3.5, 4.5), NoValues(), Trace(80, 86)},
       {{1}, {3}}},
      {"no values at all give one empty scale", {NoValues(), NoValues()}, {{}}},
      {"no traces give one empty scale", {}, {{}}},
      {"extremes of a double stay one scale",
       {Trace(-std::numeric_limits<double>::max(), std::numeric_limits<double>::max()),
        Trace(-std::numeric_limits<double>::max(), std::numeric_limits<double>::max())},
       {{0, 1}}},
  };
  for (const Row& row : rows) {
    const auto groups = GroupScales(row.traces);
    EXPECT_EQ(TracesOf(groups), row.expected) << row.fact;
    // Each group's extent covers its traces.
    for (const ScaleGroup& group : groups)
      for (std::size_t t : group.traces)
        if (!row.traces[t].extent.empty) {
          EXPECT_LE(group.extent.low, row.traces[t].extent.low) << row.fact;
          EXPECT_GE(group.extent.high, row.traces[t].extent.high) << row.fact;
        }
  }
}

TEST(SvgScales, EachTraceKnowsItsScale) {
  const auto groups = GroupScales({Trace(3.5, 4.5), Trace(80, 86), NoValues(), Trace(3, 5)});
  EXPECT_EQ(ScaleOfEachTrace(groups, 4), (std::vector<std::size_t>{0, 1, 0, 0}))
      << "a trace without values is drawn on the first scale";
}

TEST(SvgScales, ScalesAlternateSidesAndStopAtTheBudget) {
  const std::vector<ValueAxis> axes(5, ValueAxis(Trace(0, 100).extent, 5));
  const double width = ScaleWidth(axes[0]);
  EXPECT_GT(width, 0.0);
  EXPECT_EQ(ScalesThatFit(axes, 0.0), 1u) << "the first scale is always drawn";
  EXPECT_EQ(ScalesThatFit(axes, 3 * width), 3u);
  EXPECT_EQ(ScalesThatFit(axes, 3 * width - 1), 2u);
  EXPECT_EQ(ScalesThatFit(axes, 1e9), 5u);

  const ScaleLayout layout = PlaceScales(axes, 4);
  ASSERT_EQ(layout.placed.size(), 4u);
  struct Row {
    bool right;
    double offset;
  };
  const Row expected[] = {{false, 0}, {true, 0}, {false, width}, {true, width}};
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(layout.placed[i].scale, i);
    EXPECT_EQ(layout.placed[i].right, expected[i].right) << i;
    EXPECT_DOUBLE_EQ(layout.placed[i].offset, expected[i].offset) << i;
  }
  EXPECT_DOUBLE_EQ(layout.left, 2 * width);
  EXPECT_DOUBLE_EQ(layout.right, 2 * width);
}

}  // namespace
}  // namespace velkor::sim

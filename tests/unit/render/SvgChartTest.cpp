// The drawn chart as a reader sees it: which scales, legend texts, markers
// and time labels it carries.
#include <gtest/gtest.h>

#include <pugixml.hpp>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "parts/render/RenderSvg.h"

namespace velkor::sim {
namespace {

constexpr double kStart = 46363.75;  // 2026-12-07 18:00
constexpr double kEnd = 46364.25;    // 2026-12-08 06:00
constexpr const char* kBlue = "#0072b2";
constexpr const char* kOrange = "#d55e00";

TrendTrace Wave(std::string name, std::string unit, double base, double amplitude) {
  TrendTrace trace;
  trace.name = std::move(name);
  trace.unit = std::move(unit);
  for (int i = 0; i <= 120; ++i)
    trace.points.push_back({kStart + i / 240.0, base + amplitude * std::sin(i / 10.0), 0});
  return trace;
}

TrendPicture Picture(std::vector<TrendTrace> traces) {
  TrendPicture picture;
  picture.start = DateValue{kStart};
  picture.end = DateValue{kEnd};
  picture.traces = std::move(traces);
  return picture;
}

struct Drawn {
  explicit Drawn(const TrendPicture& picture) : svg(RenderSvg(picture)) {
    EXPECT_TRUE(document.load_string(svg.c_str()));
  }
  // The texts of the groups filled in `colour`.
  std::vector<std::string> TextsIn(const std::string& colour) const {
    std::vector<std::string> texts;
    const std::string query = "//g[@fill='" + colour + "']/text";
    for (const auto& node : document.select_nodes(query.c_str()))
      texts.push_back(node.node().child_value());
    return texts;
  }
  bool HasText(const std::string& text) const {
    const std::string query = "//text[text()='" + text + "']";
    return static_cast<bool>(document.select_node(query.c_str()));
  }
  std::string svg;
  pugi::xml_document document;
};

TEST(SvgChart, APressureAndATemperatureGetAScaleEachInTheirColours) {
  const Drawn drawn(Picture({Wave("Pressure", "bar", 4, 0.3), Wave("Temperature", "degC", 83, 2)}));
  const auto blue = drawn.TextsIn(kBlue);
  const auto orange = drawn.TextsIn(kOrange);
  ASSERT_FALSE(blue.empty());
  ASSERT_FALSE(orange.empty());
  EXPECT_EQ(blue.front().find('.'), 1u) << "the pressure scale steps in tenths: " << blue.front();
  EXPECT_NE(std::find(orange.begin(), orange.end(), "84"), orange.end());
  EXPECT_TRUE(drawn.TextsIn("#333333").size() <= 8u) << "only time labels stay grey";
  EXPECT_TRUE(drawn.HasText("Pressure [bar]"));
  EXPECT_TRUE(drawn.HasText("Temperature [degC]"));
}

TEST(SvgChart, AScaleThatTracesShareIsGrey) {
  const Drawn drawn(Picture({Wave("A", "", 5, 5), Wave("B", "", 45, 5), Wave("C", "", 1005, 5)}));
  EXPECT_TRUE(drawn.TextsIn(kBlue).empty());
  EXPECT_TRUE(drawn.TextsIn(kOrange).empty());
  EXPECT_FALSE(drawn.TextsIn("#009e73").empty()) << "C's scale is its own";
  EXPECT_TRUE(drawn.document.select_node("//path[@stroke='#333333']")) << "A and B share one";
}

TEST(SvgChart, AlikeTracesShareOneGreyScale) {
  const Drawn drawn(Picture({Wave("A", "", 50, 40), Wave("B", "", 60, 30)}));
  EXPECT_TRUE(drawn.TextsIn(kBlue).empty());
  EXPECT_TRUE(drawn.TextsIn(kOrange).empty());
  EXPECT_TRUE(drawn.HasText("A"));
  EXPECT_FALSE(drawn.TextsIn("#333333").empty());
}

TEST(SvgChart, ScalesWithoutRoomNameTheirRangeInTheLegend) {
  std::vector<TrendTrace> traces;
  for (int t = 0; t < 12; ++t)
    traces.push_back(Wave("T" + std::to_string(t), "", 100.0 * (t + 1) * (t + 1), 1));
  const Drawn drawn(Picture(traces));
  EXPECT_TRUE(drawn.HasText("T0"));
  // The range is that of its scale, top and bottom of the plot.
  EXPECT_TRUE(drawn.HasText("T11 14398.9\u202614401.1"));
}

TEST(SvgChart, QuestionableSamplesAreMarkedEvenWithoutValueAttributes) {
  TrendTrace trace = Wave("Level", "", 5, 1);
  trace.points[40].status = status::kQuestionable;
  trace.points[80].status = status::kSubstituted;
  TrendPicture picture = Picture({trace});
  for (const bool attributes : {false, true}) {
    picture.showValueAttributes = attributes;
    const Drawn drawn(picture);
    EXPECT_TRUE(drawn.HasText("Questionable")) << attributes;
    EXPECT_EQ(drawn.HasText("Substituted"), attributes);
    // The traces' markers are hollow shapes in the trace's colour.
    const auto markers =
        drawn.document.select_nodes("//g[@clip-path]/path[@fill='#ffffff' and @stroke='#0072b2']");
    EXPECT_EQ(markers.size(), attributes ? 2u : 1u);
  }
}

TEST(SvgChart, TheFirstTimeLabelAndEachNewDayCarryTheDate) {
  const Drawn drawn(Picture({Wave("A", "", 1, 1)}));
  EXPECT_TRUE(drawn.HasText("12/7 18:00"));
  EXPECT_TRUE(drawn.HasText("12/8 00:00"));
  EXPECT_TRUE(drawn.HasText("06:00"));
}

TEST(SvgChart, SameInputSameBytes) {
  TrendPicture picture =
      Picture({Wave("Pressure", "bar", 4, 0.3), Wave("Temperature", "degC", 83, 2)});
  picture.traces[0].points[3].status = status::kQuestionable;
  EXPECT_EQ(RenderSvg(picture), RenderSvg(picture));
}

}  // namespace
}  // namespace velkor::sim

#include <gtest/gtest.h>

#include <pugixml.hpp>

#include <set>

#include "parts/render/RenderSvg.h"
#include "unit/components/chart/ChartFixture.h"

namespace velkor::chart_test {
namespace {

using ChartPictureTest = ChartFixture;

sim::FeedSeries Series(std::string name, std::vector<sim::TracePoint> points, bool stepped = false,
                       bool markers = false) {
  return {std::move(name), sim::TraceKind::Worksheet, std::move(points), stepped, markers, {}};
}

TEST_F(ChartPictureTest, HoldsDisplayTracesInChartOrderAndTheObjectSize) {
  auto chart = AddChart();
  auto feed = AddFeed("XL", {});
  sim::FeedSeries level = Series("Level", {{11.0, 5.0, sim::status::kQuestionable}}, false, true);
  level.unit = "m";
  feed->SetSeries({Series("Flow", {{10.0, 1.0, 0}, {12.0, 3.0, 0}}, true, false), level});
  chart->DataSources()->Add("XL", Variant::Missing(), true);
  chart->ApplyPropertySet(std::make_shared<sim::ChartPropertySet>(sim::ChartDisplay{"T", true}));
  chart->SetLanguage("1031");
  SafeArray order({Variant(std::int32_t{2})});
  chart->Traces()->Reorder(Variant(order));

  auto picture = chart->Picture();
  EXPECT_EQ(picture.title, "T");
  EXPECT_TRUE(picture.showValueAttributes);
  EXPECT_EQ(picture.language, "1031");
  EXPECT_DOUBLE_EQ(picture.width, 400);
  EXPECT_DOUBLE_EQ(picture.height, 300);
  ASSERT_EQ(picture.traces.size(), 2u);
  EXPECT_EQ(picture.traces[0].name, "Level");
  EXPECT_EQ(picture.traces[0].unit, "m");
  EXPECT_TRUE(picture.traces[0].markers);
  EXPECT_EQ(picture.traces[0].points[0].status, sim::status::kQuestionable);
  EXPECT_EQ(picture.traces[1].name, "Flow");
  EXPECT_TRUE(picture.traces[1].stepped);
  EXPECT_EQ(picture.traces[1].unit, "");
  EXPECT_EQ(picture.traces[1].kind, sim::TraceKind::Worksheet);
  // No feed has a time range: the span of the samples.
  EXPECT_EQ(picture.start, DateValue{10.0});
  EXPECT_EQ(picture.end, DateValue{12.0});
}

TEST_F(ChartPictureTest, TimeRangeComesFromTheFirstFeedThatHasOne) {
  auto chart = AddChart();
  AddFeed("XL", {"a"});
  auto archive = AddFeed("Arc", {"b"});
  archive->range = {DateValue{100.0}, DateValue{101.0}};
  chart->DataSources()->Add("XL", Variant::Missing(), true);
  chart->DataSources()->Add("Arc", Variant::Missing(), true);
  auto picture = chart->Picture();
  EXPECT_EQ(picture.start, DateValue{100.0});
  EXPECT_EQ(picture.end, DateValue{101.0});
}

TEST_F(ChartPictureTest, RendersOneLinePerTraceInDistinctColours) {
  auto chart = AddChart();
  auto feed = AddFeed("Arc", {});
  std::vector<sim::FeedSeries> series;
  for (int s = 0; s < 3; ++s) {
    std::vector<sim::TracePoint> points;
    for (int i = 0; i < 50; ++i) points.push_back({45000.0 + i / 24.0, s * 10.0 + i % 7, 0});
    series.push_back(Series("Trace " + std::to_string(s), points));
  }
  feed->SetSeries(series);
  chart->DataSources()->Add("Arc", Variant::Missing(), true);

  pugi::xml_document svg;
  ASSERT_TRUE(svg.load_string(sim::RenderSvg(chart->Picture()).c_str()));
  auto plot = svg.select_node("//g[@clip-path]").node();
  ASSERT_TRUE(plot);
  std::set<std::string> colours;
  int lines = 0;
  for (auto path : plot.children("path"))
    if (path.attribute("stroke")) {
      ++lines;
      colours.insert(path.attribute("stroke").value());
    }
  EXPECT_EQ(lines, 3);
  EXPECT_EQ(colours.size(), 3u);
}

}  // namespace
}  // namespace velkor::chart_test

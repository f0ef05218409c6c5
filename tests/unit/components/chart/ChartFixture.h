// Test support for the stand-in chart: a data feed whose series a test sets
// directly, and a host fixture that knows the chart and the feed by ProgID.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "control/components/ChartTrace.h"
#include "control/components/ChartTraces.h"
#include "control/components/DataObject.h"
#include "control/components/DataSource.h"
#include "control/components/DataSources.h"
#include "control/components/PropertySet.h"
#include "standins/components/DataFeed.h"
#include "standins/components/chart/SimTrendChart.h"
#include "unit/host/HostFixture.h"

namespace velkor::chart_test {

using platform_test::RaisedNumber;

inline constexpr const char* kFakeFeedProgId = "Test.FakeFeed";

class FakeFeed : public Object, public sim::DataFeed {
 public:
  std::string TypeName() const override { return "FakeFeed"; }
  std::vector<sim::FeedSeries> Series() const override { return series; }
  bool TimeRangeInEffect(DateValue& start, DateValue& end) const override;

  // Replaces the series and raises FeedChanged, as a data control does
  // after its specifications changed.
  void SetSeries(std::vector<sim::FeedSeries> replacement);
  // Series of those names, each with two points (time 1 and 2).
  void SetSeriesNamed(const std::vector<std::string>& names);

  std::vector<sim::FeedSeries> series;
  std::optional<std::pair<DateValue, DateValue>> range;
};

class ChartFixture : public host_test::HostFixture {
 protected:
  // Starts with a new workbook "BookN", Sheet1 active.
  ChartFixture();

  // A chart on the active sheet, 400 x 300 points.
  std::shared_ptr<sim::SimTrendChart> AddChart(const std::string& name = "ZaltTrend1_Sheet1");
  // A feed named `name` on the sheet of `sheetReference` ("Sheet2!").
  std::shared_ptr<FakeFeed> AddFeed(const std::string& name, const std::vector<std::string>& series,
                                    std::string_view sheetReference = "");
  // The chart's shown traces as "source:series".
  static std::vector<std::string> TraceNames(sim::SimTrendChart& chart);
};

}  // namespace velkor::chart_test

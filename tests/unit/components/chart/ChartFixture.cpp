#include "unit/components/chart/ChartFixture.h"

#include "control/components/ProgIds.h"
#include "platform/host/OLEObject.h"
#include "standins/components/chart/RegisterChart.h"
#include "standins/host/HostDriver.h"

namespace velkor::chart_test {

bool FakeFeed::TimeRangeInEffect(DateValue& start, DateValue& end) const {
  if (!range) return false;
  start = range->first;
  end = range->second;
  return true;
}

void FakeFeed::SetSeries(std::vector<sim::FeedSeries> replacement) {
  series = std::move(replacement);
  FeedChanged.Raise();
}

void FakeFeed::SetSeriesNamed(const std::vector<std::string>& names) {
  std::vector<sim::FeedSeries> replacement;
  for (const auto& name : names)
    replacement.push_back(
        {name, sim::TraceKind::Archive, {{1.0, 1.0, 0}, {2.0, 2.0, 0}}, false, false, {}});
  SetSeries(std::move(replacement));
}

ChartFixture::ChartFixture() {
  sim::RegisterChartComponent(*registry);
  registry->Register(kFakeFeedProgId, [] { return std::make_shared<FakeFeed>(); });
  NewBook();
}

std::shared_ptr<sim::SimTrendChart> ChartFixture::AddChart(const std::string& name) {
  auto frame = driver.InsertObject("", component::kTrendChartProgId, 0, 0, 400, 300);
  frame->SetName(name);
  return std::dynamic_pointer_cast<sim::SimTrendChart>(frame->Object());
}

std::shared_ptr<FakeFeed> ChartFixture::AddFeed(const std::string& name,
                                                const std::vector<std::string>& series,
                                                std::string_view sheetReference) {
  auto frame = driver.InsertObject(sheetReference, kFakeFeedProgId, 0, 0, 50, 50);
  frame->SetName(name);
  auto feed = std::dynamic_pointer_cast<FakeFeed>(frame->Object());
  feed->SetSeriesNamed(series);
  return feed;
}

std::vector<std::string> ChartFixture::TraceNames(sim::SimTrendChart& chart) {
  std::vector<std::string> names;
  for (const auto& key : chart.ShownTraces()) names.push_back(key.source + ":" + key.series);
  return names;
}

}  // namespace velkor::chart_test

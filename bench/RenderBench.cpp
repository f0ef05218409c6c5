#include "RenderBench.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "standins/components/chart/ChartPicture.h"

namespace velkor::bench {

namespace {

constexpr int kTraces = 10;
constexpr int kSamples = 43200;

// A data control's view as the chart reads it: it hands out its applied
// series by value, as the stand-in data controls do.
class StoredFeed : public sim::DataFeed {
 public:
  StoredFeed() {
    for (int t = 0; t < kTraces; ++t) {
      sim::FeedSeries series;
      series.name = "\\\\srv9\\tag" + std::to_string(t);
      series.kind = sim::TraceKind::Archive;
      series.points.reserve(kSamples);
      for (int m = 0; m < kSamples; ++m)
        series.points.push_back({46000.0 + m / 1440.0, 50 + 40 * std::sin(m / (60.0 + t)), 0});
      series_.push_back(std::move(series));
    }
  }
  std::vector<sim::FeedSeries> Series() const override { return series_; }
  std::vector<std::string> SeriesNames() const override {
    std::vector<std::string> names;
    for (const auto& series : series_) names.push_back(series.name);
    return names;
  }
  bool TimeRangeInEffect(DateValue& start, DateValue& end) const override {
    start = DateValue{46000.0};
    end = DateValue{46030.0};
    return true;
  }

 private:
  std::vector<sim::FeedSeries> series_;
};

void RenderStep(benchmark::State& state) {
  sim::PictureInputs inputs;
  auto feed = std::make_shared<const StoredFeed>();
  inputs.feeds.push_back({"ZaltArcDC1_Sheet1", feed});
  for (const auto& name : feed->SeriesNames()) inputs.traces.push_back({"ZaltArcDC1_Sheet1", name});
  for (auto _ : state) benchmark::DoNotOptimize(sim::BuildPicture(inputs));
}

}  // namespace

void RegisterRenderStep() {
  benchmark::RegisterBenchmark("RenderStep", RenderStep)
      ->Arg(kTraces * kSamples)
      ->Unit(benchmark::kMillisecond);
}

}  // namespace velkor::bench

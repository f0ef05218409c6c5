#include "standins/components/chart/ChartPicture.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace velkor::sim {

namespace {

// The series of every feed, read once per picture.
class SeriesIndex {
 public:
  explicit SeriesIndex(const std::vector<LiveFeed>& feeds) {
    for (const auto& [source, feed] : feeds) series_[source] = feed->Series();
  }

  // The n-th series of that name at that source, n counting the calls for
  // that name, so two traces of one name take the two series in turn.
  FeedSeries* Next(const TraceKey& key) {
    auto feed = series_.find(key.source);
    if (feed == series_.end()) return nullptr;
    int skip = taken_[{key.source, key.series}]++;
    for (auto& series : feed->second)
      if (series.name == key.series && skip-- == 0) return &series;
    return nullptr;
  }

 private:
  std::map<std::string, std::vector<FeedSeries>> series_;
  std::map<std::pair<std::string, std::string>, int> taken_;
};

// Each series is taken by one trace at most, so its samples move into the
// picture instead of being copied a second time.
TrendTrace TraceOf(const TraceKey& key, FeedSeries* series) {
  TrendTrace trace;
  trace.name = key.series;
  if (!series) return trace;
  trace.kind = series->kind;
  trace.points = std::move(series->points);
  trace.stepped = series->stepped;
  trace.markers = series->markers;
  trace.unit = series->unit;
  return trace;
}

bool RangeInEffect(const std::vector<LiveFeed>& feeds, DateValue& start, DateValue& end) {
  for (const auto& [source, feed] : feeds) {
    DateValue from;
    DateValue to;
    if (!feed->TimeRangeInEffect(from, to)) continue;
    start = from;
    end = to;
    return true;
  }
  return false;
}

void SpanOfSamples(const std::vector<TrendTrace>& traces, DateValue& start, DateValue& end) {
  double first = INFINITY;
  double last = -INFINITY;
  for (const auto& trace : traces)
    for (const auto& point : trace.points) {
      if (!std::isfinite(point.time)) continue;
      first = std::min(first, point.time);
      last = std::max(last, point.time);
    }
  if (first > last) return;
  start = DateValue{first};
  end = DateValue{last};
}

}  // namespace

TrendPicture BuildPicture(const PictureInputs& inputs) {
  TrendPicture picture;
  picture.title = inputs.display.title;
  picture.showValueAttributes = inputs.display.valueAttributes;
  picture.language = inputs.language;
  picture.width = inputs.width;
  picture.height = inputs.height;

  SeriesIndex index(inputs.feeds);
  for (const auto& key : inputs.traces) picture.traces.push_back(TraceOf(key, index.Next(key)));

  if (!RangeInEffect(inputs.feeds, picture.start, picture.end))
    SpanOfSamples(picture.traces, picture.start, picture.end);
  return picture;
}

}  // namespace velkor::sim

// DataFeed: how the stand-in chart reads a stand-in data control. Both data
// controls implement it next to their component interface; the chart finds
// a data source by OLE object name on any sheet of its workbook and casts
// the object to DataFeed. Nothing outside the stand-ins sees this interface.
#pragma once

#include <string>
#include <vector>

#include "parts/render/TrendPicture.h"
#include "platform/Event.h"
#include "platform/Variant.h"

namespace velkor::sim {

// One query specification as the chart draws it.
struct FeedSeries {
  std::string name;  // the trace's data-object name: "\\srv\tag" or the query specification's name
  TraceKind kind = TraceKind::Archive;
  std::vector<TracePoint> points;  // the last query's values; empty before one
  bool stepped = false;
  bool markers = false;
  std::string unit;  // engineering units from the archive; empty when unknown
};

class DataFeed {
 public:
  virtual ~DataFeed() = default;

  // The applied specifications, in the order they were added.
  virtual std::vector<FeedSeries> Series() const = 0;
  // Their names alone, in the same order. The data controls answer without
  // copying any sample; this default copies them all.
  virtual std::vector<std::string> SeriesNames() const {
    std::vector<std::string> names;
    for (auto& series : Series()) names.push_back(std::move(series.name));
    return names;
  }

  // The time range in effect; a feed without one (the worksheet data
  // control) returns false and the chart takes the range of its data.
  virtual bool TimeRangeInEffect(DateValue& start, DateValue& end) const = 0;

  // Raised after the applied specifications changed (added, removed,
  // reverted, or a grouped change ended) and after new data was queried.
  Event<> FeedChanged;
};

}  // namespace velkor::sim

// Putting the chart's traces into the order of the trace records: each
// record's TraceOrder names the place of the chart trace that matches it.
// Trend insertion and ReorderTraces match by data source and trace name; the
// synchronization handlers match by trace name alone.
#pragma once

#include <cstdint>
#include <vector>

#include "control/components/TrendChart.h"

namespace velkor {

enum class TraceKey { SourceAndName, NameOnly };

struct TraceMatch {
  // Entry p: the current 1-based chart position of the trace for place p+1.
  std::vector<std::int32_t> order;
  std::int32_t matches = 0;
  bool found = false;
};

// Matches records 1 to n of gTraces, taken by TraceOrder 1 to n, with the
// chart's traces; names compare trimmed and upper-cased. Records that share
// a TraceOrder are all tried, a later match overwriting the earlier one.
TraceMatch MatchChartTraces(component::TrendChart& chart, TraceKey key);

// Reorders the chart with `match` only when every chart trace matched: the
// chart never gets a partial order. Returns true when it reordered.
bool ReorderWhenComplete(component::TrendChart& chart, const TraceMatch& match);

}  // namespace velkor

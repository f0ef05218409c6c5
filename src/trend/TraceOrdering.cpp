#include "trend/TraceOrdering.h"

#include <algorithm>
#include <string>
#include <unordered_map>

#include "control/components/ChartTrace.h"
#include "control/components/ChartTraces.h"
#include "control/components/DataObject.h"
#include "control/components/DataSource.h"
#include "model/Traces.h"
#include "platform/Variant.h"
#include "platform/VbString.h"

namespace velkor {

namespace {

std::string Key(std::string_view part) {
  return vb::UCase(vb::Trim(part));
}

std::string RecordKey(const TraceOrder& record, TraceKey key) {
  std::string name = Key(record.TraceName);
  return key == TraceKey::NameOnly ? name : Key(record.DataSourceName) + name;
}

std::string ChartTraceKey(component::ChartTrace& trace, TraceKey key) {
  std::string name = Key(Deref(trace.DataObject()).Name());
  return key == TraceKey::NameOnly ? name : Key(Deref(trace.DataSource()).Name()) + name;
}

}  // namespace

// Place p takes, from each record with TraceOrder p+1 in record order, the
// first chart trace of the record's key; every record that finds one counts.
// The chart's keys are indexed once, so a large trend costs a pass over the
// records and one over the chart, not their product.
TraceMatch MatchChartTraces(component::TrendChart& chart, TraceKey key) {
  const std::int32_t n = TracesUBound();
  TraceMatch match;
  match.order.assign(static_cast<std::size_t>(std::max(n, 0)), 0);
  const auto traces = chart.Traces();
  std::unordered_map<std::string, std::int32_t> firstPosition;
  const std::int32_t count = Deref(traces).Count();
  for (std::int32_t t = 1; t <= count; ++t)
    firstPosition.try_emplace(ChartTraceKey(Deref(traces->Item(t)), key), t);
  for (std::int32_t r = 1; r <= n; ++r) {
    const TraceOrder& record = gTraces[static_cast<std::size_t>(r)];
    const std::int32_t p = record.TraceOrder - 1;
    if (p < 0 || p >= n) continue;
    const auto found = firstPosition.find(RecordKey(record, key));
    if (found == firstPosition.end()) continue;
    match.order[static_cast<std::size_t>(p)] = found->second;
    ++match.matches;
    match.found = true;
  }
  return match;
}

bool ReorderWhenComplete(component::TrendChart& chart, const TraceMatch& match) {
  auto traces = chart.Traces();
  if (match.matches != Deref(traces).Count() || !match.found) return false;
  std::vector<Variant> items(match.order.begin(), match.order.end());
  traces->Reorder(Variant(SafeArray(std::move(items))));
  return true;
}

}  // namespace velkor

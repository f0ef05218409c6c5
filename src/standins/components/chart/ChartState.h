// ChartState: what the chart saves with its workbook, and how it is laid out
// in the property bag. Lists are stored as a count and numbered keys:
//   Title, ValueAttributes, Language,
//   DataSourceCount, DataSource1..n        (OLE object names)
//   TraceCount, TraceSource1..n, TraceName1..n   (chart order)
// User-defined menu items are not saved; their owner adds them again.
#pragma once

#include <string>
#include <vector>

#include "platform/host/PropertyBag.h"
#include "standins/components/chart/ChartPropertySet.h"
#include "standins/components/chart/TraceList.h"

namespace velkor::sim {

inline constexpr const char* kDefaultChartLanguage = "1033";

struct ChartState {
  ChartDisplay display;
  std::string language = kDefaultChartLanguage;
  std::vector<std::string> sources;
  std::vector<TraceKey> traces;
};

void WriteChartState(host::PropertyBag& bag, const ChartState& state);

// Reads what WriteChartState wrote. A damaged bag (counts that are no
// number, negative or absurd, empty names) yields what can be read of it,
// never an error: a chart must open even from a file that was tampered with.
ChartState ReadChartState(host::PropertyBag& bag);

}  // namespace velkor::sim

#include "sync/SyncEvent.h"

#include <algorithm>
#include <string>
#include <unordered_map>

#include "control/ExcelTrendWizard.h"
#include "control/components/ChartTrace.h"
#include "control/components/ChartTraces.h"
#include "control/components/DataObject.h"
#include "model/Traces.h"
#include "support/ErrorHandling.h"

namespace velkor {

namespace {

// Steps 9.1 and 9.2: for place k, each record with TraceOrder k+1 in turn
// takes the first chart trace of its name; entries no name matches keep what
// the trace steps put there. Indexed, so that a large trend costs a pass
// over the records and one over the chart, not their product.
void MatchByTraceName(component::ChartTraces& traces, SyncEvent& event) {
  std::unordered_map<std::string, std::int32_t> firstPosition;
  TryStep([&] {
    const std::int32_t count = traces.Count();
    for (std::int32_t t = 1; t <= count; ++t)
      firstPosition.try_emplace(Deref(Deref(traces.Item(t)).DataObject()).Name(), t);
  });
  for (std::int32_t j = 1; j <= event.n; ++j) {
    const TraceOrder& record = gTraces[static_cast<std::size_t>(j)];
    const std::int32_t k = record.TraceOrder - 1;
    if (k < 0 || k >= event.n) continue;
    const auto found = firstPosition.find(record.TraceName);
    if (found != firstPosition.end()) event.order[static_cast<std::size_t>(k)] = found->second;
  }
}

}  // namespace

bool StartSyncEvent(ExcelTrendWizard& c, SyncEvent& event) {
  event.StartTime = Variant();
  event.EndTime = Variant();
  TryStep([&] { event.parsed = ReadXML(c.TraceInfo); });
  event.n = std::max(TracesUBound(), 0);
  if (event.n < 1) return false;
  event.order.assign(static_cast<std::size_t>(event.n), 0);
  event.refresh = false;
  return true;
}

void OrderAndSave(ExcelTrendWizard& c, SyncEvent& event) {
  if (!event.refresh) return;
  component::ChartTracesPtr traces;
  TryStep([&] { traces = Deref(c.m_objTrend.get()).Traces(); });
  if (traces) {
    MatchByTraceName(*traces, event);
    std::vector<Variant> items(event.order.begin(), event.order.end());
    TryStep([&] { traces->Reorder(Variant(SafeArray(std::move(items)))); });
  }
  if (MayWriteBack(event.parsed)) TryStep([&] { c.let_TraceInfo(WriteXML()); });
}

}  // namespace velkor

// The working state of one synchronization event: created when the event
// starts, dropped when it ends. Nothing survives between events but what the
// steps write to TraceInfo, the data controls and the chart.
#pragma once

#include <cstdint>
#include <vector>

#include "model/TraceInfoXml.h"
#include "platform/Variant.h"

namespace velkor {

struct SyncEvent {
  std::int32_t n = 0;  // the number of trace records
  // Entry k: the chart position of the trace for place k+1; 0 where unknown.
  std::vector<std::int32_t> order;
  bool refresh = false;  // a trace, a query or the time range changed
  Variant StartTime;
  Variant EndTime;
  ParseOutcome parsed = ParseOutcome::Complete;
};

// Loads gTraces from the control's TraceInfo; returns false when there is no
// record, and the event then ends.
class ExcelTrendWizard;
bool StartSyncEvent(ExcelTrendWizard& c, SyncEvent& event);

// Puts the chart's traces into their recorded order and saves the records,
// only when a step set the refresh flag. Records that a partial parse did
// not reach are never written over.
void OrderAndSave(ExcelTrendWizard& c, SyncEvent& event);

}  // namespace velkor

// ReorderTraces: puts the chart's traces into the order the trace records
// give, matching them by data source and trace name.
#pragma once

namespace velkor {

class ExcelTrendWizard;

// Reorders only when every chart trace matched a record. The reconnection
// timer is paused meanwhile and gets its state back on every way out. Host
// and chart errors go to the caller.
void ReorderTraces(ExcelTrendWizard& c);

}  // namespace velkor

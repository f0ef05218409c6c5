// Archive traces whose tag or server name comes from a cell: when the event
// covers such a cell and its text changed, the trace's archive query is
// replaced by one for the new tag and server, and its record follows.
#pragma once

#include "sync/CellScope.h"
#include "sync/SyncEvent.h"

namespace velkor {

// Runs the tag-and-server step for records 1 to n.
void UpdateArchiveTraces(ExcelTrendWizard& c, const CellScope& scope, SyncEvent& event);

}  // namespace velkor

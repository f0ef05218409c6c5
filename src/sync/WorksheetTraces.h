// Worksheet traces: a trace-name cell renames its trace, and an event that
// covers a trace's data range makes the worksheet data control read it
// again.
#pragma once

#include "platform/host/HostFwd.h"
#include "sync/SyncEvent.h"

namespace velkor {

class ExcelTrendWizard;

// After an edit of `target` on `sheet`: renames the traces whose name cell
// was edited, then re-reads the specifications whose data range was edited.
void UpdateWorksheetTracesAfterEdit(ExcelTrendWizard& c, const host::WorksheetPtr& sheet,
                                    const host::RangePtr& target, SyncEvent& event);

// After a recalculation of `sheet` (specifications on that sheet count) or
// the opening of `book` (specifications in that workbook count). The data
// is queried again unless `bIsExport` holds it back.
void UpdateWorksheetTracesAfterCalculate(ExcelTrendWizard& c, const host::WorksheetPtr& sheet,
                                         SyncEvent& event);
void UpdateWorksheetTracesAfterOpen(ExcelTrendWizard& c, const host::WorkbookPtr& book,
                                    SyncEvent& event);

}  // namespace velkor

// The control's handlers of the host application's events. Each runs every
// statement under continue-on-error: no handler reports, shows an error, or
// lets one reach the host.
#pragma once

#include "platform/host/HostFwd.h"

namespace velkor {

class ExcelTrendWizard;

// Cells were edited: the traces and the time range follow the edited cells.
void gAppExcelEvents_SheetChange(ExcelTrendWizard& c, const host::WorksheetPtr& Sh,
                                 const host::RangePtr& Target);
// A sheet was recalculated: they follow the cells on that sheet.
void gAppExcelEvents_SheetCalculate(ExcelTrendWizard& c, const host::WorksheetPtr& Sh);
// A workbook was opened: they follow the cells in that workbook.
void gAppExcelEvents_WorkbookOpen(ExcelTrendWizard& c, const host::WorkbookPtr& Wb);
// A workbook is about to close, possibly another than the control's own.
void gAppExcelEvents_WorkbookBeforeClose(ExcelTrendWizard& c, const host::WorkbookPtr& Wb,
                                         bool& Cancel);

}  // namespace velkor

// DeleteTrend: after the user confirms, removes the trend's OLE objects from
// the workbook: the worksheet data control, the archive data control, the
// chart, and last the control itself.
#pragma once

namespace velkor {

class ExcelTrendWizard;

// Failures are reported as "ETW_DeleteTrend"; what was deleted stays deleted.
void DeleteTrend(ExcelTrendWizard& c);

}  // namespace velkor

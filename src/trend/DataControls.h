// The two data controls of a trend, created on first need as OLE objects at
// the active cell and named uniquely on the active sheet. A data control is
// never created twice: each function does nothing while the control already
// holds one.
#pragma once

#include <string_view>

#include "platform/host/HostFwd.h"

namespace velkor {

class ExcelTrendWizard;

// Data controls made only to hand out their query object stay out of sight.
enum class DataControlView { Shown, Hidden };

// Places a new OLE object of class `classId` on the active sheet of the
// host's active workbook, at the active cell, 300 by 300 points. Failures are
// reported under "InsertControl" and give nullptr.
host::OLEObjectPtr InsertControl(std::string_view classId);

// Create the worksheet (ZaltExcelData) or archive (ZaltArchiveData) data
// control when the control holds none yet, and record its OLE name in
// ExcelDcName or ZaltArcDCName. Failures go to the caller.
void EnsureExcelDataControl(ExcelTrendWizard& c, DataControlView view);
void EnsureArchiveDataControl(ExcelTrendWizard& c, DataControlView view);

}  // namespace velkor

// InsertTrend: places the trend chart on a worksheet (or moves and resizes
// it), binds the data controls to it and puts its traces into the order of
// the trace records.
#pragma once

#include <string>

#include "platform/Variant.h"

namespace velkor {

class ExcelTrendWizard;

// `wsName` is a cell reference naming the target workbook and sheet, or
// Missing/Empty for a new sheet; on return it holds "" or the name of the
// sheet created for the chart. `strRange` gives the chart's box; "" for the
// default box. Failures are reported as "InsertTrend" and never reach the
// caller.
void InsertTrend(ExcelTrendWizard& c, Variant& wsName, std::string& strRange);

}  // namespace velkor

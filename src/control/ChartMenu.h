// The control's items on the chart's context menu: added once for each
// chart, by trend insertion and by the reconnection timer, and the
// time-range item that is usable only while the chart shows an archive trace.
#pragma once

#include "control/Statements.h"

namespace velkor {

class ExcelTrendWizard;

// Loads the control's language and adds the seven items, keeping each id.
// Returns true when the first six ids are not 0 (the copy-and-paste item
// does not count).
bool AddTrendMenuItems(ExcelTrendWizard& c, Statements& run);

// Disables the time-range item, then enables it again at the first chart
// trace whose data source is an archive data control.
void UpdateTimeRangeItem(ExcelTrendWizard& c, Statements& run);

}  // namespace velkor

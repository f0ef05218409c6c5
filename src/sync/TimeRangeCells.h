// The trend's start and end taken from cells: when the event covers a time
// cell, the time range follows it.
#pragma once

#include "sync/CellScope.h"
#include "sync/SyncEvent.h"

namespace velkor {

enum class TimeRangeCheck {
  Message,    // an end not after the start is refused with a message (an edit)
  Silent,     // refused without a message (a recalculation)
  Unchecked,  // passed on as read (a workbook opening)
};

void UpdateTimeRangeFromCells(ExcelTrendWizard& c, const CellScope& scope, TimeRangeCheck check,
                              SyncEvent& event);

}  // namespace velkor

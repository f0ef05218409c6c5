#include "sync/HostEvents.h"

#include "control/ExcelTrendWizard.h"
#include "platform/Conversions.h"
#include "platform/VbString.h"
#include "platform/host/HostModel.h"
#include "support/ErrorHandling.h"
#include "sync/ArchiveTraces.h"
#include "sync/CellScope.h"
#include "sync/SyncEvent.h"
#include "sync/TimeRangeCells.h"
#include "sync/WorksheetTraces.h"

namespace velkor {

namespace {

// Clearing one cell never changes a trend.
bool IsOneEmptiedCell(const host::RangePtr& target) {
  bool emptied = false;
  TryStep([&] {
    auto& range = Deref(target);
    if (Deref(range.Cells()).Count() == 1) emptied = vb::Len(CStr(range.Value())) < 1;
  });
  return emptied;
}

template <class Body>
void Guarded(Body&& body) {
  TryStep(std::forward<Body>(body));
}

}  // namespace

void gAppExcelEvents_SheetChange(ExcelTrendWizard& c, const host::WorksheetPtr& Sh,
                                 const host::RangePtr& Target) {
  Guarded([&] {
    if (IsOneEmptiedCell(Target)) return;
    if (!c.m_objTrend) return;
    SyncEvent event;
    if (!StartSyncEvent(c, event)) return;
    const auto scope = EditedRangeScope(Sh, Target);
    UpdateArchiveTraces(c, *scope, event);
    UpdateTimeRangeFromCells(c, *scope, TimeRangeCheck::Message, event);
    UpdateWorksheetTracesAfterEdit(c, Sh, Target, event);
    OrderAndSave(c, event);
  });
}

void gAppExcelEvents_SheetCalculate(ExcelTrendWizard& c, const host::WorksheetPtr& Sh) {
  Guarded([&] {
    if (!c.m_objTrend) return;
    SyncEvent event;
    if (!StartSyncEvent(c, event)) return;
    const auto scope = CalculatedSheetScope(Sh);
    UpdateArchiveTraces(c, *scope, event);
    UpdateTimeRangeFromCells(c, *scope, TimeRangeCheck::Silent, event);
    UpdateWorksheetTracesAfterCalculate(c, Sh, event);
    OrderAndSave(c, event);
  });
}

void gAppExcelEvents_WorkbookOpen(ExcelTrendWizard& c, const host::WorkbookPtr& Wb) {
  Guarded([&] {
    if (!c.m_objTrend) return;
    c.m_bWorkbookClosing = false;
    SyncEvent event;
    if (!StartSyncEvent(c, event)) return;
    const auto scope = OpenedWorkbookScope(Wb);
    UpdateArchiveTraces(c, *scope, event);
    UpdateTimeRangeFromCells(c, *scope, TimeRangeCheck::Unchecked, event);
    UpdateWorksheetTracesAfterOpen(c, Wb, event);
    OrderAndSave(c, event);
  });
}

void gAppExcelEvents_WorkbookBeforeClose(ExcelTrendWizard& c, const host::WorkbookPtr&, bool&) {
  c.m_bWorkbookClosing = true;
}

}  // namespace velkor

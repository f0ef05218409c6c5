#include "trend/InsertTrend.h"

#include "control/ChartMenu.h"
#include "control/ControlEnums.h"
#include "control/ExcelTrendWizard.h"
#include "control/Statements.h"
#include "control/TrendOptions.h"
#include "control/components/ProgIds.h"
#include "model/CellReference.h"
#include "model/Globals.h"
#include "model/OptionalArgument.h"
#include "model/TraceInfoXml.h"
#include "model/Traces.h"
#include "model/UniqueControlName.h"
#include "model/WorkbookIndex.h"
#include "platform/Conversions.h"
#include "platform/ErrorNumbers.h"
#include "platform/VbString.h"
#include "platform/host/HostModel.h"
#include "support/ErrorHandling.h"
#include "trend/ChartGeometry.h"
#include "trend/DataSourceBinding.h"
#include "trend/TraceOrdering.h"

namespace velkor {

namespace {

constexpr const char* kChartBaseName = "ZaltTrend";

struct Target {
  host::WorkbookPtr workbook;
  host::WorksheetPtr worksheet;
  bool newWorksheet = false;
};

// Step 1: no sheet named and no chart yet: the chart gets a sheet of its own.
void PrepareSheetArgument(ExcelTrendWizard& c, Variant& wsName, Target& target, Statements& run) {
  if (!IsMissingOrEmpty(wsName).AsBool()) return;
  wsName = Variant("");
  if (c.m_objTrend) return;
  // Each statement on its own: a sheet that could not be added (438 skipped)
  // must not let the chart land silently on the active sheet.
  host::WorksheetPtr sheet;
  run([&] { sheet = Deref(Deref(Deref(gAppExcel).ActiveWorkbook()).Worksheets()).Add(); });
  run([&] { wsName = Variant(Deref(sheet).Name()); });
  run([&] { Deref(sheet).Activate(); });
  run([&] { target.newWorksheet = true; });
}

// Step 2: only the active workbook can take the chart.
bool ResolveTarget(ExcelTrendWizard& c, const Variant& wsName, Target& target, Statements& run) {
  std::string ref = vb::Trim(CStr(wsName));
  std::string bookName = ExtractWorkBookName(ref);
  if (bookName.empty()) bookName = Deref(c.m_objWorkbook).Name();
  const std::int16_t index = GetWorkbookIndex(bookName);
  auto& app = Deref(gAppExcel);
  if (Deref(app.ActiveWorkbook()).Name() != bookName) return false;
  run([&] { target.workbook = Deref(app.Workbooks()).Item(Variant(index)); });
  const std::string sheetName = GetSheetName(ref);
  run([&] {
    auto& book = Deref(target.workbook);
    target.worksheet =
        sheetName.empty() ? book.ActiveSheet() : Deref(book.Worksheets()).Item(Variant(sheetName));
  });
  return true;
}

// Step 6: the first insertion creates, names and sets up the chart.
void CreateChart(ExcelTrendWizard& c, const Target& target, const ChartBox& box, Statements& run) {
  std::string languageId = c.LanguageID;
  const std::string name = ComposeUniqueCtlName(kChartBaseName, target.worksheet, languageId);
  host::OLEObjectPtr object;
  run([&] {
    object = Deref(Deref(target.worksheet).OLEObjects())
                 .Add(component::kTrendChartProgId, box.left, box.top, box.width, box.height);
  });
  run([&] {
    c.m_objTrend.Assign(ObjectCast<component::TrendChart>(Deref(object).Object()));
    if (!c.m_objTrend) Raise(err::kTypeMismatch);
  });
  run([&] { c.m_objTrend->SetEnabled(true); });
  run([&] {
    if (!c.LanguageID.empty()) c.m_objTrend->SetLanguage(c.LanguageID);
  });
  run([&] {
    if (gbUserMode && target.newWorksheet) Deref(object).Activate();
  });
  run([&] { Deref(object).SetName(name); });
  run([&] { c.TrendName = Deref(object).Name(); });
  run([&] { c.TrendSheetName = target.worksheet->Name(); });
  c.m_objWorkbook = target.workbook;
  AddTrendMenuItems(c, run);
}

// Step 7: mode 4 only moves the chart, and resizes it unless the box keeps the size.
void MoveChart(ExcelTrendWizard& c, const Target& target, const ChartBox& box, Statements& run) {
  host::OLEObjectPtr object;
  TryStep([&] { object = Deref(target.worksheet).OLEObjects()->Item(Variant(c.TrendName)); });
  if (!object) return;
  run([&] { object->SetTop(CDbl(box.top)); });
  run([&] { object->SetLeft(CDbl(box.left)); });
  if (box.KeepsSize()) return;
  run([&] { object->SetWidth(CDbl(box.width)); });
  run([&] { object->SetHeight(CDbl(box.height)); });
}

// Step 5, third case: a later insertion re-enables the existing chart.
void ReuseChart(ExcelTrendWizard& c, Statements& run) {
  run([&] { c.m_objTrend->SetEnabled(true); });
  run([&] {
    if (!c.LanguageID.empty()) c.m_objTrend->SetLanguage(c.LanguageID);
  });
}

// Step 13: the chart takes the order of the trace records. Without records
// the insertion ends here.
bool OrderTraces(ExcelTrendWizard& c, Statements& run) {
  run([&] { ReadXML(c.TraceInfo); });
  if (TracesUBound() < 1) return false;
  run([&] {
    auto& chart = Deref(c.m_objTrend.get());
    ReorderWhenComplete(chart, MatchChartTraces(chart, TraceKey::SourceAndName));
  });
  return true;
}

void InsertTrendSteps(ExcelTrendWizard& c, Variant& wsName, const std::string& strRange) {
  SkipErrorStatements run(err::kNoSupport);
  Target target;
  PrepareSheetArgument(c, wsName, target, run);
  if (!ResolveTarget(c, wsName, target, run)) return;
  const ChartBox box = strRange.empty() ? DefaultChartBox(Deref(target.worksheet))
                                        : ChartBoxOfRange(c, Deref(target.worksheet), strRange);
  bool newChart = false;
  if (!c.m_objTrend) {
    CreateChart(c, target, box, run);
    newChart = true;
  } else if (c.m_nWizardMode == kzwOpenfromMove_ResizeMenu) {
    MoveChart(c, target, box, run);
    return;
  } else {
    ReuseChart(c, run);
  }
  BindDataSources(c, run);
  RefreshWhenNeeded(c, newChart, run);
  EndGroupedChanges(c, run);
  ApplyPendingOptions(c, [&](const std::function<void()>& statement) { run(statement); });
  if (!OrderTraces(c, run)) return;
  UpdateTimeRangeItem(c, run);
}

}  // namespace

void InsertTrend(ExcelTrendWizard& c, Variant& wsName, std::string& strRange) {
  RunReported("InsertTrend", [&] { InsertTrendSteps(c, wsName, strRange); });
}

}  // namespace velkor

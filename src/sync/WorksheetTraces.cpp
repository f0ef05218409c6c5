#include "sync/WorksheetTraces.h"

#include <algorithm>
#include <functional>

#include "control/ExcelTrendWizard.h"
#include "control/components/ExcelDataControl.h"
#include "control/components/QueryObject.h"
#include "control/components/QuerySpec.h"
#include "control/components/QuerySpecAttribute.h"
#include "control/components/QuerySpecAttributes.h"
#include "control/components/QuerySpecs.h"
#include "model/CellReference.h"
#include "model/Globals.h"
#include "model/Traces.h"
#include "model/WorkbookIndex.h"
#include "platform/Conversions.h"
#include "platform/ForeignObject.h"
#include "platform/VbString.h"
#include "platform/host/HostModel.h"
#include "support/ErrorHandling.h"
#include "trend/QuerySpecs.h"

namespace velkor {

namespace {

// The keys the worksheet data control fills on its specifications.
constexpr std::int32_t kDataRange = 10000;
constexpr std::int32_t kNameFromCell = 10003;
constexpr std::int32_t kStatic = 10005;
constexpr std::int32_t kSheet = 10009;
constexpr std::int32_t kWorkbook = 10010;
constexpr std::int32_t kNameCell = 10011;

Variant Attribute(component::QuerySpec& spec, std::int32_t key) {
  return Deref(Deref(spec.Attributes()).Item(key)).Value();
}

std::vector<component::QuerySpecPtr> WorksheetSpecs(ExcelTrendWizard& c) {
  std::vector<component::QuerySpecPtr> specs;
  TryStep([&] { specs = Deref(Deref(ExcelQueryObject(c)).QuerySpecs()).Items(); });
  return specs;
}

std::string EventBookName(const host::WorksheetPtr& sheet) {
  std::string name;
  TryStep([&] { name = Deref(Deref(sheet).Parent()).Name(); });
  return name;
}

std::string SheetName(const host::WorksheetPtr& sheet) {
  std::string name;
  TryStep([&] { name = Deref(sheet).Name(); });
  return name;
}

// The workbook of a specification's range: attribute 10010, or the control's
// workbook when that is empty.
std::string SpecBookName(ExcelTrendWizard& c, component::QuerySpec& spec) {
  std::string book = CStr(Attribute(spec, kWorkbook));
  if (book.empty()) book = Deref(c.m_objWorkbook).Name();
  return book;
}

// Items 2 to 4 of the trace-name step: the query specification's sheet, when it
// is the edited one in the edited workbook.
host::WorksheetPtr SpecSheetIfEdited(ExcelTrendWizard& c, component::QuerySpec& spec,
                                     const std::string& bookName, const std::string& sheetName) {
  std::string book = SpecBookName(c, spec);
  const std::int16_t pos = GetWorkbookIndex(book);
  if (pos < 1) return nullptr;
  auto workbook = Deref(Deref(gAppExcel).Workbooks()).Item(Variant(pos));
  if (Deref(workbook).Name() != bookName) return nullptr;
  const std::string sheet = CStr(Attribute(spec, kSheet));
  if (sheet != sheetName) return nullptr;
  return Deref(workbook->Worksheets()).Item(Variant(sheet));
}

bool Intersects(const host::RangePtr& target, const host::RangePtr& cell) {
  return Deref(gAppExcel).Intersect(target, cell) != nullptr;
}

// Records are found by their trace name: were two traces to share a name, a
// later rename of one would move the other's record. A new name that another
// trace of the data control has (in any letter case) is therefore not taken.
bool NameTakenByAnother(const std::vector<component::QuerySpecPtr>& specs,
                        const component::QuerySpec& renamed, const std::string& name) {
  return std::any_of(specs.begin(), specs.end(), [&](const component::QuerySpecPtr& other) {
    return !SameObject(other.get(), &renamed) && vb::EqualsText(Deref(other).Name(), name);
  });
}

// Step W1.
void RenameFromNameCells(ExcelTrendWizard& c, const std::string& bookName,
                         const std::string& sheetName, const host::RangePtr& target,
                         SyncEvent& event) {
  const auto specs = WorksheetSpecs(c);
  for (const auto& spec : specs) {
    TryStep([&] {
      if (!CBool(Attribute(*spec, kNameFromCell))) return;
      auto sheet = SpecSheetIfEdited(c, *spec, bookName, sheetName);
      if (!sheet) return;
      std::string nameCell = CStr(Attribute(*spec, kNameCell));
      auto cell = sheet->Range(Variant(CStr(GetRangeAddress(nameCell))));
      if (!Intersects(target, cell)) return;
      const std::string newName = CStr(Deref(target).Value());
      if (NameTakenByAnother(specs, *spec, newName)) return;
      const std::string oldName = spec->Name();
      for (std::int32_t j = 1; j <= event.n; ++j) {
        auto& record = gTraces[static_cast<std::size_t>(j)];
        if (record.TraceName != oldName) continue;
        record.TraceName = newName;
        break;
      }
      spec->SetName(newName);
    });
  }
}

// A specification the event covers is read again by the data control,
// unless its range is static.
void Reread(ExcelTrendWizard& c, component::QuerySpec& spec) {
  if (CDbl(Attribute(spec, kStatic)) != 0.0) return;
  if (auto dc = c.m_objExcelDC.get()) dc->RereadSpec(spec.Attributes());
}

void HandDataProvider(ExcelTrendWizard& c) {
  TryStep([&] {
    Deref(ExcelQueryObject(c)).SetDataProvider(Deref(c.m_objExcelDC.get()).DataProvider());
  });
}

void SecondSwitchAndLanguage(ExcelTrendWizard& c) {
  TryStep([&] { Deref(c.m_objExcelDC.get()).SetSecondSwitch(true); });
  TryStep([&] {
    if (!c.LanguageID.empty()) Deref(c.m_objExcelDC.get()).SetLanguage(c.LanguageID);
  });
}

void Requery(ExcelTrendWizard& c) {
  TryStep([&] { QueryData(c, 1); });
}

using SpecCounts = std::function<bool(component::QuerySpec&)>;

// Steps 5.2 and 5.3 of a recalculation or an opening.
void RereadCountingSpecs(ExcelTrendWizard& c, const SpecCounts& counts, bool requery,
                         SyncEvent& event) {
  if (!c.m_objExcelDC) return;
  bool changed = false;
  for (const auto& spec : WorksheetSpecs(c)) {
    TryStep([&] {
      if (!counts(*spec)) return;
      changed = true;
      Reread(c, *spec);
    });
  }
  if (!changed || !requery) return;
  SecondSwitchAndLanguage(c);
  HandDataProvider(c);
  Requery(c);
  event.refresh = true;
}

}  // namespace

void UpdateWorksheetTracesAfterEdit(ExcelTrendWizard& c, const host::WorksheetPtr& sheet,
                                    const host::RangePtr& target, SyncEvent& event) {
  if (!c.m_objExcelDC) return;
  const std::string bookName = EventBookName(sheet);
  const std::string sheetName = SheetName(sheet);
  RenameFromNameCells(c, bookName, sheetName, target, event);
  bool rangeEdited = false;
  for (const auto& spec : WorksheetSpecs(c)) {
    TryStep([&] {
      auto specSheet = SpecSheetIfEdited(c, *spec, bookName, sheetName);
      if (!specSheet || !Intersects(target, specSheet->Range(Attribute(*spec, kDataRange)))) return;
      rangeEdited = true;
      Reread(c, *spec);
    });
  }
  if (!rangeEdited) return;
  HandDataProvider(c);
  Requery(c);
  TryStep([&] { Deref(c.m_objExcelDC.get()).SetSecondSwitch(true); });
  TryStep([&] {
    if (!c.LanguageID.empty()) Deref(c.m_objExcelDC.get()).SetLanguage(c.LanguageID);
  });
  event.refresh = true;
}

void UpdateWorksheetTracesAfterCalculate(ExcelTrendWizard& c, const host::WorksheetPtr& sheet,
                                         SyncEvent& event) {
  const std::string bookName = EventBookName(sheet);
  const std::string sheetName = SheetName(sheet);
  const auto counts = [&](component::QuerySpec& spec) {
    std::string book = SpecBookName(c, spec);
    const std::int16_t pos = GetWorkbookIndex(book);
    if (pos < 1) return false;
    auto workbook = Deref(Deref(gAppExcel).Workbooks()).Item(Variant(pos));
    return Deref(workbook).Name() == bookName && CStr(Attribute(spec, kSheet)) == sheetName;
  };
  RereadCountingSpecs(c, counts, !c.bIsExport, event);
}

void UpdateWorksheetTracesAfterOpen(ExcelTrendWizard& c, const host::WorkbookPtr& book,
                                    SyncEvent& event) {
  std::string bookName;
  TryStep([&] { bookName = Deref(book).Name(); });
  const auto counts = [&](component::QuerySpec& spec) { return SpecBookName(c, spec) == bookName; };
  RereadCountingSpecs(c, counts, /*requery=*/true, event);
}

}  // namespace velkor

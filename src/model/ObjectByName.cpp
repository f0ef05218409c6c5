#include "model/ObjectByName.h"

#include <algorithm>
#include <string>
#include <vector>

#include "model/Globals.h"
#include "platform/ErrorNumbers.h"
#include "platform/ForeignObject.h"
#include "platform/VbString.h"
#include "platform/host/Application.h"
#include "platform/host/OLEObject.h"
#include "platform/host/OLEObjects.h"
#include "platform/host/Workbook.h"
#include "platform/host/Worksheet.h"
#include "platform/host/Worksheets.h"
#include "support/ErrorHandling.h"

namespace velkor {

namespace {

// The worksheets of the scope in search order: the first sheet, then the
// others in the workbook's order.
std::vector<host::WorksheetPtr> SheetsInSearchOrder(const ObjectScope& scope) {
  host::WorkbookPtr book = scope.workbook ? scope.workbook : Deref(gAppExcel).ActiveWorkbook();
  std::vector<host::WorksheetPtr> sheets = Deref(Deref(book).Worksheets()).Enumerate();
  if (scope.firstSheet.empty()) return sheets;
  const auto first = std::find_if(sheets.begin(), sheets.end(), [&](const auto& sheet) {
    return sheet && vb::EqualsText(sheet->Name(), scope.firstSheet);
  });
  if (first != sheets.end()) std::rotate(sheets.begin(), first, first + 1);
  return sheets;
}

// The OLE object `name` on `sheet`, or nullptr: a sheet without that name
// raises, which only means "look on the next one".
host::OLEObjectPtr OleObjectOn(const host::WorksheetPtr& sheet, const Variant& key) {
  host::OLEObjectPtr found;
  TryStep([&] { found = Deref(Deref(sheet).OLEObjects()).Item(key); });
  return found;
}

// The first OLE object `name` in search order; with `expected`, the first
// that holds it.
host::OLEObjectPtr FindOleObject(std::string_view name, const Object* expected,
                                 const ObjectScope& scope) {
  const Variant key{std::string(name)};
  for (const host::WorksheetPtr& sheet : SheetsInSearchOrder(scope)) {
    host::OLEObjectPtr found = OleObjectOn(sheet, key);
    if (found && (!expected || SameObject(found->Object().get(), expected))) return found;
  }
  return nullptr;
}

}  // namespace

ObjectPtr GetObjectByName(std::string_view name, const ObjectScope& scope) {
  ObjectPtr result;
  if (!gAppExcel) {
    ReportError("gAppExcel is nothing", 0, VbError(err::kObjectNotSet));
    return result;
  }
  RunReported("GetObjectByName", [&] {
    if (host::OLEObjectPtr frame = FindOleObject(name, nullptr, scope)) result = frame->Object();
  });
  return result;
}

void DeleteObjectByName(std::string_view name, const Object* expected, const ObjectScope& scope) {
  RunReported("DeleteObjectByName", [&] {
    if (host::OLEObjectPtr frame = FindOleObject(name, expected, scope)) frame->Delete();
  });
}

}  // namespace velkor

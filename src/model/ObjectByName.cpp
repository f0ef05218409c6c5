#include "model/ObjectByName.h"

#include <string>

#include "model/Globals.h"
#include "platform/ErrorNumbers.h"
#include "platform/host/Application.h"
#include "platform/host/OLEObject.h"
#include "platform/host/OLEObjects.h"
#include "platform/host/Workbook.h"
#include "platform/host/Worksheet.h"
#include "platform/host/Worksheets.h"
#include "support/ErrorHandling.h"

namespace velkor {

namespace {

// The OLE object `name` on the first worksheet of the host's active workbook
// that holds one, or nullptr.
host::OLEObjectPtr FindOleObject(std::string_view name) {
  host::WorksheetsPtr sheets = Deref(Deref(gAppExcel).ActiveWorkbook()).Worksheets();
  const Variant key{std::string(name)};
  for (const host::WorksheetPtr& sheet : Deref(sheets).Enumerate()) {
    host::OLEObjectPtr found;
    // A sheet without that name raises; it only means "look on the next one".
    if (TryStep([&] { found = Deref(Deref(sheet).OLEObjects()).Item(key); }) && found) return found;
  }
  return nullptr;
}

}  // namespace

ObjectPtr GetObjectByName(std::string_view name) {
  ObjectPtr result;
  if (!gAppExcel) {
    ReportError("gAppExcel is nothing", 0, VbError(err::kObjectNotSet));
    return result;
  }
  RunReported("GetObjectByName", [&] {
    if (host::OLEObjectPtr frame = FindOleObject(name)) result = frame->Object();
  });
  return result;
}

void DeleteObjectByName(std::string_view name, const Object* expected) {
  RunReported("DeleteObjectByName", [&] {
    host::OLEObjectPtr frame = FindOleObject(name);
    if (frame && (!expected || frame->Object().get() == expected)) frame->Delete();
  });
}

}  // namespace velkor

#include "standins/components/chart/WorkbookObjects.h"

#include <functional>

#include "platform/VbString.h"
#include "platform/host/OLEObject.h"
#include "platform/host/OLEObjects.h"
#include "platform/host/Workbook.h"
#include "platform/host/Worksheet.h"
#include "platform/host/Worksheets.h"

namespace velkor::sim {

namespace {

host::OLEObjectPtr FindObject(const ObjectPtr& workbook,
                              const std::function<bool(host::OLEObject&)>& matches) {
  auto book = std::dynamic_pointer_cast<host::Workbook>(workbook);
  if (!book) return nullptr;
  for (const auto& sheet : book->Worksheets()->Enumerate())
    for (const auto& frame : sheet->OLEObjects()->Enumerate())
      if (matches(*frame)) return frame;
  return nullptr;
}

}  // namespace

host::OLEObjectPtr FindObjectByName(const ObjectPtr& workbook, std::string_view name) {
  return FindObject(workbook,
                    [name](host::OLEObject& f) { return vb::EqualsText(f.Name(), name); });
}

host::OLEObjectPtr FindFrameOf(const ObjectPtr& workbook, const Object* object) {
  return FindObject(workbook, [object](host::OLEObject& f) { return f.Object().get() == object; });
}

}  // namespace velkor::sim

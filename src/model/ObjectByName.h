// Finding and deleting OLE objects by name on the worksheets of a workbook.
// Object names repeat across workbooks (ZaltTrend1_Sheet1 is in most of
// them), and a workbook saved by an earlier version may hold one name on two
// of its sheets; so a control looks only in its own workbook, on the sheet of
// its chart first.
#pragma once

#include <string>
#include <string_view>

#include "platform/Object.h"
#include "platform/host/HostFwd.h"

namespace velkor {

// Where a lookup searches: the worksheets of `workbook` (the host's active
// workbook when nullptr), the one named `firstSheet` before the others, which
// follow in the workbook's order.
struct ObjectScope {
  host::WorkbookPtr workbook;
  std::string firstSheet;
};

// The automation object inside the OLE object `name`, or nullptr. Failures
// are reported ("gAppExcel is nothing" without a host, "GetObjectByName"
// otherwise) and give nullptr.
ObjectPtr GetObjectByName(std::string_view name, const ObjectScope& scope = {});

// Deletes the OLE object `name`; nothing happens when no worksheet holds it.
// With `expected`, only an object of that name that holds `expected` is
// deleted, on whichever sheet of the scope it is. Failures are reported
// under "DeleteObjectByName".
void DeleteObjectByName(std::string_view name, const Object* expected = nullptr,
                        const ObjectScope& scope = {});

}  // namespace velkor

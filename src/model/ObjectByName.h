// Finding and deleting OLE objects by name on the worksheets of the host's
// active workbook. The first worksheet, in the workbook's order, that holds
// the name wins.
#pragma once

#include <string_view>

#include "platform/Object.h"

namespace velkor {

// The automation object inside the OLE object `name`, or nullptr. Failures
// are reported ("gAppExcel is nothing" without a host, "GetObjectByName"
// otherwise) and give nullptr.
ObjectPtr GetObjectByName(std::string_view name);

// Deletes the OLE object `name`; nothing happens when no worksheet holds it.
// With `expected`, the object is deleted only when it holds `expected`: names
// repeat across workbooks (ZaltTrend1_Sheet1 is in most of them), and a name
// found in the active workbook may belong to another trend. Failures are
// reported under "DeleteObjectByName".
void DeleteObjectByName(std::string_view name, const Object* expected = nullptr);

}  // namespace velkor

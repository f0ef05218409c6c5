// Names for new OLE objects that no object of the workbook has yet: the base
// name, a number one above the highest in use on any of its sheets, "_" and
// the active sheet's code name ("ZaltTrend1_Sheet1").
#pragma once

#include <string>
#include <string_view>

#include "platform/host/HostFwd.h"

namespace velkor {

// Takes the code name of the active sheet of the host's active workbook and
// numbers by the objects of every sheet of that workbook. A sheet without a code name gets one by a
// temporary control inserted into `worksheet` (or into the active sheet when nullptr) and deleted
// again. For language "1049" the code name loses its "_". Failures end the scan and are reported
// under "ComposeUniqueCtlName"; the name is then composed from what was found so far.
std::string ComposeUniqueCtlName(std::string_view base, const host::WorksheetPtr& worksheet,
                                 std::string_view languageId);

}  // namespace velkor

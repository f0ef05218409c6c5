// Finding an OLE object anywhere in a workbook, for components that know the
// workbook only as their site's parent object.
#pragma once

#include <string_view>

#include "platform/Object.h"
#include "platform/host/HostFwd.h"

namespace velkor::sim {

// The OLE object named `name` (letter case ignored) on any sheet of
// `workbook`, sheets in tab order; nullptr when there is none or `workbook`
// is no workbook.
host::OLEObjectPtr FindObjectByName(const ObjectPtr& workbook, std::string_view name);

// The OLE object whose automation object is `object`; nullptr when none.
host::OLEObjectPtr FindFrameOf(const ObjectPtr& workbook, const Object* object);

}  // namespace velkor::sim

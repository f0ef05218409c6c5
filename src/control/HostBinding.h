// How the control reaches the host through its container: the parent object
// (the workbook in the spreadsheet host) and that parent's application.
#pragma once

#include "platform/Object.h"
#include "platform/host/HostFwd.h"

namespace velkor {

// The parent's "Application" property, read late-bound as the container
// hands the parent over only as an object. Raises 91 without a parent and 13
// when the property holds no host application.
host::ApplicationPtr ApplicationOf(const ObjectPtr& parent);

}  // namespace velkor

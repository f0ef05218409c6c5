// Values shared by all controls of a thread (the host's user-interface
// thread), separate between threads.
#pragma once

#include "platform/host/HostFwd.h"

namespace velkor {

// The host application; set at resize, cleared at teardown of a closing workbook.
extern thread_local host::ApplicationPtr gAppExcel;
// The container's ambient UserMode; set each time a control is shown.
extern thread_local bool gbUserMode;

}  // namespace velkor

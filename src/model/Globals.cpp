#include "model/Globals.h"

namespace velkor {

thread_local host::ApplicationPtr gAppExcel;
thread_local bool gbUserMode = false;

}  // namespace velkor

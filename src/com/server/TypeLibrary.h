// TypeLibrary: the type library embedded in the library file, loaded once
// per process without registering it, so that the library's objects describe
// themselves also before (or without) regsvr32.
#pragma once

#include <windows.h>

#include <oleauto.h>

#include "com/bridge/ComPtr.h"

namespace velkor::com {

// The embedded library (a borrowed pointer, alive for the process); null
// when the library file carries none.
ITypeLib* EmbeddedTypeLib();
// The description of one class or interface of it; empty when absent.
ComPtr<ITypeInfo> TypeInfoOf(REFGUID guid);

}  // namespace velkor::com

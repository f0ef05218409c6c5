// Small reads of type information that both sides of an event connection
// make: which interface a class raises its events through, and an
// interface's identifier.
#pragma once

#include <oaidl.h>

#include "com/bridge/ComPtr.h"

namespace velkor::com {

// The type information of the [default, source] interface of a class;
// empty when the class has none.
ComPtr<ITypeInfo> DefaultSourceOf(ITypeInfo* coclass);

// The identifier a type describes; raises the failure of GetTypeAttr.
IID GuidOf(ITypeInfo* type);

}  // namespace velkor::com

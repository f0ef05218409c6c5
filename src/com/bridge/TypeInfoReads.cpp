#include "com/bridge/TypeInfoReads.h"

#include "com/bridge/ErrorBridge.h"

namespace velkor::com {

ComPtr<ITypeInfo> DefaultSourceOf(ITypeInfo* coclass) {
  TYPEATTR* attr = nullptr;
  if (FAILED(coclass->GetTypeAttr(&attr))) return {};
  const WORD count = attr->cImplTypes;
  coclass->ReleaseTypeAttr(attr);
  for (UINT i = 0; i < count; ++i) {
    INT flags = 0;
    HREFTYPE ref = 0;
    ComPtr<ITypeInfo> source;
    if (FAILED(coclass->GetImplTypeFlags(i, &flags))) continue;
    if ((flags & (IMPLTYPEFLAG_FDEFAULT | IMPLTYPEFLAG_FSOURCE)) !=
        (IMPLTYPEFLAG_FDEFAULT | IMPLTYPEFLAG_FSOURCE))
      continue;
    if (SUCCEEDED(coclass->GetRefTypeOfImplType(i, &ref)) &&
        SUCCEEDED(coclass->GetRefTypeInfo(ref, source.Out())))
      return source;
  }
  return {};
}

IID GuidOf(ITypeInfo* type) {
  TYPEATTR* attr = nullptr;
  Check(type->GetTypeAttr(&attr));
  const IID iid = attr->guid;
  type->ReleaseTypeAttr(attr);
  return iid;
}

}  // namespace velkor::com

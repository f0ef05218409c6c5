#include "com/server/TypeLibrary.h"

#include <mutex>

#include "com/server/Module.h"

namespace velkor::com {

ITypeLib* EmbeddedTypeLib() {
  // Kept to the end of the process: the objects of any thread use it, and
  // oleaut32 may be gone before static destructors run.
  static ITypeLib* library = nullptr;
  static std::once_flag once;
  std::call_once(once, [] { LoadTypeLibEx(ModulePath().c_str(), REGKIND_NONE, &library); });
  return library;
}

ComPtr<ITypeInfo> TypeInfoOf(REFGUID guid) {
  ComPtr<ITypeInfo> info;
  if (ITypeLib* library = EmbeddedTypeLib()) library->GetTypeInfoOfGuid(guid, info.Out());
  return info;
}

}  // namespace velkor::com

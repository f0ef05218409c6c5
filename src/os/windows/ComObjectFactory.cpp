#include "os/windows/ComObjectFactory.h"

#include <windows.h>

#include <objbase.h>

#include "com/bridge/Bstr.h"
#include "com/bridge/ComPtr.h"
#include "com/bridge/DispatchObject.h"
#include "platform/ErrorNumbers.h"

namespace velkor::sim {

namespace {

[[noreturn]] void CannotCreate(std::string_view progId) {
  std::string name(progId);
  Raise(err::kCannotCreateObject, name,
        StandardDescription(err::kCannotCreateObject) + ": " + name);
}

}  // namespace

void ComObjectFactory::Register(std::string_view progId, ObjectRegistry::Creator creator) {
  own_.Register(progId, std::move(creator));
}

ObjectPtr ComObjectFactory::CreateObject(std::string_view progId) {
  if (own_.IsRegistered(progId)) return own_.CreateObject(progId);
  CLSID clsid{};
  // A NUL inside would name a shorter ProgID than the caller asked for.
  if (progId.empty() || progId.find('\0') != std::string_view::npos ||
      FAILED(CLSIDFromProgID(com::ToWide(progId).c_str(), &clsid))) {
    CannotCreate(progId);
  }
  com::ComPtr<IUnknown> created;
  const ::HRESULT hr = CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER,
                                        IID_IUnknown, reinterpret_cast<void**>(created.Out()));
  if (FAILED(hr) || !created) CannotCreate(progId);
  return com::DispatchObject::Wrap(created.get());
}

}  // namespace velkor::sim

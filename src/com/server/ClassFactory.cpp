#include "com/server/ClassFactory.h"

#include "com/bridge/ObjectDispatch.h"
#include "com/server/ComGuids.h"
#include "com/server/ControlObject.h"
#include "com/server/Module.h"
#include "com/server/TypeLibrary.h"
#include "support/ResourceStrings.h"

namespace velkor::com {

namespace {

std::atomic<long> gLocks{0};

IUnknown* CreateControl() {
  return ControlObject::Create();
}

IUnknown* CreateResourceStrings() {
  EnsureThreadServices();
  return DispatchOf<ResourceStringsDual>::Create(std::make_shared<ResourceStrings>(),
                                                 TypeInfoOf(kIidResourceStrings).get(),
                                                 kIidResourceStrings);
}

}  // namespace

ClassFactory* ClassFactory::For(REFCLSID clsid) {
  if (IsEqualCLSID(clsid, kClsidControl)) return new ClassFactory(CreateControl);
  if (IsEqualCLSID(clsid, kClsidResourceStrings)) return new ClassFactory(CreateResourceStrings);
  return nullptr;
}

::HRESULT ClassFactory::QueryInterface(REFIID iid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IClassFactory)) return E_NOINTERFACE;
  *out = static_cast<IClassFactory*>(this);
  AddRef();
  return S_OK;
}

ULONG ClassFactory::Release() {
  return references_.Drop(this);
}

::HRESULT ClassFactory::CreateInstance(IUnknown* outer, REFIID iid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (outer) return CLASS_E_NOAGGREGATION;
  IUnknown* object = nullptr;
  try {
    object = create_();
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  } catch (...) {
    return E_FAIL;
  }
  const ::HRESULT hr = object->QueryInterface(iid, out);
  object->Release();
  return hr;
}

::HRESULT ClassFactory::LockServer(BOOL lock) {
  lock ? ++gLocks : --gLocks;
  return S_OK;
}

long ClassFactory::Locks() {
  return gLocks;
}

}  // namespace velkor::com

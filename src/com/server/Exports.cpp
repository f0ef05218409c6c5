// The four functions every in-process COM server exports (velkor.def), and
// the loader's entry point that tells the library its own module handle.
#include <windows.h>

#include <objbase.h>

#include "com/bridge/LiveObjects.h"
#include "com/server/ClassFactory.h"
#include "com/server/Exposers.h"
#include "com/server/Module.h"
#include "com/server/Registration.h"

using velkor::com::ClassFactory;

extern "C" {

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    velkor::com::SetModuleHandle(instance);
    DisableThreadLibraryCalls(instance);
    velkor::com::RegisterExposers();
  }
  return TRUE;
}

HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID clsid, REFIID iid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  ClassFactory* factory = ClassFactory::For(clsid);
  if (!factory) return CLASS_E_CLASSNOTAVAILABLE;
  const HRESULT hr = factory->QueryInterface(iid, out);
  factory->Release();
  return hr;
}

HRESULT STDAPICALLTYPE DllCanUnloadNow() {
  return velkor::com::LiveObjectCount() == 0 && ClassFactory::Locks() == 0 ? S_OK : S_FALSE;
}

HRESULT STDAPICALLTYPE DllRegisterServer() {
  return velkor::com::RegisterServer(velkor::com::ModulePath());
}

HRESULT STDAPICALLTYPE DllUnregisterServer() {
  return velkor::com::UnregisterServer();
}

}  // extern "C"

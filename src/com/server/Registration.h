// Registration: the registry entries through which containers find, list and
// create the library's classes, as data, and the two procedures behind
// DllRegisterServer and DllUnregisterServer. The table is the whole truth:
// registration writes exactly its entries (plus the type library, which
// oleaut32 registers), unregistration removes exactly the keys it owns.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace velkor::com {

// One value below HKEY_CLASSES_ROOT. An empty `name` is the key's default
// value; an entry whose `data` is absent only creates the key.
struct RegistryEntry {
  std::wstring key;
  std::wstring name;
  std::wstring data;
  bool keyOnly = false;
};

// The option bits of the control's MiscStatus: invisible at run time, site
// set before loading, active when visible, inside-out, redrawn on resize, no
// links inside.
DWORD ControlMiscStatus();

// Every entry of the library, for the library file `modulePath`.
std::vector<RegistryEntry> RegistryEntries(const std::wstring& modulePath);
// The keys registration creates at the top of HKEY_CLASSES_ROOT and
// unregistration deletes with everything below them.
std::vector<std::wstring> OwnedKeys();

::HRESULT RegisterServer(const std::wstring& modulePath);
// Removes the keys of OwnedKeys and the type library; succeeds when they are
// already gone.
::HRESULT UnregisterServer();

}  // namespace velkor::com

#include "com/server/Registration.h"

#include <oleauto.h>
#include <olectl.h>

#include <string_view>

#include "com/bridge/Bstr.h"
#include "com/bridge/ComPtr.h"
#include "com/server/ComGuids.h"
#include "control/ComIdentity.h"

namespace velkor::com {

namespace id = com_identity;

namespace {

// The component categories "safe for scripting" and "safe for initializing
// from persistent data".
constexpr std::wstring_view kCatidSafeForScripting = L"{7DD95801-9882-11CF-9FA9-00AA006C42C4}";
constexpr std::wstring_view kCatidSafeForInitializing = L"{7DD95802-9882-11CF-9FA9-00AA006C42C4}";

std::wstring GuidText(const Guid& g) {
  return ToWide(ToRegistryFormat(g));
}

std::wstring VersionText() {
  return std::to_wstring(id::kTypeLibMajor) + L"." + std::to_wstring(id::kTypeLibMinor);
}

struct ClassInfo {
  Guid clsid;
  std::wstring_view title;
  std::string_view progId;
  std::string_view versionedProgId;
  bool control;
};

const ClassInfo kClasses[] = {
    {id::kClsidExcelTrendWizard, L"ExcelTrendWizard", id::kControlProgId,
     id::kControlVersionedProgId, true},
    {id::kClsidResourceStrings, L"ResourceStrings", id::kResourceStringsProgId,
     id::kResourceStringsVersionedProgId, false},
};

void AddClass(std::vector<RegistryEntry>& out, const ClassInfo& c, const std::wstring& module) {
  const std::wstring key = L"CLSID\\" + GuidText(c.clsid);
  const std::wstring title(c.title);
  out.push_back({key, L"", title});
  out.push_back({key + L"\\InprocServer32", L"", module});
  out.push_back({key + L"\\InprocServer32", L"ThreadingModel", L"Apartment"});
  out.push_back({key + L"\\ProgID", L"", ToWide(c.versionedProgId)});
  out.push_back({key + L"\\VersionIndependentProgID", L"", ToWide(c.progId)});
  out.push_back({key + L"\\TypeLib", L"", GuidText(id::kLibId)});
  out.push_back({key + L"\\Version", L"", VersionText()});
  if (c.control) {
    out.push_back({key + L"\\Control", L"", L"", true});
    out.push_back({key + L"\\MiscStatus", L"", L"0"});
    out.push_back({key + L"\\MiscStatus\\1", L"", std::to_wstring(ControlMiscStatus())});
    const std::wstring categories = key + L"\\Implemented Categories\\";
    out.push_back({categories + std::wstring(kCatidSafeForScripting), L"", L"", true});
    out.push_back({categories + std::wstring(kCatidSafeForInitializing), L"", L"", true});
  }
  const std::wstring versioned = ToWide(c.versionedProgId);
  out.push_back({versioned, L"", title});
  out.push_back({versioned + L"\\CLSID", L"", GuidText(c.clsid)});
  const std::wstring plain = ToWide(c.progId);
  out.push_back({plain, L"", title});
  out.push_back({plain + L"\\CLSID", L"", GuidText(c.clsid)});
  out.push_back({plain + L"\\CurVer", L"", versioned});
}

LSTATUS WriteEntry(const RegistryEntry& e) {
  HKEY key = nullptr;
  LSTATUS status = RegCreateKeyExW(HKEY_CLASSES_ROOT, e.key.c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                                   nullptr, &key, nullptr);
  if (status != ERROR_SUCCESS) return status;
  if (!e.keyOnly) {
    const DWORD bytes = static_cast<DWORD>((e.data.size() + 1) * sizeof(wchar_t));
    status = RegSetValueExW(key, e.name.empty() ? nullptr : e.name.c_str(), 0, REG_SZ,
                            reinterpret_cast<const BYTE*>(e.data.c_str()), bytes);
  }
  RegCloseKey(key);
  return status;
}

::HRESULT RegisterTypeLibrary(const std::wstring& modulePath) {
  ComPtr<ITypeLib> library;
  return LoadTypeLibEx(modulePath.c_str(), REGKIND_REGISTER, library.Out());
}

// Whether this version of the type library is registered; removing one that
// is not fails in oleaut32, but is no failure of unregistration.
bool TypeLibRegistered() {
  const std::wstring key = L"TypeLib\\" + GuidText(id::kLibId) + L"\\" + VersionText();
  HKEY h = nullptr;
  if (RegOpenKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_READ, &h) != ERROR_SUCCESS) return false;
  RegCloseKey(h);
  return true;
}

}  // namespace

DWORD ControlMiscStatus() {
  return OLEMISC_INVISIBLEATRUNTIME | OLEMISC_SETCLIENTSITEFIRST | OLEMISC_ACTIVATEWHENVISIBLE |
         OLEMISC_INSIDEOUT | OLEMISC_RECOMPOSEONRESIZE | OLEMISC_CANTLINKINSIDE;
}

std::vector<RegistryEntry> RegistryEntries(const std::wstring& modulePath) {
  std::vector<RegistryEntry> out;
  for (const ClassInfo& c : kClasses) AddClass(out, c, modulePath);
  return out;
}

std::vector<std::wstring> OwnedKeys() {
  std::vector<std::wstring> keys;
  for (const ClassInfo& c : kClasses) {
    keys.push_back(L"CLSID\\" + GuidText(c.clsid));
    keys.push_back(ToWide(c.versionedProgId));
    keys.push_back(ToWide(c.progId));
  }
  return keys;
}

::HRESULT RegisterServer(const std::wstring& modulePath) {
  for (const RegistryEntry& e : RegistryEntries(modulePath)) {
    if (WriteEntry(e) != ERROR_SUCCESS) {
      UnregisterServer();  // leave nothing half written
      return SELFREG_E_CLASS;
    }
  }
  if (FAILED(RegisterTypeLibrary(modulePath))) {
    UnregisterServer();
    return SELFREG_E_TYPELIB;
  }
  return S_OK;
}

::HRESULT UnregisterServer() {
  ::HRESULT result = S_OK;
  for (const std::wstring& key : OwnedKeys()) {
    const LSTATUS status = RegDeleteTreeW(HKEY_CLASSES_ROOT, key.c_str());
    if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND) result = SELFREG_E_CLASS;
  }
  if (TypeLibRegistered() && FAILED(UnRegisterTypeLib(kLibId, id::kTypeLibMajor, id::kTypeLibMinor,
                                                      id::kTypeLibLcid, SYS_WIN64)))
    result = SELFREG_E_TYPELIB;
  return result;
}

}  // namespace velkor::com

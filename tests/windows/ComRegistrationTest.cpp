// Registration of velkor.dll through Wine's regsvr32: afterwards the
// registry holds exactly the documented entries and the type library, which
// reads back like the published tables; after unregistration none of it is
// left.
#include <gtest/gtest.h>

#include <windows.h>

#include <oleauto.h>

#include <set>
#include <string>
#include <tuple>

#include "com/bridge/ComPtr.h"
#include "com/server/ComGuids.h"
#include "com/server/Registration.h"
#include "windows/TypeLibCompare.h"

namespace velkor::com {
namespace {

using Value = std::tuple<std::wstring, std::wstring, std::wstring>;  // key, name, data

std::wstring LibraryPath() {
  wchar_t exe[MAX_PATH];
  const DWORD n = GetModuleFileNameW(nullptr, exe, MAX_PATH);
  std::wstring path(exe, n);
  return path.substr(0, path.find_last_of(L"\\/") + 1) + L"velkor.dll";
}

DWORD Regsvr32(const std::wstring& arguments) {
  std::wstring command = L"regsvr32.exe " + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process))
    return GetLastError() | 0x10000;
  WaitForSingleObject(process.hProcess, 60000);
  DWORD code = 1;
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return code;
}

bool KeyExists(const std::wstring& key) {
  HKEY h = nullptr;
  if (RegOpenKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_READ, &h) != ERROR_SUCCESS) return false;
  RegCloseKey(h);
  return true;
}

// Every key and string value at and below `key`; a key without values or
// subkeys is listed with the name "<key>", as the table lists keys it only
// creates.
void Collect(const std::wstring& key, std::set<Value>& out) {
  HKEY h = nullptr;
  if (RegOpenKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_READ, &h) != ERROR_SUCCESS) return;
  bool anyValue = false;
  for (DWORD i = 0;; ++i) {
    wchar_t name[256];
    DWORD nameLength = 256, type = 0;
    BYTE data[2048];
    DWORD dataLength = sizeof data;
    if (RegEnumValueW(h, i, name, &nameLength, nullptr, &type, data, &dataLength) != ERROR_SUCCESS)
      break;
    anyValue = true;
    std::wstring text = type == REG_SZ ? std::wstring(reinterpret_cast<wchar_t*>(data)) : L"?";
    out.emplace(key, std::wstring(name, nameLength), text);
  }
  bool anySubkey = false;
  for (DWORD i = 0;; ++i) {
    wchar_t sub[256];
    DWORD subLength = 256;
    if (RegEnumKeyExW(h, i, sub, &subLength, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
      break;
    anySubkey = true;
    Collect(key + L"\\" + sub, out);
  }
  if (!anyValue && !anySubkey) out.emplace(key, L"<key>", L"");
  RegCloseKey(h);
}

std::set<Value> Expected(const std::wstring& path) {
  std::set<Value> out;
  for (const RegistryEntry& e : RegistryEntries(path))
    out.emplace(e.key, e.keyOnly ? L"<key>" : e.name, e.data);
  return out;
}

std::wstring GuidKey(const wchar_t* root, const GUID& g) {
  wchar_t text[64];
  StringFromGUID2(g, text, 64);
  return std::wstring(root) + text;
}

TEST(Registration, Regsvr32WritesExactlyTheDocumentedEntriesAndRemovesThem) {
  const std::wstring path = LibraryPath();
  // Tests that create the control by ProgID may run after this one with the
  // library registered for them: it is left as it was found.
  const bool wasRegistered = KeyExists(GuidKey(L"CLSID\\", kClsidControl));
  ASSERT_EQ(Regsvr32(L"/s \"" + path + L"\""), 0u);

  std::set<Value> actual;
  for (const std::wstring& key : OwnedKeys()) Collect(key, actual);
  const std::set<Value> expected = Expected(path);
  for (const Value& v : expected)
    EXPECT_TRUE(actual.count(v)) << "missing "
                                 << std::string(std::get<0>(v).begin(), std::get<0>(v).end());
  for (const Value& v : actual)
    EXPECT_TRUE(expected.count(v))
        << "extra " << std::string(std::get<0>(v).begin(), std::get<0>(v).end());
  EXPECT_TRUE(KeyExists(GuidKey(L"TypeLib\\", kLibId)));
  EXPECT_TRUE(KeyExists(GuidKey(L"Interface\\", kIidControl)));
  EXPECT_TRUE(KeyExists(GuidKey(L"Interface\\", kDiidControlEvents)));

  {
    ComPtr<ITypeLib> registered;
    ASSERT_EQ(LoadRegTypeLib(kLibId, 3, 8, 1033, registered.Out()), S_OK);
    for (const std::string& difference : testing::CompareWithSlotTables(registered.get()))
      ADD_FAILURE() << difference;
  }

  ASSERT_EQ(Regsvr32(L"/u /s \"" + path + L"\""), 0u);
  for (const std::wstring& key : OwnedKeys())
    EXPECT_FALSE(KeyExists(key)) << std::string(key.begin(), key.end());
  EXPECT_FALSE(KeyExists(GuidKey(L"TypeLib\\", kLibId)));
  EXPECT_FALSE(KeyExists(GuidKey(L"Interface\\", kIidControl)));
  EXPECT_FALSE(KeyExists(GuidKey(L"Interface\\", kDiidControlEvents)));

  // Unregistering what is not registered is no failure.
  EXPECT_EQ(Regsvr32(L"/u /s \"" + path + L"\""), 0u);
  if (wasRegistered) {
    EXPECT_EQ(Regsvr32(L"/s \"" + path + L"\""), 0u);
  }
}

TEST(Registration, ControlEntriesAreThoseAContainerLooksFor) {
  const std::set<Value> entries = Expected(L"C:\\velkor.dll");
  const std::wstring clsid = GuidKey(L"CLSID\\", kClsidControl);
  const Value rows[] = {
      {clsid + L"\\InprocServer32", L"", L"C:\\velkor.dll"},
      {clsid + L"\\InprocServer32", L"ThreadingModel", L"Apartment"},
      {clsid + L"\\ProgID", L"", L"Velkor.ExcelTrendWizard.1"},
      {clsid + L"\\VersionIndependentProgID", L"", L"Velkor.ExcelTrendWizard"},
      {clsid + L"\\Control", L"<key>", L""},
      {clsid + L"\\MiscStatus\\1", L"", L"132497"},
      {clsid + L"\\TypeLib", L"", GuidKey(L"", kLibId)},
      {clsid + L"\\Version", L"", L"3.8"},
      {clsid + L"\\Implemented Categories\\{7DD95801-9882-11CF-9FA9-00AA006C42C4}", L"<key>", L""},
      {clsid + L"\\Implemented Categories\\{7DD95802-9882-11CF-9FA9-00AA006C42C4}", L"<key>", L""},
      {L"Velkor.ExcelTrendWizard\\CLSID", L"", GuidKey(L"", kClsidControl)},
      {L"Velkor.ExcelTrendWizard\\CurVer", L"", L"Velkor.ExcelTrendWizard.1"},
      {L"Velkor.ResourceStrings\\CLSID", L"", GuidKey(L"", kClsidResourceStrings)},
  };
  for (const Value& row : rows)
    EXPECT_TRUE(entries.count(row))
        << std::string(std::get<0>(row).begin(), std::get<0>(row).end());
  EXPECT_FALSE(
      entries.count({GuidKey(L"CLSID\\", kClsidResourceStrings) + L"\\Control", L"<key>", L""}))
      << "ResourceStrings is no control";
}

}  // namespace
}  // namespace velkor::com

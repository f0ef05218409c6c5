#include "os/windows/WindowsFolders.h"

#include <windows.h>

#include <shlobj.h>

#include "com/bridge/Bstr.h"
#include "os/linux/NativeFiles.h"

namespace velkor::sim {

namespace {

std::string Utf8(const wchar_t* text) {
  return com::FromWide(text, wcslen(text));
}

// The shell folder `id`; the older shell call when the first fails.
std::string ShellFolder(int id) {
  wchar_t folder[MAX_PATH] = {};
  if (SUCCEEDED(SHGetFolderPathW(nullptr, id, nullptr, SHGFP_TYPE_CURRENT, folder))) {
    return Utf8(folder);
  }
  folder[0] = L'\0';
  if (SHGetSpecialFolderPathW(nullptr, folder, id, FALSE)) return Utf8(folder);
  return {};
}

}  // namespace

std::string LocalApplicationData() {
  return ShellFolder(CSIDL_LOCAL_APPDATA);
}

std::string WindowsFolders::ApplicationData() {
  return ShellFolder(CSIDL_APPDATA);
}

std::string WindowsFolders::WindowsFolder() {
  std::wstring folder(MAX_PATH, L'\0');
  UINT n = GetWindowsDirectoryW(folder.data(), static_cast<UINT>(folder.size()));
  if (n >= folder.size()) {  // too small: n is the size needed
    folder.resize(n);
    n = GetWindowsDirectoryW(folder.data(), static_cast<UINT>(folder.size()));
    if (n >= folder.size()) return {};
  }
  return com::FromWide(folder.data(), n);
}

std::string WindowsFolders::LibraryFolder() {
  const std::wstring folder = ModuleFolderOf(reinterpret_cast<const void*>(&Utf8)).wstring();
  return com::FromWide(folder.data(), folder.size());
}

}  // namespace velkor::sim

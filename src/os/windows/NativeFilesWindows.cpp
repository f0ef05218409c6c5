#include <windows.h>

#include "os/linux/NativeFiles.h"

namespace velkor::sim {

void AppendToFile(const std::filesystem::path& file, std::string_view text) {
  // FILE_APPEND_DATA alone makes every write go to the end of the file.
  HANDLE handle = CreateFileW(file.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(handle);
}

std::filesystem::path ModuleFolderOf(const void* address) {
  HMODULE module = nullptr;
  if (!GetModuleHandleExW(
          GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
          static_cast<LPCWSTR>(address), &module))
    return {};
  wchar_t name[MAX_PATH * 4];
  const DWORD length = GetModuleFileNameW(module, name, static_cast<DWORD>(std::size(name)));
  if (length == 0 || length >= std::size(name)) return {};
  return std::filesystem::path(name).parent_path();
}

bool MayWrite(const std::filesystem::path& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return false;
  if (attributes & FILE_ATTRIBUTE_DIRECTORY) return true;
  return !(attributes & FILE_ATTRIBUTE_READONLY);
}

}  // namespace velkor::sim

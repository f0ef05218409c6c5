#include "os/windows/WindowsProfileFiles.h"

#include <windows.h>

#include <vector>

#include "com/bridge/Bstr.h"

namespace velkor::sim {

namespace {

// A buffer of `size` characters for the profile calls; none for a size the
// calls cannot take.
std::vector<wchar_t> BufferOf(std::int32_t size) {
  return std::vector<wchar_t>(size > 0 ? static_cast<std::size_t>(size) : 0);
}

// The returned characters as UTF-8. A cut that split a surrogate pair leaves
// half a character at the end, which is dropped rather than shown as U+FFFD.
std::string Returned(const std::vector<wchar_t>& buffer, DWORD count) {
  std::size_t length = count;
  if (length > 0 && IS_HIGH_SURROGATE(buffer[length - 1])) --length;
  return com::FromWide(buffer.data(), length);
}

}  // namespace

bool WindowsProfileFiles::Exists(std::string_view file) {
  const DWORD attributes = GetFileAttributesW(com::ToWide(file).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string WindowsProfileFiles::ReadString(std::string_view file, std::string_view section,
                                            std::string_view key, std::string_view defaultValue,
                                            std::int32_t bufferSize) {
  auto buffer = BufferOf(bufferSize);
  if (buffer.empty()) return {};
  const DWORD count = GetPrivateProfileStringW(
      com::ToWide(section).c_str(), com::ToWide(key).c_str(), com::ToWide(defaultValue).c_str(),
      buffer.data(), static_cast<DWORD>(buffer.size()), com::ToWide(file).c_str());
  return Returned(buffer, count);
}

std::string WindowsProfileFiles::ReadSection(std::string_view file, std::string_view section,
                                             std::int32_t bufferSize) {
  auto buffer = BufferOf(bufferSize);
  if (buffer.empty()) return {};
  const DWORD count =
      GetPrivateProfileSectionW(com::ToWide(section).c_str(), buffer.data(),
                                static_cast<DWORD>(buffer.size()), com::ToWide(file).c_str());
  return Returned(buffer, count);
}

}  // namespace velkor::sim

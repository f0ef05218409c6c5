#include "com/bridge/Bstr.h"

#include <windows.h>

#include "platform/ErrorNumbers.h"

namespace velkor::com {

std::string FromWide(const wchar_t* text, std::size_t length) {
  if (!text || length == 0) return {};
  const int size = static_cast<int>(length);
  const int n = WideCharToMultiByte(CP_UTF8, 0, text, size, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, size, out.data(), n, nullptr, nullptr);
  return out;
}

std::string FromBstr(BSTR text) {
  return FromWide(text, text ? SysStringLen(text) : 0);
}

std::wstring ToWide(std::string_view utf8) {
  if (utf8.empty()) return {};
  const int size = static_cast<int>(utf8.size());
  const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
  std::wstring out(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, out.data(), n);
  return out;
}

BSTR ToBstr(std::string_view utf8) {
  const std::wstring wide = ToWide(utf8);
  BSTR out = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
  if (!out) Raise(err::kOutOfMemory);
  return out;
}

}  // namespace velkor::com

// WinePath: the Windows path under which a program running in Wine sees a
// file of the build tree (drive Z: is the root of the Unix tree).
#pragma once

#include <string>

namespace velkor::com::testing {

inline std::wstring WindowsPath(const char* unixPath) {
  std::wstring out = L"Z:";
  for (const char* p = unixPath; *p; ++p) out += *p == '/' ? L'\\' : static_cast<wchar_t>(*p);
  return out;
}

}  // namespace velkor::com::testing

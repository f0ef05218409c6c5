#include "parts/archive/ArchiveNames.h"

#include <cstdio>

#include "platform/Utf8.h"
#include "platform/VbString.h"

namespace velkor::sim {

std::string StoredName(std::string_view name) {
  return vb::Trim(name);
}

std::string NameKey(std::string_view name) {
  return vb::UCase(vb::Trim(name));
}

namespace {

bool IsControl(char32_t c) {
  return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

}  // namespace

std::string NameFault(std::string_view name) {
  for (std::size_t i = 0; i < name.size();) {
    const utf8::Char c = utf8::Decode(name, i);
    if (c.size == 1 && c.code >= 0x80) return "is not valid UTF-8";
    if (IsControl(c.code)) {
      char code[16];
      std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c.code));
      return std::string("holds a control character (") + code + ")";
    }
    i += c.size;
  }
  return {};
}

}  // namespace velkor::sim

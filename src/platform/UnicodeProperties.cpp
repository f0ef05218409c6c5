// The one file that reads character properties from utf8proc, the Unicode
// library Debian packages: letter case and display width for every script.
// Keeping the dependency here means a port (such as a MinGW build, which has
// to build utf8proc from its source) touches this file and the build only.
// ASCII is answered without the library: it is most of what is compared.
#include <utf8proc.h>

#include "platform/Utf8.h"

namespace velkor::utf8 {

namespace {

constexpr char32_t kAsciiEnd = 0x80;
constexpr char32_t kCaseDistance = 'a' - 'A';
// utf8proc raises "ß" to the capital "ẞ", which Unicode's simple mapping does
// not: the runtime's UCase keeps "ß", and so do the names derived from it.
constexpr char32_t kSharpS = 0xDF;

utf8proc_int32_t AsCodePoint(char32_t c) {
  return static_cast<utf8proc_int32_t>(c);
}

}  // namespace

char32_t ToUpper(char32_t c) {
  if (c < kAsciiEnd) return c >= 'a' && c <= 'z' ? c - kCaseDistance : c;
  if (c == kSharpS) return c;
  return static_cast<char32_t>(utf8proc_toupper(AsCodePoint(c)));
}

char32_t ToLower(char32_t c) {
  if (c < kAsciiEnd) return c >= 'A' && c <= 'Z' ? c + kCaseDistance : c;
  return static_cast<char32_t>(utf8proc_tolower(AsCodePoint(c)));
}

std::string_view UnicodeVersion() {
  return utf8proc_unicode_version();
}

int ColumnWidth(char32_t c) {
  if (c < kAsciiEnd) return c >= 0x20 && c < 0x7F ? 1 : 0;
  return utf8proc_charwidth(AsCodePoint(c));
}

}  // namespace velkor::utf8

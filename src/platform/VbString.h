// The runtime's string functions on UTF-8 text. Positions and lengths count
// characters (code points), 1-based, as the runtime counts them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace velkor::vb {

std::int32_t Len(std::string_view s);
// Removes leading and trailing blanks (U+0020 only, not tabs or line breaks).
std::string Trim(std::string_view s);
std::string LTrim(std::string_view s);
std::string RTrim(std::string_view s);
// First position of `find` in `s` at or after `start`; 0 when absent.
// An empty `find` returns `start` (when start <= Len(s) + 1); an empty `s`
// gives 0. start < 1 raises Invalid procedure call (5).
std::int32_t InStr(std::int32_t start, std::string_view s, std::string_view find,
                   bool textCompare = false);
inline std::int32_t InStr(std::string_view s, std::string_view find) {
  return InStr(1, s, find);
}
// Mid(s, start[, length]); length -1 (omitted) takes the rest; start < 1 or
// another negative length raise 5.
std::string Mid(std::string_view s, std::int32_t start, std::int32_t length = -1);
std::string Left(std::string_view s, std::int32_t length);
std::string Right(std::string_view s, std::int32_t length);
std::string UCase(std::string_view s);
std::string LCase(std::string_view s);
// StrComp with vbTextCompare: -1, 0 or 1 ignoring letter case (simple case
// folding of Latin, Greek and Cyrillic letters, then code point order).
int CompareText(std::string_view a, std::string_view b);
inline bool EqualsText(std::string_view a, std::string_view b) {
  return CompareText(a, b) == 0;
}
// A key for hashing or sorting text by CompareText: two texts have equal
// keys exactly when CompareText finds them equal, and keys order as it does.
std::u32string TextKey(std::string_view s);
std::string Replace(std::string_view s, std::string_view find, std::string_view with);

}  // namespace velkor::vb

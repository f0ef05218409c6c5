#include "platform/VbString.h"

#include <algorithm>

#include "platform/ErrorNumbers.h"
#include "platform/Utf8.h"

namespace velkor::vb {

namespace {

constexpr char kBlank = ' ';

// Byte offset of character `index` (0-based); s.size() when past the end.
std::size_t ByteOffset(std::string_view s, std::int64_t index) {
  std::size_t i = 0;
  for (; i < s.size() && index > 0; --index) i += utf8::Decode(s, i).size;
  return i;
}

std::int32_t CharIndexAt(const std::vector<std::size_t>& offsets, std::size_t byte) {
  const auto it = std::lower_bound(offsets.begin(), offsets.end(), byte);
  return static_cast<std::int32_t>(it - offsets.begin());
}

bool IsCharStart(const std::vector<std::size_t>& offsets, std::size_t byte) {
  return std::binary_search(offsets.begin(), offsets.end(), byte);
}

}  // namespace

std::int32_t Len(std::string_view s) {
  std::int32_t n = 0;
  for (std::size_t i = 0; i < s.size(); i += utf8::Decode(s, i).size) ++n;
  return n;
}

std::string LTrim(std::string_view s) {
  const auto first = s.find_first_not_of(kBlank);
  return first == std::string_view::npos ? std::string() : std::string(s.substr(first));
}

std::string RTrim(std::string_view s) {
  const auto last = s.find_last_not_of(kBlank);
  return last == std::string_view::npos ? std::string() : std::string(s.substr(0, last + 1));
}

std::string Trim(std::string_view s) {
  return LTrim(RTrim(s));
}

std::int32_t InStr(std::int32_t start, std::string_view s, std::string_view find,
                   bool textCompare) {
  if (start < 1) Raise(err::kInvalidProcedureCall);
  if (s.empty()) return 0;
  const std::string hay = textCompare ? UCase(s) : std::string(s);
  const std::string needle = textCompare ? UCase(find) : std::string(find);
  const auto offsets = utf8::Offsets(hay);
  const auto length = static_cast<std::int32_t>(offsets.size() - 1);
  if (start > length + 1 || (start > length && !needle.empty())) return 0;
  if (needle.empty()) return start;
  // A malformed needle may match inside a character; such hits do not count.
  for (auto pos = hay.find(needle, offsets[static_cast<std::size_t>(start - 1)]);
       pos != std::string::npos; pos = hay.find(needle, pos + 1)) {
    if (IsCharStart(offsets, pos)) return CharIndexAt(offsets, pos) + 1;
  }
  return 0;
}

std::string Mid(std::string_view s, std::int32_t start, std::int32_t length) {
  if (start < 1 || length < -1) Raise(err::kInvalidProcedureCall);
  const std::size_t begin = ByteOffset(s, start - 1);
  const std::string_view rest = s.substr(begin);
  if (length == -1) return std::string(rest);
  return std::string(rest.substr(0, ByteOffset(rest, length)));
}

std::string Left(std::string_view s, std::int32_t length) {
  if (length < 0) Raise(err::kInvalidProcedureCall);
  return std::string(s.substr(0, ByteOffset(s, length)));
}

std::string Right(std::string_view s, std::int32_t length) {
  if (length < 0) Raise(err::kInvalidProcedureCall);
  const std::int32_t skip = std::max(Len(s) - length, 0);
  return std::string(s.substr(ByteOffset(s, skip)));
}

std::string UCase(std::string_view s) {
  return utf8::Map(s, utf8::ToUpper);
}

std::string LCase(std::string_view s) {
  return utf8::Map(s, utf8::ToLower);
}

int CompareText(std::string_view a, std::string_view b) {
  std::size_t i = 0;
  std::size_t j = 0;
  while (i < a.size() && j < b.size()) {
    const auto ca = utf8::Decode(a, i);
    const auto cb = utf8::Decode(b, j);
    const char32_t ua = utf8::ToUpper(ca.code);
    const char32_t ub = utf8::ToUpper(cb.code);
    if (ua != ub) return ua < ub ? -1 : 1;
    i += ca.size;
    j += cb.size;
  }
  if (i < a.size()) return 1;
  if (j < b.size()) return -1;
  return 0;
}

std::u32string TextKey(std::string_view s) {
  std::u32string key;
  key.reserve(s.size());
  for (std::size_t i = 0; i < s.size();) {
    const auto c = utf8::Decode(s, i);
    key.push_back(utf8::ToUpper(c.code));
    i += c.size;
  }
  return key;
}

std::string Replace(std::string_view s, std::string_view find, std::string_view with) {
  if (find.empty()) return std::string(s);
  std::string out;
  out.reserve(s.size());
  std::size_t from = 0;
  for (auto pos = s.find(find); pos != std::string_view::npos; pos = s.find(find, from)) {
    out.append(s.substr(from, pos - from)).append(with);
    from = pos + find.size();
  }
  out.append(s.substr(from));
  return out;
}

}  // namespace velkor::vb

#include "platform/Utf8.h"

namespace velkor::utf8 {

namespace {

bool IsContinuation(unsigned char b) {
  return (b & 0xC0) == 0x80;
}

// Length and payload bits of a lead byte; 0 for a byte that cannot lead.
struct Lead {
  std::size_t size;
  char32_t bits;
};

Lead ReadLead(unsigned char b) {
  if (b < 0x80) return {1, b};
  if (b >= 0xC2 && b <= 0xDF) return {2, static_cast<char32_t>(b & 0x1F)};
  if (b >= 0xE0 && b <= 0xEF) return {3, static_cast<char32_t>(b & 0x0F)};
  if (b >= 0xF0 && b <= 0xF4) return {4, static_cast<char32_t>(b & 0x07)};
  return {0, 0};
}

// Overlong forms, surrogates and code points past U+10FFFF are malformed.
bool IsCanonical(char32_t code, std::size_t size) {
  static constexpr char32_t kMin[] = {0, 0, 0x80, 0x800, 0x10000};
  if (code < kMin[size] || code > 0x10FFFF) return false;
  return code < 0xD800 || code > 0xDFFF;
}

// Decode returns a malformed byte as a character of size 1 above ASCII.
bool IsWellFormed(const Char& c) {
  return c.size > 1 || c.code < 0x80;
}

}  // namespace

Char Decode(std::string_view s, std::size_t offset) {
  const auto first = static_cast<unsigned char>(s[offset]);
  const Lead lead = ReadLead(first);
  const Char raw{first, offset, 1};
  if (lead.size == 0 || offset + lead.size > s.size()) return raw;
  char32_t code = lead.bits;
  for (std::size_t k = 1; k < lead.size; ++k) {
    const auto b = static_cast<unsigned char>(s[offset + k]);
    if (!IsContinuation(b)) return raw;
    code = (code << 6) | (b & 0x3F);
  }
  if (!IsCanonical(code, lead.size)) return raw;
  return {code, offset, lead.size};
}

std::vector<std::size_t> Offsets(std::string_view s) {
  std::vector<std::size_t> offsets;
  offsets.reserve(s.size() + 1);
  for (std::size_t i = 0; i < s.size(); i += Decode(s, i).size) offsets.push_back(i);
  offsets.push_back(s.size());
  return offsets;
}

void Append(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

std::size_t DisplayWidth(std::string_view s) {
  std::size_t columns = 0;
  for (std::size_t i = 0; i < s.size();) {
    const Char c = Decode(s, i);
    columns += IsWellFormed(c) ? static_cast<std::size_t>(ColumnWidth(c.code)) : 1;
    i += c.size;
  }
  return columns;
}

std::string Map(std::string_view s, char32_t (*map)(char32_t)) {
  std::string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size();) {
    if (static_cast<unsigned char>(s[i]) < 0x80) {
      out += static_cast<char>(map(static_cast<unsigned char>(s[i++])));
      continue;
    }
    const Char c = Decode(s, i);
    if (IsWellFormed(c)) {
      Append(out, map(c.code));
    } else {
      out += s[i];
    }
    i += c.size;
  }
  return out;
}

}  // namespace velkor::utf8

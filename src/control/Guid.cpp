#include "control/Guid.h"

#include <cctype>
#include <charconv>
#include <cstdio>

namespace velkor {

namespace {

// Positions of the hex groups inside "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}".
constexpr std::size_t kRegistryLength = 38;
constexpr std::array<std::size_t, 4> kDashes = {9, 14, 19, 24};

template <class Int>
bool ReadHex(std::string_view text, std::size_t pos, std::size_t digits, Int& out) {
  auto part = text.substr(pos, digits);
  for (char c : part)
    if (!std::isxdigit(static_cast<unsigned char>(c))) return false;
  auto [end, ec] = std::from_chars(part.data(), part.data() + part.size(), out, 16);
  return ec == std::errc() && end == part.data() + part.size();
}

bool HasRegistryShape(std::string_view text) {
  if (text.size() != kRegistryLength || text.front() != '{' || text.back() != '}') return false;
  for (auto dash : kDashes)
    if (text[dash] != '-') return false;
  return true;
}

}  // namespace

std::string ToRegistryFormat(const Guid& id) {
  char buffer[kRegistryLength + 1];
  std::snprintf(buffer, sizeof buffer, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                static_cast<unsigned>(id.data1), static_cast<unsigned>(id.data2),
                static_cast<unsigned>(id.data3), id.data4[0], id.data4[1], id.data4[2], id.data4[3],
                id.data4[4], id.data4[5], id.data4[6], id.data4[7]);
  return buffer;
}

std::optional<Guid> ParseGuid(std::string_view text) {
  if (!HasRegistryShape(text)) return std::nullopt;
  Guid id;
  bool ok = ReadHex(text, 1, 8, id.data1) && ReadHex(text, 10, 4, id.data2) &&
            ReadHex(text, 15, 4, id.data3);
  // data4: two bytes before the last dash, six after it.
  constexpr std::array<std::size_t, 8> kBytePos = {20, 22, 25, 27, 29, 31, 33, 35};
  for (std::size_t i = 0; ok && i < kBytePos.size(); ++i)
    ok = ReadHex(text, kBytePos[i], 2, id.data4[i]);
  if (!ok) return std::nullopt;
  return id;
}

}  // namespace velkor

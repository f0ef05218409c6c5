// Guid: a COM interface or class identifier and its registry text form.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velkor {

struct Guid {
  std::uint32_t data1 = 0;
  std::uint16_t data2 = 0;
  std::uint16_t data3 = 0;
  std::array<std::uint8_t, 8> data4{};
  friend bool operator==(const Guid&, const Guid&) = default;
};

// "{00020400-0000-0000-C000-000000000046}": braces, upper-case hex digits.
std::string ToRegistryFormat(const Guid& id);
// Reads the registry form in either letter case; nullopt for anything else.
std::optional<Guid> ParseGuid(std::string_view registryText);

}  // namespace velkor

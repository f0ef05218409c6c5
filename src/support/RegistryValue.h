// Machine-wide registry values (module ModRegAPI).
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/Variant.h"

namespace velkor {

// Value types as the registry numbers them.
inline constexpr std::int32_t kRegString = 1;  // text
inline constexpr std::int32_t kRegDword = 4;   // 32-bit number

// Opens `keyPath` under the machine-wide root with full access, writes
// `value` as `type` (other types write nothing) and closes the key. Whether
// the value was stored is not told: without the right to write the
// machine-wide root nothing happens. A value that does not convert to the
// type raises the conversion's error.
void SetRegistryValue(std::string_view keyPath, std::string_view valueName, const Variant& value,
                      std::int32_t type);

}  // namespace velkor

// Reading a data control's saved properties forgivingly: a value that does
// not convert reads as the default, so a damaged file still opens.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/host/PropertyBag.h"

namespace velkor::sim {

std::string ReadTextField(host::PropertyBag& bag, std::string_view key, std::string_view fallback);
bool ReadFlagField(host::PropertyBag& bag, std::string_view key, bool fallback);
std::int32_t ReadLongField(host::PropertyBag& bag, std::string_view key, std::int32_t fallback);
// A list count: 0 for anything negative or beyond what a control could hold.
std::size_t ReadCountField(host::PropertyBag& bag, std::string_view key);
// Whether the bag holds `key` at all.
bool HasField(host::PropertyBag& bag, std::string_view key);

}  // namespace velkor::sim

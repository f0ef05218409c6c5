// The query modes the data controls accept with QueryData.
#pragma once

#include <cstdint>

#include "platform/Variant.h"

namespace velkor::sim::data_mode {

// Every specification is queried (static worksheet ranges only once).
inline constexpr std::int32_t kAll = 1;
// Only specifications never queried or marked for a re-read.
inline constexpr std::int32_t kChanged = 2;

// The mode a caller passed: omitted, Empty or 0 mean kAll; any other value
// than kChanged is taken as kAll too, so an unknown mode never skips data.
std::int32_t ModeOf(const Variant& mode);

}  // namespace velkor::sim::data_mode

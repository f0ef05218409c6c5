// The attribute keys under which the archive data control keeps what it
// queries a specification by. They lie apart from the keys the trend
// control writes (10100 to 10103), which the data control never reads.
#pragma once

#include <cstdint>

namespace velkor::sim::archive_key {

inline constexpr std::int32_t kServer = 10200;
inline constexpr std::int32_t kTag = 10201;
inline constexpr std::int32_t kMarkers = 10202;

}  // namespace velkor::sim::archive_key

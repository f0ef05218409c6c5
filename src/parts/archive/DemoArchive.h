// The demo archive: server "srv1" with the tags sinusoid, ramp, randomwalk
// and cdt158, one value a minute over the 30 days up to a given time.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "parts/archive/ArchiveStore.h"
#include "platform/Variant.h"

namespace velkor::sim {

inline constexpr std::string_view kDemoServer = "srv1";
inline constexpr std::int64_t kDemoMinutes = 30 * 1440;

// Adds the demo server and points to `store` with kDemoMinutes values each,
// the last at the whole minute at or before `now`. The same `now` always
// gives the same values. Raises Invalid procedure call (5) when the window
// does not lie within the years 100..9999.
void GenerateDemoArchive(ArchiveStore& store, DateValue now);
// A new in-memory archive holding the demo.
ArchiveStore OpenDemoArchive(DateValue now);

// What the demo generated for `now` depends on; stored in the archive's
// info under kDemoParametersKey so that a cached copy can be checked.
inline constexpr std::string_view kDemoParametersKey = "demo.parameters";
std::string DemoArchiveParameters(DateValue now);

}  // namespace velkor::sim

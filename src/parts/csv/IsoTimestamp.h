// ISO 8601 timestamps as other programs export them: "2026-12-07T05:00:00",
// a blank for the T, seconds optional, a fraction of any length after '.' or
// ',', and a zone: "Z", "+01", "+0100" or "+01:00" (a blank may come before
// it). The archive keeps naive local times, so a time with a zone is taken
// as that instant and converted to the local time of this machine (TZ).
#pragma once

#include <optional>
#include <string_view>

#include "platform/Variant.h"

namespace velkor::sim::csv {

std::optional<DateValue> ParseIsoTimestamp(std::string_view text);

}  // namespace velkor::sim::csv

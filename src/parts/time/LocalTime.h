// The machine's local time of an instant, on every system (localtime_r on
// POSIX systems, localtime_s on Windows).
#pragma once

#include <ctime>
#include <optional>

namespace velkor::sim {

std::optional<std::tm> LocalCalendarTime(std::time_t instant);

}  // namespace velkor::sim

// Dates as ISO 8601 text ("2026-12-07T06:00:00", milliseconds added when
// there are any), the form workbook files store them in.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/Variant.h"

namespace velkor::sim {

// Dates outside the years 100 to 9999 cannot be written; raises Overflow (6).
std::string FormatIsoDate(DateValue date);
// Accepts "YYYY-MM-DDTHH:MM:SS" with an optional ".mmm"; nullopt otherwise.
std::optional<DateValue> ParseIsoDate(std::string_view text);

}  // namespace velkor::sim

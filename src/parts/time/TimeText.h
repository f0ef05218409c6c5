// Time texts: the way users and the data components write points in time,
// such as "*-8h", "t+6h", "2026-12-07 06:00" or "12/7/2026 6:00:00 AM".
// The grammar, with examples, is in docs/time-syntax.md.
#pragma once

#include <string_view>

#include "platform/Variant.h"

namespace velkor::sim {

// The date a time text names; `now` is what "*", "t", "y" and a text with
// offsets only count from. Raises Type mismatch (13) for a text that does
// not follow the grammar and Overflow (6) for one whose date lies outside
// the years 100 to 9999; the description names the text and the fault.
DateValue ParseTimeText(std::string_view text, DateValue now);

struct TimeRange {
  DateValue start;
  DateValue end;
};

// Both bounds of one operation, read against the same `now` so that "*-8h"
// to "*" spans exactly eight hours. The bounds are returned as written: a
// start after the end is for the caller to judge.
TimeRange ParseTimeRange(std::string_view start, std::string_view end, DateValue now);

}  // namespace velkor::sim

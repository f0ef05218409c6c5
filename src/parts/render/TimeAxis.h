// Ticks and labels of the time axis.
#pragma once

#include <string>
#include <vector>

#include "parts/render/TimeWindow.h"

namespace velkor::sim {

struct TimeTick {
  double days = 0.0;  // linear days
  std::string label;
};

// At most `maxTicks` ticks (at least 2) on whole seconds, minutes, hours,
// days, Monday-based weeks, months or years, whichever step is the finest
// that fits. Labels show the clock time ("06:00", "06:00:30") for steps below
// a day, the day ("12/7") for steps of days and weeks, "12/2026" for months
// and "2026" for years; the first label and every label where the date (or
// for days the year) changes carry it in front ("12/7 06:00", "12/7/2026").
// A window shorter than the smallest step gets its two ends as ticks.
std::vector<TimeTick> MakeTimeTicks(const TimeWindow& window, int maxTicks);

}  // namespace velkor::sim

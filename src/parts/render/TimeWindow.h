// The trend's time range on the linear day scale.
#pragma once

#include <optional>

#include "parts/render/LinearTime.h"
#include "platform/DateRange.h"
#include "platform/Variant.h"

namespace velkor::sim {

struct TimeWindow {
  double start = 0.0;  // linear days
  double end = 1.0;    // always > start
  double Span() const { return end - start; }
  double Fraction(double days) const { return (days - start) / Span(); }
};

// The last second that still lies in year 9999.
inline constexpr double kLastSerialSecond = kLastDaySerial + 86399.0 / 86400.0;

inline bool IsWindowBound(double serial) {
  return IsDateInRange(serial) && serial <= kLastSerialSecond;
}

// nullopt for a range that cannot be drawn: a bound that is no date the
// runtime can represent, or an end that is not after the start.
inline std::optional<TimeWindow> MakeTimeWindow(DateValue start, DateValue end) {
  if (!IsWindowBound(start.serial) || !IsWindowBound(end.serial)) return std::nullopt;
  const TimeWindow window{ToLinearDays(start.serial), ToLinearDays(end.serial)};
  if (!(window.end > window.start)) return std::nullopt;
  return window;
}

}  // namespace velkor::sim

#include "parts/time/DayCount.h"

#include <cmath>

namespace velkor::sim {

double ToDayCount(DateValue date) {
  if (date.serial >= 0.0) return date.serial;
  const double day = std::trunc(date.serial);
  return day + (day - date.serial);
}

DateValue FromDayCount(double days) {
  const double day = std::floor(days);
  if (day >= 0.0) return DateValue{days};
  return DateValue{day - (days - day)};
}

DateValue AddDays(DateValue date, double days) {
  return FromDayCount(ToDayCount(date) + days);
}

DateValue StartOfDay(DateValue date) {
  constexpr double kSecondsPerDay = 86400.0;
  const double seconds = std::round(ToDayCount(date) * kSecondsPerDay);
  return FromDayCount(std::floor(seconds / kSecondsPerDay));
}

}  // namespace velkor::sim

// Date serials before 1899-12-30 count the day backwards but its time
// forwards (-1.25 is 1899-12-29 06:00), so they do not grow with time. The
// renderer places and sorts samples on a linear day count instead, which is
// the serial itself from 1899-12-30 on.
#pragma once

#include <cmath>

namespace velkor::sim {

inline double ToLinearDays(double serial) {
  if (!(serial < 0.0)) return serial;
  const double day = std::trunc(serial);
  return day + (day - serial);
}

inline double FromLinearDays(double days) {
  if (!(days < 0.0)) return days;
  const double day = std::floor(days);
  const double time = days - day;
  return time == 0.0 ? day : day - time;
}

}  // namespace velkor::sim

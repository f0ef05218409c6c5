// The span of dates the runtime can represent: 1 Jan 100 to 31 Dec 9999.
#pragma once

namespace velkor {

inline constexpr double kFirstDaySerial = -657434.0;  // 100-01-01
inline constexpr double kLastDaySerial = 2958465.0;   // 9999-12-31

// True for a finite serial whose day lies in the span (any time of that day).
inline bool IsDateInRange(double serial) {
  return serial > kFirstDaySerial - 1.0 && serial < kLastDaySerial + 1.0;
}

}  // namespace velkor

#include "parts/time/LocalTime.h"

namespace velkor::sim {

std::optional<std::tm> LocalCalendarTime(std::time_t instant) {
  std::tm local{};
#ifdef _WIN32
  if (localtime_s(&local, &instant) != 0) return std::nullopt;
#else
  if (!localtime_r(&instant, &local)) return std::nullopt;
#endif
  return local;
}

}  // namespace velkor::sim

#include "standins/VirtualNow.h"

#include <cmath>
#include <ctime>
#include <optional>

#include "parts/time/LocalTime.h"
#include "platform/Conversions.h"
#include "standins/host/VirtualClock.h"

namespace velkor::sim {

namespace {

constexpr double kMillisecondsPerDay = 86400000.0;

struct ThreadClock {
  std::optional<DateValue> start;
  std::weak_ptr<const VirtualClock> clock;
  std::int64_t clockAtStart = 0;
};

thread_local ThreadClock tClock;

DateValue SystemMinute() {
  std::time_t seconds = std::time(nullptr);
  const std::tm local = LocalCalendarTime(seconds).value_or(std::tm{});
  DateParts parts{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                  local.tm_hour,        local.tm_min,     0};
  return MakeDate(parts).value_or(DateValue{});
}

}  // namespace

DateValue VirtualNow() {
  if (!tClock.start) SetVirtualNow(SystemMinute());
  DateValue now = *tClock.start;
  if (auto clock = tClock.clock.lock())
    now.serial += static_cast<double>(clock->Now() - tClock.clockAtStart) / kMillisecondsPerDay;
  return now;
}

void SetVirtualNow(DateValue start, std::weak_ptr<const VirtualClock> clock) {
  auto followed = clock.lock();
  tClock = {start, clock, followed ? followed->Now() : 0};
}

void ResetVirtualNow() {
  tClock = {};
}

}  // namespace velkor::sim

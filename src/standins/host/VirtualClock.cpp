#include "standins/host/VirtualClock.h"

#include <algorithm>

#include "platform/ErrorNumbers.h"

namespace velkor::sim {

std::shared_ptr<SimTimer> VirtualClock::CreateTimer() {
  auto timer = std::make_shared<SimTimer>(weak_from_this(), nextSequence_++);
  std::erase_if(timers_, [](const auto& t) { return t.expired(); });
  timers_.push_back(timer);
  return timer;
}

std::shared_ptr<SimTimer> VirtualClock::NextDue(std::int64_t until) {
  std::shared_ptr<SimTimer> next;
  for (const auto& weak : timers_) {
    auto timer = weak.lock();
    if (!timer || !timer->Running() || timer->due_ > until) continue;
    if (!next || timer->due_ < next->due_ ||
        (timer->due_ == next->due_ && timer->sequence_ < next->sequence_))
      next = std::move(timer);
  }
  return next;
}

void VirtualClock::Advance(std::int64_t milliseconds) {
  if (milliseconds < 0) Raise(err::kInvalidProcedureCall);
  const std::int64_t until = now_ + milliseconds;
  // `timer` keeps the timer and its handler alive while the handler runs,
  // even when the handler releases the control that owns it.
  while (auto timer = NextDue(until)) {
    now_ = std::max(now_, timer->due_);
    timer->due_ += timer->interval_;
    auto tick = timer->OnTick;
    if (tick) tick();
  }
  now_ = std::max(now_, until);
}

std::size_t VirtualClock::RunningTimerCount() const {
  return static_cast<std::size_t>(std::count_if(timers_.begin(), timers_.end(), [](const auto& w) {
    auto t = w.lock();
    return t && t->Running();
  }));
}

void SimTimer::Restart() {
  auto clock = clock_.lock();
  due_ = (clock ? clock->Now() : 0) + interval_;
}

void SimTimer::SetEnabled(bool enabled) {
  if (enabled && !enabled_) {
    enabled_ = true;
    Restart();
  }
  enabled_ = enabled;
}

void SimTimer::SetInterval(std::int32_t milliseconds) {
  if (milliseconds < 0) Raise(err::kInvalidProcedureCall);
  interval_ = milliseconds;
  if (enabled_) Restart();
}

}  // namespace velkor::sim

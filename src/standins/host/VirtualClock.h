// VirtualClock: the host's clock for timer child controls. Time moves only
// when the host advances it; each enabled timer then fires once for every
// interval that elapsed, all timers in due-time order. Nothing sleeps.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/host/ControlSite.h"

namespace velkor::sim {

class SimTimer;

class VirtualClock : public std::enable_shared_from_this<VirtualClock> {
 public:
  static std::shared_ptr<VirtualClock> Create() {
    return std::shared_ptr<VirtualClock>(new VirtualClock);
  }

  // Milliseconds since the clock was created.
  std::int64_t Now() const { return now_; }
  // A new timer: disabled, interval 0.
  std::shared_ptr<SimTimer> CreateTimer();
  // Moves the clock forward by `milliseconds` (Invalid procedure call (5)
  // when negative), firing the timers that come due on the way. A tick
  // handler may enable, disable or drop timers, its own included.
  void Advance(std::int64_t milliseconds);
  // Timers that are enabled with a positive interval.
  std::size_t RunningTimerCount() const;

 private:
  VirtualClock() = default;
  std::shared_ptr<SimTimer> NextDue(std::int64_t until);

  std::int64_t now_ = 0;
  std::uint64_t nextSequence_ = 1;
  std::vector<std::weak_ptr<SimTimer>> timers_;
};

class SimTimer : public host::ControlTimer {
 public:
  SimTimer(std::weak_ptr<VirtualClock> clock, std::uint64_t sequence)
      : clock_(std::move(clock)), sequence_(sequence) {}

  bool Enabled() const override { return enabled_; }
  // Enabling starts a full interval from now.
  void SetEnabled(bool enabled) override;
  std::int32_t Interval() const override { return interval_; }
  // Restarts the interval from now when the timer is enabled; 0 stops the
  // ticks, a negative interval raises Invalid procedure call (5).
  void SetInterval(std::int32_t milliseconds) override;

  bool Running() const { return enabled_ && interval_ > 0 && !retired_; }
  // The owner is gone: the timer never fires again, whatever is set later.
  void Retire() { retired_ = true; }
  std::int64_t DueTime() const { return due_; }
  std::uint64_t Sequence() const { return sequence_; }

 private:
  friend class VirtualClock;
  void Restart();

  std::weak_ptr<VirtualClock> clock_;
  std::uint64_t sequence_;
  bool enabled_ = false;
  std::int32_t interval_ = 0;
  std::int64_t due_ = 0;
  bool retired_ = false;
};

}  // namespace velkor::sim

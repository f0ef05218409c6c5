// WindowTimer: the control's timer child control as a real window timer. Its
// ticks arrive as WM_TIMER messages of a message-only window owned by the
// thread that created the timer, so they run on the container's thread
// between its other messages, never on a thread of their own.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>

#include "platform/host/ControlSite.h"

namespace velkor::com {

class WindowTimer : public host::ControlTimer, public std::enable_shared_from_this<WindowTimer> {
 public:
  WindowTimer() = default;
  WindowTimer(const WindowTimer&) = delete;
  WindowTimer& operator=(const WindowTimer&) = delete;
  ~WindowTimer() override;

  bool Enabled() const override { return enabled_; }
  void SetEnabled(bool enabled) override;
  std::int32_t Interval() const override { return interval_; }
  void SetInterval(std::int32_t milliseconds) override;

  // The window the ticks are posted to; created on first use in the thread.
  static HWND ThreadWindow();

 private:
  void Start();
  void Stop();

  bool enabled_ = false;
  std::int32_t interval_ = 0;
  UINT_PTR id_ = 0;  // nonzero while a window timer runs
};

}  // namespace velkor::com

// The control's timer as a window timer: ticks arrive through the thread's
// message loop while it is enabled, stop when it is disabled (also from its
// own tick) and never reach a timer that is gone.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>

#include "com/server/WindowTimer.h"
#include "platform/VbError.h"

namespace velkor::com {
namespace {

// Pumps the thread's messages for about `milliseconds`.
void Pump(DWORD milliseconds) {
  const DWORD end = GetTickCount() + milliseconds;
  MSG msg;
  while (static_cast<LONG>(end - GetTickCount()) > 0) {
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    Sleep(5);
  }
}

TEST(WindowTimer, TicksWhileEnabledOnTheCreatingThread) {
  auto timer = std::make_shared<WindowTimer>();
  int ticks = 0;
  const DWORD thread = GetCurrentThreadId();
  DWORD tickThread = 0;
  timer->OnTick = [&] {
    ++ticks;
    tickThread = GetCurrentThreadId();
  };
  timer->SetInterval(20);
  EXPECT_FALSE(timer->Enabled());
  Pump(100);
  EXPECT_EQ(ticks, 0) << "not enabled yet";
  timer->SetEnabled(true);
  Pump(300);
  EXPECT_GE(ticks, 2);
  EXPECT_EQ(tickThread, thread);
  timer->SetEnabled(false);
  const int stopped = ticks;
  Pump(150);
  EXPECT_EQ(ticks, stopped);
}

TEST(WindowTimer, ATickMayDisableItsOwnTimer) {
  auto timer = std::make_shared<WindowTimer>();
  int ticks = 0;
  timer->OnTick = [&] {
    ++ticks;
    timer->SetEnabled(false);
  };
  timer->SetInterval(10);
  timer->SetEnabled(true);
  Pump(200);
  EXPECT_EQ(ticks, 1);
  EXPECT_FALSE(timer->Enabled());
}

TEST(WindowTimer, ADestroyedTimerNeverTicks) {
  int ticks = 0;
  auto other = std::make_shared<WindowTimer>();  // keeps the thread's window alive
  other->SetInterval(1000);
  other->SetEnabled(true);
  {
    auto timer = std::make_shared<WindowTimer>();
    timer->OnTick = [&] { ++ticks; };
    timer->SetInterval(10);
    timer->SetEnabled(true);
  }
  Pump(100);
  EXPECT_EQ(ticks, 0);
}

TEST(WindowTimer, IntervalZeroKeepsAnEnabledTimerIdle) {
  auto timer = std::make_shared<WindowTimer>();
  int ticks = 0;
  timer->OnTick = [&] { ++ticks; };
  timer->SetEnabled(true);
  Pump(80);
  EXPECT_EQ(ticks, 0);
  timer->SetInterval(10);  // an enabled timer starts with its new interval
  Pump(150);
  EXPECT_GE(ticks, 1);
}

// A tick whose error report failed raises out of the tick; the host's
// message loop must neither see the exception nor lose later ticks.
TEST(WindowTimer, ARaisingTickStaysInsideTheWindowProcedure) {
  auto timer = std::make_shared<WindowTimer>();
  int ticks = 0;
  timer->OnTick = [&] {
    ++ticks;
    throw VbError(429);
  };
  timer->SetInterval(10);
  timer->SetEnabled(true);
  Pump(200);
  EXPECT_GE(ticks, 2);
}

}  // namespace
}  // namespace velkor::com

#include "com/server/WindowTimer.h"

#include <map>

#include "com/server/Module.h"

namespace velkor::com {

namespace {

constexpr wchar_t kWindowClass[] = L"VelkorTimerWindow";

// The running timers of this thread by their id. A tick finds its timer
// here, so a timer destroyed between two messages is never touched.
thread_local std::map<UINT_PTR, std::weak_ptr<WindowTimer>> tRunning;
thread_local UINT_PTR tNextId = 1;
// Lives while a timer of the thread runs, so that no window of this library
// outlives its last timer (the library may then be unloaded).
thread_local HWND tWindow = nullptr;

LRESULT CALLBACK TimerWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_TIMER) return DefWindowProcW(window, message, wParam, lParam);
  auto it = tRunning.find(wParam);
  if (it == tRunning.end()) return 0;
  auto timer = it->second.lock();
  if (!timer || !timer->Enabled() || !timer->OnTick) return 0;
  // A tick has no caller to take its error (the control's handler reports
  // its own, but the report itself may fail when the logging component
  // does), and an exception must not unwind through the host's message loop:
  // it is dropped here.
  try {
    timer->OnTick();
  } catch (...) {
  }
  return 0;
}

void RegisterWindowClass() {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = TimerWindowProc;
  wc.hInstance = ModuleHandle();
  wc.lpszClassName = kWindowClass;
  RegisterClassExW(&wc);  // fails harmlessly when already registered
}

}  // namespace

HWND WindowTimer::ThreadWindow() {
  if (tWindow && IsWindow(tWindow)) return tWindow;
  RegisterWindowClass();
  tWindow = CreateWindowExW(0, kWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                            ModuleHandle(), nullptr);
  return tWindow;
}

WindowTimer::~WindowTimer() {
  Stop();
}

void WindowTimer::SetEnabled(bool enabled) {
  enabled_ = enabled;
  enabled_ ? Start() : Stop();
}

void WindowTimer::SetInterval(std::int32_t milliseconds) {
  interval_ = milliseconds;
  if (enabled_) Start();
}

void WindowTimer::Start() {
  Stop();
  if (interval_ <= 0) return;  // an interval of 0 keeps a timer idle
  HWND window = ThreadWindow();
  if (!window) return;
  const UINT_PTR id = tNextId++;
  if (!SetTimer(window, id, static_cast<UINT>(interval_), nullptr)) return;
  id_ = id;
  tRunning[id_] = weak_from_this();
}

void WindowTimer::Stop() {
  if (id_ == 0) return;
  KillTimer(tWindow, id_);
  tRunning.erase(id_);
  id_ = 0;
  if (tRunning.empty() && tWindow) {
    DestroyWindow(tWindow);
    tWindow = nullptr;
    // Fails while another thread still has a window of the class.
    UnregisterClassW(kWindowClass, ModuleHandle());
  }
}

}  // namespace velkor::com

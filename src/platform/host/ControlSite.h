// ControlSite: what the container offers an embedded control (the ambient
// properties, the extender, the parent object and the dirty notification),
// and ControlTimer, the timer child control it creates for the control.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "platform/Object.h"

namespace velkor::host {

class ControlTimer;

class ControlSite {
 public:
  virtual ~ControlSite() = default;

  virtual bool AmbientUserMode() const = 0;
  virtual std::string ExtenderName() const = 0;             // the OLE object's name
  virtual ObjectPtr Parent() const = 0;                     // the workbook in the spreadsheet host
  virtual void PropertyChanged(std::string_view name) = 0;  // marks the control dirty
  virtual std::int32_t WindowHandle() const = 0;            // the control's own window value
  // A timer child control; its ticks come from the container's clock.
  virtual std::shared_ptr<ControlTimer> CreateTimer() = 0;
};

// A timer child control: fires OnTick every Interval milliseconds while
// Enabled, on the container's thread, driven by the container's clock.
class ControlTimer {
 public:
  virtual ~ControlTimer() = default;
  virtual bool Enabled() const = 0;
  virtual void SetEnabled(bool enabled) = 0;
  virtual std::int32_t Interval() const = 0;
  virtual void SetInterval(std::int32_t milliseconds) = 0;
  std::function<void()> OnTick;
};

}  // namespace velkor::host

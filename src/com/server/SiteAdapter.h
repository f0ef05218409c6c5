// SiteAdapter: the container's client site seen by the control as its
// host::ControlSite. The ambient user mode comes from the site's ambient
// IDispatch, the name and parent from the extender the container's
// IOleControlSite hands out, the control's window from the in-place site;
// the dirty notification goes to the COM object, which tells the container.
#pragma once

#include <ocidl.h>
#include <ole2.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "com/bridge/ComPtr.h"
#include "platform/host/ControlSite.h"

namespace velkor::com {

class SiteAdapter : public host::ControlSite, public std::enable_shared_from_this<SiteAdapter> {
 public:
  using ChangeHandler = std::function<void(std::string_view name)>;
  explicit SiteAdapter(ChangeHandler onChanged) : onChanged_(std::move(onChanged)) {}

  // The container's site; null when the container takes it away.
  // Enabled timers move to the new site's clock (ClockTimer).
  void SetClientSite(IOleClientSite* site);
  IOleClientSite* ClientSite() const { return site_.get(); }

  // True when the container has no ambient UserMode: a container that
  // knows no design mode runs its controls.
  bool AmbientUserMode() const override;
  // The extender's "Name" and "Parent". Raise when the container gives no
  // extender (Object required, 424) or the extender lacks the property.
  std::string ExtenderName() const override;
  ObjectPtr Parent() const override;
  void PropertyChanged(std::string_view name) override;
  // The window of the in-place site, 0 when there is none.
  std::int32_t WindowHandle() const override;
  // A timer whose clock is settled when it is first enabled (ClockTimer).
  std::shared_ptr<host::ControlTimer> CreateTimer() override;
  // A timer of the container's clock when the client site offers one
  // (kSidContainerTimers), else a window timer.
  std::shared_ptr<host::ControlTimer> ClockTimer() const;

 private:
  ObjectPtr Extender() const;

  class SiteTimer;

  ComPtr<IOleClientSite> site_;
  ChangeHandler onChanged_;
  std::vector<std::weak_ptr<SiteTimer>> timers_;
};

}  // namespace velkor::com

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

#include "com/bridge/ComPtr.h"
#include "platform/host/ControlSite.h"

namespace velkor::com {

class SiteAdapter : public host::ControlSite {
 public:
  using ChangeHandler = std::function<void(std::string_view name)>;
  explicit SiteAdapter(ChangeHandler onChanged) : onChanged_(std::move(onChanged)) {}

  // The container's site; null when the container takes it away.
  void SetClientSite(IOleClientSite* site) { site_ = ComPtr<IOleClientSite>(site); }
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
  std::shared_ptr<host::ControlTimer> CreateTimer() override;

 private:
  ObjectPtr Extender() const;

  ComPtr<IOleClientSite> site_;
  ChangeHandler onChanged_;
};

}  // namespace velkor::com

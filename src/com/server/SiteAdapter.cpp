#include "com/server/SiteAdapter.h"

#include <olectl.h>

#include "com/bridge/DispatchObject.h"
#include "com/bridge/VariantBridge.h"
#include "com/server/ComGuids.h"
#include "com/server/ContainerProfiles.h"
#include "com/server/WindowTimer.h"
#include "platform/Conversions.h"
#include "platform/VbError.h"

namespace velkor::com {

namespace {
constexpr std::int32_t kObjectRequired = 424;
}  // namespace

bool SiteAdapter::AmbientUserMode() const {
  auto ambient = site_.As<IDispatch>(IID_IDispatch);
  if (!ambient) return true;
  DISPPARAMS none{};
  ComVariant value;
  const ::HRESULT hr = ambient->Invoke(DISPID_AMBIENT_USERMODE, IID_NULL, LOCALE_USER_DEFAULT,
                                       DISPATCH_PROPERTYGET, &none, value.get(), nullptr, nullptr);
  if (FAILED(hr)) return true;
  return CBool(value.value());
}

ObjectPtr SiteAdapter::Extender() const {
  auto controlSite = site_.As<IOleControlSite>(IID_IOleControlSite);
  ComPtr<IDispatch> extender;
  if (!controlSite || FAILED(controlSite->GetExtendedControl(extender.Out())) || !extender)
    Raise(kObjectRequired);
  return DispatchObject::Wrap(extender.get());
}

std::string SiteAdapter::ExtenderName() const {
  return CStr(Extender()->Invoke("Name", InvokeKind::PropertyGet, {}));
}

ObjectPtr SiteAdapter::Parent() const {
  Variant parent = Extender()->Invoke("Parent", InvokeKind::PropertyGet, {});
  return parent.ObjectOrRaise();
}

void SiteAdapter::PropertyChanged(std::string_view name) {
  if (onChanged_) onChanged_(name);
}

std::int32_t SiteAdapter::WindowHandle() const {
  auto inPlace = site_.As<IOleInPlaceSite>(IID_IOleInPlaceSite);
  HWND window = nullptr;
  if (!inPlace || FAILED(inPlace->GetWindow(&window))) return 0;
  // A window handle's value fits 32 bits, also in 64-bit processes.
  return static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(window));
}

namespace {

// A timer of the container's clock (kSidContainerTimers), driven by name.
class ContainerTimer : public host::ControlTimer,
                       public std::enable_shared_from_this<ContainerTimer> {
 public:
  explicit ContainerTimer(ObjectPtr timers) : timers_(std::move(timers)) {}

  // The container holds the callback; the callback holds the timer weakly,
  // so a tick after the control let go of its timer does nothing.
  void Start() {
    Variant callback(
        std::static_pointer_cast<Object>(std::make_shared<TickCallback>(weak_from_this())));
    timer_ = timers_->Invoke("CreateTimer", InvokeKind::Method, std::span<Variant>(&callback, 1))
                 .ObjectOrRaise();
  }

  bool Enabled() const override {
    return CBool(timer_->Invoke("Enabled", InvokeKind::PropertyGet, {}));
  }
  void SetEnabled(bool enabled) override { Let("Enabled", Variant(enabled)); }
  std::int32_t Interval() const override {
    return CLng(timer_->Invoke("Interval", InvokeKind::PropertyGet, {}));
  }
  void SetInterval(std::int32_t milliseconds) override { Let("Interval", Variant(milliseconds)); }

 private:
  class TickCallback : public Object {
   public:
    explicit TickCallback(std::weak_ptr<ContainerTimer> timer) : timer_(std::move(timer)) {}
    std::string TypeName() const override { return "TimerCallback"; }
    Variant Invoke(std::string_view, InvokeKind, std::span<Variant>) override {
      if (auto timer = timer_.lock(); timer && timer->OnTick) timer->OnTick();
      return {};
    }

   private:
    std::weak_ptr<ContainerTimer> timer_;
  };

  void Let(std::string_view member, Variant value) {
    timer_->Invoke(member, InvokeKind::PropertyLet, std::span<Variant>(&value, 1));
  }

  ObjectPtr timers_;
  ObjectPtr timer_;
};

// The container's timer service, or Nothing when it offers none.
ObjectPtr ContainerTimers(const ComPtr<IOleClientSite>& site) {
  auto provider = site.As<IServiceProvider>(IID_IServiceProvider);
  ComPtr<IDispatch> timers;
  if (!provider || FAILED(provider->QueryService(kSidContainerTimers, IID_IDispatch,
                                                 reinterpret_cast<void**>(timers.Out()))))
    return nullptr;
  return DispatchObject::Wrap(timers.get());
}

}  // namespace

// The control asks for its timer when it is created and enables it then,
// before the container hands it a site. The clock that drives the timer
// follows the client site: whenever the site changes, an enabled timer
// moves to the new site's clock.
class SiteAdapter::SiteTimer : public host::ControlTimer,
                               public std::enable_shared_from_this<SiteTimer> {
 public:
  explicit SiteTimer(std::weak_ptr<const SiteAdapter> site) : site_(std::move(site)) {}

  bool Enabled() const override { return enabled_; }
  void SetEnabled(bool enabled) override {
    enabled_ = enabled;
    if (enabled && !backing_) Settle();
    if (backing_) backing_->SetEnabled(enabled);
  }
  std::int32_t Interval() const override { return interval_; }
  void SetInterval(std::int32_t milliseconds) override {
    interval_ = milliseconds;
    if (backing_) backing_->SetInterval(milliseconds);
  }

  void SiteChanged() {
    if (backing_) backing_->SetEnabled(false);
    backing_.reset();
    if (enabled_) SetEnabled(true);
  }

 private:
  void Settle() {
    auto site = site_.lock();
    backing_ = site ? site->ClockTimer() : std::make_shared<WindowTimer>();
    backing_->SetInterval(interval_);
    backing_->OnTick = [weak = weak_from_this()] {
      if (auto self = weak.lock(); self && self->OnTick) self->OnTick();
    };
  }

  std::weak_ptr<const SiteAdapter> site_;
  std::shared_ptr<host::ControlTimer> backing_;
  bool enabled_ = false;
  std::int32_t interval_ = 0;
};

void SiteAdapter::SetClientSite(IOleClientSite* site) {
  site_ = ComPtr<IOleClientSite>(site);
  UseContainerProfiles(site_);
  std::erase_if(timers_, [](const std::weak_ptr<SiteTimer>& t) { return t.expired(); });
  for (const auto& weak : timers_)
    if (auto timer = weak.lock()) timer->SiteChanged();
}

std::shared_ptr<host::ControlTimer> SiteAdapter::ClockTimer() const {
  if (ObjectPtr timers = ContainerTimers(site_)) {
    auto timer = std::make_shared<ContainerTimer>(std::move(timers));
    timer->Start();
    return timer;
  }
  return std::make_shared<WindowTimer>();
}

std::shared_ptr<host::ControlTimer> SiteAdapter::CreateTimer() {
  auto timer = std::make_shared<SiteTimer>(weak_from_this());
  timers_.push_back(timer);
  return timer;
}

}  // namespace velkor::com

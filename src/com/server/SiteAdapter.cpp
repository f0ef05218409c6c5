#include "com/server/SiteAdapter.h"

#include <olectl.h>

#include "com/bridge/DispatchObject.h"
#include "com/bridge/VariantBridge.h"
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

std::shared_ptr<host::ControlTimer> SiteAdapter::CreateTimer() {
  return std::make_shared<WindowTimer>();
}

}  // namespace velkor::com

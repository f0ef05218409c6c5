#include "standins/com/ComContainer.h"

#include <ocidl.h>
#include <ole2.h>
#include <olectl.h>

#include <cwchar>
#include <string>

#include "com/bridge/Bstr.h"
#include "com/bridge/ComPtr.h"
#include "com/bridge/DispatchObject.h"
#include "com/bridge/ErrorBridge.h"
#include "com/bridge/ObjectDispatch.h"
#include "com/bridge/RefCount.h"
#include "com/bridge/VariantBridge.h"
#include "com/server/ComGuids.h"
#include "model/LateBound.h"
#include "platform/Conversions.h"
#include "platform/host/ControlSite.h"
#include "platform/host/PropertyBag.h"
#include "platform/os/OsServices.h"
#include "platform/os/ProfileFiles.h"

namespace velkor::sim {

namespace {

using com::ComPtr;

// ---- the saved properties ---------------------------------------------------

// An IPropertyBag over the frame's bag, for the duration of one Load or Save.
class ContainerBag final : public IPropertyBag {
 public:
  explicit ContainerBag(host::PropertyBag& bag) : bag_(bag) {}

  ::HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IPropertyBag)) return E_NOINTERFACE;
    *out = static_cast<IPropertyBag*>(this);
    return S_OK;
  }
  // Lives on the caller's stack for one call; the callee must not keep it.
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }

  // A key the bag does not hold is E_INVALIDARG, as the platform's bags say.
  ::HRESULT STDMETHODCALLTYPE Read(LPCOLESTR name, VARIANT* value, IErrorLog*) override {
    if (!name || !value) return E_POINTER;
    return com::GuardedVtable(IID_IPropertyBag, [&] {
      const Variant read = bag_.ReadProperty(com::FromWide(name, wcslen(name)), Variant::Missing());
      if (read.IsMissing()) com::Check(E_INVALIDARG);
      VariantClear(value);
      com::ToComVariant(read, *value);
    });
  }
  ::HRESULT STDMETHODCALLTYPE Write(LPCOLESTR name, VARIANT* value) override {
    if (!name || !value) return E_POINTER;
    return com::GuardedVtable(IID_IPropertyBag, [&] {
      bag_.WriteProperty(com::FromWide(name, wcslen(name)), com::FromComVariant(*value),
                         Variant::Missing());
    });
  }

 private:
  host::PropertyBag& bag_;
};

// ---- what the site offers by name ------------------------------------------

// The extended control: the frame's name and the control's parent.
class Extender final : public Object {
 public:
  explicit Extender(std::shared_ptr<host::ControlSite> site) : site_(std::move(site)) {}
  std::string TypeName() const override { return "OLEObject"; }
  Variant Invoke(std::string_view member, InvokeKind kind, std::span<Variant> args) override {
    if (!IsRead(kind)) RaiseNotSupported();
    RequireArgs(args, 0);
    if (IsMember(member, "Name")) return Variant(site_->ExtenderName());
    if (IsMember(member, "Parent")) return Variant(site_->Parent());
    RaiseNotSupported();
  }

 private:
  std::shared_ptr<host::ControlSite> site_;
};

// One of the site's timers: Enabled and Interval by name; each tick calls
// the control's callback.
class TimerObject final : public Object {
 public:
  explicit TimerObject(std::shared_ptr<host::ControlTimer> timer) : timer_(std::move(timer)) {}
  std::string TypeName() const override { return "Timer"; }
  Variant Invoke(std::string_view member, InvokeKind kind, std::span<Variant> args) override {
    if (IsMember(member, "Enabled"))
      return InvokeProperty(
          kind, args, [&] { return Variant(timer_->Enabled()); },
          [&](const Variant& v) { timer_->SetEnabled(CBool(v)); });
    if (IsMember(member, "Interval"))
      return InvokeProperty(
          kind, args, [&] { return Variant(timer_->Interval()); },
          [&](const Variant& v) { timer_->SetInterval(CLng(v)); });
    RaiseNotSupported();
  }

 private:
  std::shared_ptr<host::ControlTimer> timer_;
};

// The container timers service.
class Timers final : public Object {
 public:
  explicit Timers(std::shared_ptr<host::ControlSite> site) : site_(std::move(site)) {}
  std::string TypeName() const override { return "ContainerTimers"; }
  Variant Invoke(std::string_view member, InvokeKind kind, std::span<Variant> args) override {
    if (!IsMember(member, "CreateTimer") || kind != InvokeKind::Method) RaiseNotSupported();
    RequireArgs(args, 1);
    ObjectPtr callback = args[0].ObjectOrRaise();
    auto timer = site_->CreateTimer();
    timer->OnTick = [callback] { callback->Invoke("", InvokeKind::Method, {}); };
    return Variant(std::static_pointer_cast<Object>(std::make_shared<TimerObject>(timer)));
  }

 private:
  std::shared_ptr<host::ControlSite> site_;
};

// The profile files of the host's services, for the controls it embeds.
class Profiles final : public Object {
 public:
  std::string TypeName() const override { return "ContainerProfiles"; }
  Variant Invoke(std::string_view member, InvokeKind kind, std::span<Variant> args) override {
    if (!IsRead(kind)) RaiseNotSupported();
    os::ProfileFiles& files = Deref(os::OsServices().profiles);
    if (IsMember(member, "Exists")) {
      RequireArgs(args, 1);
      return Variant(files.Exists(CStr(args[0])));
    }
    if (IsMember(member, "ReadString")) {
      RequireArgs(args, 5);
      return Variant(files.ReadString(CStr(args[0]), CStr(args[1]), CStr(args[2]), CStr(args[3]),
                                      CLng(args[4])));
    }
    if (IsMember(member, "ReadSection")) {
      RequireArgs(args, 3);
      return Variant(files.ReadSection(CStr(args[0]), CStr(args[1]), CLng(args[2])));
    }
    RaiseNotSupported();
  }
};

// ---- the client site --------------------------------------------------------

class ContainerSite final : public IOleClientSite,
                            public IOleControlSite,
                            public IDispatch,
                            public IServiceProvider,
                            public IPropertyNotifySink {
 public:
  ContainerSite(std::shared_ptr<host::ControlSite> site, ComPtr<IDispatch> control)
      : site_(std::move(site)), control_(std::move(control)) {}

  ::HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IOleClientSite))
      *out = static_cast<IOleClientSite*>(this);
    else if (IsEqualIID(iid, IID_IOleControlSite))
      *out = static_cast<IOleControlSite*>(this);
    else if (IsEqualIID(iid, IID_IDispatch))
      *out = static_cast<IDispatch*>(this);
    else if (IsEqualIID(iid, IID_IServiceProvider))
      *out = static_cast<IServiceProvider*>(this);
    else if (IsEqualIID(iid, IID_IPropertyNotifySink))
      *out = static_cast<IPropertyNotifySink*>(this);
    else
      return E_NOINTERFACE;
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return references_.Add(); }
  ULONG STDMETHODCALLTYPE Release() override { return references_.Drop(this); }

  // IOleClientSite: a sheet's frame has nothing to add.
  ::HRESULT STDMETHODCALLTYPE SaveObject() override { return S_OK; }
  ::HRESULT STDMETHODCALLTYPE GetMoniker(DWORD, DWORD, IMoniker** out) override {
    if (out) *out = nullptr;
    return E_NOTIMPL;
  }
  ::HRESULT STDMETHODCALLTYPE GetContainer(IOleContainer** out) override {
    if (out) *out = nullptr;
    return E_NOINTERFACE;
  }
  ::HRESULT STDMETHODCALLTYPE ShowObject() override { return S_OK; }
  ::HRESULT STDMETHODCALLTYPE OnShowWindow(BOOL) override { return S_OK; }
  ::HRESULT STDMETHODCALLTYPE RequestNewObjectLayout() override { return E_NOTIMPL; }

  // IOleControlSite
  ::HRESULT STDMETHODCALLTYPE OnControlInfoChanged() override { return S_OK; }
  ::HRESULT STDMETHODCALLTYPE LockInPlaceActive(BOOL) override { return S_OK; }
  ::HRESULT STDMETHODCALLTYPE GetExtendedControl(IDispatch** out) override {
    if (!out) return E_POINTER;
    *out = com::Expose(std::make_shared<Extender>(site_));
    return S_OK;
  }
  ::HRESULT STDMETHODCALLTYPE TransformCoords(POINTL*, POINTF*, DWORD) override {
    return E_NOTIMPL;
  }
  ::HRESULT STDMETHODCALLTYPE TranslateAccelerator(MSG*, DWORD) override { return S_FALSE; }
  ::HRESULT STDMETHODCALLTYPE OnFocus(BOOL) override { return S_OK; }
  ::HRESULT STDMETHODCALLTYPE ShowPropertyFrame() override { return E_NOTIMPL; }

  // IDispatch: the ambient properties.
  ::HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (count) *count = 0;
    return S_OK;
  }
  ::HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** out) override {
    if (out) *out = nullptr;
    return DISP_E_BADINDEX;
  }
  ::HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return DISP_E_UNKNOWNNAME;
  }
  ::HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS*,
                                     VARIANT* result, EXCEPINFO*, UINT*) override {
    if (id != DISPID_AMBIENT_USERMODE || !(flags & DISPATCH_PROPERTYGET))
      return DISP_E_MEMBERNOTFOUND;
    if (!result) return E_POINTER;
    VariantInit(result);
    result->vt = VT_BOOL;
    result->boolVal = site_->AmbientUserMode() ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
  }

  // IServiceProvider: the container timers and profile files.
  ::HRESULT STDMETHODCALLTYPE QueryService(REFGUID service, REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    ObjectPtr offered;
    if (IsEqualGUID(service, com::kSidContainerTimers))
      offered = std::make_shared<Timers>(site_);
    else if (IsEqualGUID(service, com::kSidContainerProfiles))
      offered = std::make_shared<Profiles>();
    else
      return E_NOINTERFACE;
    auto dispatch = ComPtr<IDispatch>::Adopt(com::Expose(offered));
    return dispatch->QueryInterface(iid, out);
  }

  // IPropertyNotifySink: a change of the control, by its member's name.
  ::HRESULT STDMETHODCALLTYPE OnChanged(DISPID id) override {
    return com::GuardedVtable(IID_IPropertyNotifySink, [&] { site_->PropertyChanged(NameOf(id)); });
  }
  ::HRESULT STDMETHODCALLTYPE OnRequestEdit(DISPID) override { return S_OK; }

 private:
  friend class com::RefCount;
  ~ContainerSite() = default;

  std::string NameOf(DISPID id) const {
    ComPtr<ITypeInfo> info;
    BSTR name = nullptr;
    UINT count = 0;
    if (id == DISPID_UNKNOWN || FAILED(control_->GetTypeInfo(0, LOCALE_USER_DEFAULT, info.Out())) ||
        FAILED(info->GetNames(id, &name, 1, &count)) || count == 0)
      return {};
    std::string text = com::FromBstr(name);
    SysFreeString(name);
    return text;
  }

  std::shared_ptr<host::ControlSite> site_;
  ComPtr<IDispatch> control_;
  com::RefCount references_;
};

// ---- the embedding ----------------------------------------------------------

class ComEmbeddedControl final : public host::EmbeddedControl {
 public:
  explicit ComEmbeddedControl(ComPtr<IUnknown> control)
      : ole_(control.As<IOleObject>(IID_IOleObject)),
        persist_(control.As<IPersistPropertyBag>(IID_IPersistPropertyBag)),
        dispatch_(control.As<IDispatch>(IID_IDispatch)),
        points_(control.As<IConnectionPointContainer>(IID_IConnectionPointContainer)) {}
  ~ComEmbeddedControl() override { Detach(); }

  bool Usable() const { return ole_ && persist_ && dispatch_; }

  void SetSite(std::shared_ptr<host::ControlSite> site) override {
    Detach();
    site_ = ComPtr<ContainerSite>::Adopt(new ContainerSite(std::move(site), dispatch_));
    com::Check(ole_->SetClientSite(site_.get()));
    Advise();
  }
  // The control initializes itself when it is created.
  void Initialize() override {}
  void ReadProperties(host::PropertyBag& bag) override {
    ContainerBag container(bag);
    com::Check(persist_->Load(&container, nullptr));
  }
  void WriteProperties(host::PropertyBag& bag) override {
    ContainerBag container(bag);
    com::Check(persist_->Save(&container, TRUE, TRUE));
  }
  void Resize() override {
    SIZEL size{2540, 2540};  // HIMETRIC; the control takes its size from its frame
    com::Check(ole_->SetExtent(DVASPECT_CONTENT, &size));
  }
  void Show() override {
    com::Check(ole_->DoVerb(OLEIVERB_SHOW, nullptr, site_.get(), 0, nullptr, nullptr));
  }
  void Terminate() override {
    com::Check(ole_->Close(OLECLOSE_NOSAVE));
    Detach();
  }

 private:
  void Advise() {
    if (!points_) return;
    ComPtr<IConnectionPoint> point;
    if (SUCCEEDED(points_->FindConnectionPoint(IID_IPropertyNotifySink, point.Out())) &&
        SUCCEEDED(point->Advise(static_cast<IPropertyNotifySink*>(site_.get()), &cookie_)))
      notify_ = point;
  }
  void Detach() {
    if (notify_) notify_->Unadvise(cookie_);
    notify_.Reset();
    if (site_ && ole_) ole_->SetClientSite(nullptr);
    site_.Reset();
  }

  ComPtr<IOleObject> ole_;
  ComPtr<IPersistPropertyBag> persist_;
  ComPtr<IDispatch> dispatch_;
  ComPtr<IConnectionPointContainer> points_;
  ComPtr<ContainerSite> site_;
  ComPtr<IConnectionPoint> notify_;
  DWORD cookie_ = 0;
};

}  // namespace

std::shared_ptr<host::EmbeddedControl> EmbedThroughCom(const ObjectPtr& object) {
  const auto* outside = dynamic_cast<const com::DispatchObject*>(object.get());
  if (!outside) return nullptr;
  auto control = std::make_shared<ComEmbeddedControl>(ComPtr<IUnknown>(outside->unknown()));
  return control->Usable() ? control : nullptr;
}

}  // namespace velkor::sim

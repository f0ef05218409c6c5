#include "com/server/ControlObject.h"

#include <olectl.h>

#include <map>

#include "com/bridge/Bstr.h"
#include "com/bridge/ErrorBridge.h"
#include "com/bridge/VariantBridge.h"
#include "com/server/BagAdapter.h"
#include "com/server/ComGuids.h"
#include "com/server/ConnectionLists.h"
#include "com/server/Module.h"
#include "com/server/Registration.h"
#include "com/server/SiteAdapter.h"
#include "com/server/TypeLibrary.h"
#include "control/Slots.h"

namespace velkor::com {

namespace {

// The COM objects of this thread's controls, for handing a control out as
// itself rather than through a second wrapper.
thread_local std::map<const Object*, ControlObject*> tObjects;

// Reference parameters may be null when a C caller passes a null pointer for
// them; the compiler must not assume otherwise.
const IID* AddressOf(REFIID iid) {
  const IID* p = &iid;
  asm("" : "+r"(p));
  return p;
}

// The source of an error the control raised without naming one: the
// library's name, as the runtime names the project an error came from.
const wchar_t* ErrorSource() {
  static const std::wstring source = ToWide(com_identity::kTypeLibName);
  return source.c_str();
}

void NameSource(EXCEPINFO* info) {
  if (!info || SysStringLen(info->bstrSource) > 0) return;
  SysFreeString(info->bstrSource);
  info->bstrSource = SysAllocString(ErrorSource());
}

// The same for the error object a vtable caller reads.
void NameSource() {
  ComPtr<IErrorInfo> error;
  BSTR source = nullptr;
  if (GetErrorInfo(0, error.Out()) != S_OK || !error) return;
  if (SUCCEEDED(error->GetSource(&source)) && source && *source) {
    SysFreeString(source);
    SetErrorInfo(0, error.get());
    return;
  }
  SysFreeString(source);
  ComPtr<ICreateErrorInfo> create;
  if (FAILED(CreateErrorInfo(create.Out()))) return;
  GUID iid{};
  BSTR description = nullptr, helpFile = nullptr;
  DWORD helpContext = 0;
  error->GetGUID(&iid);
  error->GetDescription(&description);
  error->GetHelpFile(&helpFile);
  error->GetHelpContext(&helpContext);
  create->SetGUID(iid);
  create->SetSource(const_cast<LPOLESTR>(ErrorSource()));
  create->SetDescription(description);
  create->SetHelpFile(helpFile);
  create->SetHelpContext(helpContext);
  SysFreeString(description);
  SysFreeString(helpFile);
  SetErrorInfo(0, create.As<IErrorInfo>(IID_IErrorInfo).get());
}

}  // namespace

IUnknown* ControlObject::Create() {
  auto* object = new ControlObject();
  return static_cast<IOleObject*>(object);
}

ControlObject* ControlObject::Of(const Object* control) {
  auto it = tObjects.find(control);
  return it == tObjects.end() ? nullptr : it->second;
}

ControlObject::ControlObject()
    : control_((EnsureThreadServices(), std::make_shared<ExcelTrendWizard>())),
      site_(
          std::make_shared<SiteAdapter>([this](std::string_view name) { PropertyChanged(name); })),
      core_(control_, TypeInfoOf(kIidControl).get()),
      events_(this, kDiidControlEvents, true),
      propertyNotify_(this, IID_IPropertyNotifySink, false) {
  tObjects[control_.get()] = this;
  control_->SetSite(site_);
  // Created is initialized, in a container or not (a script's CreateObject
  // makes no InitNew); initialization reports its own failures.
  GuardedVtable(IID_IOleObject, [&] { control_->Initialize(); });
  eventConnections_.push_back(control_->ZaltOnDataChange.Connect(
      [this](ObjectPtr data, Variant mode) { FireEvent(1, data, mode); }));
  eventConnections_.push_back(control_->ExcelOnDataChange.Connect(
      [this](ObjectPtr data, Variant mode) { FireEvent(2, data, mode); }));
}

ControlObject::~ControlObject() {
  TerminateControl();
  eventConnections_.clear();
  events_.DisconnectAll();
  propertyNotify_.DisconnectAll();
  control_->SetSite(nullptr);
  site_->SetClientSite(nullptr);
  tObjects.erase(control_.get());
}

// ---- IUnknown -------------------------------------------------------------

::HRESULT ControlObject::QueryInterface(REFIID iid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IOleObject))
    *out = static_cast<IOleObject*>(this);
  else if (IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, kIidControl))
    *out = static_cast<ExcelTrendWizardDual*>(this);
  else if (IsEqualIID(iid, IID_IProvideClassInfo) || IsEqualIID(iid, IID_IProvideClassInfo2))
    *out = static_cast<IProvideClassInfo2*>(this);
  else if (IsEqualIID(iid, IID_IConnectionPointContainer))
    *out = static_cast<IConnectionPointContainer*>(this);
  else if (IsEqualIID(iid, IID_ISupportErrorInfo))
    *out = static_cast<ISupportErrorInfo*>(this);
  else if (IsEqualIID(iid, IID_IObjectSafety))
    *out = static_cast<::IObjectSafety*>(this);
  else if (IsEqualIID(iid, IID_IPersist) || IsEqualIID(iid, IID_IPersistPropertyBag))
    *out = static_cast<IPersistPropertyBag*>(this);
  else if (IsEqualIID(iid, IID_IPersistStreamInit))
    *out = static_cast<IPersistStreamInit*>(this);
  else if (IsEqualIID(iid, IID_IOleControl))
    *out = static_cast<IOleControl*>(this);
  else if (IsEqualIID(iid, IID_IOleWindow) || IsEqualIID(iid, IID_IOleInPlaceObject))
    *out = static_cast<IOleInPlaceObject*>(this);
  else if (IsEqualIID(iid, IID_IViewObject) || IsEqualIID(iid, IID_IViewObject2))
    *out = static_cast<IViewObject2*>(this);
  else if (IsEqualIID(iid, IID_IQuickActivate))
    *out = static_cast<IQuickActivate*>(this);
  else if (IsEqualIID(iid, kIID_IHeldObject))
    *out = static_cast<IHeldObject*>(this);
  else
    return E_NOINTERFACE;
  AddRef();
  return S_OK;
}

ULONG ControlObject::AddRef() {
  return references_.Add();
}

ULONG ControlObject::Release() {
  return references_.Drop(this);
}

// ---- IDispatch --------------------------------------------------------------

::HRESULT ControlObject::GetTypeInfoCount(UINT* count) {
  return core_.GetTypeInfoCount(count);
}

::HRESULT ControlObject::GetTypeInfo(UINT index, LCID, ITypeInfo** out) {
  return core_.GetTypeInfo(index, out);
}

::HRESULT ControlObject::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
  return core_.GetIDsOfNames(names, count, ids);
}

::HRESULT ControlObject::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params,
                                VARIANT* result, EXCEPINFO* info, UINT* argErr) {
  // The object may be released by what the member does; stay alive until the
  // call is over.
  ComPtr<IOleObject> keep(this);
  const ::HRESULT hr = core_.Invoke(id, flags, params, result, info, argErr);
  if (hr == DISP_E_EXCEPTION) NameSource(info);
  return hr;
}

::HRESULT ControlObject::CallMember(DISPID id, WORD kind, VARIANT* args, UINT count,
                                    VARIANT* result) {
  ComPtr<IOleObject> keep(this);
  const ::HRESULT hr = core_.CallMember(id, kind, args, count, result, kIidControl);
  if (FAILED(hr)) NameSource();
  return hr;
}

// ---- IProvideClassInfo2 ---------------------------------------------------

::HRESULT ControlObject::GetClassInfo(ITypeInfo** out) {
  if (!out) return E_POINTER;
  *out = TypeInfoOf(kClsidControl).Detach();
  return *out ? S_OK : E_FAIL;
}

::HRESULT ControlObject::GetGUID(DWORD kind, GUID* out) {
  if (!out) return E_POINTER;
  if (kind != GUIDKIND_DEFAULT_SOURCE_DISP_IID) return E_INVALIDARG;
  *out = kDiidControlEvents;
  return S_OK;
}

// ---- IConnectionPointContainer --------------------------------------------

::HRESULT ControlObject::EnumConnectionPoints(IEnumConnectionPoints** out) {
  if (!out) return E_POINTER;
  std::vector<IConnectionPoint*> points = {&events_, &propertyNotify_};
  *out = EnumerateHeld<IEnumConnectionPoints>(std::move(points), IID_IEnumConnectionPoints);
  return *out ? S_OK : E_OUTOFMEMORY;
}

::HRESULT ControlObject::FindConnectionPoint(REFIID iid, IConnectionPoint** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  ConnectionPoint* point = nullptr;
  if (IsEqualIID(iid, kDiidControlEvents)) point = &events_;
  if (IsEqualIID(iid, IID_IPropertyNotifySink)) point = &propertyNotify_;
  if (!point) return CONNECT_E_NOCONNECTION;
  *out = point;
  point->AddRef();
  return S_OK;
}

::HRESULT ControlObject::InterfaceSupportsErrorInfo(REFIID iid) {
  return IsEqualIID(iid, kIidControl) || IsEqualIID(iid, IID_IDispatch) ? S_OK : S_FALSE;
}

// ---- IObjectSafety ----------------------------------------------------------

::HRESULT ControlObject::GetInterfaceSafetyOptions(REFIID iid, DWORD* supported, DWORD* enabled) {
  const IID* riid = AddressOf(iid);
  const Guid id = riid ? FromGuid(*riid) : Guid{};
  // The control decides what a null pointer means; what it leaves unwritten
  // stays as the caller had it.
  std::uint32_t s = supported ? *supported : 0;
  std::uint32_t e = enabled ? *enabled : 0;
  const ::HRESULT hr = control_->GetInterfaceSafetyOptions(
      riid ? &id : nullptr, supported ? &s : nullptr, enabled ? &e : nullptr);
  if (supported) *supported = s;
  if (enabled) *enabled = e;
  return hr;
}

::HRESULT ControlObject::SetInterfaceSafetyOptions(REFIID iid, DWORD mask, DWORD enabled) {
  const IID* riid = AddressOf(iid);
  const Guid id = riid ? FromGuid(*riid) : Guid{};
  return control_->SetInterfaceSafetyOptions(riid ? &id : nullptr, mask, enabled);
}

// ---- The control's lifecycle ------------------------------------------------

::HRESULT ControlObject::BeginPersistence() {
  if (persistenceStarted_) return CO_E_ALREADYINITIALIZED;
  persistenceStarted_ = true;
  return S_OK;
}

void ControlObject::ResizeControl() {
  if (terminated_) return;
  control_->Resize();  // reports its own failures
}

::HRESULT ControlObject::ShowControl() {
  if (terminated_) return S_OK;
  return GuardedVtable(IID_IOleObject, [&] { control_->Show(); });
}

void ControlObject::TerminateControl() {
  if (terminated_) return;
  terminated_ = true;
  try {
    control_->Terminate();
  } catch (...) {
    // Teardown has no handler of its own and nobody is left to tell.
  }
}

void ControlObject::PropertyChanged(std::string_view name) {
  dirty_ = true;
  DISPID id = slots::MemberDispId(name);
  if (id == 0) id = DISPID_UNKNOWN;
  for (auto& sink : propertyNotify_.Sinks<IPropertyNotifySink>()) sink->OnChanged(id);
}

void ControlObject::FireEvent(DISPID id, const ObjectPtr& data, const Variant& mode) {
  if (freezeCount_ > 0) return;
  ComVariant args[2];
  ToComVariant(mode, *args[0].get());  // reversed: the last argument first
  ToComVariant(Variant(data), *args[1].get());
  VARIANT raw[2] = {*args[0], *args[1]};
  DISPPARAMS params{raw, nullptr, 2, 0};
  for (auto& sink : events_.Sinks<IDispatch>())
    sink->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, nullptr, nullptr,
                 nullptr);
}

}  // namespace velkor::com

// The control's embedding: the OLE object, control, in-place object, view and
// quick-activation interfaces a container uses to place, size, show, draw and
// close a control that is invisible at run time.
#include <olectl.h>

#include "com/server/ComGuids.h"
#include "com/server/ControlObject.h"
#include "com/server/Registration.h"
#include "com/server/SiteAdapter.h"

namespace velkor::com {

namespace {

bool IsActivatingVerb(LONG verb) {
  return verb == OLEIVERB_PRIMARY || verb == OLEIVERB_SHOW || verb == OLEIVERB_INPLACEACTIVATE ||
         verb == OLEIVERB_UIACTIVATE;
}

}  // namespace

// ---- IOleObject -------------------------------------------------------------

::HRESULT ControlObject::SetClientSite(IOleClientSite* site) {
  site_->SetClientSite(site);
  return S_OK;
}

::HRESULT ControlObject::GetClientSite(IOleClientSite** out) {
  if (!out) return E_POINTER;
  *out = site_->ClientSite();
  if (*out) (*out)->AddRef();
  return S_OK;
}

::HRESULT ControlObject::Close(DWORD saveOption) {
  ComPtr<IOleObject> keep(this);
  if (saveOption != OLECLOSE_NOSAVE && dirty_ && site_->ClientSite())
    site_->ClientSite()->SaveObject();
  InPlaceDeactivate();
  TerminateControl();
  if (adviseHolder_) adviseHolder_->SendOnClose();
  return S_OK;
}

::HRESULT ControlObject::GetMoniker(DWORD, DWORD, IMoniker** out) {
  if (out) *out = nullptr;
  return E_NOTIMPL;
}

::HRESULT ControlObject::GetClipboardData(DWORD, IDataObject** out) {
  if (out) *out = nullptr;
  return E_NOTIMPL;
}

::HRESULT ControlObject::DoVerb(LONG verb, LPMSG, IOleClientSite* site, LONG, HWND, LPCRECT) {
  if (site && !site_->ClientSite()) site_->SetClientSite(site);
  if (verb == OLEIVERB_HIDE) return InPlaceDeactivate();
  if (!IsActivatingVerb(verb)) return OLEOBJ_S_INVALIDVERB;
  auto inPlace =
      ComPtr<IOleClientSite>(site_->ClientSite()).As<IOleInPlaceSite>(IID_IOleInPlaceSite);
  if (!inPlaceActive_ && inPlace) {
    if (inPlace->CanInPlaceActivate() != S_OK) return OLEOBJ_S_CANNOT_DOVERB_NOW;
    inPlace->OnInPlaceActivate();
    inPlaceActive_ = true;
  }
  return ShowControl();
}

::HRESULT ControlObject::EnumVerbs(IEnumOLEVERB** out) {
  if (out) *out = nullptr;
  return OLE_S_USEREG;
}

::HRESULT ControlObject::GetUserType(DWORD, LPOLESTR* out) {
  if (out) *out = nullptr;
  return OLE_S_USEREG;
}

::HRESULT ControlObject::SetExtent(DWORD aspect, SIZEL* size) {
  if (!size) return E_POINTER;
  if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
  extent_ = *size;
  ResizeControl();
  return S_OK;
}

::HRESULT ControlObject::GetExtent(DWORD aspect, SIZEL* size) {
  if (!size) return E_POINTER;
  if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
  *size = extent_;
  return S_OK;
}

::HRESULT ControlObject::Advise(IAdviseSink* sink, DWORD* cookie) {
  if (!cookie) return E_POINTER;
  if (!adviseHolder_) {
    const ::HRESULT hr = CreateOleAdviseHolder(adviseHolder_.Out());
    if (FAILED(hr)) return hr;
  }
  return adviseHolder_->Advise(sink, cookie);
}

::HRESULT ControlObject::Unadvise(DWORD cookie) {
  return adviseHolder_ ? adviseHolder_->Unadvise(cookie) : OLE_E_NOCONNECTION;
}

::HRESULT ControlObject::EnumAdvise(IEnumSTATDATA** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  return adviseHolder_ ? adviseHolder_->EnumAdvise(out) : S_OK;
}

::HRESULT ControlObject::GetMiscStatus(DWORD, DWORD* status) {
  if (!status) return E_POINTER;
  *status = ControlMiscStatus();
  return S_OK;
}

// ---- IOleControl ------------------------------------------------------------

::HRESULT ControlObject::GetControlInfo(CONTROLINFO* info) {
  if (!info) return E_POINTER;
  info->hAccel = nullptr;  // no mnemonics
  info->cAccel = 0;
  info->dwFlags = 0;
  return S_OK;
}

::HRESULT ControlObject::OnAmbientPropertyChange(DISPID id) {
  // The design/run mode decides what show records; take it again.
  if (id == DISPID_AMBIENT_USERMODE || id == DISPID_UNKNOWN) return ShowControl();
  return S_OK;
}

::HRESULT ControlObject::FreezeEvents(BOOL freeze) {
  freezeCount_ += freeze ? 1 : (freezeCount_ > 0 ? -1 : 0);
  return S_OK;
}

// ---- IOleInPlaceObject --------------------------------------------------------

::HRESULT ControlObject::GetWindow(HWND* out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  return E_FAIL;  // windowless: nothing to show at run time
}

::HRESULT ControlObject::InPlaceDeactivate() {
  if (!inPlaceActive_) return S_OK;
  inPlaceActive_ = false;
  auto inPlace =
      ComPtr<IOleClientSite>(site_->ClientSite()).As<IOleInPlaceSite>(IID_IOleInPlaceSite);
  if (inPlace) inPlace->OnInPlaceDeactivate();
  return S_OK;
}

::HRESULT ControlObject::SetObjectRects(LPCRECT position, LPCRECT) {
  if (!position) return E_POINTER;
  ResizeControl();
  return S_OK;
}

// ---- IViewObject2 -------------------------------------------------------------

::HRESULT ControlObject::Draw(DWORD aspect, LONG, void*, DVTARGETDEVICE*, HDC, HDC draw,
                              LPCRECTL bounds, LPCRECTL, BOOL(STDMETHODCALLTYPE*)(ULONG_PTR),
                              ULONG_PTR) {
  if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
  if (!draw || !bounds) return E_INVALIDARG;
  if (site_->AmbientUserMode()) return S_OK;  // invisible at run time
  // Design mode: a framed label, so that the control can be found and moved.
  RECT r{bounds->left, bounds->top, bounds->right, bounds->bottom};
  FrameRect(draw, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  DrawTextW(draw, L"ExcelTrendWizard", -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  return S_OK;
}

::HRESULT ControlObject::GetColorSet(DWORD, LONG, void*, DVTARGETDEVICE*, HDC, LOGPALETTE** out) {
  if (out) *out = nullptr;
  return S_FALSE;
}

::HRESULT ControlObject::SetAdvise(DWORD aspects, DWORD flags, IAdviseSink* sink) {
  viewAspects_ = aspects;
  viewFlags_ = flags;
  viewSink_ = ComPtr<IAdviseSink>(sink);
  return S_OK;
}

::HRESULT ControlObject::GetAdvise(DWORD* aspects, DWORD* flags, IAdviseSink** out) {
  if (aspects) *aspects = viewAspects_;
  if (flags) *flags = viewFlags_;
  if (out) *out = viewSink_.CopyOut();
  return S_OK;
}

::HRESULT ControlObject::GetExtent(DWORD aspect, LONG, DVTARGETDEVICE*, LPSIZEL size) {
  return GetExtent(aspect, size);
}

// ---- IQuickActivate -------------------------------------------------------------

::HRESULT ControlObject::QuickActivate(QACONTAINER* container, QACONTROL* control) {
  if (!container || !control) return E_POINTER;
  if (container->cbSize < sizeof(QACONTAINER) || control->cbSize < sizeof(QACONTROL))
    return E_INVALIDARG;
  SetClientSite(container->pClientSite);
  if (container->pAdviseSink) SetAdvise(DVASPECT_CONTENT, 0, container->pAdviseSink);
  control->dwMiscStatus = ControlMiscStatus();
  control->dwViewStatus = 0;
  control->dwEventCookie = 0;
  control->dwPropNotifyCookie = 0;
  control->dwPointerActivationPolicy = 0;
  if (container->pUnkEventSink) events_.Advise(container->pUnkEventSink, &control->dwEventCookie);
  if (container->pPropertyNotifySink)
    propertyNotify_.Advise(container->pPropertyNotifySink, &control->dwPropNotifyCookie);
  return S_OK;
}

::HRESULT ControlObject::SetContentExtent(LPSIZEL size) {
  return SetExtent(DVASPECT_CONTENT, size);
}

::HRESULT ControlObject::GetContentExtent(LPSIZEL size) {
  return GetExtent(DVASPECT_CONTENT, size);
}

}  // namespace velkor::com

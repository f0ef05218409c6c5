// Small COM objects a test container is made of: a late-bound object with
// named properties, the client site with its ambient properties and
// extender, a property bag in memory, and sinks that record what the control
// tells them. Each counts its references, so that a test can see that the
// control gave back every one it took.
#pragma once

#include <windows.h>

#include <ocidl.h>
#include <ole2.h>
#include <olectl.h>

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace velkor::comtest {

// IUnknown for one interface besides IUnknown; the count starts at 1 (the
// test's own reference) and the object is never deleted by Release, so that
// the test can look at the count after the control let go.
template <class... Interfaces>
class Counted : public Interfaces... {
 public:
  virtual ~Counted() = default;
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
  ULONG STDMETHODCALLTYPE Release() override { return --references; }
  ULONG references = 1;
};

// An IDispatch whose members are named properties with fixed values.
class PropertyObject : public Counted<IDispatch> {
 public:
  std::vector<std::pair<std::wstring, VARIANT>> properties;  // DISPID = index + 1

  ~PropertyObject() override {
    for (auto& p : properties) VariantClear(&p.second);
  }
  void Set(const std::wstring& name, const VARIANT& value) {
    VARIANT copy;
    VariantInit(&copy);
    VariantCopy(&copy, const_cast<VARIANT*>(&value));
    properties.emplace_back(name, copy);
  }
  ::HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    *out = nullptr;
    if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IDispatch)) return E_NOINTERFACE;
    *out = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
  }
  ::HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    *count = 0;
    return S_OK;
  }
  ::HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  ::HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID,
                                            DISPID* ids) override {
    ::HRESULT hr = S_OK;
    for (UINT i = 0; i < count; ++i) {
      ids[i] = DISPID_UNKNOWN;
      for (std::size_t k = 0; k < properties.size(); ++k)
        if (_wcsicmp(properties[k].first.c_str(), names[i]) == 0) ids[i] = DISPID(k + 1);
      if (ids[i] == DISPID_UNKNOWN) hr = DISP_E_UNKNOWNNAME;
    }
    return hr;
  }
  ::HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS*,
                                     VARIANT* result, EXCEPINFO*, UINT*) override {
    ++invokes;
    if (id < 1 || std::size_t(id) > properties.size()) return DISP_E_MEMBERNOTFOUND;
    if (!(flags & DISPATCH_PROPERTYGET)) return DISP_E_MEMBERNOTFOUND;
    return result ? VariantCopy(result, &properties[id - 1].second) : S_OK;
  }
  int invokes = 0;
};

// The client site: IOleClientSite, IOleControlSite (the extender), the
// ambient properties as IDispatch (UserMode only), and IOleInPlaceSite.
class TestSite : public Counted<IOleClientSite, IOleControlSite, IDispatch, IOleInPlaceSite> {
 public:
  bool userMode = true;
  bool withExtender = true;
  PropertyObject extender;
  int ambientReads = 0, saveRequests = 0, activations = 0, deactivations = 0;

  ::HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    *out = nullptr;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IOleClientSite))
      *out = static_cast<IOleClientSite*>(this);
    else if (IsEqualIID(iid, IID_IOleControlSite))
      *out = static_cast<IOleControlSite*>(this);
    else if (IsEqualIID(iid, IID_IDispatch))
      *out = static_cast<IDispatch*>(this);
    else if (IsEqualIID(iid, IID_IOleInPlaceSite) || IsEqualIID(iid, IID_IOleWindow))
      *out = static_cast<IOleInPlaceSite*>(this);
    else
      return E_NOINTERFACE;
    AddRef();
    return S_OK;
  }
  // IOleClientSite
  ::HRESULT STDMETHODCALLTYPE SaveObject() override {
    ++saveRequests;
    return S_OK;
  }
  ::HRESULT STDMETHODCALLTYPE GetMoniker(DWORD, DWORD, IMoniker**) override { return E_NOTIMPL; }
  ::HRESULT STDMETHODCALLTYPE GetContainer(IOleContainer**) override { return E_NOINTERFACE; }
  ::HRESULT STDMETHODCALLTYPE ShowObject() override { return S_OK; }
  ::HRESULT STDMETHODCALLTYPE OnShowWindow(BOOL) override { return S_OK; }
  ::HRESULT STDMETHODCALLTYPE RequestNewObjectLayout() override { return E_NOTIMPL; }
  // IOleControlSite
  ::HRESULT STDMETHODCALLTYPE OnControlInfoChanged() override { return S_OK; }
  ::HRESULT STDMETHODCALLTYPE LockInPlaceActive(BOOL) override { return S_OK; }
  ::HRESULT STDMETHODCALLTYPE GetExtendedControl(IDispatch** out) override {
    *out = nullptr;
    if (!withExtender) return E_NOTIMPL;
    *out = &extender;
    extender.AddRef();
    return S_OK;
  }
  ::HRESULT STDMETHODCALLTYPE TransformCoords(POINTL*, POINTF*, DWORD) override {
    return E_NOTIMPL;
  }
  ::HRESULT STDMETHODCALLTYPE TranslateAccelerator(MSG*, DWORD) override { return S_FALSE; }
  ::HRESULT STDMETHODCALLTYPE OnFocus(BOOL) override { return S_OK; }
  ::HRESULT STDMETHODCALLTYPE ShowPropertyFrame() override { return E_NOTIMPL; }
  // IDispatch: the ambient properties
  ::HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    *count = 0;
    return S_OK;
  }
  ::HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  ::HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return DISP_E_UNKNOWNNAME;
  }
  ::HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT* result,
                                     EXCEPINFO*, UINT*) override {
    if (id != DISPID_AMBIENT_USERMODE || !result) return DISP_E_MEMBERNOTFOUND;
    ++ambientReads;
    result->vt = VT_BOOL;
    result->boolVal = userMode ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
  }
  // IOleWindow, IOleInPlaceSite
  ::HRESULT STDMETHODCALLTYPE GetWindow(HWND* out) override {
    *out = nullptr;
    return E_FAIL;
  }
  ::HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
  ::HRESULT STDMETHODCALLTYPE CanInPlaceActivate() override { return S_OK; }
  ::HRESULT STDMETHODCALLTYPE OnInPlaceActivate() override {
    ++activations;
    return S_OK;
  }
  ::HRESULT STDMETHODCALLTYPE OnUIActivate() override { return S_OK; }
  ::HRESULT STDMETHODCALLTYPE GetWindowContext(IOleInPlaceFrame**, IOleInPlaceUIWindow**, LPRECT,
                                               LPRECT, LPOLEINPLACEFRAMEINFO) override {
    return E_NOTIMPL;
  }
  ::HRESULT STDMETHODCALLTYPE Scroll(SIZE) override { return E_NOTIMPL; }
  ::HRESULT STDMETHODCALLTYPE OnUIDeactivate(BOOL) override { return S_OK; }
  ::HRESULT STDMETHODCALLTYPE OnInPlaceDeactivate() override {
    ++deactivations;
    return S_OK;
  }
  ::HRESULT STDMETHODCALLTYPE DiscardUndoState() override { return S_OK; }
  ::HRESULT STDMETHODCALLTYPE DeactivateAndUndo() override { return S_OK; }
  ::HRESULT STDMETHODCALLTYPE OnPosRectChange(LPCRECT) override { return S_OK; }
};

// The container's property bag: keys in the order written, values as given.
class TestBag : public Counted<IPropertyBag> {
 public:
  std::vector<std::pair<std::wstring, VARIANT>> entries;

  ~TestBag() override {
    for (auto& e : entries) VariantClear(&e.second);
  }
  const VARIANT* Find(const std::wstring& key) const {
    for (const auto& e : entries)
      if (_wcsicmp(e.first.c_str(), key.c_str()) == 0) return &e.second;
    return nullptr;
  }
  ::HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    *out = nullptr;
    if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IPropertyBag)) return E_NOINTERFACE;
    *out = static_cast<IPropertyBag*>(this);
    AddRef();
    return S_OK;
  }
  ::HRESULT STDMETHODCALLTYPE Read(LPCOLESTR key, VARIANT* value, IErrorLog*) override {
    const VARIANT* found = Find(key);
    if (!found) return E_INVALIDARG;
    VARIANT* stored = const_cast<VARIANT*>(found);
    if (value->vt == VT_EMPTY) return VariantCopy(value, stored);
    return VariantChangeType(value, stored, 0, value->vt);
  }
  ::HRESULT STDMETHODCALLTYPE Write(LPCOLESTR key, VARIANT* value) override {
    VARIANT copy;
    VariantInit(&copy);
    const ::HRESULT hr = VariantCopy(&copy, value);
    if (FAILED(hr)) return hr;
    entries.emplace_back(key, copy);
    return S_OK;
  }
};

// Records the dispatch ids of every call (the control's events) and of every
// property change it is told of.
class RecordingSink : public Counted<IDispatch, IPropertyNotifySink> {
 public:
  struct Call {
    DISPID id;
    std::vector<VARTYPE> argTypes;  // in DISPPARAMS order (reversed)
    LONG lastArgLong;
  };
  std::vector<Call> calls;
  std::vector<DISPID> changes;

  ::HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    *out = nullptr;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch))
      *out = static_cast<IDispatch*>(this);
    else if (IsEqualIID(iid, IID_IPropertyNotifySink))
      *out = static_cast<IPropertyNotifySink*>(this);
    else
      return E_NOINTERFACE;
    AddRef();
    return S_OK;
  }
  ::HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    *count = 0;
    return S_OK;
  }
  ::HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  ::HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return DISP_E_UNKNOWNNAME;
  }
  ::HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*,
                                     EXCEPINFO*, UINT*) override {
    Call call{id, {}, 0};
    for (UINT i = 0; i < params->cArgs; ++i) call.argTypes.push_back(params->rgvarg[i].vt);
    if (params->cArgs && params->rgvarg[0].vt == VT_I4) call.lastArgLong = params->rgvarg[0].lVal;
    calls.push_back(call);
    return S_OK;
  }
  ::HRESULT STDMETHODCALLTYPE OnChanged(DISPID id) override {
    changes.push_back(id);
    return S_OK;
  }
  ::HRESULT STDMETHODCALLTYPE OnRequestEdit(DISPID) override { return S_OK; }
};

}  // namespace velkor::comtest

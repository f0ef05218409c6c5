// ControlObject: the ExcelTrendWizard control as a COM object a container can
// embed. It adapts the container's protocol to the control's own lifecycle
// (host::EmbeddedControl) and nothing else: initialize is the object's
// creation, read properties is Load, write properties is Save, resize is SetExtent or
// SetObjectRects, show is in-place activation, terminate is Close or the last
// Release. Late-bound and early-bound calls reach ExcelTrendWizard::Invoke
// through the bridge; the data controls' changes go out as the events of
// __ExcelTrendWizard to every connected sink.
//
// The control is invisible at run time: it has no window of its own and
// draws only a labelled frame while the container is in design mode.
#pragma once

// First: the generated interfaces declare their members with the platform's
// HRESULT, which the project's own alias of that name would otherwise hide.
#include "DualThunks.h"

#include <objsafe.h>
#include <ocidl.h>
#include <ole2.h>

// objsafe.h defines the option bits as macros with the names of the control's
// own constants.
#pragma push_macro("INTERFACESAFE_FOR_UNTRUSTED_CALLER")
#pragma push_macro("INTERFACESAFE_FOR_UNTRUSTED_DATA")
#undef INTERFACESAFE_FOR_UNTRUSTED_CALLER
#undef INTERFACESAFE_FOR_UNTRUSTED_DATA
#include "control/ExcelTrendWizard.h"
#pragma pop_macro("INTERFACESAFE_FOR_UNTRUSTED_DATA")
#pragma pop_macro("INTERFACESAFE_FOR_UNTRUSTED_CALLER")

#include <atomic>
#include <memory>
#include <string_view>

#include "com/bridge/ComPtr.h"
#include "com/bridge/LiveObjects.h"
#include "com/bridge/ObjectDispatch.h"
#include "com/bridge/RefCount.h"
#include "com/server/ConnectionPoint.h"

namespace velkor::com {

class SiteAdapter;

class ControlObject final : public ExcelTrendWizardDual,
                            public IProvideClassInfo2,
                            public IConnectionPointContainer,
                            public ISupportErrorInfo,
                            public ::IObjectSafety,
                            public IPersistPropertyBag,
                            public IPersistStreamInit,
                            public IOleObject,
                            public IOleControl,
                            public IOleInPlaceObject,
                            public IViewObject2,
                            public IQuickActivate,
                            public IHeldObject {
 public:
  // A new control with one reference, as IUnknown.
  static IUnknown* Create();
  // The COM object of a control of this thread, or null.
  static ControlObject* Of(const Object* control);

  // IUnknown
  ::HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  // IDispatch, through the type library's description of _ExcelTrendWizard
  ::HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  ::HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID, ITypeInfo** out) override;
  ::HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID,
                                            DISPID* ids) override;
  ::HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params,
                                     VARIANT* result, EXCEPINFO* info, UINT* argErr) override;
  ::HRESULT CallMember(DISPID id, WORD kind, VARIANT* args, UINT count, VARIANT* result) override;

  // IProvideClassInfo2
  ::HRESULT STDMETHODCALLTYPE GetClassInfo(ITypeInfo** out) override;
  ::HRESULT STDMETHODCALLTYPE GetGUID(DWORD kind, GUID* out) override;

  // IConnectionPointContainer
  ::HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints** out) override;
  ::HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID iid, IConnectionPoint** out) override;

  // ISupportErrorInfo
  ::HRESULT STDMETHODCALLTYPE InterfaceSupportsErrorInfo(REFIID iid) override;

  // IObjectSafety: the control's own answers.
  ::HRESULT STDMETHODCALLTYPE GetInterfaceSafetyOptions(REFIID iid, DWORD* supported,
                                                        DWORD* enabled) override;
  ::HRESULT STDMETHODCALLTYPE SetInterfaceSafetyOptions(REFIID iid, DWORD mask,
                                                        DWORD enabled) override;

  // IPersist, IPersistPropertyBag, IPersistStreamInit
  ::HRESULT STDMETHODCALLTYPE GetClassID(CLSID* out) override;
  ::HRESULT STDMETHODCALLTYPE InitNew() override;
  ::HRESULT STDMETHODCALLTYPE Load(IPropertyBag* bag, IErrorLog* log) override;
  ::HRESULT STDMETHODCALLTYPE Save(IPropertyBag* bag, BOOL clearDirty, BOOL saveAll) override;
  ::HRESULT STDMETHODCALLTYPE IsDirty() override;
  ::HRESULT STDMETHODCALLTYPE Load(LPSTREAM stream) override;
  ::HRESULT STDMETHODCALLTYPE Save(LPSTREAM stream, BOOL clearDirty) override;
  ::HRESULT STDMETHODCALLTYPE GetSizeMax(ULARGE_INTEGER* size) override;

  // IOleObject
  ::HRESULT STDMETHODCALLTYPE SetClientSite(IOleClientSite* site) override;
  ::HRESULT STDMETHODCALLTYPE GetClientSite(IOleClientSite** out) override;
  ::HRESULT STDMETHODCALLTYPE SetHostNames(LPCOLESTR, LPCOLESTR) override { return S_OK; }
  ::HRESULT STDMETHODCALLTYPE Close(DWORD saveOption) override;
  ::HRESULT STDMETHODCALLTYPE SetMoniker(DWORD, IMoniker*) override { return E_NOTIMPL; }
  ::HRESULT STDMETHODCALLTYPE GetMoniker(DWORD, DWORD, IMoniker** out) override;
  ::HRESULT STDMETHODCALLTYPE InitFromData(IDataObject*, BOOL, DWORD) override { return E_NOTIMPL; }
  ::HRESULT STDMETHODCALLTYPE GetClipboardData(DWORD, IDataObject** out) override;
  ::HRESULT STDMETHODCALLTYPE DoVerb(LONG verb, LPMSG, IOleClientSite*, LONG, HWND,
                                     LPCRECT) override;
  ::HRESULT STDMETHODCALLTYPE EnumVerbs(IEnumOLEVERB** out) override;
  ::HRESULT STDMETHODCALLTYPE Update() override { return S_OK; }
  ::HRESULT STDMETHODCALLTYPE IsUpToDate() override { return S_OK; }
  ::HRESULT STDMETHODCALLTYPE GetUserClassID(CLSID* out) override { return GetClassID(out); }
  ::HRESULT STDMETHODCALLTYPE GetUserType(DWORD, LPOLESTR* out) override;
  ::HRESULT STDMETHODCALLTYPE SetExtent(DWORD aspect, SIZEL* size) override;
  ::HRESULT STDMETHODCALLTYPE GetExtent(DWORD aspect, SIZEL* size) override;
  ::HRESULT STDMETHODCALLTYPE Advise(IAdviseSink* sink, DWORD* cookie) override;
  ::HRESULT STDMETHODCALLTYPE Unadvise(DWORD cookie) override;
  ::HRESULT STDMETHODCALLTYPE EnumAdvise(IEnumSTATDATA** out) override;
  ::HRESULT STDMETHODCALLTYPE GetMiscStatus(DWORD aspect, DWORD* status) override;
  ::HRESULT STDMETHODCALLTYPE SetColorScheme(LOGPALETTE*) override { return E_NOTIMPL; }

  // IOleControl
  ::HRESULT STDMETHODCALLTYPE GetControlInfo(CONTROLINFO* info) override;
  ::HRESULT STDMETHODCALLTYPE OnMnemonic(MSG*) override { return E_NOTIMPL; }
  ::HRESULT STDMETHODCALLTYPE OnAmbientPropertyChange(DISPID id) override;
  ::HRESULT STDMETHODCALLTYPE FreezeEvents(BOOL freeze) override;

  // IOleWindow, IOleInPlaceObject: no window of its own.
  ::HRESULT STDMETHODCALLTYPE GetWindow(HWND* out) override;
  ::HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
  ::HRESULT STDMETHODCALLTYPE InPlaceDeactivate() override;
  ::HRESULT STDMETHODCALLTYPE UIDeactivate() override { return S_OK; }
  ::HRESULT STDMETHODCALLTYPE SetObjectRects(LPCRECT position, LPCRECT clip) override;
  ::HRESULT STDMETHODCALLTYPE ReactivateAndUndo() override { return INPLACE_E_NOTUNDOABLE; }

  // IViewObject, IViewObject2
  ::HRESULT STDMETHODCALLTYPE Draw(DWORD aspect, LONG, void*, DVTARGETDEVICE*, HDC, HDC draw,
                                   LPCRECTL bounds, LPCRECTL, BOOL(STDMETHODCALLTYPE*)(ULONG_PTR),
                                   ULONG_PTR) override;
  ::HRESULT STDMETHODCALLTYPE GetColorSet(DWORD, LONG, void*, DVTARGETDEVICE*, HDC,
                                          LOGPALETTE** out) override;
  ::HRESULT STDMETHODCALLTYPE Freeze(DWORD, LONG, void*, DWORD*) override { return E_NOTIMPL; }
  ::HRESULT STDMETHODCALLTYPE Unfreeze(DWORD) override { return E_NOTIMPL; }
  ::HRESULT STDMETHODCALLTYPE SetAdvise(DWORD aspects, DWORD flags, IAdviseSink* sink) override;
  ::HRESULT STDMETHODCALLTYPE GetAdvise(DWORD* aspects, DWORD* flags, IAdviseSink** out) override;
  ::HRESULT STDMETHODCALLTYPE GetExtent(DWORD aspect, LONG, DVTARGETDEVICE*, LPSIZEL size) override;

  // IQuickActivate
  ::HRESULT STDMETHODCALLTYPE QuickActivate(QACONTAINER* container, QACONTROL* control) override;
  ::HRESULT STDMETHODCALLTYPE SetContentExtent(LPSIZEL size) override;
  ::HRESULT STDMETHODCALLTYPE GetContentExtent(LPSIZEL size) override;

  ObjectPtr HeldObject() override { return control_; }

 private:
  ControlObject();
  friend class RefCount;  // deletes the object with its last reference
  ~ControlObject();

  // The container's first InitNew or Load; CO_E_ALREADYINITIALIZED for a
  // second one.
  ::HRESULT BeginPersistence();
  // The container's calls on the control; nothing after terminate.
  void ResizeControl();
  ::HRESULT ShowControl();
  void TerminateControl();

  // The control changed a persisted property: dirty, and the container hears.
  void PropertyChanged(std::string_view name);
  // Raises event `id` of __ExcelTrendWizard at every connected sink.
  void FireEvent(DISPID id, const ObjectPtr& data, const Variant& mode);

  RefCount references_;
  LiveObject live_;
  std::shared_ptr<ExcelTrendWizard> control_;
  std::shared_ptr<SiteAdapter> site_;
  DispatchCore core_;
  ConnectionPoint events_;
  ConnectionPoint propertyNotify_;
  std::vector<Connection> eventConnections_;
  ComPtr<IOleAdviseHolder> adviseHolder_;
  ComPtr<IAdviseSink> viewSink_;
  DWORD viewAspects_ = 0;
  DWORD viewFlags_ = 0;
  SIZEL extent_{2540, 2540};  // HIMETRIC, one inch square until the container says
  int freezeCount_ = 0;
  bool persistenceStarted_ = false;
  bool inPlaceActive_ = false;
  bool terminated_ = false;
  bool dirty_ = false;
};

}  // namespace velkor::com

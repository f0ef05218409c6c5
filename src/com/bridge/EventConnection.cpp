#include "com/bridge/EventConnection.h"

#include <oleauto.h>

#include <atomic>
#include <string>
#include <vector>

#include "com/bridge/Bstr.h"
#include "com/bridge/ErrorBridge.h"
#include "com/bridge/LiveObjects.h"
#include "com/bridge/RefCount.h"
#include "com/bridge/TypeInfoReads.h"
#include "com/bridge/VariantBridge.h"
#include "platform/ErrorNumbers.h"
#include "platform/VbError.h"

namespace velkor::com {

namespace {

[[noreturn]] void RaiseNoEvents() {
  Raise(err::kNoSupport, {}, "The object announces no events");
}

ComPtr<ITypeInfo> SourceTypeInfo(IUnknown* source) {
  ComPtr<IProvideClassInfo> info;
  ComPtr<ITypeInfo> coclass;
  if (FAILED(source->QueryInterface(IID_IProvideClassInfo, reinterpret_cast<void**>(info.Out()))) ||
      FAILED(info->GetClassInfo(coclass.Out())))
    RaiseNoEvents();
  auto events = DefaultSourceOf(coclass.get());
  if (!events) RaiseNoEvents();
  return events;
}

// The sink: IDispatch for the source interface, each call handed on by name.
class Sink final : public IDispatch {
 public:
  Sink(ComPtr<ITypeInfo> events, const IID& iid, EventHandler handler)
      : events_(std::move(events)), iid_(iid), handler_(std::move(handler)) {}

  ::HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IDispatch) && !IsEqualIID(iid, iid_))
      return E_NOINTERFACE;
    *out = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return references_.Add(); }
  ULONG STDMETHODCALLTYPE Release() override { return references_.Drop(this); }

  ::HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (!count) return E_POINTER;
    *count = 1;
    return S_OK;
  }
  ::HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID, ITypeInfo** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (index != 0) return DISP_E_BADINDEX;
    *out = events_.CopyOut();
    return S_OK;
  }
  ::HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID,
                                            DISPID* ids) override {
    return events_->GetIDsOfNames(names, count, ids);
  }
  ::HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params,
                                     VARIANT* result, EXCEPINFO* info, UINT*) override {
    if (result) VariantInit(result);
    BSTR name = nullptr;
    UINT found = 0;
    if (FAILED(events_->GetNames(id, &name, 1, &found)) || found == 0) return DISP_E_MEMBERNOTFOUND;
    const std::string event = FromBstr(name);
    SysFreeString(name);
    return Guarded(info, [&] { Deliver(event, params); });
  }

 private:
  friend class ::velkor::com::RefCount;  // deletes the sink with its last reference
  ~Sink() = default;

  // Arguments come last-first; by-reference ones go back after the handler.
  void Deliver(const std::string& event, DISPPARAMS* params) {
    const UINT n = params ? params->cArgs : 0;
    std::vector<Variant> args;
    for (UINT i = 0; i < n; ++i) args.push_back(FromComVariant(params->rgvarg[n - 1 - i]));
    handler_(event, args);
    for (UINT i = 0; i < n; ++i) {
      VARIANT& given = params->rgvarg[n - 1 - i];
      if (V_VT(&given) & VT_BYREF) WriteBack(args[i], given);
    }
  }

  ComPtr<ITypeInfo> events_;
  IID iid_;
  EventHandler handler_;
  RefCount references_;
  LiveObject live_;
};

}  // namespace

std::unique_ptr<EventConnection> EventConnection::Connect(IUnknown* source, EventHandler handler) {
  if (!source) RaiseNoEvents();
  auto events = SourceTypeInfo(source);
  const IID iid = GuidOf(events.get());
  ComPtr<IConnectionPointContainer> container;
  ComPtr<IConnectionPoint> point;
  if (FAILED(source->QueryInterface(IID_IConnectionPointContainer,
                                    reinterpret_cast<void**>(container.Out()))) ||
      FAILED(container->FindConnectionPoint(iid, point.Out())))
    RaiseNoEvents();
  auto sink = ComPtr<IDispatch>::Adopt(new Sink(std::move(events), iid, std::move(handler)));
  DWORD cookie = 0;
  Check(point->Advise(sink.get(), &cookie));
  return std::unique_ptr<EventConnection>(new EventConnection(std::move(point), cookie, iid));
}

EventConnection::EventConnection(ComPtr<IConnectionPoint> point, DWORD cookie, const IID& iid)
    : point_(std::move(point)), cookie_(cookie), iid_(iid) {}

EventConnection::~EventConnection() {
  point_->Unadvise(cookie_);
}

}  // namespace velkor::com

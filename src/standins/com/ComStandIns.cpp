#include "standins/com/ComStandIns.h"

#include <ocidl.h>
#include <olectl.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "com/bridge/Bstr.h"
#include "com/bridge/ComPtr.h"
#include "com/bridge/ObjectDispatch.h"
#include "com/bridge/TypeInfoReads.h"
#include "com/bridge/VariantBridge.h"
#include "com/server/ConnectionLists.h"
#include "com/server/ConnectionPoint.h"

namespace velkor::sim {

namespace {

using com::ComPtr;

// The class of one type name and, when it raises events, its source
// interface.
struct StandInClass {
  ComPtr<ITypeInfo> coclass;
  ComPtr<ITypeInfo> source;  // null: no events
  IID sourceIid{};
};

std::map<std::string, StandInClass>& Classes() {
  static std::map<std::string, StandInClass> classes;
  return classes;
}

// The [default, source] interface of a class, if any.
void FindSource(StandInClass& cls) {
  cls.source = com::DefaultSourceOf(cls.coclass.get());
  if (cls.source) cls.sourceIid = com::GuidOf(cls.source.get());
}

// One argument of an event on its way to a sink: by value, or through a
// reference to a variable of the parameter's type that the sink may change.
struct EventArgument {
  com::ComVariant value;
  com::ComVariant reference;  // VT_BYREF into `value`; empty when by value
};

// Whether parameter `i` of `desc` is passed by reference, and to what type.
std::optional<VARTYPE> ReferencedType(const FUNCDESC& desc, SHORT i) {
  const TYPEDESC& type = desc.lprgelemdescParam[i].tdesc;
  if (type.vt != VT_PTR || !type.lptdesc) return std::nullopt;
  return type.lptdesc->vt;
}

class StandInDispatch final : public com::DispatchOf<IDispatch>,
                              public IProvideClassInfo,
                              public IConnectionPointContainer {
 public:
  StandInDispatch(ObjectPtr object, const StandInClass& cls)
      : DispatchOf(std::move(object), nullptr, IID_IDispatch), class_(cls) {
    if (class_.source)
      events_.emplace(static_cast<IConnectionPointContainer*>(this), class_.sourceIid, true);
  }

  // IUnknown, for every interface: the stand-in's members come by name
  // through DispatchOf.
  ::HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    return DispatchOf::QueryInterface(iid, out);
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return DispatchOf::AddRef(); }
  ULONG STDMETHODCALLTYPE Release() override { return DispatchOf::Release(); }

  // IProvideClassInfo
  ::HRESULT STDMETHODCALLTYPE GetClassInfo(ITypeInfo** out) override {
    if (!out) return E_POINTER;
    *out = class_.coclass.get();
    (*out)->AddRef();
    return S_OK;
  }

  // IConnectionPointContainer
  ::HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints** out) override {
    if (!out) return E_POINTER;
    std::vector<IConnectionPoint*> points = {&*events_};
    *out = com::EnumerateHeld<IEnumConnectionPoints>(std::move(points), IID_IEnumConnectionPoints);
    return *out ? S_OK : E_OUTOFMEMORY;
  }
  ::HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID iid, IConnectionPoint** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (!IsEqualIID(iid, events_->iid())) return CONNECT_E_NOCONNECTION;
    // The stand-in's events are fetched once somebody may listen.
    if (!subscription_.Connected()) Subscribe();
    *out = &*events_;
    (*out)->AddRef();
    return S_OK;
  }

 private:
  void* MoreInterfaces(REFIID iid) override {
    if (IsEqualIID(iid, IID_IProvideClassInfo)) return static_cast<IProvideClassInfo*>(this);
    if (IsEqualIID(iid, IID_IConnectionPointContainer) && events_)
      return static_cast<IConnectionPointContainer*>(this);
    return nullptr;
  }

  void Subscribe() {
    subscription_ = core().object()->ConnectEvents(
        [this](std::string_view event, std::span<Variant> args) { Fire(event, args); });
  }

  // Calls every sink with the event's dispatch id, found by name in the
  // source interface, and hands back what the sinks left in by-reference
  // arguments.
  void Fire(std::string_view event, std::span<Variant> args) {
    ComPtr<IDispatch> keep(static_cast<IDispatch*>(this));  // a sink may drop the last reference
    MEMBERID id = MEMBERID_NIL;
    std::wstring name = com::ToWide(event);
    LPOLESTR names[] = {name.data()};
    if (FAILED(class_.source->GetIDsOfNames(names, 1, &id))) return;
    std::vector<EventArgument> arguments(args.size());
    PrepareArguments(id, args, arguments);
    std::vector<VARIANT> reversed;
    for (auto it = arguments.rbegin(); it != arguments.rend(); ++it)
      reversed.push_back(it->reference->vt != VT_EMPTY ? *it->reference : *it->value);
    DISPPARAMS params{reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
    for (auto& sink : events_->Sinks<IDispatch>())
      sink->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, nullptr, nullptr,
                   nullptr);
    for (std::size_t i = 0; i < args.size(); ++i)
      if (arguments[i].reference->vt != VT_EMPTY)
        args[i] = com::FromComVariant(*arguments[i].value);
  }

  // Each argument as the source interface declares it: by-reference ones
  // converted to the referenced type first.
  void PrepareArguments(MEMBERID id, std::span<Variant> args, std::vector<EventArgument>& out) {
    const FUNCDESC* desc = FindFunction(id);
    for (std::size_t i = 0; i < args.size(); ++i) {
      com::ToComVariant(args[i], *out[i].value.get());
      const auto referenced = desc && static_cast<SHORT>(i) < desc->cParams
                                  ? ReferencedType(*desc, static_cast<SHORT>(i))
                                  : std::nullopt;
      if (!referenced) continue;
      if (*referenced != VT_VARIANT &&
          FAILED(VariantChangeType(out[i].value.get(), out[i].value.get(), 0, *referenced)))
        continue;
      VARIANT* reference = out[i].reference.get();
      if (*referenced == VT_VARIANT) {
        reference->vt = VT_BYREF | VT_VARIANT;
        reference->pvarVal = out[i].value.get();
      } else {
        reference->vt = VT_BYREF | *referenced;
        reference->byref = &out[i].value.get()->boolVal;  // the value's storage, whatever its type
      }
    }
    if (desc) class_.source->ReleaseFuncDesc(const_cast<FUNCDESC*>(desc));
  }

  const FUNCDESC* FindFunction(MEMBERID id) {
    TYPEATTR* attr = nullptr;
    if (FAILED(class_.source->GetTypeAttr(&attr))) return nullptr;
    const WORD count = attr->cFuncs;
    class_.source->ReleaseTypeAttr(attr);
    for (UINT i = 0; i < count; ++i) {
      FUNCDESC* desc = nullptr;
      if (FAILED(class_.source->GetFuncDesc(i, &desc))) continue;
      if (desc->memid == id) return desc;
      class_.source->ReleaseFuncDesc(desc);
    }
    return nullptr;
  }

  const StandInClass& class_;
  std::optional<com::ConnectionPoint> events_;
  EventSubscription subscription_;
};

IDispatch* ExposeStandIn(ObjectPtr object) {
  const auto found = Classes().find(object->TypeName());
  auto* made = new StandInDispatch(std::move(object), found->second);
  made->BecomeIdentity();
  return made;
}

}  // namespace

void ExposeStandInsToCom(ITypeLib* library) {
  const UINT count = library->GetTypeInfoCount();
  for (UINT i = 0; i < count; ++i) {
    TYPEKIND kind{};
    if (FAILED(library->GetTypeInfoType(i, &kind)) || kind != TKIND_COCLASS) continue;
    StandInClass cls;
    BSTR name = nullptr;
    if (FAILED(library->GetTypeInfo(i, cls.coclass.Out())) ||
        FAILED(library->GetDocumentation(static_cast<INT>(i), &name, nullptr, nullptr, nullptr)))
      continue;
    const std::string typeName = com::FromBstr(name);
    SysFreeString(name);
    FindSource(cls);
    Classes()[typeName] = std::move(cls);
    com::RegisterExposer(Classes().find(typeName)->first, &ExposeStandIn);
  }
}

ITypeLib* LoadStandInTypeLib() {
  wchar_t path[MAX_PATH] = {};
  if (!GetModuleFileNameW(nullptr, path, MAX_PATH)) return nullptr;
  ITypeLib* library = nullptr;
  return SUCCEEDED(LoadTypeLibEx(path, REGKIND_NONE, &library)) ? library : nullptr;
}

}  // namespace velkor::sim

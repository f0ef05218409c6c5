#include "com/bridge/ObjectDispatch.h"

#include <algorithm>
#include <cwchar>
#include <map>
#include <mutex>
#include <optional>

#include "com/bridge/Bstr.h"
#include "com/bridge/DispatchObject.h"
#include "com/bridge/ErrorBridge.h"
#include "com/bridge/VariantBridge.h"
#include "platform/ErrorNumbers.h"
#include "platform/ForeignObject.h"
#include "platform/Utf8.h"

namespace velkor::com {

namespace {

constexpr DISPID kFirstId = 1;
constexpr std::string_view kNewEnum = "_NewEnum";
// No member takes more; a named position beyond it is the caller's mistake,
// not a reason to make room for it.
constexpr std::size_t kMaxArguments = 255;

std::string Folded(std::string_view name) {
  return utf8::Map(name, utf8::ToLower);
}

struct Exposers {
  std::mutex lock;
  std::map<std::string, ExposerFn, std::less<>> byType;
};

Exposers& TheExposers() {
  static Exposers exposers;
  return exposers;
}

// The wrapper Expose last made for each object, while it lives.
struct Identities {
  std::mutex lock;
  std::map<const Object*, std::pair<IDispatch*, const DispatchCore*>> byObject;
};

Identities& TheIdentities() {
  static Identities identities;
  return identities;
}

// A new reference on the object's living wrapper, or null.
IDispatch* IdentityOf(const Object* object) {
  Identities& all = TheIdentities();
  std::lock_guard<std::mutex> guard(all.lock);
  auto it = all.byObject.find(object);
  if (it == all.byObject.end()) return nullptr;
  it->second.first->AddRef();
  return it->second.first;
}

ExposerFn ExposerOf(std::string_view typeName) {
  Exposers& all = TheExposers();
  std::lock_guard<std::mutex> guard(all.lock);
  auto it = all.byType.find(typeName);
  return it == all.byType.end() ? nullptr : it->second;
}

// A put's value and, for a put by reference, which of Let and Set it is.
InvokeKind PutKind(WORD flags, const Variant& value) {
  const bool let = flags & DISPATCH_PROPERTYPUT;
  const bool set = flags & DISPATCH_PROPERTYPUTREF;
  if (let && set) return value.IsObject() ? InvokeKind::PropertySet : InvokeKind::PropertyLet;
  return set ? InvokeKind::PropertySet : InvokeKind::PropertyLet;
}

InvokeKind ReadKind(WORD flags, std::size_t argCount) {
  const bool method = flags & DISPATCH_METHOD;
  const bool get = flags & DISPATCH_PROPERTYGET;
  if (method && get) return argCount == 0 ? InvokeKind::PropertyGet : InvokeKind::Method;
  return get ? InvokeKind::PropertyGet : InvokeKind::Method;
}

// Leaves a return-value slot holding nothing, so a failed call hands back no
// stale pointer.
void ClearSlot(VARIANT* result) {
  if (!result || !(V_VT(result) & VT_BYREF) || !V_BYREF(result)) return;
  const VARTYPE vt = V_VT(result) & ~VT_BYREF;
  if (vt == VT_VARIANT) {
    VariantInit(V_VARIANTREF(result));
  } else if (vt == VT_BSTR || vt == VT_DISPATCH || vt == VT_UNKNOWN || (vt & VT_ARRAY)) {
    *static_cast<void**>(V_BYREF(result)) = nullptr;
  }
}

// What DISPID_NEWENUM hands back: an array becomes an enumerator over its
// elements, as callers of that member expect an IEnumVARIANT.
Variant EnumerationResult(DISPID id, Variant value) {
  if (id != DISPID_NEWENUM || !value.IsArray()) return value;
  IEnumVARIANT* items = MakeEnumerator(value.AsArray().items());
  return Variant(DispatchObject::Wrap(ComPtr<IEnumVARIANT>::Adopt(items).get()));
}

// The DISPPARAMS of one Invoke in declaration order: which VARIANT each
// argument comes from (null for a gap, which is Missing).
std::optional<std::vector<VARIANT*>> Arrange(DISPPARAMS& params, bool put) {
  const UINT total = params.cArgs;
  const UINT named = params.cNamedArgs;
  if (named > total || (total && !params.rgvarg) || (named && !params.rgdispidNamedArgs))
    return std::nullopt;
  const UINT positional = total - named;
  std::vector<VARIANT*> sources(positional);
  for (UINT i = 0; i < positional; ++i) sources[i] = &params.rgvarg[total - 1 - i];
  VARIANT* putValue = nullptr;
  for (UINT k = 0; k < named; ++k) {
    const DISPID position = params.rgdispidNamedArgs[k];
    if (position == DISPID_PROPERTYPUT && put) {
      putValue = &params.rgvarg[k];
      continue;
    }
    const auto at = static_cast<std::size_t>(position);
    if (position < 0 || at >= kMaxArguments) return std::nullopt;
    if (at >= sources.size()) sources.resize(at + 1, nullptr);
    if (sources[at]) return std::nullopt;  // named twice, or also positional
    sources[at] = &params.rgvarg[k];
  }
  if (put) {
    if (!putValue && positional > 0) {  // passed positionally, the value comes last
      putValue = sources[positional - 1];
      sources.erase(sources.begin() + (positional - 1));
    }
    if (!putValue) return std::nullopt;
    sources.push_back(putValue);
  }
  return sources;
}

// Writes the arguments back into the caller's by-reference VARIANTs.
void WriteBackAll(const std::vector<Variant>& args, const std::vector<VARIANT*>& sources) {
  for (std::size_t i = 0; i < sources.size(); ++i) {
    if (sources[i]) WriteBack(args[i], *sources[i]);
  }
}

// The implemented type of a class that is its default interface (the first
// one when none is marked).
UINT DefaultImplType(ITypeInfo* cls, UINT count) {
  for (UINT i = 0; i < count; ++i) {
    INT flags = 0;
    if (SUCCEEDED(cls->GetImplTypeFlags(i, &flags)) && (flags & IMPLTYPEFLAG_FDEFAULT) &&
        !(flags & IMPLTYPEFLAG_FSOURCE))
      return i;
  }
  return 0;
}

// The interface a type description stands for: a class's default interface
// (as CreateDispTypeInfo hands out), an interface as it is.
ComPtr<ITypeInfo> InterfaceOf(ITypeInfo* info) {
  ComPtr<ITypeInfo> out(info);
  TYPEATTR* attributes = nullptr;
  if (!info || FAILED(info->GetTypeAttr(&attributes))) return out;
  const UINT count = attributes->typekind == TKIND_COCLASS ? attributes->cImplTypes : 0;
  info->ReleaseTypeAttr(attributes);
  HREFTYPE ref = 0;
  ComPtr<ITypeInfo> itf;
  if (count > 0 && SUCCEEDED(info->GetRefTypeOfImplType(DefaultImplType(info, count), &ref)) &&
      SUCCEEDED(info->GetRefTypeInfo(ref, itf.Out())))
    out = itf;
  return out;
}

}  // namespace

ObjectPtr UnwrapObject(IUnknown* unknown) {
  if (!unknown) return nullptr;
  ComPtr<IHeldObject> held;
  if (FAILED(unknown->QueryInterface(kIID_IHeldObject, reinterpret_cast<void**>(held.Out()))))
    return nullptr;
  return held->Module() == ModuleTag() ? held->HeldObject() : nullptr;
}

void RegisterExposer(std::string_view typeName, ExposerFn make) {
  Exposers& all = TheExposers();
  std::lock_guard<std::mutex> guard(all.lock);
  all.byType[std::string(typeName)] = make;
}

IDispatch* ExposeGeneric(ObjectPtr object) {
  return DispatchOf<IDispatch>::Create(std::move(object));
}

IDispatch* Expose(const ObjectPtr& given) {
  // An adapter goes out as the outside object it gives an interface to.
  const ObjectPtr object = Underlying(given);
  if (!object) return nullptr;
  if (auto* outside = dynamic_cast<DispatchObject*>(object.get()); outside && outside->dispatch()) {
    outside->dispatch()->AddRef();
    return outside->dispatch();
  }
  if (IDispatch* same = IdentityOf(object.get())) return same;
  ExposerFn make = ExposerOf(object->TypeName());
  IDispatch* made = make ? make(object) : ExposeGeneric(object);
  ComPtr<IHeldObject> held;
  if (made &&
      SUCCEEDED(made->QueryInterface(kIID_IHeldObject, reinterpret_cast<void**>(held.Out()))) &&
      held->HeldObject() == object)
    held->BecomeIdentity();
  return made;
}

// ---------------------------------------------------------------- DispatchCore

DispatchCore::DispatchCore(ObjectPtr object, ITypeInfo* typeInfo)
    : object_(std::move(object)), typeInfo_(InterfaceOf(typeInfo)) {}

DispatchCore::~DispatchCore() {
  Identities& all = TheIdentities();
  std::lock_guard<std::mutex> guard(all.lock);
  auto it = all.byObject.find(object_.get());
  if (it != all.byObject.end() && it->second.second == this) all.byObject.erase(it);
}

void DispatchCore::BecomeIdentity(IDispatch* self) {
  Identities& all = TheIdentities();
  std::lock_guard<std::mutex> guard(all.lock);
  all.byObject[object_.get()] = {self, this};
}

::HRESULT DispatchCore::GetTypeInfoCount(UINT* count) const {
  if (!count) return E_POINTER;
  *count = typeInfo_ ? 1 : 0;
  return S_OK;
}

::HRESULT DispatchCore::GetTypeInfo(UINT index, ITypeInfo** out) const {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (!typeInfo_ || index != 0) return DISP_E_BADINDEX;
  *out = typeInfo_.CopyOut();
  return S_OK;
}

::HRESULT DispatchCore::GetIDsOfNames(LPOLESTR* names, UINT count, DISPID* ids) {
  if (!names || !ids) return E_POINTER;
  if (count == 0) return S_OK;
  if (typeInfo_) return typeInfo_->GetIDsOfNames(names, count, ids);
  ::HRESULT hr = S_OK;
  try {
    ids[0] = IdOf(FromWide(names[0], std::wcslen(names[0])));
  } catch (...) {
    return E_OUTOFMEMORY;
  }
  // Without type information parameter names are unknown.
  for (UINT k = 1; k < count; ++k) {
    ids[k] = DISPID_UNKNOWN;
    hr = DISP_E_UNKNOWNNAME;
  }
  return hr;
}

DISPID DispatchCore::IdOf(std::string_view name) {
  if (name.empty()) return DISPID_VALUE;
  std::string key = Folded(name);
  if (key == Folded(kNewEnum)) return DISPID_NEWENUM;
  auto [it, added] = ids_.try_emplace(std::move(key), 0);
  if (added) {
    it->second = kFirstId + static_cast<DISPID>(names_.size());
    names_.emplace_back(name);
  }
  return it->second;
}

std::optional<std::string> DispatchCore::MemberName(DISPID id) const {
  if (typeInfo_) {
    BSTR name = nullptr;
    UINT found = 0;
    if (SUCCEEDED(typeInfo_->GetNames(id, &name, 1, &found)) && found == 1) {
      std::string out = FromBstr(name);
      SysFreeString(name);
      return out;
    }
  }
  if (id == DISPID_VALUE) return std::string();
  if (id == DISPID_NEWENUM) return std::string(kNewEnum);
  const auto index = static_cast<std::size_t>(id - kFirstId);
  if (id < kFirstId || index >= names_.size()) return std::nullopt;
  return names_[index];
}

Variant DispatchCore::CallAndWriteBack(const std::string& member, InvokeKind kind,
                                       std::vector<Variant>& args,
                                       const std::vector<VARIANT*>& sources) {
  Variant value;
  try {
    value = Deref(object_).Invoke(member, kind, args);
  } catch (...) {
    try {
      WriteBackAll(args, sources);
    } catch (...) {  // the call's own error is the one to report
    }
    throw;
  }
  WriteBackAll(args, sources);
  return value;
}

::HRESULT DispatchCore::Invoke(DISPID id, WORD flags, DISPPARAMS* params, VARIANT* result,
                               EXCEPINFO* info, UINT* argErr) {
  const std::optional<std::string> member = MemberName(id);
  if (!member) return DISP_E_MEMBERNOTFOUND;
  DISPPARAMS none{nullptr, nullptr, 0, 0};
  const bool put = flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF);
  const auto sources = Arrange(params ? *params : none, put);
  if (!sources) return put ? DISP_E_PARAMNOTOPTIONAL : DISP_E_PARAMNOTFOUND;

  std::vector<Variant> args(sources->size(), Variant::Missing());
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (!(*sources)[i]) continue;
    try {
      args[i] = FromComVariant(*(*sources)[i]);
    } catch (...) {
      if (argErr) *argErr = static_cast<UINT>((*sources)[i] - params->rgvarg);
      return DISP_E_TYPEMISMATCH;
    }
  }
  const InvokeKind kind = put ? PutKind(flags, args.back()) : ReadKind(flags, args.size());
  if (result) VariantInit(result);
  return Guarded(info, [&] {
    const Variant value = EnumerationResult(id, CallAndWriteBack(*member, kind, args, *sources));
    if (result) ToComVariant(value, *result);
  });
}

::HRESULT DispatchCore::CallMember(DISPID id, WORD kind, VARIANT* args, UINT count, VARIANT* result,
                                   REFIID iid) {
  ClearSlot(result);
  return GuardedVtable(iid, [&] {
    const std::optional<std::string> member = MemberName(id);
    if (!member) Raise(err::kNoSupport);
    std::vector<Variant> values;
    std::vector<VARIANT*> sources;
    for (UINT i = 0; i < count; ++i) {
      values.push_back(FromComVariant(args[i]));
      sources.push_back(&args[i]);
    }
    const InvokeKind invokeKind = kind == DISPATCH_PROPERTYPUTREF ? InvokeKind::PropertySet
                                  : kind == DISPATCH_PROPERTYPUT  ? InvokeKind::PropertyLet
                                  : kind == DISPATCH_PROPERTYGET  ? InvokeKind::PropertyGet
                                                                  : InvokeKind::Method;
    const Variant value =
        EnumerationResult(id, CallAndWriteBack(*member, invokeKind, values, sources));
    if (result) StoreResult(value, *result);
  });
}

}  // namespace velkor::com

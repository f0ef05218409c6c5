#include "com/bridge/DispatchObject.h"

#include <windows.h>

#include <ocidl.h>

#include <atomic>

#include "com/bridge/Bstr.h"
#include "com/bridge/ErrorBridge.h"
#include "com/bridge/EventConnection.h"
#include "com/bridge/ListEnumerator.h"
#include "com/bridge/LiveObjects.h"
#include "com/bridge/ObjectDispatch.h"
#include "com/bridge/VariantBridge.h"
#include "platform/ErrorNumbers.h"
#include "platform/Utf8.h"

namespace velkor::com {

namespace {

constexpr std::string_view kNewEnum = "_newenum";

// The name of the type behind `info`; a dual interface's leading
// underscore dropped, as its coclass is named.
std::string NameOf(ITypeInfo* info) {
  Bstr name;
  if (!info || FAILED(info->GetDocumentation(MEMBERID_NIL, name.Out(), nullptr, nullptr, nullptr)))
    return {};
  std::string out = name.Utf8();
  if (out.size() > 1 && out.front() == '_') out.erase(0, 1);
  return out;
}

WORD FlagsOf(InvokeKind kind) {
  switch (kind) {
    case InvokeKind::PropertyGet:
      return DISPATCH_PROPERTYGET;
    case InvokeKind::PropertyLet:
      return DISPATCH_PROPERTYPUT;
    case InvokeKind::PropertySet:
      return DISPATCH_PROPERTYPUTREF;
    case InvokeKind::Method:
      break;
  }
  return DISPATCH_METHOD | DISPATCH_PROPERTYGET;
}

// The VARIANTs of one outgoing call: the values, and what DISPPARAMS passes
// (a reference to each value, so the callee can write back; Missing and a
// put's value by value).
class OutgoingArgs {
 public:
  OutgoingArgs(std::span<Variant> args, bool put) : values_(args.size()), refs_(args.size()) {
    for (VARIANT& v : values_) VariantInit(&v);
    try {
      Convert(args, put);
    } catch (...) {
      Clear();
      throw;
    }
  }
  OutgoingArgs(const OutgoingArgs&) = delete;
  OutgoingArgs& operator=(const OutgoingArgs&) = delete;
  ~OutgoingArgs() { Clear(); }

  VARIANT* passed() { return refs_.data(); }
  // Copies what the callee left in the referenced values back to `args`.
  void ReadBack(std::span<Variant> args) const {
    for (std::size_t i = 0; i < args.size(); ++i) {
      if (V_VT(&refs_[args.size() - 1 - i]) & VT_BYREF) args[i] = FromComVariant(values_[i]);
    }
  }

 private:
  void Convert(std::span<Variant> args, bool put) {
    const std::size_t n = args.size();
    for (std::size_t i = 0; i < n; ++i) {
      ToComVariant(args[i], values_[i]);
      VARIANT& passed = refs_[n - 1 - i];  // DISPPARAMS holds them reversed
      const bool byValue = args[i].IsMissing() || (put && i + 1 == n);
      if (byValue) {
        passed = values_[i];
      } else {
        V_VT(&passed) = VT_BYREF | VT_VARIANT;
        V_VARIANTREF(&passed) = &values_[i];
      }
    }
  }
  void Clear() {
    for (VARIANT& v : values_) VariantClear(&v);
  }

  std::vector<VARIANT> values_;
  std::vector<VARIANT> refs_;
};

}  // namespace

DispatchObject::DispatchObject(ComPtr<IUnknown> unknown)
    : unknown_(std::move(unknown)),
      dispatch_(unknown_.As<IDispatch>(IID_IDispatch)),
      identity_(unknown_.As<IUnknown>(IID_IUnknown)) {}

EventSubscription DispatchObject::ConnectEvents(EventSink sink) {
  std::shared_ptr<EventConnection> connection =
      EventConnection::Connect(unknown_.get(), std::move(sink));
  return EventSubscription(std::move(connection));
}

ObjectPtr DispatchObject::Wrap(IUnknown* unknown) {
  if (!unknown) return nullptr;
  if (ObjectPtr own = UnwrapObject(unknown)) return own;
  return std::make_shared<DispatchObject>(ComPtr<IUnknown>(unknown));
}

std::string DispatchObject::TypeName() const {
  if (auto classInfo = unknown_.As<IProvideClassInfo>(IID_IProvideClassInfo)) {
    ComPtr<ITypeInfo> info;
    if (SUCCEEDED(classInfo->GetClassInfo(info.Out()))) {
      if (std::string name = NameOf(info.get()); !name.empty()) return name;
    }
  }
  UINT count = 0;
  if (dispatch_ && SUCCEEDED(dispatch_->GetTypeInfoCount(&count)) && count > 0) {
    ComPtr<ITypeInfo> info;
    if (SUCCEEDED(dispatch_->GetTypeInfo(0, LOCALE_USER_DEFAULT, info.Out()))) {
      if (std::string name = NameOf(info.get()); !name.empty()) return name;
    }
  }
  return "Object";
}

DISPID DispatchObject::IdOf(std::string_view member) {
  if (member.empty()) return DISPID_VALUE;
  std::string key = utf8::Map(member, utf8::ToLower);
  if (key == kNewEnum) return DISPID_NEWENUM;
  if (auto it = ids_.find(key); it != ids_.end()) return it->second;
  std::wstring wide = ToWide(member);
  LPOLESTR names[] = {wide.data()};
  DISPID id = DISPID_UNKNOWN;
  const ::HRESULT hr = dispatch_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
  if (FAILED(hr)) Raise(err::kNoSupport);
  ids_.emplace(std::move(key), id);
  return id;
}

Variant DispatchObject::Invoke(std::string_view member, InvokeKind kind, std::span<Variant> args) {
  if (!dispatch_) Raise(err::kNoSupport);
  const DISPID id = IdOf(member);
  const bool put = kind == InvokeKind::PropertyLet || kind == InvokeKind::PropertySet;
  if (put && args.empty()) Raise(err::kArgNotOptional);
  OutgoingArgs outgoing(args, put);
  DISPID putId = DISPID_PROPERTYPUT;
  DISPPARAMS params{outgoing.passed(), put ? &putId : nullptr, static_cast<UINT>(args.size()),
                    put ? 1u : 0u};
  ComVariant result;
  EXCEPINFO info{};
  UINT argErr = 0;
  const ::HRESULT hr = dispatch_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, FlagsOf(kind), &params,
                                         result.get(), &info, &argErr);
  outgoing.ReadBack(args);
  if (FAILED(hr)) {
    VbError error = ErrorFromHresult(hr, hr == DISP_E_EXCEPTION ? &info : nullptr);
    SysFreeString(info.bstrSource);
    SysFreeString(info.bstrDescription);
    SysFreeString(info.bstrHelpFile);
    throw error;
  }
  if (id == DISPID_NEWENUM &&
      (V_VT(result.get()) == VT_UNKNOWN || V_VT(result.get()) == VT_DISPATCH)) {
    ComPtr<IUnknown> unknown(V_UNKNOWN(result.get()));
    auto items = unknown.As<IEnumVARIANT>(IID_IEnumVARIANT);
    if (!items) Raise(err::kNoSupport);
    return Variant(SafeArray(EnumerateItems(items.get())));
  }
  return result.value();
}

std::vector<Variant> EnumerateItems(IEnumVARIANT* items) {
  std::vector<Variant> out;
  if (!items) return out;
  for (;;) {
    ComVariant item;
    ULONG fetched = 0;
    const ::HRESULT hr = items->Next(1, item.get(), &fetched);
    if (FAILED(hr)) RaiseFromHresult(hr);
    if (fetched == 0) break;
    out.push_back(item.value());
  }
  return out;
}

std::vector<Variant> EnumerateItems(IDispatch* collection) {
  DispatchObject wrapper{ComPtr<IUnknown>(collection)};
  Variant items = wrapper.Invoke(kNewEnum, InvokeKind::Method, {});
  if (!items.IsArray()) Raise(err::kTypeMismatch);
  return items.AsArray().items();
}

IEnumVARIANT* MakeEnumerator(std::vector<Variant> items) {
  auto* out = ListEnumerator<IEnumVARIANT, VARIANT, Variant>::Make(
      std::make_shared<const std::vector<Variant>>(std::move(items)), IID_IEnumVARIANT);
  if (!out) throw std::bad_alloc();
  return out;
}

}  // namespace velkor::com

// ObjectDispatch: any project Object exposed to COM callers as IDispatch.
//
// Names are resolved ignoring letter case; each wrapper numbers them in the
// order it first sees them and keeps the numbers for its lifetime. Since an
// Object does not list its members, every name gets a number and an unknown
// member is reported by Invoke (Object doesn't support this property or
// method, 438), as the runtime reports it. DISPID_VALUE calls the unnamed
// member, DISPID_NEWENUM the member "_NewEnum"; an array it returns is handed
// out as an IEnumVARIANT over the elements.
//
// Arguments: positional ones come reversed in DISPPARAMS, named ones by their
// parameter position (the put value by DISPID_PROPERTYPUT); a gap is Missing.
// By-reference arguments are written back after the call, also when it
// raised, so a caller sees what the member did to them. A raised error goes
// out as DISP_E_EXCEPTION with EXCEPINFO.
//
// With an ITypeInfo, GetTypeInfo and GetIDsOfNames answer from it (parameter
// names included) and member names come from it. DispatchOf<Interface> also
// implements the CallMember of a generated dual interface, so that its
// vtable members reach the same object.
#pragma once

#include <windows.h>

#include <oleauto.h>

#include <atomic>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "com/bridge/ComPtr.h"
#include "com/bridge/LiveObjects.h"
#include "com/bridge/RefCount.h"
#include "platform/Object.h"

namespace velkor::com {

// A value unique to each module (program or library) of the process: each
// carries its own copy of the project's code, and objects pass as themselves
// only within the module that made them.
inline const void* ModuleTag() {
  static const char tag = 0;
  return &tag;
}

// The private interface through which a wrapper gives back its object.
// {6E0A7C2B-4B1D-4F0E-9C57-2F3A8D1E5B40}
inline constexpr IID kIID_IHeldObject = {
    0x6e0a7c2b, 0x4b1d, 0x4f0e, {0x9c, 0x57, 0x2f, 0x3a, 0x8d, 0x1e, 0x5b, 0x40}};
struct IHeldObject : IUnknown {
  virtual ObjectPtr HeldObject() = 0;
  // Makes this wrapper the one Expose hands out for its object while it
  // lives, so that a caller comparing two references finds them the same.
  // A wrapper that is the only one for its object by construction needs
  // nothing here.
  virtual void BecomeIdentity() {}
  // The module whose code made the object (ModuleTag); objects of another
  // module are outside objects here, reached by name like any other.
  virtual const void* Module() { return ModuleTag(); }
};

// The object behind one of the project's own wrappers; null for any other.
ObjectPtr UnwrapObject(IUnknown* unknown);

// How objects of a TypeName are exposed; the generic IDispatch when no maker
// is registered. The maker returns a new reference. Registered once, at
// start-up, before objects cross.
using ExposerFn = IDispatch* (*)(ObjectPtr object);
void RegisterExposer(std::string_view typeName, ExposerFn make);
// A new reference on an IDispatch for `object` (null for Nothing); the
// object's own IDispatch when it wraps an outside one. While a wrapper Expose
// made for an object lives, Expose hands out that same wrapper again.
IDispatch* Expose(const ObjectPtr& object);

// The work behind every wrapper: names, arguments, the call, errors.
class DispatchCore {
 public:
  explicit DispatchCore(ObjectPtr object, ITypeInfo* typeInfo = nullptr);
  ~DispatchCore();
  DispatchCore(const DispatchCore&) = delete;
  DispatchCore& operator=(const DispatchCore&) = delete;

  // Records `self` (the wrapper around this core) as the object's identity.
  void BecomeIdentity(IDispatch* self);

  const ObjectPtr& object() const { return object_; }
  ITypeInfo* typeInfo() const { return typeInfo_.get(); }

  ::HRESULT GetTypeInfoCount(UINT* count) const;
  ::HRESULT GetTypeInfo(UINT index, ITypeInfo** out) const;
  ::HRESULT GetIDsOfNames(LPOLESTR* names, UINT count, DISPID* ids);
  ::HRESULT Invoke(DISPID id, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO* info,
                   UINT* argErr);
  // A dual interface's vtable member: `args` in declaration order, by-value
  // ones borrowed, by-reference ones VT_BYREF; `result` a VT_BYREF slot or
  // VT_EMPTY. Errors go out as HRESULT + IErrorInfo for `iid`.
  ::HRESULT CallMember(DISPID id, WORD kind, VARIANT* args, UINT count, VARIANT* result,
                       REFIID iid);

  // The member a DISPID names; nothing for a number never handed out.
  std::optional<std::string> MemberName(DISPID id) const;

 private:
  DISPID IdOf(std::string_view name);
  // Calls the member; by-reference arguments go back to `sources` (null
  // entries skipped) also when the call raises.
  Variant CallAndWriteBack(const std::string& member, InvokeKind kind, std::vector<Variant>& args,
                           const std::vector<VARIANT*>& sources);

  ObjectPtr object_;
  ComPtr<ITypeInfo> typeInfo_;
  std::map<std::string, DISPID> ids_;  // key: the name in lower case
  std::vector<std::string> names_;     // by DISPID - kFirstId
};

// A COM object over a project Object. Interface is IDispatch or a generated
// dual class that declares
//   virtual HRESULT CallMember(DISPID, WORD, VARIANT*, UINT, VARIANT*) = 0;
// A class that offers more interfaces derives from it, answers them in
// MoreInterfaces and lets its IUnknown members end here.
template <class Interface>
class DispatchOf : public Interface, public IHeldObject {
 public:
  // A new reference. `iid` is the interface's own IID (answered by
  // QueryInterface besides IUnknown and IDispatch).
  static Interface* Create(ObjectPtr object, ITypeInfo* typeInfo = nullptr,
                           REFIID iid = IID_IDispatch) {
    return new DispatchOf(std::move(object), typeInfo, iid);
  }

  // IUnknown
  ::HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, iid_)) {
      *out = static_cast<Interface*>(this);
    } else if (IsEqualIID(iid, kIID_IHeldObject)) {
      *out = static_cast<IHeldObject*>(this);
    } else if (void* more = MoreInterfaces(iid)) {
      *out = more;
    } else {
      return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return references_.Add(); }
  ULONG STDMETHODCALLTYPE Release() override { return references_.Drop(this); }

  // IDispatch
  ::HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    return core_.GetTypeInfoCount(count);
  }
  ::HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID, ITypeInfo** out) override {
    return core_.GetTypeInfo(index, out);
  }
  ::HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID,
                                            DISPID* ids) override {
    return core_.GetIDsOfNames(names, count, ids);
  }
  ::HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params,
                                     VARIANT* result, EXCEPINFO* info, UINT* argErr) override {
    return core_.Invoke(id, flags, params, result, info, argErr);
  }

  // The generated vtable members of a dual interface end here.
  virtual ::HRESULT CallMember(DISPID id, WORD kind, VARIANT* args, UINT count, VARIANT* result) {
    return core_.CallMember(id, kind, args, count, result, iid_);
  }

  ObjectPtr HeldObject() override { return core_.object(); }
  void BecomeIdentity() override { core_.BecomeIdentity(static_cast<Interface*>(this)); }

 protected:
  DispatchOf(ObjectPtr object, ITypeInfo* typeInfo, REFIID iid)
      : core_(std::move(object), typeInfo), iid_(iid) {}
  friend class RefCount;  // deletes the object with its last reference
  virtual ~DispatchOf() = default;

  // Another interface of a derived class as a pointer to it; null for none.
  virtual void* MoreInterfaces(REFIID) { return nullptr; }
  const DispatchCore& core() const { return core_; }

 private:
  DispatchCore core_;
  IID iid_;
  RefCount references_;
  LiveObject live_;
};

// The generic exposer: DispatchOf<IDispatch> without type information.
IDispatch* ExposeGeneric(ObjectPtr object);

}  // namespace velkor::com

#include "os/windows/ComLogSink.h"

#include <windows.h>

#include <objbase.h>

#include "com/bridge/Bstr.h"
#include "com/bridge/ComPtr.h"
#include "com/bridge/DispatchObject.h"
#include "platform/ErrorNumbers.h"

namespace velkor::sim {

namespace {

// The first method of `info` that callers may see (the members IUnknown and
// IDispatch add to a dual interface are restricted). A class's type
// information leads to its default interface.
std::string FirstMethodIn(ITypeInfo* info) {
  TYPEATTR* attributes = nullptr;
  if (FAILED(info->GetTypeAttr(&attributes))) return {};
  const TYPEKIND kind = attributes->typekind;
  const WORD count = attributes->cFuncs;
  const WORD interfaces = attributes->cImplTypes;
  info->ReleaseTypeAttr(attributes);
  if (kind == TKIND_COCLASS) {
    HREFTYPE ref = 0;
    com::ComPtr<ITypeInfo> main;
    if (interfaces == 0 || FAILED(info->GetRefTypeOfImplType(0, &ref)) ||
        FAILED(info->GetRefTypeInfo(ref, main.Out())) || !main) {
      return {};
    }
    return FirstMethodIn(main.get());
  }
  for (WORD i = 0; i < count; ++i) {
    FUNCDESC* function = nullptr;
    if (FAILED(info->GetFuncDesc(i, &function))) continue;
    const bool method =
        function->invkind == INVOKE_FUNC && !(function->wFuncFlags & FUNCFLAG_FRESTRICTED);
    const MEMBERID id = function->memid;
    info->ReleaseFuncDesc(function);
    if (!method) continue;
    com::Bstr name;
    UINT names = 0;
    if (SUCCEEDED(info->GetNames(id, name.Out(), 1, &names)) && names == 1) return name.Utf8();
  }
  return {};
}

}  // namespace

std::string FirstMethodName(const Object& writer) {
  const auto* outside = dynamic_cast<const com::DispatchObject*>(&writer);
  if (!outside || !outside->dispatch()) return {};
  com::ComPtr<ITypeInfo> info;
  if (FAILED(outside->dispatch()->GetTypeInfo(0, LOCALE_USER_DEFAULT, info.Out())) || !info) {
    return {};
  }
  return FirstMethodIn(info.get());
}

ComLogSink::~ComLogSink() {
  APTTYPE type{};
  APTTYPEQUALIFIER qualifier{};
  const bool outside = dynamic_cast<const com::DispatchObject*>(logger_.get()) != nullptr;
  if (outside && FAILED(CoGetApartmentType(&type, &qualifier))) {
    new ObjectPtr(std::move(logger_));  // deliberately never released
  }
}

void ComLogSink::Write(const std::string& text) {
  if (!logger_) logger_ = Deref(factory_).CreateObject(component_.progId);
  ObjectPtr writer =
      logger_->Invoke(component_.writerProperty, InvokeKind::PropertyGet, {}).ObjectOrRaise();
  Object& target = Deref(writer);
  std::string method = component_.writeMethod;
  if (method.empty()) method = FirstMethodName(target);
  if (method.empty()) Raise(err::kNoSupport, component_.progId);
  Variant args[] = {Variant(text)};
  target.Invoke(method, InvokeKind::Method, args);
}

}  // namespace velkor::sim

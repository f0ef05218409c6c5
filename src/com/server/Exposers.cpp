#include "com/server/Exposers.h"

#include "DualThunks.h"
#include "com/bridge/ObjectDispatch.h"
#include "com/server/ComGuids.h"
#include "com/server/ControlObject.h"
#include "com/server/TypeLibrary.h"

namespace velkor::com {

namespace {

template <class Dual>
IDispatch* ExposeAs(ObjectPtr object, const Guid& iid) {
  const GUID id = ToGuid(iid);
  return DispatchOf<Dual>::Create(std::move(object), TypeInfoOf(id).get(), id);
}

IDispatch* ExposeControl(ObjectPtr object) {
  if (ControlObject* com = ControlObject::Of(object.get())) {
    IDispatch* out = nullptr;
    com->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&out));
    return out;
  }
  return ExposeAs<ExcelTrendWizardDual>(std::move(object), com_identity::kIid_ExcelTrendWizard);
}

}  // namespace

void RegisterExposers() {
  namespace id = com_identity;
  RegisterExposer("ExcelTrendWizard", ExposeControl);
  RegisterExposer("ZaltPoint", [](ObjectPtr o) {
    return ExposeAs<ZaltPointDual>(std::move(o), id::kIid_ZaltPoint);
  });
  RegisterExposer("ZaltPoints", [](ObjectPtr o) {
    return ExposeAs<ZaltPointsDual>(std::move(o), id::kIid_ZaltPoints);
  });
  RegisterExposer("Server",
                  [](ObjectPtr o) { return ExposeAs<ServerDual>(std::move(o), id::kIid_Server); });
  RegisterExposer(
      "Servers", [](ObjectPtr o) { return ExposeAs<ServersDual>(std::move(o), id::kIid_Servers); });
  RegisterExposer("ResourceStrings", [](ObjectPtr o) {
    return ExposeAs<ResourceStringsDual>(std::move(o), id::kIid_ResourceStrings);
  });
}

}  // namespace velkor::com

#include "com/server/ContainerProfiles.h"

#include <servprov.h>

#include <vector>

#include "com/bridge/DispatchObject.h"
#include "com/server/ComGuids.h"
#include "platform/Conversions.h"
#include "platform/os/OsServices.h"

namespace velkor::com {

namespace {

Variant CallService(const ObjectPtr& service, std::string_view member, std::vector<Variant> args) {
  return service->Invoke(member, InvokeKind::Method, args);
}

}  // namespace

bool ContainerProfiles::Exists(std::string_view file) {
  return CBool(CallService(service_, "Exists", {Variant(file)}));
}

std::string ContainerProfiles::ReadString(std::string_view file, std::string_view section,
                                          std::string_view key, std::string_view defaultValue,
                                          std::int32_t bufferSize) {
  return CStr(CallService(
      service_, "ReadString",
      {Variant(file), Variant(section), Variant(key), Variant(defaultValue), Variant(bufferSize)}));
}

std::string ContainerProfiles::ReadSection(std::string_view file, std::string_view section,
                                           std::int32_t bufferSize) {
  return CStr(
      CallService(service_, "ReadSection", {Variant(file), Variant(section), Variant(bufferSize)}));
}

void UseContainerProfiles(const ComPtr<IOleClientSite>& site) {
  auto provider = site.As<IServiceProvider>(IID_IServiceProvider);
  ComPtr<IDispatch> service;
  if (!provider ||
      FAILED(provider->QueryService(kSidContainerProfiles, IID_IDispatch,
                                    reinterpret_cast<void**>(service.Out()))) ||
      !service)
    return;
  os::OsServices().profiles =
      std::make_shared<ContainerProfiles>(DispatchObject::Wrap(service.get()));
}

}  // namespace velkor::com

#include "platform/os/OsServices.h"

#include "platform/ErrorNumbers.h"
#include "platform/os/ObjectFactory.h"

namespace velkor::os {

namespace {
thread_local Services tServices;
}

Services& OsServices() {
  return tServices;
}

void InstallOsServices(Services services) {
  tServices = std::move(services);
}

ObjectPtr CreateObject(std::string_view progId) {
  auto& factory = OsServices().objects;
  if (!factory) Raise(err::kCannotCreateObject, std::string(progId));
  return factory->CreateObject(progId);
}

}  // namespace velkor::os

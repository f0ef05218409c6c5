#include "platform/os/OsServices.h"

#include "platform/ErrorNumbers.h"
#include "platform/os/ObjectFactory.h"

#if defined(__MINGW32__)
// MinGW-w64 keeps thread_local values in emulated TLS, whose storage a thread
// frees through one pthread key and whose C++ destructors run through
// another; winpthreads runs key destructors in the order the keys were made,
// and the TLS key is normally made first, so a thread that ends would destroy
// its thread_local values (the services below, the language, the logger,
// the traces) after their memory was freed. Registering one empty destructor
// before any thread_local is touched makes the destructor key the first.
extern "C" int __cxa_thread_atexit(void (*)(void*), void*, void*);
extern "C" void* __dso_handle;
namespace {
void NoTeardown(void*) {}
struct DestructorKeyFirst {
  DestructorKeyFirst() { __cxa_thread_atexit(&NoTeardown, nullptr, &__dso_handle); }
};
__attribute__((init_priority(101))) DestructorKeyFirst destructorKeyFirst;
}  // namespace
#endif

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

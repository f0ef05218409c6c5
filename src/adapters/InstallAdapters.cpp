#include "adapters/InstallAdapters.h"

#include <mutex>

namespace velkor::adapters {

void InstallAdapters() {
  static std::once_flag once;
  std::call_once(once, [] {
    RegisterHostAdapters();
    RegisterComponentAdapters();
  });
}

}  // namespace velkor::adapters

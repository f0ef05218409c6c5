#include "adapters/InstallAdapters.h"
#include "adapters/host/LateApplication.h"

namespace velkor::adapters {

void RegisterHostAdapters() {
  RegisterAdapter<host::Application, LateApplication>();
}

}  // namespace velkor::adapters

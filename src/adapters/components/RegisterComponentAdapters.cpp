#include "adapters/InstallAdapters.h"

namespace velkor::adapters {

void RegisterComponentAdapters() {}

}  // namespace velkor::adapters

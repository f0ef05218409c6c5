// Registers the stand-in data controls and the data-object library's time
// object under their ProgIDs.
#pragma once

#include "os/linux/ObjectRegistry.h"

namespace velkor::sim {

void RegisterDataComponents(ObjectRegistry& registry);

}  // namespace velkor::sim

// Registers the stand-in trend chart under its ProgID.
#pragma once

#include "os/linux/ObjectRegistry.h"

namespace velkor::sim {

void RegisterChartComponent(ObjectRegistry& registry);

}  // namespace velkor::sim

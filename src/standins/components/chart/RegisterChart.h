// Registers the stand-in trend chart under its ProgID.
#pragma once

#include "sim/ObjectRegistry.h"

namespace velkor::sim {

void RegisterChartComponent(ObjectRegistry& registry);

}  // namespace velkor::sim

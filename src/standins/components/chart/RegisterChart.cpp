#include "standins/components/chart/RegisterChart.h"

#include "control/components/ProgIds.h"
#include "standins/components/chart/SimTrendChart.h"

namespace velkor::sim {

void RegisterChartComponent(ObjectRegistry& registry) {
  registry.Register(component::kTrendChartProgId, [] { return std::make_shared<SimTrendChart>(); });
}

}  // namespace velkor::sim

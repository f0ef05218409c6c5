#include "standins/components/RegisterDataComponents.h"

#include "standins/components/archive/SimArchiveData.h"
#include "standins/components/excel/SimExcelData.h"
#include "standins/components/library/SimTimeObject.h"

namespace velkor::sim {

void RegisterDataComponents(ObjectRegistry& registry) {
  registry.Register(SimArchiveData::kProgId, [] { return std::make_shared<SimArchiveData>(); });
  registry.Register(SimExcelData::kProgId, [] { return std::make_shared<SimExcelData>(); });
  registry.Register(SimTimeObject::kProgId, [] { return std::make_shared<SimTimeObject>(); });
}

}  // namespace velkor::sim

#include "standins/components/library/SimQueryObject.h"

#include "model/LateBound.h"
#include "standins/components/library/QuerySpecList.h"

namespace velkor::sim {

component::QuerySpecsPtr SimQueryObject::QuerySpecs() {
  return std::make_shared<SimQuerySpecs>(store_);
}

Variant SimQueryObject::Invoke(std::string_view member, InvokeKind kind, std::span<Variant> args) {
  if (IsMember(member, "QuerySpecs") && IsRead(kind)) {
    RequireArgs(args, 0);
    return Variant(QuerySpecs());
  }
  if (IsMember(member, "DataProvider")) {
    if (IsRead(kind)) {
      RequireArgs(args, 0);
      return Variant(provider_);
    }
    RequireArgs(args, 1);
    SetDataProvider(args[0].ObjectAs<component::DataProvider>());
    return {};
  }
  return Object::Invoke(member, kind, args);
}

}  // namespace velkor::sim

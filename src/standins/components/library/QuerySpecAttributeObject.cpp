#include "standins/components/library/QuerySpecAttributeObject.h"

#include "model/LateBound.h"

namespace velkor::sim {

Variant SimSpecAttribute::Invoke(std::string_view member, InvokeKind kind,
                                 std::span<Variant> args) {
  if ((member.empty() || IsMember(member, "Value")) && IsRead(kind)) {
    RequireArgs(args, 0);
    return value_;
  }
  return Object::Invoke(member, kind, args);
}

}  // namespace velkor::sim

#include "standins/components/library/QuerySpecObject.h"

#include "model/LateBound.h"
#include "platform/Conversions.h"

namespace velkor::sim {

namespace {

thread_local std::uint64_t renames = 0;

}  // namespace

void SimQuerySpec::SetName(const std::string& name) {
  name_ = name;
  ++renames;
}

std::uint64_t SimQuerySpec::Renames() {
  return renames;
}

Variant SimQuerySpec::Invoke(std::string_view member, InvokeKind kind, std::span<Variant> args) {
  if (IsMember(member, "Name"))
    return InvokeProperty(
        kind, args, [&] { return Variant(name_); }, [&](const Variant& v) { SetName(CStr(v)); });
  if (IsMember(member, "Attributes") && IsRead(kind)) {
    RequireArgs(args, 0);
    return Variant(Attributes());
  }
  return Object::Invoke(member, kind, args);
}

}  // namespace velkor::sim

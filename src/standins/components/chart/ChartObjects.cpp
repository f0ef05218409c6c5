#include "standins/components/chart/ChartObjects.h"

#include "control/components/DataObject.h"
#include "standins/components/chart/ReadOnlyMember.h"

namespace velkor::sim {

Variant ChartDataSource::Invoke(std::string_view member, InvokeKind kind, std::span<Variant> args) {
  if (IsMember(member, "Name")) return ReadOnlyMember(kind, args, [&] { return Variant(name_); });
  return Object::Invoke(member, kind, args);
}

Variant ChartTraceItem::Invoke(std::string_view member, InvokeKind kind, std::span<Variant> args) {
  if (IsMember(member, "DataSource"))
    return ReadOnlyMember(kind, args, [&] { return Variant(source_); });
  if (IsMember(member, "DataObject"))
    return ReadOnlyMember(kind, args, [&] { return Variant(dataObject_); });
  if (IsMember(member, "Name"))
    return ReadOnlyMember(kind, args, [&] { return Variant(dataObject_->Name()); });
  return Object::Invoke(member, kind, args);
}

}  // namespace velkor::sim

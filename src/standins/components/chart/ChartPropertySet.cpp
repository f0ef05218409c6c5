#include "standins/components/chart/ChartPropertySet.h"

#include "model/LateBound.h"
#include "platform/Conversions.h"

namespace velkor::sim {

Variant ChartPropertySet::Invoke(std::string_view member, InvokeKind kind,
                                 std::span<Variant> args) {
  if (IsMember(member, "Title"))
    return InvokeProperty(
        kind, args, [&] { return Variant(Title()); }, [&](const Variant& v) { SetTitle(CStr(v)); });
  if (IsMember(member, "ValueAttributes"))
    return InvokeProperty(
        kind, args, [&] { return Variant(ValueAttributes()); },
        [&](const Variant& v) { SetValueAttributes(CBool(v)); });
  return Object::Invoke(member, kind, args);
}

ChartDisplay DisplayOf(const component::PropertySet& properties) {
  return {properties.Title(), properties.ValueAttributes()};
}

}  // namespace velkor::sim

#include "standins/components/library/SimTimeObject.h"

#include "model/LateBound.h"
#include "parts/time/TimeText.h"
#include "platform/Conversions.h"
#include "standins/FaultPoints.h"
#include "standins/VirtualNow.h"

namespace velkor::sim {

double SimTimeObject::Value() const {
  ThrowIfArmed("TimeObject.Value");
  return ParseTimeText(text_, VirtualNow()).serial;
}

Variant SimTimeObject::Invoke(std::string_view member, InvokeKind kind, std::span<Variant> args) {
  if (IsMember(member, "Text"))
    return InvokeProperty(
        kind, args, [&] { return Variant(text_); }, [&](const Variant& v) { SetText(CStr(v)); });
  if (IsMember(member, "SetText") && kind == InvokeKind::Method) {
    RequireArgs(args, 1);
    SetText(CStr(args[0]));
    return {};
  }
  if ((IsMember(member, "Value") || IsMember(member, "DateValue")) && IsRead(kind)) {
    RequireArgs(args, 0);
    return Variant(Value());
  }
  return Object::Invoke(member, kind, args);
}

}  // namespace velkor::sim

#include "model/ZaltPoint.h"

#include "model/LateBound.h"
#include "platform/Conversions.h"

namespace velkor {

void ZaltPoint::SetName(const Variant& value) {
  name_ = CStr(value);
}

void ZaltPoint::SetServerName(const Variant& value) {
  serverName_ = CStr(value);
}

void ZaltPoint::SetTagName(const Variant& value) {
  tagName_ = CStr(value);
}

Variant ZaltPoint::Invoke(std::string_view member, InvokeKind kind, std::span<Variant> args) {
  if (IsMember(member, "Name"))
    return InvokeProperty(
        kind, args, [&] { return Name(); }, [&](const Variant& v) { SetName(v); });
  if (IsMember(member, "ServerName"))
    return InvokeProperty(
        kind, args, [&] { return ServerName(); }, [&](const Variant& v) { SetServerName(v); });
  if (IsMember(member, "TagName"))
    return InvokeProperty(
        kind, args, [&] { return TagName(); }, [&](const Variant& v) { SetTagName(v); });
  return Object::Invoke(member, kind, args);
}

}  // namespace velkor

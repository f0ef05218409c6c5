// The archive data control's members as scripts reach them by name.
#include "model/LateBound.h"
#include "platform/Conversions.h"
#include "standins/components/archive/SimArchiveData.h"
#include "standins/components/library/LateArgs.h"

namespace velkor::sim {

namespace {

// A caller that does not know whether a member is a method or a property
// (a late-bound call across COM) asks for both; a method answers either.
template <class Call>
Variant Method(InvokeKind kind, Call&& call) {
  if (!IsRead(kind)) RaiseNotSupported();
  return call();
}

}  // namespace

Variant SimArchiveData::Invoke(std::string_view member, InvokeKind kind, std::span<Variant> args) {
  if (IsMember(member, "Language"))
    return InvokeProperty(
        kind, args, [&] { return Variant(core_.language); },
        [&](const Variant& v) { SetLanguage(CStr(v)); });
  if (IsMember(member, "EnableUpdates"))
    return InvokeProperty(
        kind, args, [&] { return Variant(EnableUpdates()); },
        [&](const Variant& v) { SetEnableUpdates(CBool(v)); });
  if (IsMember(member, "UpdateInterval"))
    return InvokeProperty(
        kind, args, [&] { return Variant(UpdateInterval()); },
        [&](const Variant& v) { SetUpdateInterval(CLng(v)); });
  if (IsMember(member, "EnableMarkers"))
    return InvokeProperty(
        kind, args, [&] { return Variant(EnableMarkers()); },
        [&](const Variant& v) { SetEnableMarkers(CBool(v)); });
  if (IsRead(kind)) {
    if (IsMember(member, "CurrentStartTime")) return Variant(CurrentStartTime());
    if (IsMember(member, "CurrentEndTime")) return Variant(CurrentEndTime());
    if (IsMember(member, "Status")) return Variant(Status());
    if (IsMember(member, "QueryObject")) return Variant(QueryObject());
  }
  if (IsMember(member, "AddQuerySpec"))
    return Method(kind, [&] {
      RequireArgRange(args, 2, 8);
      auto text = [&](std::size_t i, const std::string& fallback) {
        Variant v = ArgAt(args, i);
        return v.IsMissing() ? fallback : CStr(v);
      };
      return Variant(AddQuerySpec(CStr(args[0]), CStr(args[1]), text(2, CurrentStartTime()),
                                  text(3, CurrentEndTime()), FlagArg(ArgAt(args, 4)),
                                  ArgAt(args, 5), ArgAt(args, 6), 0));
    });
  if (IsMember(member, "RemoveQuerySpec"))
    return Method(kind, [&] {
      RequireArgs(args, 2);
      RemoveQuerySpec(CStr(args[0]), CStr(args[1]));
      return Variant();
    });
  if (IsMember(member, "QueryData"))
    return Method(kind, [&] {
      RequireArgRange(args, 0, 1);
      return Variant(QueryData(ArgAt(args, 0)));
    });
  if (IsMember(member, "SetTimeRange"))
    return Method(kind, [&] {
      RequireArgRange(args, 1, 4);
      SetTimeRange(FlagArg(args[0]), ArgAt(args, 1), ArgAt(args, 2), Variant::Missing());
      return Variant();
    });
  if (IsMember(member, "GetTimeRange"))
    return Method(kind, [&] {
      RequireArgRange(args, 3, 4);
      GetTimeRange(FlagArg(args[0]), args[1], args[2], Variant::Missing());
      return Variant();
    });
  if (IsMember(member, "BeginGroupedChange"))
    return Method(kind, [&] { return BeginGroupedChange(), Variant(); });
  if (IsMember(member, "EndGroupedChange"))
    return Method(kind, [&] { return EndGroupedChange(), Variant(); });
  if (IsMember(member, "Revert")) return Method(kind, [&] { return Revert(), Variant(); });
  return Object::Invoke(member, kind, args);
}

}  // namespace velkor::sim

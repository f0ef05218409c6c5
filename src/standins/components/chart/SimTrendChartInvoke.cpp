// The chart's members as scripts reach them by name.
#include "control/components/ChartTraces.h"
#include "control/components/DataSources.h"
#include "platform/Conversions.h"
#include "standins/components/chart/ReadOnlyMember.h"
#include "standins/components/chart/SimTrendChart.h"

namespace velkor::sim {

namespace {

// A method of one argument returning nothing.
template <class Call>
Variant OneArgumentMethod(InvokeKind kind, std::span<Variant> args, Call&& call) {
  if (kind != InvokeKind::Method) RaiseNotSupported();
  RequireArgs(args, 1);
  call(args[0]);
  return {};
}

}  // namespace

Variant SimTrendChart::Invoke(std::string_view member, InvokeKind kind, std::span<Variant> args) {
  if (IsMember(member, "Enabled"))
    return InvokeProperty(
        kind, args, [&] { return Variant(enabled_); },
        [&](const Variant& v) { SetEnabled(CBool(v)); });
  if (IsMember(member, "Language"))
    return InvokeProperty(
        kind, args, [&] { return Variant(Language()); },
        [&](const Variant& v) { SetLanguage(CStr(v)); });
  if (IsMember(member, "AddMenuItem") && kind == InvokeKind::Method) {
    RequireArgs(args, 1);
    return AddMenuItem(CStr(args[0]));
  }
  if (IsMember(member, "EnableMenuItem"))
    return OneArgumentMethod(kind, args, [&](const Variant& v) { EnableMenuItem(CLng(v)); });
  if (IsMember(member, "DisableMenuItem"))
    return OneArgumentMethod(kind, args, [&](const Variant& v) { DisableMenuItem(CLng(v)); });
  if (IsMember(member, "ShowFormatDialog"))
    return OneArgumentMethod(kind, args, [&](const Variant& v) { ShowFormatDialog(CLng(v)); });
  if (IsMember(member, "ApplyPropertySet"))
    return OneArgumentMethod(kind, args, [&](const Variant& v) {
      ApplyPropertySet(v.ObjectAs<component::PropertySet>());
    });
  if (IsMember(member, "DataSources"))
    return ReadOnlyMember(kind, args, [&] { return Variant(DataSources()); });
  if (IsMember(member, "Traces"))
    return ReadOnlyMember(kind, args, [&] { return Variant(Traces()); });
  if (IsMember(member, "PropertySet") || IsMember(member, "GetPropertySet"))
    return ReadOnlyMember(kind, args, [&] { return Variant(GetPropertySet()); });
  // Across COM a call that may be a method or a property arrives as a read.
  if (IsMember(member, "Refresh") && IsRead(kind)) {
    RequireArgs(args, 0);
    Refresh();
    return {};
  }
  return Object::Invoke(member, kind, args);
}

}  // namespace velkor::sim

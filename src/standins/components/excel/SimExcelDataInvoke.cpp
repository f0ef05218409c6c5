// The worksheet data control's members as scripts reach them by name.
#include "model/LateBound.h"
#include "platform/Conversions.h"
#include "standins/components/excel/SimExcelData.h"
#include "standins/components/library/LateArgs.h"

namespace velkor::sim {

Variant SimExcelData::Invoke(std::string_view member, InvokeKind kind, std::span<Variant> args) {
  if (IsMember(member, "Language"))
    return InvokeProperty(
        kind, args, [&] { return Variant(core_.language); },
        [&](const Variant& v) { SetLanguage(CStr(v)); });
  if (IsMember(member, "FirstSwitch"))
    return InvokeProperty(
        kind, args, [&] { return Variant(readOnAdd_); },
        [&](const Variant& v) { SetFirstSwitch(CBool(v)); });
  if (IsMember(member, "SecondSwitch"))
    return InvokeProperty(
        kind, args, [&] { return Variant(followEdits_); },
        [&](const Variant& v) { SetSecondSwitch(CBool(v)); });
  if (!IsRead(kind)) return Object::Invoke(member, kind, args);
  if (IsMember(member, "QueryObject") || IsMember(member, "DataProvider")) {
    RequireArgs(args, 0);
    return IsMember(member, "QueryObject") ? Variant(QueryObject()) : Variant(DataProvider());
  }
  if (IsMember(member, "AddQuerySpecs")) {
    RequireArgRange(args, 1, 8);
    return Variant(AddQuerySpecs(CStr(args[0]), ArgAt(args, 1), ArgAt(args, 2), ArgAt(args, 3),
                                 ArgAt(args, 4), ArgAt(args, 5), ArgAt(args, 6), false));
  }
  if (IsMember(member, "RemoveQuerySpec")) {
    RequireArgs(args, 1);
    RemoveQuerySpec(args[0]);
    return {};
  }
  if (IsMember(member, "QueryData")) {
    RequireArgRange(args, 0, 2);
    return Variant(QueryData(ArgAt(args, 0), true));
  }
  if (IsMember(member, "RereadSpec")) {
    RequireArgs(args, 1);
    RereadSpec(args[0].ObjectAs<component::SpecAttributes>());
    return {};
  }
  if (IsMember(member, "BeginGroupedChange")) {
    BeginGroupedChange();
    return {};
  }
  if (IsMember(member, "EndGroupedChange")) {
    EndGroupedChange();
    return {};
  }
  return Object::Invoke(member, kind, args);
}

}  // namespace velkor::sim

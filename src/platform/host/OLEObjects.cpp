
#include "platform/Conversions.h"
#include "platform/host/HostModel.h"
#include "platform/host/LateBinding.h"

namespace velkor::host {

Variant OLEObjects::Invoke(std::string_view member, InvokeKind kind, std::span<Variant> args) {
  using late::Arg;
  const late::Member members[] = {
      late::Getter("Count", [this] { return Count(); }),
      {"_NewEnum", 0, 0, [this](std::span<Variant>) { return late::Items(Enumerate()); }},
      {"Item", 1, 1, [this](std::span<Variant> a) { return Variant(Item(a[0])); }},
      {"Add", 1, 5,
       [this](std::span<Variant> a) {
         return Variant(Add(CStr(a[0]), Arg(a, 1), Arg(a, 2), Arg(a, 3), Arg(a, 4)));
       }},
  };
  return late::Dispatch(members, member, kind, args);
}

}  // namespace velkor::host

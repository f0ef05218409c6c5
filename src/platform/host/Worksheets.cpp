
#include "platform/host/HostModel.h"
#include "platform/host/LateBinding.h"

namespace velkor::host {

Variant Worksheets::Invoke(std::string_view member, InvokeKind kind, std::span<Variant> args) {
  const late::Member members[] = {
      late::Getter("Count", [this] { return Count(); }),
      {"_NewEnum", 0, 0, [this](std::span<Variant>) { return late::Items(Enumerate()); }},
      {"Item", 1, 1, [this](std::span<Variant> a) { return Variant(Item(a[0])); }},
      late::Getter("Add", [this] { return Add(); }),
  };
  return late::Dispatch(members, member, kind, args);
}

}  // namespace velkor::host

#include "platform/host/Workbook.h"

#include "platform/host/HostModel.h"
#include "platform/host/LateBinding.h"

namespace velkor::host {

Variant Workbook::Invoke(std::string_view member, InvokeKind kind, std::span<Variant> args) {
  const late::Member members[] = {
      late::Getter("Name", [this] { return Name(); }),
      {"Worksheets", 0, 1,
       [this](std::span<Variant> a) {
         auto sheets = Worksheets();
         return a.empty() ? Variant(sheets) : Variant(Deref(sheets).Item(a[0]));
       }},
      late::Getter("ActiveSheet", [this] { return ActiveSheet(); }),
      late::Getter("Application", [this] { return Application(); }),
      late::Getter("Parent", [this] { return Parent(); }),
      late::Action("Activate", [this] { Activate(); }),
      late::Getter("Close", [this] { return Close(); }),
  };
  return late::Dispatch(members, member, kind, args);
}

}  // namespace velkor::host

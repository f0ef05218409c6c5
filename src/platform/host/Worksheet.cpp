#include "platform/host/Worksheet.h"

#include "platform/Conversions.h"
#include "platform/host/HostModel.h"
#include "platform/host/LateBinding.h"

namespace velkor::host {

Variant Worksheet::Invoke(std::string_view member, InvokeKind kind, std::span<Variant> args) {
  const late::Member members[] = {
      late::Property(
          "Name", [this] { return Name(); }, [this](const Variant& v) { SetName(CStr(v)); }),
      late::Getter("CodeName", [this] { return CodeName(); }),
      late::Getter("Parent", [this] { return Parent(); }),
      late::Getter("Application", [this] { return Application(); }),
      {"Range", 1, 1, [this](std::span<Variant> a) { return Variant(Range(a[0])); }},
      {"Cells", 2, 2,
       [this](std::span<Variant> a) { return Variant(Cells(CLng(a[0]), CLng(a[1]))); }},
      late::Action("Select", [this] { Select(); }),
      late::Action("Activate", [this] { Activate(); }),
      {"OLEObjects", 0, 1,
       [this](std::span<Variant> a) {
         auto objects = OLEObjects();
         return a.empty() ? Variant(objects) : Variant(Deref(objects).Item(a[0]));
       }},
  };
  return late::Dispatch(members, member, kind, args);
}

}  // namespace velkor::host

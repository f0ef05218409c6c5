#include "platform/host/Range.h"

#include "platform/Conversions.h"
#include "platform/ErrorNumbers.h"
#include "platform/host/HostModel.h"
#include "platform/host/LateBinding.h"

namespace velkor::host {

Variant Range::Invoke(std::string_view member, InvokeKind kind, std::span<Variant> args) {
  const late::Member members[] = {
      late::Getter("Address", [this] { return Address(); }),
      late::Getter("Row", [this] { return Row(); }),
      late::Getter("Column", [this] { return Column(); }),
      late::Getter("Count", [this] { return Count(); }),
      {"Cells", 0, 2,
       [this](std::span<Variant> a) {
         if (a.empty()) return Variant(Cells());
         if (a.size() != 2) Raise(err::kWrongArgCount);
         return Variant(Cells(CLng(a[0]), CLng(a[1])));
       }},
      late::Property(
          "Value", [this] { return Value(); }, [this](const Variant& v) { SetValue(v); }),
      late::Getter("Top", [this] { return Top(); }),
      late::Getter("Left", [this] { return Left(); }),
      late::Getter("Width", [this] { return Width(); }),
      late::Getter("Height", [this] { return Height(); }),
      late::Getter("Worksheet", [this] { return Worksheet(); }),
      late::Getter("Parent", [this] { return Worksheet(); }),
  };
  return late::Dispatch(members, member, kind, args);
}

}  // namespace velkor::host

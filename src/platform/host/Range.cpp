#include "platform/host/Range.h"

#include "platform/Conversions.h"
#include "platform/ErrorNumbers.h"
#include "platform/host/HostModel.h"
#include "platform/host/LateBinding.h"

namespace velkor::host {

// Range.Rows and Range.Columns: callers ask them only for their Count.
ObjectPtr Range::Lines(std::int32_t (Range::*count)() const) {
  auto self = std::static_pointer_cast<Range>(shared_from_this());
  std::vector<late::Member> members{
      late::Getter("Count", [self, count] { return ((*self).*count)(); })};
  return std::make_shared<late::PartObject>("Range", std::move(members));
}

Variant Range::Invoke(std::string_view member, InvokeKind kind, std::span<Variant> args) {
  const late::Member members[] = {
      late::Getter("Address", [this] { return Address(); }),
      late::Getter("Row", [this] { return Row(); }),
      late::Getter("Column", [this] { return Column(); }),
      late::Getter("Count", [this] { return Count(); }),
      late::Getter("Rows", [this] { return Lines(&Range::RowsCount); }),
      late::Getter("Columns", [this] { return Lines(&Range::ColumnsCount); }),
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

#include "platform/host/Worksheet.h"

#include "platform/Conversions.h"
#include "platform/host/HostModel.h"
#include "platform/host/LateBinding.h"

namespace velkor::host {

// Worksheet.Columns(n) and Worksheet.Rows(n): callers reach them only for
// the column's width or the row's height, which this model keeps in points.
ObjectPtr Worksheet::ColumnPart(std::int32_t column) {
  auto self = std::static_pointer_cast<Worksheet>(shared_from_this());
  std::vector<late::Member> members{late::Property(
      "ColumnWidth", [self, column] { return self->ColumnWidth(column); },
      [self, column](const Variant& v) { self->SetColumnWidth(column, CDbl(v)); })};
  return std::make_shared<late::PartObject>("Range", std::move(members));
}

ObjectPtr Worksheet::RowPart(std::int32_t row) {
  auto self = std::static_pointer_cast<Worksheet>(shared_from_this());
  std::vector<late::Member> members{late::Property(
      "RowHeight", [self, row] { return self->RowHeight(row); },
      [self, row](const Variant& v) { self->SetRowHeight(row, CDbl(v)); })};
  return std::make_shared<late::PartObject>("Range", std::move(members));
}

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
      {"Columns", 1, 1, [this](std::span<Variant> a) { return Variant(ColumnPart(CLng(a[0]))); }},
      {"Rows", 1, 1, [this](std::span<Variant> a) { return Variant(RowPart(CLng(a[0]))); }},
      {"OLEObjects", 0, 1,
       [this](std::span<Variant> a) {
         auto objects = OLEObjects();
         return a.empty() ? Variant(objects) : Variant(Deref(objects).Item(a[0]));
       }},
  };
  return late::Dispatch(members, member, kind, args);
}

}  // namespace velkor::host

#include "platform/host/Worksheet.h"

#include "platform/Conversions.h"
#include "platform/host/HostModel.h"
#include "platform/host/LateBinding.h"

namespace velkor::host {

namespace {

// Worksheet.Columns(n) and Worksheet.Rows(n): callers reach them only for
// the column's width or the row's height (`member`), which this model keeps
// in points.
ObjectPtr SizePart(Worksheet& owner, std::string_view member, std::int32_t at,
                   double (Worksheet::*size)(std::int32_t) const,
                   void (Worksheet::*setSize)(std::int32_t, double)) {
  auto sheet = std::static_pointer_cast<Worksheet>(owner.shared_from_this());
  std::vector<late::Member> members{late::Property(
      member, [sheet, at, size] { return ((*sheet).*size)(at); },
      [sheet, at, setSize](const Variant& v) { ((*sheet).*setSize)(at, CDbl(v)); })};
  return std::make_shared<late::PartObject>("Range", std::move(members));
}

}  // namespace

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
      {"Columns", 1, 1,
       [this](std::span<Variant> a) {
         return Variant(SizePart(*this, "ColumnWidth", CLng(a[0]), &Worksheet::ColumnWidth,
                                 &Worksheet::SetColumnWidth));
       }},
      {"Rows", 1, 1,
       [this](std::span<Variant> a) {
         return Variant(SizePart(*this, "RowHeight", CLng(a[0]), &Worksheet::RowHeight,
                                 &Worksheet::SetRowHeight));
       }},
      {"OLEObjects", 0, 1,
       [this](std::span<Variant> a) {
         auto objects = OLEObjects();
         return a.empty() ? Variant(objects) : Variant(Deref(objects).Item(a[0]));
       }},
  };
  return late::Dispatch(members, member, kind, args);
}

}  // namespace velkor::host

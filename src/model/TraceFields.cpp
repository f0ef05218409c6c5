#include "model/TraceFields.h"

#include <array>
#include <cstring>

#include "platform/Conversions.h"

namespace velkor {

namespace {

using T = TraceOrder;

constexpr std::array<TraceField, 13> kLayoutOrder{{
    {"WorksheetName", &T::WorksheetName},
    {"DataSourceName", &T::DataSourceName},
    {"TraceName", &T::TraceName},
    {"CellRange", &T::CellRange},
    {"TraceOrder", &T::TraceOrder},
    {"qsIndex", &T::qsIndex},
    {"ServerName", &T::ServerName},
    {"TagName", &T::TagName},
    {"ServerNameCell", &T::ServerNameCell},
    {"TagNameCell", &T::TagNameCell},
    {"State", &T::State},
    {"WorkbookName", &T::WorkbookName},
    {"TraceNameCell", &T::TraceNameCell},
}};

constexpr std::array<TraceField, 13> kWrittenOrder{{
    {"TraceName", &T::TraceName},
    {"ServerName", &T::ServerName},
    {"TagName", &T::TagName},
    {"DataSourceName", &T::DataSourceName},
    {"TraceOrder", &T::TraceOrder},
    {"qsIndex", &T::qsIndex},
    {"ServerNameCell", &T::ServerNameCell},
    {"TagNameCell", &T::TagNameCell},
    {"WorksheetName", &T::WorksheetName},
    {"CellRange", &T::CellRange},
    {"State", &T::State},
    {"WorkbookName", &T::WorkbookName},
    {"TraceNameCell", &T::TraceNameCell},
}};

// Helper for std::visit over the two member kinds.
template <class... F>
struct Overloaded : F... {
  using F::operator()...;
};
template <class... F>
Overloaded(F...) -> Overloaded<F...>;

}  // namespace

std::span<const TraceField> TraceFieldsInLayoutOrder() {
  return kLayoutOrder;
}

std::span<const TraceField> TraceFieldsInWrittenOrder() {
  return kWrittenOrder;
}

namespace {

// The fields by the length of their names: at most two share one (a third
// would stop the build here).
struct FieldsByLength {
  static constexpr std::size_t kLongest = 14;
  std::array<std::array<const TraceField*, 2>, kLongest + 1> slots{};

  constexpr FieldsByLength() {
    for (const auto& field : kLayoutOrder) {
      auto& slot = slots[field.name.size()];
      if (slot[1]) throw "three field names of one length";
      slot[slot[0] ? 1 : 0] = &field;
    }
  }
};

constexpr FieldsByLength kByLength;

// Plain decimal digits that fit, the usual content of an Integer field, are
// read directly; anything else takes the runtime's conversion.
std::int16_t IntegerOf(std::string_view text) {
  if (text.empty() || text.size() > 4) return CInt(Variant(std::string(text)));
  std::int16_t value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return CInt(Variant(std::string(text)));
    value = static_cast<std::int16_t>(value * 10 + (c - '0'));
  }
  return value;
}

}  // namespace

const TraceField* FindTraceField(std::string_view name) {
  if (name.size() > FieldsByLength::kLongest) return nullptr;
  for (const TraceField* field : kByLength.slots[name.size()])
    if (field && field->name == name) return field;
  return nullptr;
}

std::string FieldText(const TraceOrder& record, const TraceField& field) {
  return std::visit(Overloaded{
                        [&](std::string T::*m) { return record.*m; },
                        [&](std::int16_t T::*m) { return std::to_string(record.*m); },
                    },
                    field.member);
}

void SetFieldText(TraceOrder& record, const TraceField& field, std::string_view text) {
  std::visit(Overloaded{
                 [&](std::string T::*m) { (record.*m).assign(text); },
                 [&](std::int16_t T::*m) { record.*m = IntegerOf(text); },
             },
             field.member);
}

}  // namespace velkor

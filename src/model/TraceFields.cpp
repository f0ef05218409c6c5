#include "model/TraceFields.h"

#include <array>

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

const TraceField* FindTraceField(std::string_view name) {
  // The names differ from each other, so the order of comparison cannot
  // change which field matches.
  for (const auto& field : kLayoutOrder)
    if (field.name == name) return &field;
  return nullptr;
}

std::string FieldText(const TraceOrder& record, const TraceField& field) {
  return std::visit(Overloaded{
                        [&](std::string T::*m) { return record.*m; },
                        [&](std::int16_t T::*m) { return std::to_string(record.*m); },
                    },
                    field.member);
}

void SetFieldText(TraceOrder& record, const TraceField& field, const std::string& text) {
  std::visit(Overloaded{
                 [&](std::string T::*m) { record.*m = text; },
                 [&](std::int16_t T::*m) { record.*m = CInt(Variant(text)); },
             },
             field.member);
}

}  // namespace velkor

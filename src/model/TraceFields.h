// The fields of a TraceOrder by name: how the trace-info document and the
// command line reach a field without spelling out all thirteen.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "model/TraceOrder.h"

namespace velkor {

struct TraceField {
  std::string_view name;  // the field's element name, case-sensitive
  std::variant<std::string TraceOrder::*, std::int16_t TraceOrder::*> member;
};

// The fields in record layout order.
std::span<const TraceField> TraceFieldsInLayoutOrder();
// The fields in the order the trace-info document writes them.
std::span<const TraceField> TraceFieldsInWrittenOrder();
// The field named exactly `name`, or nullptr.
const TraceField* FindTraceField(std::string_view name);

// The field's value as text; Integer fields in decimal.
std::string FieldText(const TraceOrder& record, const TraceField& field);
// Stores `text` in the field. Integer fields take the runtime's CInt of the
// text: Type mismatch (13) for no number, Overflow (6) outside 16 bits; the
// field keeps its value then.
void SetFieldText(TraceOrder& record, const TraceField& field, std::string_view text);

}  // namespace velkor

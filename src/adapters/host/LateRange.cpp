#include "adapters/host/LateRange.h"

#include "adapters/LateCollection.h"
#include "platform/Conversions.h"
#include "platform/host/HostModel.h"

namespace velkor::adapters {

std::string LateRange::Address() const {
  return CStr(Get("Address"));
}

std::int32_t LateRange::Row() const {
  return CLng(Get("Row"));
}

std::int32_t LateRange::Column() const {
  return CLng(Get("Column"));
}

// The host's model counts a range's rows and columns through Rows.Count and
// Columns.Count.
std::int32_t LateRange::RowsCount() const {
  return CLng(LatePart(Get("Rows")).Get("Count"));
}

std::int32_t LateRange::ColumnsCount() const {
  return CLng(LatePart(Get("Columns")).Get("Count"));
}

std::int32_t LateRange::Count() const {
  return CLng(Get("Count"));
}

host::RangePtr LateRange::Cells() {
  return GetAs<host::Range>("Cells");
}

host::RangePtr LateRange::Cells(std::int32_t row, std::int32_t column) {
  return GetAs<host::Range>("Cells", row, column);
}

Variant LateRange::Value() const {
  return Get("Value");
}

void LateRange::SetValue(const Variant& value) {
  Let("Value", value);
}

double LateRange::Top() const {
  return CDbl(Get("Top"));
}

double LateRange::Left() const {
  return CDbl(Get("Left"));
}

double LateRange::Width() const {
  return CDbl(Get("Width"));
}

double LateRange::Height() const {
  return CDbl(Get("Height"));
}

host::WorksheetPtr LateRange::Worksheet() {
  return GetAs<host::Worksheet>("Worksheet");
}

}  // namespace velkor::adapters

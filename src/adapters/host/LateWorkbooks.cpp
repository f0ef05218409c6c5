#include "adapters/host/LateWorkbooks.h"

#include "platform/Conversions.h"
#include "platform/host/HostModel.h"

namespace velkor::adapters {

std::int32_t LateWorkbooks::Count() const {
  return CLng(Get("Count"));
}

host::WorkbookPtr LateWorkbooks::Item(const Variant& index) {
  return GetAs<host::Workbook>("Item", index);
}

host::WorkbookPtr LateWorkbooks::Add() {
  return CallAs<host::Workbook>("Add");
}

host::WorkbookPtr LateWorkbooks::Open(std::string_view path) {
  return CallAs<host::Workbook>("Open", path);
}

void LateWorkbooks::Close() {
  Call("Close");
}

std::vector<host::WorkbookPtr> LateWorkbooks::Enumerate() {
  return EnumerateAs<host::Workbook>();
}

std::string LateWorkbook::Name() const {
  return CStr(Get("Name"));
}

host::WorksheetsPtr LateWorkbook::Worksheets() {
  return GetAs<host::Worksheets>("Worksheets");
}

host::WorksheetPtr LateWorkbook::ActiveSheet() {
  return GetAs<host::Worksheet>("ActiveSheet");
}

host::ApplicationPtr LateWorkbook::Application() {
  return GetAs<host::Application>("Application");
}

void LateWorkbook::Activate() {
  Call("Activate");
}

// A host whose Close returns nothing gives no word of a cancelled close;
// returning without an error is taken as closed there.
bool LateWorkbook::Close() {
  const Variant closed = Call("Close");
  return closed.IsEmpty() || CBool(closed);
}

}  // namespace velkor::adapters

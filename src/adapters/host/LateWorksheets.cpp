#include "adapters/host/LateWorksheets.h"

#include "platform/Conversions.h"
#include "platform/host/HostModel.h"

namespace velkor::adapters {

std::int32_t LateWorksheets::Count() const {
  return CLng(Get("Count"));
}

host::WorksheetPtr LateWorksheets::Item(const Variant& index) {
  return GetAs<host::Worksheet>("Item", index);
}

host::WorksheetPtr LateWorksheets::Add() {
  return CallAs<host::Worksheet>("Add");
}

std::vector<host::WorksheetPtr> LateWorksheets::Enumerate() {
  return EnumerateAs<host::Worksheet>();
}

std::string LateWorksheet::Name() const {
  return CStr(Get("Name"));
}

void LateWorksheet::SetName(std::string_view name) {
  Let("Name", name);
}

std::string LateWorksheet::CodeName() const {
  return CStr(Get("CodeName"));
}

host::WorkbookPtr LateWorksheet::Parent() {
  return GetAs<host::Workbook>("Parent");
}

host::ApplicationPtr LateWorksheet::Application() {
  return GetAs<host::Application>("Application");
}

host::RangePtr LateWorksheet::Range(const Variant& address) {
  return GetAs<host::Range>("Range", address);
}

host::RangePtr LateWorksheet::Cells(std::int32_t row, std::int32_t column) {
  return GetAs<host::Range>("Cells", row, column);
}

void LateWorksheet::Select() {
  Call("Select");
}

void LateWorksheet::Activate() {
  Call("Activate");
}

// The host's model reaches a column's width and a row's height through the
// column or row itself: Columns(n).ColumnWidth, Rows(n).RowHeight.
double LateWorksheet::ColumnWidth(std::int32_t column) const {
  return CDbl(LatePart(Get("Columns", column)).Get("ColumnWidth"));
}

void LateWorksheet::SetColumnWidth(std::int32_t column, double points) {
  LatePart(Get("Columns", column)).Let("ColumnWidth", points);
}

double LateWorksheet::RowHeight(std::int32_t row) const {
  return CDbl(LatePart(Get("Rows", row)).Get("RowHeight"));
}

void LateWorksheet::SetRowHeight(std::int32_t row, double points) {
  LatePart(Get("Rows", row)).Let("RowHeight", points);
}

host::OLEObjectsPtr LateWorksheet::OLEObjects() {
  return GetAs<host::OLEObjects>("OLEObjects");
}

}  // namespace velkor::adapters

#include "standins/host/HostDriver.h"

#include "platform/ErrorNumbers.h"
#include "standins/host/SheetReference.h"
#include "standins/host/SimApplication.h"
#include "standins/host/SimOLEObject.h"
#include "standins/host/SimRange.h"
#include "standins/host/SimWorkbook.h"
#include "standins/host/SimWorksheet.h"
#include "standins/host/WorkbookFile.h"

namespace velkor::sim {

namespace {

[[noreturn]] void RaiseReference(std::string_view reference, const std::string& why) {
  Raise(err::kAppDefined, "HostDriver", "'" + std::string(reference) + "': " + why);
}

SheetReference Parse(std::string_view reference) {
  auto ref = ParseSheetReference(reference);
  if (!ref) RaiseReference(reference, "not a reference");
  return *ref;
}

}  // namespace

std::shared_ptr<SimWorkbook> HostDriver::ResolveBook(std::string_view name) const {
  auto book = name.empty() ? app_->ActiveBook() : app_->FindBook(name);
  if (!book) RaiseReference(name, name.empty() ? "no workbook is open" : "no such workbook");
  return book;
}

std::shared_ptr<SimWorksheet> HostDriver::ResolveSheet(std::string_view reference) const {
  auto ref = Parse(reference);
  auto book = ResolveBook(ref.book.value_or(""));
  auto sheet = ref.sheet ? book->FindSheet(*ref.sheet) : book->ActiveSimSheet();
  if (!sheet) RaiseReference(reference, "no such sheet");
  return sheet;
}

std::shared_ptr<SimRange> HostDriver::ResolveRange(std::string_view reference) const {
  auto ref = Parse(reference);
  auto area = ParseA1(ref.address);
  if (!area) RaiseReference(reference, "not a cell address");
  return ResolveSheet(reference)->RangeAt(area->Area());
}

std::shared_ptr<SimWorkbook> HostDriver::NewWorkbook() {
  SimApplication::DriverScope scope(*app_);
  return app_->AddBook();
}

std::shared_ptr<SimWorkbook> HostDriver::Open(const std::string& path) {
  SimApplication::DriverScope scope(*app_);
  return app_->OpenBook(path);
}

bool HostDriver::Close(std::string_view bookName) {
  SimApplication::DriverScope scope(*app_);
  return ResolveBook(bookName)->Close();
}

void HostDriver::CancelledClose(std::string_view bookName) {
  SimApplication::DriverScope scope(*app_);
  auto book = ResolveBook(bookName);
  bool cancel = false;
  if (app_->EnableEvents()) app_->WorkbookBeforeClose.Raise(book, cancel);
}

void HostDriver::Save(std::string_view bookName, const std::string& path) {
  SimApplication::DriverScope scope(*app_);
  auto book = ResolveBook(bookName);
  std::string target = path.empty() ? book->Path() : path;
  if (target.empty()) RaiseReference(bookName, "the workbook has never been saved; give a path");
  SaveWorkbookFile(*book, target);
}

void HostDriver::Activate(std::string_view reference) {
  SimApplication::DriverScope scope(*app_);
  auto ref = Parse(reference);
  auto sheet = ResolveSheet(reference);
  if (!ref.address.empty()) {
    auto area = ParseA1(ref.address);
    if (!area) RaiseReference(reference, "not a cell address");
    sheet->SetActiveCell(area->Area());
  }
  sheet->Activate();
}

host::OLEObjectPtr HostDriver::InsertObject(std::string_view sheetReference,
                                            std::string_view progId, double left, double top,
                                            double width, double height) {
  SimApplication::DriverScope scope(*app_);
  return ResolveSheet(sheetReference)->AddObject(progId, {left, top, width, height}, "", nullptr);
}

void HostDriver::SetCells(std::string_view reference, const Variant& value) {
  SimApplication::DriverScope scope(*app_);
  ResolveRange(reference)->WriteCells(value);
}

Variant HostDriver::Cells(std::string_view reference) const {
  return ResolveRange(reference)->Value();
}

void HostDriver::EditCells(std::string_view reference, const Variant& value) {
  SimApplication::DriverScope scope(*app_);
  auto range = ResolveRange(reference);
  range->WriteCells(value);
  if (app_->EnableEvents()) app_->SheetChange.Raise(range->Sheet(), range);
}

void HostDriver::RaiseSheetChange(std::string_view reference) {
  SimApplication::DriverScope scope(*app_);
  auto range = ResolveRange(reference);
  if (app_->EnableEvents()) app_->SheetChange.Raise(range->Sheet(), range);
}

void HostDriver::RaiseSheetCalculate(std::string_view sheetReference) {
  SimApplication::DriverScope scope(*app_);
  auto sheet = ResolveSheet(sheetReference);
  if (app_->EnableEvents()) app_->SheetCalculate.Raise(sheet);
}

void HostDriver::SetCellEditMode(bool editing) {
  app_->SetCellEditMode(editing);
}

void HostDriver::Advance(std::int64_t milliseconds) {
  SimApplication::DriverScope scope(*app_);
  app_->Clock().Advance(milliseconds);
}

std::vector<ObjectInfo> HostDriver::ListObjects() const {
  std::vector<ObjectInfo> out;
  for (const auto& book : app_->Books())
    for (const auto& sheet : book->Sheets())
      for (const auto& object : sheet->Objects()) {
        const auto& g = object->Geometry();
        out.push_back({book->Name(), sheet->Name(), object->RawName(), object->ProgID(), g.left,
                       g.top, g.width, g.height, object->Visible()});
      }
  return out;
}

}  // namespace velkor::sim

#include "standins/host/SimCollections.h"

#include "platform/Conversions.h"
#include "platform/ErrorNumbers.h"
#include "standins/FaultPoints.h"
#include "standins/host/SimApplication.h"
#include "standins/host/SimOLEObject.h"
#include "standins/host/SimRange.h"
#include "standins/host/SimWorkbook.h"
#include "standins/host/SimWorksheet.h"

namespace velkor::sim {

namespace {

// Item by 1-based position for a number, by name (through `byName`) for
// anything else; `missing` raises when there is no such item.
template <class List, class ByName, class Missing>
auto ItemOf(const List& list, const Variant& index, ByName byName, Missing missing) {
  if (index.IsNumeric()) {
    auto position = CLng(index);
    if (position < 1 || static_cast<std::size_t>(position) > list.size()) missing();
    return list[static_cast<std::size_t>(position) - 1];
  }
  auto item = byName(CStr(index));
  if (!item) missing();
  return item;
}

template <class Base, class List>
std::vector<std::shared_ptr<Base>> Snapshot(const List& list) {
  return std::vector<std::shared_ptr<Base>>(list.begin(), list.end());
}

double GeometryValue(const Variant& value, double fallback) {
  return value.IsMissing() || value.IsEmpty() ? fallback : CDbl(value);
}

}  // namespace

std::shared_ptr<SimApplication> SimWorkbooks::App() const {
  auto app = app_.lock();
  if (!app) Raise(err::kAppDefined, {}, "The host has ended.");
  return app;
}

std::int32_t SimWorkbooks::Count() const {
  return static_cast<std::int32_t>(App()->Books().size());
}

host::WorkbookPtr SimWorkbooks::Item(const Variant& index) {
  ThrowIfArmed("Workbooks.Item");
  auto app = App();
  return ItemOf(
      app->Books(), index, [&](const std::string& n) { return app->FindBook(n); },
      [] { Raise(err::kSubscriptOutOfRange); });
}

host::WorkbookPtr SimWorkbooks::Add() {
  return App()->AddBook();
}

host::WorkbookPtr SimWorkbooks::Open(std::string_view path) {
  return App()->OpenBook(std::string(path));
}

void SimWorkbooks::Close() {
  for (const auto& book : std::vector(App()->Books())) book->Close();
}

std::vector<host::WorkbookPtr> SimWorkbooks::Enumerate() {
  return Snapshot<host::Workbook>(App()->Books());
}

std::int32_t SimWorksheets::Count() const {
  return static_cast<std::int32_t>(book_->Sheets().size());
}

host::WorksheetPtr SimWorksheets::Item(const Variant& index) {
  ThrowIfArmed("Worksheets.Item");
  return ItemOf(
      book_->Sheets(), index, [&](const std::string& n) { return book_->FindSheet(n); },
      [] { Raise(err::kSubscriptOutOfRange); });
}

host::WorksheetPtr SimWorksheets::Add() {
  ThrowIfArmed("Worksheets.Add");
  return book_->AddSheet();
}

std::vector<host::WorksheetPtr> SimWorksheets::Enumerate() {
  ThrowIfArmed("Worksheets.Enumerate");
  return Snapshot<host::Worksheet>(book_->Sheets());
}

host::OLEObjectPtr SimOLEObjects::Add(std::string_view classType, const Variant& left,
                                      const Variant& top, const Variant& width,
                                      const Variant& height) {
  ThrowIfArmed("OLEObjects.Add");
  if (sheet_->IsProtected())
    Raise(err::kAppDefined, {},
          "The sheet '" + sheet_->Name() + "' is protected. Unprotect it to insert objects.");
  auto corner = sheet_->RangeAt(sheet_->ActiveCellArea());
  ObjectGeometry geometry{GeometryValue(left, corner->Left()), GeometryValue(top, corner->Top()),
                          GeometryValue(width, kDefaultObjectSize),
                          GeometryValue(height, kDefaultObjectSize)};
  return sheet_->AddObject(classType, geometry, "", nullptr);
}

std::int32_t SimOLEObjects::Count() const {
  return static_cast<std::int32_t>(sheet_->Objects().size());
}

host::OLEObjectPtr SimOLEObjects::Item(const Variant& index) {
  return ItemOf(
      sheet_->Objects(), index, [&](const std::string& n) { return sheet_->FindObject(n); },
      [&] {
        Raise(
            err::kAppDefined, {},
            "Unable to get the OLEObject '" + CStr(index) + "' on sheet '" + sheet_->Name() + "'.");
      });
}

std::vector<host::OLEObjectPtr> SimOLEObjects::Enumerate() {
  ThrowIfArmed("OLEObjects.Enumerate");
  return Snapshot<host::OLEObject>(sheet_->Objects());
}

std::int32_t SimLanguageSettings::LanguageID(std::int32_t selector) const {
  if (selector < 1 || selector > 5) Raise(err::kInvalidProcedureCall);
  auto app = app_.lock();
  return app ? app->UILanguage() : 1033;
}

}  // namespace velkor::sim

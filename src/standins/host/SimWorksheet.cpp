#include "standins/host/SimWorksheet.h"

#include <algorithm>
#include <cmath>

#include "platform/Conversions.h"
#include "platform/ErrorNumbers.h"
#include "platform/VbString.h"
#include "platform/host/HostConstants.h"
#include "platform/os/ObjectFactory.h"
#include "standins/FaultPoints.h"
#include "standins/ForeignView.h"
#include "standins/host/SheetNames.h"
#include "standins/host/SheetReference.h"
#include "standins/host/SimApplication.h"
#include "standins/host/SimCollections.h"
#include "standins/host/SimOLEObject.h"
#include "standins/host/SimRange.h"
#include "standins/host/SimWorkbook.h"

namespace velkor::sim {

namespace {

[[noreturn]] void RaiseHost(const std::string& description) {
  Raise(err::kAppDefined, {}, description);
}

void CheckSize(double points) {
  if (!std::isfinite(points) || points < 0) RaiseHost("A size must be a number of at least 0.");
}

// What a cell stores for an assigned value: numbers as Double, nothing for
// Empty, Null and "".
Variant CellContent(const Variant& value) {
  switch (value.type()) {
    case VarType::Integer:
    case VarType::Long:
      return CDbl(value);
    case VarType::Double:
      if (!std::isfinite(value.AsDouble())) Raise(err::kOverflow);
      return value;
    case VarType::Null:
    case VarType::Missing:
      return {};
    case VarType::String:
      return value.AsString().empty() ? Variant() : value;
    case VarType::Object:
    case VarType::Array:
      Raise(err::kTypeMismatch);
    default:
      return value;
  }
}

// "ZaltTrend.ZaltTrend.1" and "Velkor.ExcelTrendWizard" name their objects
// after the class part: "ZaltTrend", "ExcelTrendWizard".
std::string ClassShortName(std::string_view progId) {
  std::string_view rest = progId;
  auto dot = rest.rfind('.');
  if (dot != std::string_view::npos && dot + 1 < rest.size() &&
      std::all_of(rest.begin() + dot + 1, rest.end(), [](char c) { return c >= '0' && c <= '9'; }))
    rest = rest.substr(0, dot);
  dot = rest.rfind('.');
  if (dot != std::string_view::npos) rest = rest.substr(dot + 1);
  return rest.empty() ? "Object" : std::string(rest);
}

}  // namespace

SimWorksheet::SimWorksheet(std::weak_ptr<SimWorkbook> book, std::string name, std::string codeName)
    : book_(std::move(book)),
      name_(std::move(name)),
      codeName_(std::move(codeName)),
      columns_(host::kDefaultColumnWidth),
      rows_(host::kDefaultRowHeight) {}

std::shared_ptr<SimApplication> SimWorksheet::App() const {
  auto book = Book();
  return book ? book->App() : nullptr;
}

std::shared_ptr<SimWorksheet> SimWorksheet::Self() {
  return std::static_pointer_cast<SimWorksheet>(shared_from_this());
}

void SimWorksheet::MarkDirty() const {
  if (auto book = Book()) book->SetDirty(true);
}

void SimWorksheet::SetName(std::string_view name) {
  auto book = Book();
  auto other = book ? book->FindSheet(name) : nullptr;
  if (!IsValidSheetName(name) || (other && other.get() != this))
    RaiseHost("Cannot rename a sheet to '" + std::string(name) + "'.");
  name_ = std::string(name);
  MarkDirty();
}

host::WorkbookPtr SimWorksheet::Parent() {
  return Book();
}

host::ApplicationPtr SimWorksheet::Application() {
  return App();
}

std::shared_ptr<SimRange> SimWorksheet::RangeAt(const CellArea& area) {
  return std::make_shared<SimRange>(Self(), area);
}

host::RangePtr SimWorksheet::Range(const Variant& address) {
  ThrowIfArmed("Worksheet.Range");
  const std::string text = address.IsString() ? address.AsString() : CStr(address);
  auto ref = ParseSheetReference(text);
  // A sheet prefix is allowed only when it names this sheet.
  bool ownSheet = ref && !ref->book && (!ref->sheet || vb::EqualsText(*ref->sheet, name_));
  auto area = ownSheet ? ParseA1(ref->address) : std::nullopt;
  if (!area) RaiseHost("Method 'Range' of object '_Worksheet' failed: '" + text + "'.");
  return RangeAt(area->Area());
}

host::RangePtr SimWorksheet::Cells(std::int32_t row, std::int32_t column) {
  if (!IsValidCell(row, column))
    RaiseHost("Cells(" + std::to_string(row) + ", " + std::to_string(column) +
              ") lies outside the sheet.");
  return RangeAt(CellArea{row, column, row, column});
}

void SimWorksheet::Activate() {
  auto book = Book();
  if (!book || book->IsClosed()) RaiseHost("The sheet's workbook has been closed.");
  book->SetActiveSheet(Self());
  book->Activate();
}

double SimWorksheet::ColumnWidth(std::int32_t column) const {
  if (!IsValidCell(1, column)) RaiseHost("No such column.");
  return columns_.Size(column);
}

void SimWorksheet::SetColumnWidth(std::int32_t column, double points) {
  if (!IsValidCell(1, column)) RaiseHost("No such column.");
  CheckSize(points);
  columns_.SetSize(column, points);
  MarkDirty();
}

double SimWorksheet::RowHeight(std::int32_t row) const {
  if (!IsValidCell(row, 1)) RaiseHost("No such row.");
  return rows_.Size(row);
}

void SimWorksheet::SetRowHeight(std::int32_t row, double points) {
  if (!IsValidCell(row, 1)) RaiseHost("No such row.");
  CheckSize(points);
  rows_.SetSize(row, points);
  MarkDirty();
}

host::OLEObjectsPtr SimWorksheet::OLEObjects() {
  return std::make_shared<SimOLEObjects>(Self());
}

Variant SimWorksheet::CellValue(std::int32_t row, std::int32_t column) const {
  auto it = cells_.find({row, column});
  return it == cells_.end() ? Variant() : it->second;
}

void SimWorksheet::SetCellValue(std::int32_t row, std::int32_t column, const Variant& value) {
  Variant content = CellContent(value);
  if (content.IsEmpty())
    cells_.erase({row, column});
  else
    cells_[{row, column}] = std::move(content);
  MarkDirty();
}

std::shared_ptr<SimOLEObject> SimWorksheet::FindObject(std::string_view name) const {
  auto it = objectsByName_.find(vb::FoldKey(name));
  return it == objectsByName_.end() ? nullptr : it->second;
}

void SimWorksheet::RenamingObject(const SimOLEObject& object, std::string_view newName) {
  auto it = objectsByName_.find(vb::FoldKey(object.RawName()));
  if (it == objectsByName_.end() || it->second.get() != &object) return;
  auto frame = std::move(it->second);
  objectsByName_.erase(it);
  objectsByName_.emplace(vb::FoldKey(newName), std::move(frame));
}

bool SimWorksheet::IsObjectNameTaken(std::string_view name, const SimOLEObject* except) const {
  auto found = FindObject(name);
  return found && found.get() != except;
}

std::string SimWorksheet::DefaultObjectName(std::string_view progId) const {
  return FirstFreeName(ClassShortName(progId),
                       [this](const std::string& n) { return IsObjectNameTaken(n, nullptr); });
}

std::shared_ptr<SimOLEObject> SimWorksheet::AddObject(std::string_view progId,
                                                      const ObjectGeometry& geometry,
                                                      std::string name, const PropertyList* saved) {
  auto app = App();
  if (!app) RaiseHost("The sheet's workbook has been closed.");
  CheckSize(geometry.width);
  CheckSize(geometry.height);
  if (name.empty()) name = DefaultObjectName(progId);
  if (IsObjectNameTaken(name, nullptr)) RaiseHost("An object named '" + name + "' exists.");
  // The host gives a sheet its code name when the first object arrives.
  if (codeName_.empty()) codeName_ = Book()->FreeCodeName();
  // The frame holds the object itself, whatever the control is handed.
  ObjectPtr inner = ForeignView::Unwrap(os::CreateObject(progId));
  auto frame = std::make_shared<SimOLEObject>(Self(), std::string(progId), std::move(name),
                                              std::move(inner), geometry, app->NewWindowHandle());
  objects_.push_back(frame);
  objectsByName_.emplace(vb::FoldKey(frame->RawName()), frame);
  MarkDirty();
  try {
    frame->Embed(saved);
  } catch (...) {
    frame->Shutdown();
    throw;
  }
  return frame;
}

void SimWorksheet::RemoveObject(const SimOLEObject& object) {
  std::erase_if(objects_, [&](const auto& o) { return o.get() == &object; });
  auto it = objectsByName_.find(vb::FoldKey(object.RawName()));
  if (it != objectsByName_.end() && it->second.get() == &object) objectsByName_.erase(it);
  MarkDirty();
}

}  // namespace velkor::sim

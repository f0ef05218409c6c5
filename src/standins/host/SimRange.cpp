#include "standins/host/SimRange.h"

#include <limits>

#include "platform/ErrorNumbers.h"
#include "standins/host/SimApplication.h"
#include "standins/host/SimWorkbook.h"
#include "standins/host/SimWorksheet.h"

namespace velkor::sim {

namespace {

// Larger blocks of values than this are refused as Out of memory (7) rather
// than allocated: a whole-sheet Value would need billions of Variants.
constexpr std::int64_t kMaxValueCells = std::int64_t{1} << 22;

constexpr std::int32_t kNotAvailable = 2042;  // #N/A

void CheckValueSize(const CellArea& area) {
  if (area.CellCount() > kMaxValueCells) Raise(err::kOutOfMemory);
}

// The element of `array` for the cell at 0-based (i, j) of the range: a
// 2-D array by row and column, a 1-D array as one row repeated; #N/A beyond
// its bounds.
Variant ElementFor(const SafeArray& array, std::int32_t i, std::int32_t j) {
  if (array.Dimensions() == 2) {
    auto rows = array.Bounds(1), columns = array.Bounds(2);
    if (i < rows.count && j < columns.count) return array.at(rows.lower + i, columns.lower + j);
  } else if (array.Dimensions() == 1) {
    auto columns = array.Bounds(1);
    if (j < columns.count) return array.at(columns.lower + j);
  }
  return ErrorValue{kNotAvailable};
}

}  // namespace

std::int32_t SimRange::Count() const {
  if (area_.CellCount() > std::numeric_limits<std::int32_t>::max()) Raise(err::kOverflow);
  return static_cast<std::int32_t>(area_.CellCount());
}

host::RangePtr SimRange::Cells() {
  return sheet_->RangeAt(area_);
}

host::RangePtr SimRange::Cells(std::int32_t row, std::int32_t column) {
  const std::int64_t r = std::int64_t{area_.top} + row - 1;
  const std::int64_t c = std::int64_t{area_.left} + column - 1;
  if (r < 1 || c < 1 || !IsValidCell(static_cast<std::int32_t>(r), static_cast<std::int32_t>(c)))
    Raise(err::kAppDefined, {}, "The cell lies outside the sheet.");
  return sheet_->Cells(static_cast<std::int32_t>(r), static_cast<std::int32_t>(c));
}

Variant SimRange::Value() const {
  if (area_.IsSingleCell()) return sheet_->CellValue(area_.top, area_.left);
  CheckValueSize(area_);
  SafeArray values({1, area_.Rows()}, {1, area_.Columns()});
  for (std::int32_t i = 0; i < area_.Rows(); ++i)
    for (std::int32_t j = 0; j < area_.Columns(); ++j)
      values.at(i + 1, j + 1) = sheet_->CellValue(area_.top + i, area_.left + j);
  return Variant(std::move(values));
}

void SimRange::WriteCells(const Variant& value) {
  CheckValueSize(area_);
  for (std::int32_t i = 0; i < area_.Rows(); ++i)
    for (std::int32_t j = 0; j < area_.Columns(); ++j)
      sheet_->SetCellValue(area_.top + i, area_.left + j,
                           value.IsArray() ? ElementFor(value.AsArray(), i, j) : value);
}

void SimRange::SetValue(const Variant& value) {
  WriteCells(value);
  auto app = sheet_->App();
  if (app && app->EnableEvents()) app->SheetChange.Raise(sheet_, sheet_->RangeAt(area_));
}

double SimRange::Top() const {
  return sheet_->Rows().Offset(area_.top);
}
double SimRange::Left() const {
  return sheet_->Columns().Offset(area_.left);
}
double SimRange::Width() const {
  return sheet_->Columns().Span(area_.left, area_.right);
}
double SimRange::Height() const {
  return sheet_->Rows().Span(area_.top, area_.bottom);
}

host::WorksheetPtr SimRange::Worksheet() {
  return sheet_;
}

}  // namespace velkor::sim

#include "standins/components/excel/RangeTraces.h"

#include <limits>
#include <optional>

#include "platform/Conversions.h"

namespace velkor::sim {

namespace {

const Variant kEmpty;

std::optional<double> TimeOf(const Variant& cell) {
  switch (cell.type()) {
    case VarType::Date:
      return cell.AsDate().serial;
    case VarType::Double:
    case VarType::Long:
    case VarType::Integer:
      return CDbl(cell);
    case VarType::String:
      if (auto date = ParseDate(cell.AsString())) return date->serial;
      return std::nullopt;
    default:
      return std::nullopt;
  }
}

double ValueOf(const Variant& cell) {
  switch (cell.type()) {
    case VarType::Double:
    case VarType::Long:
    case VarType::Integer:
    case VarType::Date:
      return CDbl(cell);
    default:
      return std::numeric_limits<double>::quiet_NaN();
  }
}

// Cell (line, series) where a line is one sample and series 0 the times.
const Variant& Cell(const CellGrid& grid, const RangeShape& shape, std::int32_t line,
                    std::int32_t series) {
  return shape.rowWise ? grid.At(series + 1, line) : grid.At(line, series + 1);
}

std::int32_t LineCount(const CellGrid& grid, const RangeShape& shape) {
  return shape.rowWise ? grid.Columns() : grid.Rows();
}

}  // namespace

CellGrid::CellGrid(const Variant& rangeValue) {
  if (!rangeValue.IsArray()) {
    values_.push_back(rangeValue);
    return;
  }
  const SafeArray& array = rangeValue.AsArray();
  if (array.Dimensions() != 2) {
    values_.push_back(kEmpty);
    return;
  }
  rows_ = array.Bounds(1).count;
  columns_ = array.Bounds(2).count;
  values_ = array.items();
}

const Variant& CellGrid::At(std::int32_t row, std::int32_t column) const {
  if (row < 1 || column < 1 || row > rows_ || column > columns_) return kEmpty;
  return values_[static_cast<std::size_t>((row - 1) * columns_ + (column - 1))];
}

std::int32_t TraceCount(const CellGrid& grid, const RangeShape& shape) {
  return (shape.rowWise ? grid.Rows() : grid.Columns()) - 1;
}

std::pair<std::int32_t, std::int32_t> NameCellOf(const RangeShape& shape, std::int32_t index) {
  return shape.rowWise ? std::pair{index + 1, 1} : std::pair{1, index + 1};
}

std::vector<TracePoint> TracePoints(const CellGrid& grid, const RangeShape& shape,
                                    std::int32_t index) {
  std::vector<TracePoint> points;
  for (std::int32_t line = shape.namesFirst ? 2 : 1; line <= LineCount(grid, shape); ++line) {
    auto time = TimeOf(Cell(grid, shape, line, 0));
    if (!time) continue;
    points.push_back({*time, ValueOf(Cell(grid, shape, line, index)), 0});
  }
  return points;
}

}  // namespace velkor::sim

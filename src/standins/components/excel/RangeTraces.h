// RangeTraces: how a block of cell values splits into traces. Column-wise,
// the first column holds the times and every other column one trace;
// row-wise the same with rows. With names first, the first row (column)
// holds the trace names and no samples.
#pragma once

#include <cstdint>
#include <vector>

#include "parts/render/TrendPicture.h"
#include "platform/Variant.h"

namespace velkor::sim {

struct RangeShape {
  bool rowWise = false;
  bool namesFirst = false;
};

// The values of a range as the host gives them: one value for one cell, a
// 2-D array for several.
class CellGrid {
 public:
  explicit CellGrid(const Variant& rangeValue);
  std::int32_t Rows() const { return rows_; }
  std::int32_t Columns() const { return columns_; }
  // 1-based; Empty outside the grid.
  const Variant& At(std::int32_t row, std::int32_t column) const;

 private:
  std::int32_t rows_ = 1;
  std::int32_t columns_ = 1;
  std::vector<Variant> values_;
};

// The number of traces: columns (rows) after the time column (row).
std::int32_t TraceCount(const CellGrid& grid, const RangeShape& shape);
// The 1-based row and column of the name cell of trace `index` (1-based).
std::pair<std::int32_t, std::int32_t> NameCellOf(const RangeShape& shape, std::int32_t index);
// The samples of trace `index`: one per line whose time cell holds a date,
// a number or a date text; a value cell that holds no number gives a gap
// (NaN). Lines without a time are left out.
std::vector<TracePoint> TracePoints(const CellGrid& grid, const RangeShape& shape,
                                    std::int32_t index);

}  // namespace velkor::sim

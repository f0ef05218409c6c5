// SimRange: a rectangle of cells on a SimWorksheet. A range is a view: it
// reads and writes the sheet's cells and takes its geometry from the
// sheet's column widths and row heights.
#pragma once

#include <memory>

#include "platform/host/Range.h"
#include "standins/host/CellAddress.h"

namespace velkor::sim {

class SimWorksheet;

class SimRange : public host::Range {
 public:
  SimRange(std::shared_ptr<SimWorksheet> sheet, const CellArea& area)
      : sheet_(std::move(sheet)), area_(area) {}

  std::string Address() const override { return AbsoluteAddress(area_); }
  std::int32_t Row() const override { return area_.top; }
  std::int32_t Column() const override { return area_.left; }
  std::int32_t RowsCount() const override { return area_.Rows(); }
  std::int32_t ColumnsCount() const override { return area_.Columns(); }
  std::int32_t Count() const override;
  host::RangePtr Cells() override;
  host::RangePtr Cells(std::int32_t row, std::int32_t column) override;
  Variant Value() const override;
  // Raises SheetChange afterwards, as the host does for a change by a macro
  // (unless events are off).
  void SetValue(const Variant& value) override;
  double Top() const override;
  double Left() const override;
  double Width() const override;
  double Height() const override;
  host::WorksheetPtr Worksheet() override;

  const CellArea& Area() const { return area_; }
  const std::shared_ptr<SimWorksheet>& Sheet() const { return sheet_; }
  // Writes the cells without raising SheetChange.
  void WriteCells(const Variant& value);

 private:
  std::shared_ptr<SimWorksheet> sheet_;
  CellArea area_;
};

}  // namespace velkor::sim

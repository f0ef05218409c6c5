// Range: a rectangular block of cells on one worksheet.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "platform/Object.h"
#include "platform/host/HostFwd.h"

namespace velkor::host {

class Range : public Object {
 public:
  std::string TypeName() const override { return "Range"; }

  // The absolute A1 address: "$A$1" or "$B$5:$C$6".
  virtual std::string Address() const = 0;
  // The first row and column (1-based).
  virtual std::int32_t Row() const = 0;
  virtual std::int32_t Column() const = 0;
  virtual std::int32_t RowsCount() const = 0;
  virtual std::int32_t ColumnsCount() const = 0;
  // The number of cells; Overflow (6) when it does not fit 32 bits.
  virtual std::int32_t Count() const = 0;

  // All cells of the range (Range.Cells).
  virtual RangePtr Cells() = 0;
  // One cell relative to the range's top-left cell (1, 1); it may lie
  // outside the range but not outside the sheet (1004).
  virtual RangePtr Cells(std::int32_t row, std::int32_t column) = 0;

  // One cell: its value (Empty, String, Double, Boolean, Date or Error).
  // Several cells: a 2-D array with 1-based rows and columns.
  virtual Variant Value() const = 0;
  // A single value fills every cell; an array fills the cells its indices
  // reach and leaves #N/A in the others.
  virtual void SetValue(const Variant& value) = 0;

  // Position and size in points, from the sheet's column widths and row heights.
  virtual double Top() const = 0;
  virtual double Left() const = 0;
  virtual double Width() const = 0;
  virtual double Height() const = 0;

  virtual WorksheetPtr Worksheet() = 0;

  Variant Invoke(std::string_view member, InvokeKind kind, std::span<Variant> args) override;

 private:
  ObjectPtr Lines(std::int32_t (Range::*count)() const);
};

}  // namespace velkor::host

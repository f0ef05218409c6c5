// A block of cells over a foreign object.
#pragma once

#include "adapters/LateObject.h"
#include "platform/host/Range.h"

namespace velkor::adapters {

class LateRange final : public Adapted<host::Range> {
 public:
  using Adapted::Adapted;

  std::string Address() const override;
  std::int32_t Row() const override;
  std::int32_t Column() const override;
  std::int32_t RowsCount() const override;
  std::int32_t ColumnsCount() const override;
  std::int32_t Count() const override;
  host::RangePtr Cells() override;
  host::RangePtr Cells(std::int32_t row, std::int32_t column) override;
  Variant Value() const override;
  void SetValue(const Variant& value) override;
  double Top() const override;
  double Left() const override;
  double Width() const override;
  double Height() const override;
  host::WorksheetPtr Worksheet() override;
};

}  // namespace velkor::adapters

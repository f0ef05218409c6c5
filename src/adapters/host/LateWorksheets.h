// A workbook's sheets and one sheet, over foreign objects.
#pragma once

#include "adapters/LateCollection.h"
#include "platform/host/Worksheet.h"
#include "platform/host/Worksheets.h"

namespace velkor::adapters {

class LateWorksheets final : public LateCollection<host::Worksheets> {
 public:
  using LateCollection::LateCollection;

  std::int32_t Count() const override;
  host::WorksheetPtr Item(const Variant& index) override;
  host::WorksheetPtr Add() override;
  std::vector<host::WorksheetPtr> Enumerate() override;
};

class LateWorksheet final : public Adapted<host::Worksheet> {
 public:
  using Adapted::Adapted;

  std::string Name() const override;
  void SetName(std::string_view name) override;
  std::string CodeName() const override;
  host::WorkbookPtr Parent() override;
  host::ApplicationPtr Application() override;
  host::RangePtr Range(const Variant& address) override;
  host::RangePtr Cells(std::int32_t row, std::int32_t column) override;
  void Select() override;
  void Activate() override;
  double ColumnWidth(std::int32_t column) const override;
  void SetColumnWidth(std::int32_t column, double points) override;
  double RowHeight(std::int32_t row) const override;
  void SetRowHeight(std::int32_t row, double points) override;
  host::OLEObjectsPtr OLEObjects() override;
};

}  // namespace velkor::adapters

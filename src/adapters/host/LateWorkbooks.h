// The host's open workbooks and one workbook, over foreign objects.
#pragma once

#include "adapters/LateCollection.h"
#include "platform/host/Workbook.h"
#include "platform/host/Workbooks.h"

namespace velkor::adapters {

class LateWorkbooks final : public LateCollection<host::Workbooks> {
 public:
  using LateCollection::LateCollection;

  std::int32_t Count() const override;
  host::WorkbookPtr Item(const Variant& index) override;
  host::WorkbookPtr Add() override;
  host::WorkbookPtr Open(std::string_view path) override;
  void Close() override;
  std::vector<host::WorkbookPtr> Enumerate() override;
};

class LateWorkbook final : public Adapted<host::Workbook> {
 public:
  using Adapted::Adapted;

  std::string Name() const override;
  host::WorksheetsPtr Worksheets() override;
  host::WorksheetPtr ActiveSheet() override;
  host::ApplicationPtr Application() override;
  void Activate() override;
  bool Close() override;
};

}  // namespace velkor::adapters

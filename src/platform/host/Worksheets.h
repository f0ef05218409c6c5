// Worksheets: the sheets of one workbook, in tab order.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Object.h"
#include "platform/host/HostFwd.h"

namespace velkor::host {

class Worksheets : public Object {
 public:
  std::string TypeName() const override { return "Sheets"; }

  virtual std::int32_t Count() const = 0;
  // By 1-based position or by name (letter case ignored); Subscript out of
  // range (9) when there is no such sheet.
  virtual WorksheetPtr Item(const Variant& index) = 0;
  // Inserts a new sheet before the active one, named "SheetN" with the first
  // N not yet used, and activates it.
  virtual WorksheetPtr Add() = 0;
  // The sheets in tab order, as a snapshot.
  virtual std::vector<WorksheetPtr> Enumerate() = 0;

  Variant Invoke(std::string_view member, InvokeKind kind, std::span<Variant> args) override;
};

}  // namespace velkor::host
